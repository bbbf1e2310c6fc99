#include <gtest/gtest.h>

#include <optional>

#include "Application/AppcastItem.h"
#include "Application/VersionComparison.h"
#include "support/ChildProcess.h"

namespace quillorbitex {

void PrintTo(const AppcastItem& item, std::ostream* os) {
    *os << item.version.toStdString() << " (" << item.displayVersion.toStdString() << ") \""
        << item.notes.toStdString() << "\" " << item.downloadURL.toString().toStdString();
}

namespace {

QByteArray feed(const QByteArray& items) {
    return QByteArray(R"(<?xml version="1.0" encoding="utf-8"?>
<rss version="2.0" xmlns:sparkle="http://www.andymatuschak.org/xml-namespaces/sparkle">
<channel><title>Quillorbitex</title><link>https://quillorbitex.example.org/</link>)") +
           items + "</channel></rss>";
}

AppcastItem item(const char* version, const char* display, const char* notes, const char* url) {
    return AppcastItem{QString::fromUtf8(version), QString::fromUtf8(display),
                       QString::fromUtf8(notes), QUrl(QString::fromUtf8(url))};
}

TEST(AppcastItem, ReadsTheNewestReleaseOfAFeed) {
    const struct {
        const char* name;
        QByteArray text;
        std::optional<AppcastItem> expected;
    } cases[] = {
        {"version, display version, HTML notes and an enclosure",
         feed(R"x(<item><title>Version 0.2</title>
               <sparkle:version>0.2.0</sparkle:version>
               <sparkle:shortVersionString>0.2</sparkle:shortVersionString>
               <description><![CDATA[<h2>New</h2><ul><li>Faster strokes</li><li>A &amp; B</li></ul>]]></description>
               <enclosure url="https://dl.example.org/q-0.2.0.tar.gz" length="10" type="application/octet-stream"/>
             </item>)x"),
         item("0.2.0", "0.2", "New\n\u2022 Faster strokes\n\u2022 A & B",
              "https://dl.example.org/q-0.2.0.tar.gz")},
        {"items out of order: the highest version wins",
         feed(R"x(<item><sparkle:version>1.9</sparkle:version><link>https://e.org/1.9</link></item>
                 <item><sparkle:version>1.10</sparkle:version><link>https://e.org/1.10</link></item>
                 <item><sparkle:version>1.10b2</sparkle:version><link>https://e.org/b</link></item>)x"),
         item("1.10", "1.10", "", "https://e.org/1.10")},
        {"version in the enclosure's attributes",
         feed(R"x(<item><enclosure url="https://dl.example.org/q.deb" sparkle:version="3.1"
                 sparkle:shortVersionString="3.1 (beta)"/></item>)x"),
         item("3.1", "3.1 (beta)", "", "https://dl.example.org/q.deb")},
        {"an item without a version is left out",
         feed(R"x(<item><title>Broken</title><link>https://e.org/x</link></item>
                 <item><sparkle:version>0.3</sparkle:version></item>)x"),
         item("0.3", "0.3", "", "")},
        {"an unsafe download address falls back to the item's page",
         feed(R"x(<item><sparkle:version>2</sparkle:version><link>https://e.org/release</link>
                 <enclosure url="file:///etc/passwd" sparkle:version="2"/></item>)x"),
         item("2", "2", "", "https://e.org/release")},
        {"no safe address at all",
         feed(
             R"x(<item><sparkle:version>2</sparkle:version><link>javascript:alert(1)</link></item>)x"),
         item("2", "2", "", "")},
        {"plain-text notes are kept as written", feed(R"x(<item><sparkle:version>2</sparkle:version>
                 <description sparkle:format="plain-text">Use a &lt;b&gt; tag
now</description></item>)x"),
         item("2", "2", "Use a <b> tag\nnow", "")},
        {"not XML", QByteArray("this is not a feed"), std::nullopt},
        {"a feed without items", feed(""), std::nullopt},
        {"a cut-off feed", feed(R"x(<item><sparkle:version>9</sparkle:version></item>)x").left(260),
         std::nullopt},
        {"elements nested deeper than any feed needs",
         feed("<item><sparkle:version>2</sparkle:version><description>" +
              QByteArray("<b>").repeated(200) + "x" + QByteArray("</b>").repeated(200) +
              "</description></item>"),
         std::nullopt},
        {"more elements than any feed holds",
         feed("<item><sparkle:version>2</sparkle:version>" + QByteArray("<x/>").repeated(100000) +
              "</item>"),
         std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AppcastItem::newestInFeed(c.text), c.expected) << c.name;
    }
}

// ` name0="0" name1="1" …`
QByteArray attributes(const char* name, int count) {
    QByteArray text;
    for (int i = 0; i < count; ++i) {
        text +=
            QByteArray(" ") + name + QByteArray::number(i) + "=\"" + QByteArray::number(i) + "\"";
    }
    return text;
}

QByteArray withEnclosure(const QByteArray& attributeText, const QByteArray& before = {}) {
    return feed(before + "<item><sparkle:version>2</sparkle:version><enclosure" + attributeText +
                "/></item>");
}

// An element whose start tag takes exactly `bytes` bytes.
QByteArray tagOfBytes(qsizetype bytes) {
    const QByteArray tag = "<x a=\"\">";
    return QByteArray(tag).insert(6, QByteArray(bytes - tag.size(), 'x')) + "</x>";
}

QByteArray release(const QByteArray& version) {
    return "<item><sparkle:version>" + version + "</sparkle:version></item>";
}

// Markup that costs the XML reader more than its size is refused before it is read, and at once
// (in a child, so that a reader spending minutes on it fails the test instead of holding it up);
// what only looks like such markup (inside quotes, comments, CDATA or processing instructions) is
// not.
TEST(AppcastItem, FeedsBeyondTheBoundsOfMarkupAreRefusedQuickly) {
    const QByteArray declaration = R"(<?xml version="1.0" encoding="utf-8"?>)";
    const QByteArray xmlFeed = feed(release("2"));
    const QByteArray body = xmlFeed.mid(declaration.size());
    const QByteArray lookalikes = attributes("a", 300);
    const struct {
        const char* name;
        QByteArray text;
        bool read;
    } cases[] = {
        {"as many attributes as a start tag may have", withEnclosure(attributes("a", 256)), true},
        {"one more", withEnclosure(attributes("a", 257)), false},
        {"300,000 more", withEnclosure(attributes("a", 300000)), false},
        {"quotes holding '=' and '>'", withEnclosure(" a='" + lookalikes + ">' b=\">=\""), true},
        {"lookalikes in a comment, CDATA and an instruction",
         withEnclosure({}, "<!--<x" + lookalikes + ">--><?pi <x" + lookalikes +
                               "?><title><![CDATA[<x" + lookalikes + ">]]></title>"),
         true},
        {"a start tag of 64 KiB", withEnclosure(" a=\"" + QByteArray(64 * 1024, 'x') + "\""),
         false},
        {"a start tag of exactly 64 KiB", feed(release("2") + tagOfBytes(64 * 1024)), true},
        {"one byte more", feed(release("2") + tagOfBytes(64 * 1024 + 1)), false},
        {"64 KiB of text", withEnclosure({}, "<title>" + QByteArray(64 * 1024, 'x') + "</title>"),
         true},
        {"64 namespace declarations in scope",
         withEnclosure({}, "<x" + attributes("xmlns:n", 63) + "/>"), true},
        {"one more, still in scope past a child's end",
         withEnclosure({}, "<x" + attributes("xmlns:n", 32) + "><y></y><x xmlns=\"u\"" +
                               attributes("xmlns:n", 31) + "/></x>"),
         false},
        {"as many on empty siblings",
         withEnclosure({}, "<x" + attributes("xmlns:n", 32) + "/><x xmlns=\"u\"" +
                               attributes("xmlns:n", 31) + "/>"),
         true},
        {"one more on the document element",
         QByteArray(xmlFeed).replace("<rss", "<rss" + attributes("xmlns:n", 64)), false},
        {"64 in scope in each of 65 items",
         feed(QByteArray(release("2"))
                  .replace("<item", "<item" + attributes("xmlns:n", 63))
                  .repeated(65)),
         true},
        {"a document type naming its definition",
         R"(<!DOCTYPE rss PUBLIC "-//Q//DTD RSS//EN" 'rss[1]>.dtd'>)" + body, true},
        {"a document type without an internal subset, before CDATA",
         "<!DOCTYPE rss>" + QByteArray(body).replace("<title>", "<title><![CDATA[[x]]]>"), true},
        {"a document type declaring entities",
         "<!DOCTYPE rss [<!ENTITY e '<x" + lookalikes + "/>'>]>" +
             QByteArray(body).replace("<item>", "<item>&e;"),
         false},
        {"Latin-1", QByteArray(xmlFeed).replace("utf-8", "ISO-8859-1"), true},
        {"UTF-7, where \"+ADw-\" is '<'", QByteArray(xmlFeed).replace("utf-8", "UTF-7"), false},
        {"UTF-16",
         "\xFF\xFE" +
             QByteArray::fromRawData(reinterpret_cast<const char*>(QString::fromUtf8(body).utf16()),
                                     body.size() * 2),
         false},
        {"a version of 256 characters", feed(release(QByteArray(256, '1'))), true},
        {"a longer one, before many releases",
         feed(release(QByteArray("9.").repeated(40000)) + release("1").repeated(49000)), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(testing::runInChild([&] { return AppcastItem::newestInFeed(c.text) ? 1 : 0; },
                                      std::chrono::seconds(10)),
                  int(c.read))
            << c.name;
    }
    std::stop_source stop;
    stop.request_stop();
    EXPECT_FALSE(AppcastItem::newestInFeed(xmlFeed, stop.get_token())) << "asked to stop";
}

// Anyone on the way can swap a download fetched over plain http, so only https links are offered,
// and http only to this computer (a feed served locally, as the feed itself may be).
TEST(AppcastItem, OnlyDownloadLinksNobodyOnTheWayCanSwapAreOffered) {
    const struct {
        const char* enclosure;
        const char* link;
        const char* offered;
    } cases[] = {
        {"http://dl.example.org/q.tar.gz", "https://e.org/release", "https://e.org/release"},
        {"http://dl.example.org/q.tar.gz", "http://e.org/release", ""},
        {"HTTPS://dl.example.org/q.tar.gz", "", "https://dl.example.org/q.tar.gz"},
        {"ftp://dl.example.org/q.tar.gz", "", ""},
        {"http://127.0.0.1:8080/q.tar.gz", "", "http://127.0.0.1:8080/q.tar.gz"},
        {"http://localhost/q.tar.gz", "", "http://localhost/q.tar.gz"},
        {"http://[::1]/q.tar.gz", "", "http://[::1]/q.tar.gz"},
        {"http://127.0.0.1.example.org/q.tar.gz", "", ""},
    };
    for (const auto& c : cases) {
        const QByteArray text =
            feed(QByteArray("<item><sparkle:version>2</sparkle:version><link>") + c.link +
                 "</link><enclosure url=\"" + c.enclosure + "\"/></item>");
        const auto newest = AppcastItem::newestInFeed(text);
        ASSERT_TRUE(newest) << c.enclosure;
        EXPECT_EQ(newest->downloadURL, QUrl(QString::fromUtf8(c.offered))) << c.enclosure;
    }
}

TEST(AppcastItem, HtmlNotesBecomeReadableLines) {
    const struct {
        const char* html;
        const char* text;
    } cases[] = {
        {"<p>First   paragraph\n  continues.</p><p>Second.</p>",
         "First paragraph continues.\n\nSecond."},
        {"Line one<br>Line two<BR/>Line three", "Line one\nLine two\nLine three"},
        {"<p>Changes:</p><ul><li>One</li>\n<li>Two</li></ul><p>Thanks</p>",
         "Changes:\n\u2022 One\n\u2022 Two\n\nThanks"},
        {"<b>Bold</b> and <a href=\"https://e.org\">a link</a>", "Bold and a link"},
        {"<script>alert('x')</script><style>p{}</style>Visible<!-- hidden -->", "Visible"},
        // Left open, they hide the rest, as in a browser.
        {"Visible<script>never closed <b>x</b>", "Visible"},
        {"Visible<!-- never closed <p>x", "Visible"},
        {"&lt;tag&gt; &quot;q&quot; &#233;t&#xE9; &nbsp;&unknown; &#0; &#xD800;",
         "<tag> \"q\" été  &unknown; &#0; &#xD800;"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(plainTextFromHtml(QString::fromUtf8(c.html)), QString::fromUtf8(c.text))
            << c.html;
    }
}

TEST(VersionComparison, OrdersReleasesAndPreReleases) {
    const struct {
        const char* a;
        const char* b;
        int order;
    } cases[] = {
        {"0.2.0", "0.1.0", 1},
        {"1.10", "1.9", 1},
        {"1.0", "1.0.0", 0},
        {"1.0.1", "1.0", 1},
        {"1.0b1", "1.0", -1},
        {"1.0b2", "1.0b1", 1},
        {"1.0b1", "1.0.1", -1},
        {"2.0-rc1", "2.0", -1},
        {"2.0 RC1", "2.0-rc1", 0},
        {"007", "7", 0},
        {"99999999999999999999999", "99999999999999999999998", 1},
        {"", "1", -1},
    };
    for (const auto& c : cases) {
        const QString a = QString::fromLatin1(c.a);
        const QString b = QString::fromLatin1(c.b);
        EXPECT_EQ(compareVersions(a, b), c.order) << c.a << " vs " << c.b;
        EXPECT_EQ(compareVersions(b, a), -c.order) << c.b << " vs " << c.a;
    }
}

}  // namespace
}  // namespace quillorbitex
