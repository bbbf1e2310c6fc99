#include "Application/BundleInfo.h"

#include "BundleInfoValues.h"

namespace quillorbitex {

BundleInfo BundleInfo::compiledIn() {
    return BundleInfo{
        QString::fromUtf8(QX_BUNDLE_IDENTIFIER),    QString::fromUtf8(QX_BUNDLE_DISPLAY_NAME),
        QString::fromUtf8(QX_BUNDLE_VERSION),       QString::fromUtf8(QX_BUNDLE_FEED_URL),
        QString::fromUtf8(QX_BUNDLE_PUBLIC_ED_KEY),
    };
}

}  // namespace quillorbitex
