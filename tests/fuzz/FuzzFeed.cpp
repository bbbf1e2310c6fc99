// Feeds arbitrary bytes to the update feed reader. Whatever it reads must be a release the updater
// can offer; the notes cleaner, given the same bytes as HTML, must give trimmed lines.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <stop_token>

#include "Application/AppcastItem.h"
#include "Application/UpdateConfiguration.h"
#include "FuzzCheck.h"

namespace quillorbitex::fuzzing {
namespace {

void checkNotes(const QString& text) {
    check(!text.contains(QStringLiteral("\n\n\n")), "more than one empty line in a row");
    for (const QStringView line : QStringView(text).tokenize(u'\n')) {
        check(line == line.trimmed(), "a line of the notes is not trimmed");
    }
}

}  // namespace
}  // namespace quillorbitex::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillorbitex;
    using fuzzing::check;
    const QByteArray feed(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto newest = AppcastItem::newestInFeed(feed);
    if (newest) {
        check(!newest->version.isEmpty() && !newest->displayVersion.isEmpty(),
              "a release without a version");
        const QUrl& url = newest->downloadURL;
        check(
            url.isEmpty() || (url.isValid() && !url.host().isEmpty() && isProtectedTransport(url)),
            "a download address someone on the way could swap");
        check(AppcastItem::newestInFeed(feed) == newest,
              "reading the feed again gave another release");
    }
    std::stop_source stop;
    stop.request_stop();
    check(!AppcastItem::newestInFeed(feed, stop.get_token()), "a release read after the stop");

    fuzzing::checkNotes(plainTextFromHtml(QString::fromUtf8(feed)));
    return 0;
}
