#include "Application/AppcastItem.h"

#include <QByteArrayView>
#include <QVarLengthArray>
#include <QXmlStreamReader>
#include <algorithm>
#include <iterator>
#include <utility>

#include "Application/UpdateConfiguration.h"
#include "Application/VersionComparison.h"

namespace quillorbitex {

namespace {

constexpr QStringView kSparkleNamespace = u"http://www.andymatuschak.org/xml-namespaces/sparkle";
// Notes longer than this are cut: they are shown in a small window, and a feed is outside input.
constexpr qsizetype kMaximumNotesLength = 20000;
// Markup takes room too; the notes are read from at most this much of the description.
constexpr qsizetype kMaximumDescriptionLength = 4 * kMaximumNotesLength;
// No feed nests elements this deep, or holds this many.
constexpr qsizetype kMaximumNesting = 128;
constexpr qsizetype kMaximumElements = 100000;
// QXmlStreamReader compares every attribute of a start tag with every other, and looks a prefix up
// through every namespace declaration in scope: within these bounds no start tag costs it much.
constexpr qsizetype kMaximumAttributes = 256;
constexpr qsizetype kMaximumTagBytes = 64 * 1024;
constexpr qsizetype kMaximumNamespaceDeclarations = 64;
// Versions are compared part by part with the newest so far, which would make one very long
// version cost as much as the rest of the feed for every item.
constexpr qsizetype kMaximumVersionLength = 256;

bool isAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

int hexDigit(QChar c) {
    if (isAsciiDigit(c)) {
        return c.unicode() - u'0';
    }
    if (c >= u'a' && c <= u'f') {
        return c.unicode() - u'a' + 10;
    }
    if (c >= u'A' && c <= u'F') {
        return c.unicode() - u'A' + 10;
    }
    return -1;
}

bool isAsciiSpace(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f' || c == u'\v';
}

bool isSparkle(const QXmlStreamReader& reader, QStringView name) {
    return reader.namespaceUri() == kSparkleNamespace && reader.name() == name;
}

bool isPlain(const QXmlStreamReader& reader, QStringView name) {
    return reader.namespaceUri().isEmpty() && reader.name() == name;
}

// A download address nobody on the way can swap: https, or http to this computer only, as for the
// feed itself. A plain http link in an https feed would hand the download to anyone on the way.
QUrl webAddress(const QString& text) {
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty() || !isProtectedTransport(url)) {
        return {};
    }
    return url;
}

bool looksLikeHtml(QStringView text) {
    for (qsizetype i = text.indexOf(u'<'); i >= 0 && i + 1 < text.size();
         i = text.indexOf(u'<', i + 1)) {
        const QChar next = text[i + 1];
        if (isAsciiLetter(next) || next == u'/' || next == u'!') {
            return true;
        }
    }
    return false;
}

// What the cleanup needs of a tag: the text between its brackets.
struct Tag {
    bool closing = false;
    QStringView name;

    bool is(QStringView other) const { return name.compare(other, Qt::CaseInsensitive) == 0; }
    // Elements that stand on lines of their own.
    bool isBlock() const {
        static constexpr QStringView blocks[] = {u"p",  u"div", u"ul",    u"ol",         u"li",
                                                 u"tr", u"pre", u"table", u"blockquote", u"h1",
                                                 u"h2", u"h3",  u"h4",    u"h5",         u"h6"};
        return std::any_of(std::begin(blocks), std::end(blocks),
                           [this](QStringView block) { return is(block); });
    }
};

Tag readTag(QStringView inside) {
    Tag tag;
    tag.closing = inside.startsWith(u'/');
    const qsizetype first = tag.closing ? 1 : 0;
    qsizetype end = first;
    while (end < inside.size() && (isAsciiLetter(inside[end]) || isAsciiDigit(inside[end]))) {
        ++end;
    }
    tag.name = inside.sliced(first, end - first);
    return tag;
}

// Where the text after a script or style element starts: after its end tag, or at the end when
// it has none (a browser hides the rest then too).
qsizetype endOfHiddenElement(QStringView html, qsizetype from, QStringView name) {
    const QString endTag = QStringLiteral("</") + name.toString();
    qsizetype at = from;
    while ((at = html.indexOf(endTag, at, Qt::CaseInsensitive)) >= 0) {
        qsizetype k = at + endTag.size();
        while (k < html.size() && isAsciiSpace(html[k])) {
            ++k;
        }
        if (k < html.size() && html[k] == u'>') {
            return k + 1;
        }
        at = k;
    }
    return html.size();
}

// The character a reference such as "&amp;", "&#233;" or "&#xE9;" stands for, with the length of
// the reference; nothing when `text` does not start with a reference to a character that may
// appear in text.
std::optional<std::pair<char32_t, qsizetype>> characterReference(QStringView text) {
    qsizetype i = 1;
    char32_t code = 0;
    if (text.size() > 2 && text[1] == u'#') {
        const bool hex = text[2] == u'x' || text[2] == u'X';
        i = hex ? 3 : 2;
        const qsizetype first = i;
        for (; i < text.size(); ++i) {
            const int digit =
                hex ? hexDigit(text[i]) : (isAsciiDigit(text[i]) ? text[i].unicode() - u'0' : -1);
            if (digit < 0) {
                break;
            }
            // Anything past the last code point is as invalid as the first such value.
            code = std::min<char32_t>(code * (hex ? 16 : 10) + char32_t(digit), 0x110000);
        }
        if (i == first) {
            return std::nullopt;
        }
    } else {
        while (i < text.size() && isAsciiLetter(text[i])) {
            ++i;
        }
        const QStringView name = text.sliced(1, i - 1);
        static constexpr std::pair<QStringView, char32_t> names[] = {
            {u"amp", u'&'},  {u"lt", u'<'},    {u"gt", u'>'},
            {u"quot", u'"'}, {u"apos", u'\''}, {u"nbsp", u' '}};
        for (const auto& [known, value] : names) {
            if (name == known) {
                code = value;
            }
        }
    }
    if (i >= text.size() || text[i] != u';') {
        return std::nullopt;
    }
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return std::nullopt;
    }
    return std::pair{code, i + 1};
}

// Collects the readable text of HTML: runs of white space in the text become one blank, character
// references their characters, and tags the line breaks they stand for.
class HtmlTextWriter {
public:
    explicit HtmlTextWriter(qsizetype capacity) { text_.reserve(capacity); }

    void text(QStringView run) {
        for (qsizetype i = 0; i < run.size();) {
            const QChar c = run[i];
            if (isAsciiSpace(c)) {
                blank_ = true;
                ++i;
                continue;
            }
            flushBlank();
            if (c == u'&') {
                if (const auto reference = characterReference(run.sliced(i))) {
                    const char32_t code = reference->first;
                    text_ += QString::fromUcs4(&code, 1);
                    i += reference->second;
                    continue;
                }
            }
            text_ += c;
            ++i;
        }
    }
    // Written as it is, after any blank that is due.
    void literal(QStringView text) {
        flushBlank();
        text_ += text;
    }
    void lineBreak(int count) {
        blank_ = false;
        text_.append(QString(count, u'\n'));
    }

    // The text with its lines trimmed, at most one empty line between two lines, and the items of
    // a list directly below one another.
    QString finish() {
        QString result;
        result.reserve(text_.size());
        int breaks = 0;
        for (const QStringView line : QStringView(text_).tokenize(u'\n')) {
            const QStringView trimmed = line.trimmed();
            if (trimmed.isEmpty()) {
                ++breaks;
                continue;
            }
            if (!result.isEmpty()) {
                const bool listItem = trimmed.startsWith(u"\u2022 ");
                result.append(QString(listItem ? 1 : std::clamp(breaks, 1, 2), u'\n'));
            }
            result += trimmed;
            breaks = 1;
        }
        return result;
    }

private:
    void flushBlank() {
        if (blank_ && !text_.isEmpty() && !text_.back().isSpace()) {
            text_ += u' ';
        }
        blank_ = false;
    }

    QString text_;
    bool blank_ = false;
};

bool isXmlSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool startsWithIgnoringCase(QByteArrayView text, QByteArrayView prefix) {
    return text.size() >= prefix.size() &&
           text.first(prefix.size()).compare(prefix, Qt::CaseInsensitive) == 0;
}

// Encodings in which every byte below 0x80 is the ASCII character it looks like and no other byte
// is, so that the markup found in the bytes is the markup the reader finds in the characters. (In
// UTF-7, which the reader also decodes, "+ADw-" is a '<'.)
bool isAsciiTransparent(QByteArrayView encoding) {
    return encoding.compare("utf-8", Qt::CaseInsensitive) == 0 ||
           encoding.compare("us-ascii", Qt::CaseInsensitive) == 0 ||
           startsWithIgnoringCase(encoding, "iso-8859-") ||
           startsWithIgnoringCase(encoding, "windows-125");
}

// Where the markup of `feed` starts, after a UTF-8 byte order mark and an XML declaration naming
// an encoding in which the bytes can be scanned; nothing for any other start.
std::optional<qsizetype> scannableStart(QByteArrayView feed) {
    qsizetype i = feed.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    if (!feed.sliced(i).startsWith("<?xml") || i + 5 >= feed.size() || !isXmlSpace(feed[i + 5])) {
        return i;
    }
    // The declaration's pseudo-attributes, each a name, '=' and a quoted value.
    i += 5;
    const auto skipSpace = [&] {
        while (i < feed.size() && isXmlSpace(feed[i])) {
            ++i;
        }
    };
    while (true) {
        skipSpace();
        if (feed.sliced(i).startsWith("?>")) {
            return i + 2;
        }
        const qsizetype name = i;
        while (i < feed.size() && feed[i] >= 'a' && feed[i] <= 'z') {
            ++i;
        }
        const QByteArrayView attribute = feed.sliced(name, i - name);
        skipSpace();
        if (attribute.isEmpty() || i >= feed.size() || feed[i] != '=') {
            return std::nullopt;
        }
        ++i;
        skipSpace();
        if (i >= feed.size() || (feed[i] != '"' && feed[i] != '\'')) {
            return std::nullopt;
        }
        const qsizetype close = feed.indexOf(feed[i], i + 1);
        if (close < 0) {
            return std::nullopt;
        }
        if (attribute == "encoding" && !isAsciiTransparent(feed.sliced(i + 1, close - i - 1))) {
            return std::nullopt;
        }
        i = close + 1;
    }
}

// One pass over the bytes before QXmlStreamReader sees them: whether the markup stays within what
// the reader handles in time proportional to its size. No start tag may hold more than
// kMaximumAttributes attributes or kMaximumTagBytes bytes, and no more than
// kMaximumNamespaceDeclarations namespace declarations may be in scope at once: those of an
// element and of the elements it is inside (the reader drops them at the element's end, so
// siblings may each make as many). A document type with an internal subset is refused: the
// entities it declares can expand to tags this scan does not see, and the attribute defaults it
// declares are looked through for every element. Comments, CDATA sections, processing
// instructions and quoted values are skipped as the reader skips them; anything the scan does not
// understand is refused (it is no well-formed feed either).
bool markupWithinBounds(QByteArrayView feed) {
    if (feed.contains('\0')) {
        return false;  // UTF-16 or UTF-32, or no XML at all
    }
    const std::optional<qsizetype> start = scannableStart(feed);
    if (!start) {
        return false;
    }
    const qsizetype n = feed.size();
    // The open elements that declare namespaces, each with how deep it is: the end tag at that
    // depth takes its declarations out of scope again. No more entries than declarations in scope,
    // however deep the markup. Each end tag ends one level, whichever it names: the reader refuses
    // unbalanced markup anyway, and depths counted on below zero still pair up.
    struct Declaring {
        qsizetype depth;
        qsizetype count;
    };
    QVarLengthArray<Declaring, kMaximumNamespaceDeclarations> declaring;
    qsizetype open = 0;
    qsizetype inScope = 0;
    // Past the first occurrence of `end` at or after `from`; nothing when there is none, since
    // the reader would stop there with an error.
    const auto past = [&](QByteArrayView end, qsizetype from) -> std::optional<qsizetype> {
        const qsizetype at = feed.indexOf(end, from);
        return at < 0 ? std::nullopt : std::optional(at + end.size());
    };
    qsizetype i = *start;
    while ((i = feed.indexOf('<', i)) >= 0) {
        const QByteArrayView rest = feed.sliced(i);
        std::optional<qsizetype> next;
        if (rest.startsWith("<!--")) {
            next = past("-->", i + 4);
        } else if (rest.startsWith("<![CDATA[")) {
            next = past("]]>", i + 9);
        } else if (rest.startsWith("<?")) {
            next = past("?>", i + 2);
        } else if (rest.startsWith("<!DOCTYPE")) {
            // Its name and public or system identifiers, whose quotes may hold '[' and '>'.
            for (qsizetype j = i + 9; j < n && !next; ++j) {
                if (feed[j] == '"' || feed[j] == '\'') {
                    j = feed.indexOf(feed[j], j + 1);
                    if (j < 0) {
                        return false;
                    }
                } else if (feed[j] == '[') {
                    return false;
                } else if (feed[j] == '>') {
                    next = j + 1;
                }
            }
        } else if (rest.startsWith("<!")) {
            return false;
        } else {
            // A start, end or empty-element tag: each attribute has one '=' outside the quotes.
            const qsizetype limit = std::min(n, i + kMaximumTagBytes);
            qsizetype attributes = 0;
            qsizetype declared = 0;
            for (qsizetype j = i + 1; j < limit && !next; ++j) {
                const char c = feed[j];
                if (c == '"' || c == '\'') {
                    j = feed.first(limit).indexOf(c, j + 1);
                    if (j < 0) {
                        return false;
                    }
                } else if (c == '=') {
                    if (++attributes > kMaximumAttributes) {
                        return false;
                    }
                } else if (c == '>') {
                    next = j + 1;
                } else if (isXmlSpace(c)) {
                    const QByteArrayView name = feed.first(limit).sliced(j + 1);
                    if (name.startsWith("xmlns") &&
                        (name.size() == 5 || name[5] == ':' || name[5] == '=' ||
                         isXmlSpace(name[5])) &&
                        inScope + ++declared > kMaximumNamespaceDeclarations) {
                        return false;
                    }
                }
            }
            if (!next) {
                return false;
            }
            if (feed[i + 1] == '/') {
                if (!declaring.empty() && declaring.back().depth == open) {
                    inScope -= declaring.back().count;
                    declaring.pop_back();
                }
                --open;
            } else if (feed[*next - 2] != '/') {
                ++open;
                if (declared > 0) {
                    declaring.push_back({open, declared});
                    inScope += declared;
                }
            }
        }
        if (!next) {
            return false;
        }
        i = *next;
    }
    return true;
}

// QXmlStreamReader within the bounds of a feed, which is a short list of releases: past the
// nesting or the number of elements any feed needs, or once asked to stop, the reading ends with
// an error before the excess costs anything.
class FeedXmlReader {
public:
    FeedXmlReader(const QByteArray& feed, std::stop_token stop)
        : xml_(feed), stop_(std::move(stop)) {}

    QXmlStreamReader::TokenType readNext() {
        if (stop_.stop_requested()) {
            xml_.raiseError(QStringLiteral("stopped"));
            return QXmlStreamReader::Invalid;
        }
        const QXmlStreamReader::TokenType token = xml_.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (++depth_ > kMaximumNesting || ++elements_ > kMaximumElements) {
                xml_.raiseError(QStringLiteral("not a feed"));
                return QXmlStreamReader::Invalid;
            }
        } else if (token == QXmlStreamReader::EndElement) {
            --depth_;
        }
        return token;
    }

    // How many elements deep the reader is: 1 inside the document's element.
    qsizetype depth() const { return depth_; }
    const QXmlStreamReader& xml() const { return xml_; }
    bool atEnd() const { return xml_.atEnd(); }

private:
    QXmlStreamReader xml_;
    std::stop_token stop_;
    qsizetype depth_ = 0;
    qsizetype elements_ = 0;
};

// Reads to the end tag of the element just started and gives the text of it and of every element
// inside it, as QXmlStreamReader::readElementText does, but without recursion and cut to a length
// the notes can use.
QString readToEndOfElement(FeedXmlReader& reader) {
    QString text;
    const qsizetype outside = reader.depth() - 1;
    while (reader.depth() > outside && !reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if ((token == QXmlStreamReader::Characters || token == QXmlStreamReader::EntityReference) &&
            text.size() < kMaximumDescriptionLength) {
            text += reader.xml().text().left(kMaximumDescriptionLength - text.size());
        }
    }
    return text;
}

struct RawItem {
    QString version;
    QString shortVersion;
    QString description;
    bool descriptionIsPlainText = false;
    QString link;
    QString enclosureURL;
};

// Reads the item just started, up to its end tag.
RawItem readItem(FeedXmlReader& feed) {
    RawItem item;
    const QXmlStreamReader& reader = feed.xml();
    const auto text = [&] { return readToEndOfElement(feed); };
    const qsizetype inside = feed.depth();
    while (!feed.atEnd() && feed.depth() >= inside) {
        if (feed.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (isSparkle(reader, u"version")) {
            item.version = text().trimmed();
        } else if (isSparkle(reader, u"shortVersionString")) {
            item.shortVersion = text().trimmed();
        } else if (isPlain(reader, u"description")) {
            const auto format =
                reader.attributes().value(kSparkleNamespace.toString(), QStringLiteral("format"));
            item.descriptionIsPlainText = format == u"plain-text";
            item.description = text();
        } else if (isPlain(reader, u"link")) {
            item.link = text();
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
            text();
        } else {
            text();
        }
    }
    return item;
}

AppcastItem finish(const RawItem& raw) {
    AppcastItem item;
    item.version = raw.version;
    item.displayVersion = raw.shortVersion.isEmpty() ? raw.version : raw.shortVersion;
    // Already cut when it was read: reading it costs the same whatever the feed holds.
    const QStringView description = raw.description;
    const QString notes = !raw.descriptionIsPlainText && looksLikeHtml(description)
                              ? plainTextFromHtml(description)
                              : description.trimmed().toString();
    item.notes = notes.left(kMaximumNotesLength);
    item.downloadURL = webAddress(raw.enclosureURL);
    if (item.downloadURL.isEmpty()) {
        item.downloadURL = webAddress(raw.link);
    }
    return item;
}

}  // namespace

std::optional<AppcastItem> AppcastItem::newestInFeed(const QByteArray& feed, std::stop_token stop) {
    if (!markupWithinBounds(feed)) {
        return std::nullopt;
    }
    FeedXmlReader reader(feed, std::move(stop));
    while (!reader.atEnd() && reader.readNext() != QXmlStreamReader::StartElement) {
    }
    if (reader.atEnd() || !isPlain(reader.xml(), u"rss")) {
        return std::nullopt;
    }
    std::optional<AppcastItem> newest;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && isPlain(reader.xml(), u"item")) {
            const AppcastItem item = finish(readItem(reader));
            if (item.version.size() > kMaximumVersionLength) {
                return std::nullopt;
            }
            if (!item.version.isEmpty() &&
                (!newest || compareVersions(item.version, newest->version) > 0)) {
                newest = item;
            }
        }
    }
    if (reader.xml().hasError()) {
        return std::nullopt;  // a cut-off or malformed feed says nothing reliable
    }
    return newest;
}

QString plainTextFromHtml(QStringView html) {
    HtmlTextWriter writer(html.size());
    const qsizetype n = html.size();
    // The first '>' at or after the last place asked about; positions asked about only grow, so
    // the text is searched for closing brackets once in all.
    qsizetype nextBracket = 0;
    const auto closingBracket = [&](qsizetype from) {
        if (nextBracket >= 0 && nextBracket < from) {
            nextBracket = html.indexOf(u'>', from);
        }
        return nextBracket;
    };
    qsizetype i = 0;
    while (i < n) {
        if (html[i] != u'<') {
            qsizetype next = html.indexOf(u'<', i);
            next = next < 0 ? n : next;
            writer.text(html.sliced(i, next - i));
            i = next;
            continue;
        }
        if (html.sliced(i).startsWith(u"<!--")) {
            // Unclosed, a comment hides the rest, as it does in a browser.
            const qsizetype end = html.indexOf(u"-->", i + 4);
            i = end < 0 ? n : end + 3;
            continue;
        }
        const qsizetype close = closingBracket(i + 1);
        if (close < 0) {
            // No tag can end any more: what is left is text.
            writer.text(html.sliced(i));
            break;
        }
        const Tag tag = readTag(html.sliced(i + 1, close - i - 1));
        i = close + 1;
        if (!tag.closing && (tag.is(u"script") || tag.is(u"style"))) {
            i = endOfHiddenElement(html, i, tag.name);
        } else if (!tag.closing && tag.is(u"br")) {
            writer.lineBreak(1);
        } else if (!tag.closing && tag.is(u"li")) {
            writer.lineBreak(1);
            writer.literal(u"\u2022 ");
        } else if (tag.isBlock()) {
            writer.lineBreak(2);
        }
    }
    return writer.finish();
}

}  // namespace quillorbitex
