// Reading an update feed written to hurt its reader: every kind of trouble a feed can hold, at up
// to the largest size the updater downloads. Each kind of a 4 MB feed should be read well under
// 100 ms (start tags at the bounds well under 250 ms), and the time should grow linearly with the
// size.
//   build/default/bench/bench_FeedBenchmarks --benchmark_filter='/262144'
#include <benchmark/benchmark.h>

#include <QByteArray>

#include "Application/AppcastItem.h"

namespace quillorbitex {
namespace {

enum class Trouble {
    // "<script>x" over and over, never closed.
    unclosedScripts,
    // Tags, comments and character references that never end.
    unclosedTags,
    // Elements inside elements, in the XML and in the HTML of the notes.
    deepNesting,
    // Escaped markup and character references. (A feed declaring entities of its own is refused
    // before it is read.)
    entities,
    // All of the above in one item.
    mixed,
    // One start tag with as many attributes as the bytes hold: refused at once.
    manyAttributes,
    // Start tags with as many attributes as one may have, over and over, inside as many namespace
    // declarations as may be in scope: read.
    attributesAtTheBounds,
    // Sibling elements each declaring as many namespaces as may be in scope, and looking up the
    // first: read, as each element's declarations go out of scope at its end.
    declarationsOnEverySibling,
};

QByteArray repeatedTo(const QByteArray& unit, qsizetype bytes) {
    return unit.repeated(std::max<qsizetype>(1, bytes / unit.size()));
}

QByteArray nested(const QByteArray& name, int depth) {
    return ("<" + name + ">").repeated(depth) + "x" + ("</" + name + ">").repeated(depth);
}

// ` name0="0" name1="1" …`
QByteArray attributes(const QByteArray& name, qsizetype count) {
    QByteArray text;
    for (qsizetype i = 0; i < count; ++i) {
        const QByteArray number = QByteArray::number(i);
        text += " " + name + number + "=\"" + number + "\"";
    }
    return text;
}

QByteArray item(const QByteArray& description) {
    return "<item><sparkle:version>9.0</sparkle:version><description>" + description +
           "</description><enclosure url=\"https://dl.example.org/q.tar.gz\"/></item>";
}

QByteArray hostileFeed(Trouble trouble, qsizetype bytes) {
    QByteArray head = R"(<?xml version="1.0" encoding="utf-8"?>)";
    QByteArray items;
    switch (trouble) {
        case Trouble::unclosedScripts:
            items = item("<![CDATA[" + repeatedTo("<script>x", bytes) + "]]>");
            break;
        case Trouble::unclosedTags:
            // Each would end at the one closing bracket at the very end.
            items = item("<![CDATA[" + repeatedTo("<p x<style<!--&#x41", bytes) + "-->]]>");
            break;
        case Trouble::deepNesting:
            // As deep as a feed may nest, over and over, until there are more elements than a feed
            // may hold; either excess is refused as soon as it is seen.
            items = item(repeatedTo(nested("b", 100), bytes / 2) + "<![CDATA[" +
                         repeatedTo("<div><ul><li>", bytes / 2) + "]]>");
            break;
        case Trouble::entities:
            items = item(repeatedTo("&lt;b&gt;&amp;#233;&amp;amp;&amp;&amp;lt;p ", bytes / 2)) +
                    item(repeatedTo("&#60;&#x3C;script&#62;&quot;", bytes / 2));
            break;
        case Trouble::mixed:
            for (const Trouble part : {Trouble::unclosedScripts, Trouble::unclosedTags}) {
                const QByteArray whole = hostileFeed(part, bytes / 4);
                const qsizetype start = whole.indexOf("<item>");
                items += whole.mid(start, whole.lastIndexOf("</item>") + 7 - start);
            }
            items += item(QByteArray("<i>").repeated(bytes / 16) +
                          QByteArray("</i>").repeated(bytes / 16));
            items += item(repeatedTo("&lt;i&gt;&amp;#x1F600;", bytes / 4));
            break;
        case Trouble::manyAttributes:
            items = item("<x" + attributes("a", bytes / 16) + "/>");
            break;
        case Trouble::attributesAtTheBounds:
            // With the feed's own, 64 declarations; the prefix declared first is looked up past
            // all the others.
            items = "<y xmlns:m=\"urn:m\"" + attributes("xmlns:n", 62) + ">" +
                    item(repeatedTo("<m:x" + attributes("m:a", 256) + "/>", bytes)) + "</y>";
            break;
        case Trouble::declarationsOnEverySibling:
            items = item(repeatedTo("<n0:x" + attributes("xmlns:n", 63) + " n0:a=\"1\"/>", bytes));
            break;
    }
    return head +
           R"(<rss version="2.0" xmlns:sparkle="http://www.andymatuschak.org/xml-namespaces/sparkle">)"
           "<channel><title>Quillorbitex</title>" +
           items + "</channel></rss>";
}

void BM_ReadHostileFeed(benchmark::State& state) {
    const auto trouble = static_cast<Trouble>(state.range(0));
    const QByteArray feed = hostileFeed(trouble, state.range(1));
    for (auto _ : state) {
        benchmark::DoNotOptimize(AppcastItem::newestInFeed(feed));
    }
    state.SetBytesProcessed(state.iterations() * feed.size());
    state.counters["feed_bytes"] = static_cast<double>(feed.size());
    state.counters["read"] = AppcastItem::newestInFeed(feed) ? 1 : 0;
}
BENCHMARK(BM_ReadHostileFeed)
    ->ArgNames({"trouble", "bytes"})
    ->ArgsProduct({{0, 1, 2, 3, 4, 5, 6, 7}, {64 << 10, 256 << 10, 4000000}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillorbitex
