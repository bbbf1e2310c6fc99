#include <gtest/gtest.h>

#include "Application/UpdateConfiguration.h"

namespace quillorbitex {
namespace {

// 32, 31 and 33 bytes of key material in standard Base64.
const QString kKey32 = QString::fromLatin1(QByteArray(32, '\x5a').toBase64());
const QString kKey31 = QString::fromLatin1(QByteArray(31, '\x5a').toBase64());
const QString kKey33 = QString::fromLatin1(QByteArray(33, '\x5a').toBase64());
// Bytes whose Base64 uses '+' and '/'.
const QString kKeyWithSymbols = QString::fromLatin1(QByteArray(32, '\xfb').toBase64());
const QString kFeed = QStringLiteral("https://updates.example.org/appcast.xml");

TEST(UpdateConfiguration, AcceptsOnlyAFeedAddressAndA32ByteKey) {
    const struct {
        const char* name;
        QString feed;
        QString key;
        bool valid;
    } cases[] = {
        {"valid https", kFeed, kKey32, true},
        {"http, which anyone on the way could change",
         QStringLiteral("http://updates.example.org/feed"), kKey32, false},
        {"http to this computer", QStringLiteral("http://127.0.0.1:8080/feed"), kKey32, true},
        {"http to this computer by name", QStringLiteral("HTTP://localhost/feed"), kKey32, true},
        {"http to a host named like this computer", QStringLiteral("http://127.0.0.1.example.org/"),
         kKey32, false},
        {"scheme in capitals", QStringLiteral("HTTPS://updates.example.org/feed"), kKey32, true},
        {"surrounding blanks and line breaks", " \n\t" + kFeed + "\n ", "\n " + kKey32 + " \r\n",
         true},
        {"no feed", QString(), kKey32, false},
        {"no key", kFeed, QString(), false},
        {"key of 31 bytes", kFeed, kKey31, false},
        {"key of 33 bytes", kFeed, kKey33, false},
        {"key using + and /", kFeed, kKeyWithSymbols, true},
        {"key in the URL-safe alphabet", kFeed,
         QString(kKeyWithSymbols).replace(u'/', u'_').replace(u'+', u'-'), false},
        {"key without its padding", kFeed, QString(kKey32).remove(u'='), false},
        {"key with a blank inside", kFeed, QString(kKey32).replace(10, 1, u' '), false},
        {"unexpanded reference inside a valid feed", kFeed + QStringLiteral("?v=$(VERSION)"),
         kKey32, false},
        {"feed without a scheme", QStringLiteral("updates.example.org/appcast.xml"), kKey32, false},
        {"file address", QStringLiteral("file:///srv/appcast.xml"), kKey32, false},
        {"host and port read as a scheme", QStringLiteral("localhost:8080/appcast.xml"), kKey32,
         false},
        {"not a URL", QStringLiteral("https://exa mple.org/feed"), kKey32, false},
    };
    for (const auto& c : cases) {
        BundleInfo bundle;
        bundle.feedURL = c.feed;
        bundle.publicEDKey = c.key;
        EXPECT_EQ(hasValidUpdateConfiguration(bundle), c.valid) << c.name;
    }
}

}  // namespace
}  // namespace quillorbitex
