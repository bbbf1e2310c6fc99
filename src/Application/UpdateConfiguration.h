#pragma once

#include "Application/BundleInfo.h"

namespace quillorbitex {

// Whether the program was built with a usable update feed: both values present after trimming,
// neither an unexpanded "$(" build reference, a key of exactly 32 bytes in standard Base64, and a
// feed address with an http or https scheme. No host, path or reachability is tested. Anything
// missing or malformed gives false, silently.
bool hasValidUpdateConfiguration(const BundleInfo& bundle);

}  // namespace quillorbitex
