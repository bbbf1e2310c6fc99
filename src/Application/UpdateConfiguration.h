#pragma once

#include <QUrl>

#include "Application/BundleInfo.h"

namespace quillorbitex {

// Whether the program was built with a usable update feed: both values present after trimming,
// neither an unexpanded "$(" build reference, a key of exactly 32 bytes in standard Base64, and a
// feed address with the https scheme, so that nobody on the way can change the download address
// the feed names. Plain http is accepted only to this computer's loopback address (a feed served
// locally, as for tests). No reachability is tested. Anything missing or malformed gives false,
// silently.
bool hasValidUpdateConfiguration(const BundleInfo& bundle);

// Whether nobody on the way can change what `url` fetches: the https scheme (in any case), or
// plain http to this computer's loopback address. Says nothing about the host otherwise.
bool isProtectedTransport(const QUrl& url);

}  // namespace quillorbitex
