#include "ViewModels/OverlayDebugStore.h"

#include <gtest/gtest.h>

#include "support/InMemoryPasteboard.h"
#include "support/ScopedLanguageOverride.h"

namespace quillorbitex {
namespace {

class OverlayDebugStoreTest : public ::testing::Test {
protected:
    void tick() { now_ = now_.addMSecs(1); }

    testing::ScopedLanguageOverride english_{AppLanguageOverride::english};
    std::shared_ptr<testing::InMemoryPasteboard> pasteboard_ =
        std::make_shared<testing::InMemoryPasteboard>();
    QDateTime now_ = QDateTime(QDate(2026, 12, 6), QTime(0, 53, 57, 123), Qt::UTC);
    // Stamps with now_, which the tests move on by hand.
    OverlayDebugStore store_{pasteboard_, [this] { return now_; }};
};

TEST_F(OverlayDebugStoreTest, KeepsTheLastTwelveEntriesOldestFirst) {
    int changes = 0;
    QObject::connect(&store_, &OverlayDebugStore::overlayDebugLogChanged, [&] { ++changes; });
    for (int i = 1; i <= 13; ++i) {
        store_.appendLogEntry(QStringLiteral("report %1").arg(i));
        tick();
    }
    const QStringList entries = store_.overlayDebugLog().split(QStringLiteral("\n\n"));
    ASSERT_EQ(entries.size(), 12);
    EXPECT_EQ(entries.front(), QStringLiteral("[2026-12-06T00:53:57.124Z]\nreport 2"));
    EXPECT_TRUE(entries.back().endsWith(QStringLiteral("]\nreport 13")));
    EXPECT_EQ(changes, 13);
}

TEST_F(OverlayDebugStoreTest, TextsAreTrimmedAndBlankOnesAndRepeatsAreDropped) {
    struct Case {
        QString text;
        bool holdTime;
        QString lastEntry;  // empty: nothing was added
    };
    const Case cases[] = {
        {QStringLiteral("\n\n  panel 1\n  moved \n\n"), false,
         QStringLiteral("[2026-12-06T00:53:57.123Z]\npanel 1\n  moved")},
        {QStringLiteral(" \n\t "), true, {}},
        {QStringLiteral("again"), true, QStringLiteral("[2026-12-06T00:53:57.124Z]\nagain")},
        // Same text in the same millisecond: one entry.
        {QStringLiteral("again"), false, {}},
        {QStringLiteral("again"), false, QStringLiteral("[2026-12-06T00:53:57.125Z]\nagain")},
    };
    qsizetype count = 0;
    for (const Case& c : cases) {
        const QString before = store_.overlayDebugLog();
        store_.appendLogEntry(c.text);
        if (c.lastEntry.isEmpty()) {
            EXPECT_EQ(store_.overlayDebugLog(), before) << c.text.toStdString();
        } else {
            ++count;
            EXPECT_TRUE(store_.overlayDebugLog().endsWith(c.lastEntry)) << c.text.toStdString();
        }
        if (!c.holdTime) {
            tick();
        }
    }
    EXPECT_EQ(store_.overlayDebugLog().count(QStringLiteral("\n\n")), count - 1);
}

TEST_F(OverlayDebugStoreTest, LiveValuesSignalOnlyRealChanges) {
    int changes = 0;
    QObject::connect(&store_, &OverlayDebugStore::liveDebugSessionChanged, [&] { ++changes; });
    const LiveGestureDebugSession session{{{1, 2}}, {GestureDirection::up}, {}, {}, true};
    for (const auto& value : {std::optional(session), std::optional(session),
                              std::optional<LiveGestureDebugSession>(), std::optional(session)}) {
        store_.setLiveDebugSession(value);
    }
    EXPECT_EQ(changes, 3);
}

}  // namespace
}  // namespace quillorbitex
