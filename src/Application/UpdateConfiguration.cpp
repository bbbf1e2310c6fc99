#include "Application/UpdateConfiguration.h"

#include <QByteArray>
#include <QHostAddress>
#include <QUrl>
#include <optional>

namespace quillorbitex {

namespace {

// Standard Base64 without leniency: whole groups of four (padding included) of the standard
// alphabet only, so inner blanks, the URL-safe alphabet and missing padding all fail.
std::optional<QByteArray> decodeStrictBase64(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    if (bytes.isEmpty() || bytes.size() % 4 != 0 || text.size() != bytes.size()) {
        return std::nullopt;
    }
    const auto result = QByteArray::fromBase64Encoding(
        bytes, QByteArray::Base64Encoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!result) {
        return std::nullopt;
    }
    return *result;
}

}  // namespace

bool hasValidUpdateConfiguration(const BundleInfo& bundle) {
    const QString feed = bundle.feedURL.trimmed();
    const QString key = bundle.publicEDKey.trimmed();
    if (feed.isEmpty() || key.isEmpty()) {
        return false;
    }
    if (feed.contains(u"$(") || key.contains(u"$(")) {
        return false;
    }
    const auto decodedKey = decodeStrictBase64(key);
    if (!decodedKey || decodedKey->size() != 32) {
        return false;
    }
    const QUrl url(feed, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty()) {
        return false;
    }
    return isProtectedTransport(url);
}

bool isProtectedTransport(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    if (scheme == u"https") {
        return true;
    }
    const QString host = url.host().toLower();
    return scheme == u"http" && (host == u"localhost" || QHostAddress(host).isLoopback());
}

}  // namespace quillorbitex
