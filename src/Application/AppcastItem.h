#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <QUrl>
#include <optional>
#include <stop_token>

namespace quillorbitex {

// One release as an update feed describes it.
struct AppcastItem {
    // The version compared with ours.
    QString version;
    // The version shown to the user; the version itself when the feed gives no other.
    QString displayVersion;
    // The release notes as plain text (markup removed); may be empty.
    QString notes;
    // Where the release can be downloaded: an https address with a host (http only to this
    // computer's loopback address), or empty when the feed gives none that is safe to open.
    QUrl downloadURL;

    // The newest release of an appcast-style RSS feed: among the items that carry a version, the
    // one with the highest. Nothing when the text is not a well-formed RSS document within the
    // bounds of a feed, lists no such item, or `stop` was requested meanwhile (checked after every
    // piece of markup, so a request is answered within one piece).
    static std::optional<AppcastItem> newestInFeed(const QByteArray& feed,
                                                   std::stop_token stop = {});

    friend bool operator==(const AppcastItem&, const AppcastItem&) = default;
};

// Release notes written as HTML, as readable plain text: tags removed, paragraphs, line breaks and
// list items kept as lines, character references decoded, scripts and styles dropped.
QString plainTextFromHtml(QStringView html);

}  // namespace quillorbitex
