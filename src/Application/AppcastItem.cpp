#include "Application/AppcastItem.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

#include "Application/VersionComparison.h"

namespace quillorbitex {

namespace {

constexpr QStringView kSparkleNamespace = u"http://www.andymatuschak.org/xml-namespaces/sparkle";
// Notes longer than this are cut: they are shown in a small window, and a feed is outside input.
constexpr qsizetype kMaximumNotesLength = 20000;

bool isSparkle(const QXmlStreamReader& reader, QStringView name) {
    return reader.namespaceUri() == kSparkleNamespace && reader.name() == name;
}

bool isPlain(const QXmlStreamReader& reader, QStringView name) {
    return reader.namespaceUri().isEmpty() && reader.name() == name;
}

QUrl webAddress(const QString& text) {
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != u"https" && scheme != u"http")) {
        return {};
    }
    return url;
}

bool looksLikeHtml(const QString& text) {
    static const QRegularExpression tag(QStringLiteral("<[A-Za-z/!]"));
    return text.contains(tag);
}

struct RawItem {
    QString version;
    QString shortVersion;
    QString description;
    bool descriptionIsPlainText = false;
    QString link;
    QString enclosureURL;
};

RawItem readItem(QXmlStreamReader& reader) {
    RawItem item;
    while (reader.readNextStartElement()) {
        if (isSparkle(reader, u"version")) {
            item.version = reader.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        } else if (isSparkle(reader, u"shortVersionString")) {
            item.shortVersion =
                reader.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        } else if (isPlain(reader, u"description")) {
            const auto format =
                reader.attributes().value(kSparkleNamespace.toString(), QStringLiteral("format"));
            item.descriptionIsPlainText = format == u"plain-text";
            item.description = reader.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (isPlain(reader, u"link")) {
            item.link = reader.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (isPlain(reader, u"enclosure")) {
            const QXmlStreamAttributes attributes = reader.attributes();
            item.enclosureURL = attributes.value(QStringLiteral("url")).toString();
            const QString ns = kSparkleNamespace.toString();
            if (item.version.isEmpty()) {
                item.version = attributes.value(ns, QStringLiteral("version")).toString().trimmed();
            }
            if (item.shortVersion.isEmpty()) {
                item.shortVersion =
                    attributes.value(ns, QStringLiteral("shortVersionString")).toString().trimmed();
            }
            reader.skipCurrentElement();
        } else {
            reader.skipCurrentElement();
        }
    }
    return item;
}

AppcastItem finish(const RawItem& raw) {
    AppcastItem item;
    item.version = raw.version;
    item.displayVersion = raw.shortVersion.isEmpty() ? raw.version : raw.shortVersion;
    QString notes = raw.description;
    if (!raw.descriptionIsPlainText && looksLikeHtml(notes)) {
        notes = plainTextFromHtml(notes);
    }
    item.notes = notes.trimmed().left(kMaximumNotesLength);
    item.downloadURL = webAddress(raw.enclosureURL);
    if (item.downloadURL.isEmpty()) {
        item.downloadURL = webAddress(raw.link);
    }
    return item;
}

QString decodeCharacterReferences(const QString& text) {
    static const QRegularExpression reference(
        QStringLiteral("&(#[0-9]+|#[xX][0-9A-Fa-f]+|[A-Za-z]+);"));
    QString result;
    result.reserve(text.size());
    qsizetype last = 0;
    auto it = reference.globalMatch(text);
    while (it.hasNext()) {
        const auto match = it.next();
        result += QStringView(text).sliced(last, match.capturedStart() - last);
        last = match.capturedEnd();
        const QString name = match.captured(1);
        char32_t code = 0;
        if (name.startsWith(u"#x") || name.startsWith(u"#X")) {
            code = name.mid(2).toUInt(nullptr, 16);
        } else if (name.startsWith(u'#')) {
            code = name.mid(1).toUInt(nullptr, 10);
        } else if (name == u"amp") {
            code = u'&';
        } else if (name == u"lt") {
            code = u'<';
        } else if (name == u"gt") {
            code = u'>';
        } else if (name == u"quot") {
            code = u'"';
        } else if (name == u"apos") {
            code = u'\'';
        } else if (name == u"nbsp") {
            code = u' ';
        }
        const bool valid = code != 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
        if (valid) {
            result += QString::fromUcs4(&code, 1);
        } else {
            result += match.captured(0);
        }
    }
    result += QStringView(text).sliced(last);
    return result;
}

}  // namespace

std::optional<AppcastItem> AppcastItem::newestInFeed(const QByteArray& feed) {
    QXmlStreamReader reader(feed);
    if (!reader.readNextStartElement() || !isPlain(reader, u"rss")) {
        return std::nullopt;
    }
    std::optional<AppcastItem> newest;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && isPlain(reader, u"item")) {
            const AppcastItem item = finish(readItem(reader));
            if (!item.version.isEmpty() &&
                (!newest || compareVersions(item.version, newest->version) > 0)) {
                newest = item;
            }
        }
    }
    if (reader.hasError()) {
        return std::nullopt;  // a cut-off or malformed feed says nothing reliable
    }
    return newest;
}

QString plainTextFromHtml(QStringView html) {
    static const QRegularExpression hidden(
        QStringLiteral("<(script|style)\\b[^>]*>.*?</\\1\\s*>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression comment(QStringLiteral("<!--.*?-->"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    static const QRegularExpression lineBreak(QStringLiteral("<br\\s*/?>"),
                                              QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression blockEnd(
        QStringLiteral("</?(p|div|h[1-6]|ul|ol|li|tr|table|blockquote|pre)\\b[^>]*>"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression listItem(QStringLiteral("<li\\b[^>]*>"),
                                             QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    static const QRegularExpression emptyLines(QStringLiteral("\\n{3,}"));

    QString text = html.toString();
    text.remove(hidden);
    text.remove(comment);
    text.replace(blanks, QStringLiteral(" "));
    text.replace(lineBreak, QStringLiteral("\n"));
    text.replace(listItem, QStringLiteral("\n\u2022 "));
    text.replace(blockEnd, QStringLiteral("\n\n"));
    text.remove(tag);
    text = decodeCharacterReferences(text);

    QStringList lines = text.split(u'\n');
    for (QString& line : lines) {
        line = line.trimmed();
    }
    text = lines.join(u'\n');
    text.replace(emptyLines, QStringLiteral("\n\n"));
    // A list item directly after a paragraph end leaves a blank line before the bullet; keep items
    // of one list together.
    text.replace(QStringLiteral("\n\n\u2022 "), QStringLiteral("\n\u2022 "));
    return text.trimmed();
}

}  // namespace quillorbitex
