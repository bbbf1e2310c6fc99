#pragma once

#include <QString>

namespace quillorbitex {

// What the program knows about itself: its identifier, name and version, and the update feed it
// was built with. The build compiles the values in (compiledIn()); tests make their own.
struct BundleInfo {
    // "org.quillorbitex.Quillorbitex"; also the name of the desktop file and the icon.
    QString identifier;
    QString displayName;
    // The project's version, such as "0.1.0"; compared with the versions an update feed offers.
    QString version;
    // "SUFeedURL": the address of the update feed, as the build gave it (empty when none).
    QString feedURL;
    // "SUPublicEDKey": the feed's public signing key in Base64, as the build gave it (empty when
    // none).
    QString publicEDKey;

    // The values this program was built with.
    static BundleInfo compiledIn();

    friend bool operator==(const BundleInfo&, const BundleInfo&) = default;
};

}  // namespace quillorbitex
