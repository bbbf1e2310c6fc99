#include "Services/Stats/QueuedGestureUsageStats.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "support/ManualExecutor.h"

namespace quillorbitex {
namespace {

using namespace std::chrono_literals;
using testing::ManualExecutor;
using testing::ManualTimeline;

const QString kUpDown = QStringLiteral("directional:up-down");
const QString kLeftUp = QStringLiteral("directional:left-up");

// A store over a pretend file that another program can hold: writes and full reads then fail and
// the counts wait in memory. Notes each visit to the file.
class HeldFileStore final : public GestureUsageStatsStoring {
public:
    std::int64_t totalInvocationCount() const override { return file.total + pending.total; }
    std::int64_t recordInvocation(const std::optional<QString>& id) override {
        ++pending.total;
        ++pending.perRule[*id];
        writeUnwrittenCounts();
        return totalInvocationCount();
    }
    std::int64_t triggerCount(const QString&) const override { return 0; }
    void reset() override { file = pending = {}; }
    std::optional<Counts> allCounts() override {
        ++visits;
        if (held) {
            return std::nullopt;
        }
        ++reads;
        Counts all = file;
        all.total += pending.total;
        for (const auto& [id, count] : pending.perRule) {
            all.perRule[id] += count;
        }
        return all;
    }
    bool hasUnwrittenCounts() const override { return pending.total > 0; }
    std::vector<QString> takeSetAsideFiles() override { return std::exchange(setAside, {}); }
    void writeUnwrittenCounts() override {
        if (pending.total == 0) {
            return;
        }
        ++visits;
        if (held) {
            return;
        }
        file.total += pending.total;
        for (const auto& [id, count] : pending.perRule) {
            file.perRule[id] += count;
        }
        pending = {};
    }

    Counts file;
    Counts pending;
    bool held = false;
    int visits = 0;
    // Readings of every count that got through.
    int reads = 0;
    std::vector<QString> setAside;
};

// Counts made while another program holds the file reach it soon after the file is free, without
// another count to carry them; meanwhile the queue tries again at growing intervals, not without
// pause, and once they are written it stops trying.
TEST(QueuedGestureUsageStats, CountsWaitingForAHeldFileAreWrittenSoonAfterItIsFree) {
    const auto timeline = std::make_shared<ManualTimeline>();
    ManualExecutor main(timeline);
    const auto store = std::make_shared<HeldFileStore>();
    store->file = {3, {{kUpDown, 3}}};
    QueuedGestureUsageStats stats([store](auto) { return store; },
                                  std::make_shared<ManualExecutor>(timeline), main, nullptr);
    stats.load();
    timeline->runUntilIdle();
    ASSERT_EQ(stats.totalInvocationCount(), 3);

    store->held = true;
    stats.recordInvocation(kUpDown);
    stats.recordInvocation(kLeftUp);
    timeline->runUntilIdle();
    // Shown at once, carried on from what was read.
    EXPECT_EQ(stats.totalInvocationCount(), 5);
    EXPECT_EQ(stats.triggerCount(kUpDown), 4);

    const int visitsBefore = store->visits;
    const Duration held = 60s;
    timeline->advance(held);
    const int tries = store->visits - visitsBefore;
    EXPECT_GE(tries, held / QueuedGestureUsageStats::kLongestRetryDelay);
    EXPECT_LE(tries, held / QueuedGestureUsageStats::kLongestRetryDelay + 4);

    store->held = false;
    timeline->advance(QueuedGestureUsageStats::kLongestRetryDelay);
    EXPECT_EQ(store->file.total, 5);
    EXPECT_EQ(store->file.perRule[kUpDown], 4);
    EXPECT_EQ(store->file.perRule[kLeftUp], 1);
    EXPECT_EQ(stats.totalInvocationCount(), 5);

    const int visitsWritten = store->visits;
    timeline->advance(held);
    EXPECT_EQ(store->visits, visitsWritten);
}

// A counted gesture changes what is shown by what it counted: reading every count of a file of
// thousands of rules after each one would cost the queue as much as the file holds. Everything is
// read again only when what is known cannot be carried on: at first, after a reset, and after the
// store replaced a damaged file (then what the new file holds is shown, with what was counted
// since), again later when the file could not be read then.
TEST(QueuedGestureUsageStats, CountsAreReadWholeOnlyWhenWhatIsKnownCannotBeCarriedOn) {
    const auto timeline = std::make_shared<ManualTimeline>();
    ManualExecutor main(timeline);
    const auto store = std::make_shared<HeldFileStore>();
    store->file = {3, {{kUpDown, 3}}};
    QueuedGestureUsageStats stats([store](auto) { return store; },
                                  std::make_shared<ManualExecutor>(timeline), main, nullptr);
    const QString keptAside = QStringLiteral("gesture_usage.sqlite.unreadable-1");
    const auto replaceFile = [&](GestureUsageStatsStoring::Counts salvaged) {
        store->file = std::move(salvaged);
        store->setAside.push_back(keptAside);
    };
    struct Step {
        const char* what;
        std::function<void()> act;
        int reads;
        std::int64_t total;
        std::int64_t upDown;
        std::int64_t leftUp;
        bool toldSetAside = false;
    };
    const std::vector<Step> steps = {
        {"loaded", [&] { stats.load(); }, 1, 3, 3, 0},
        {"counted", [&] { stats.recordInvocation(kUpDown); }, 1, 4, 4, 0},
        {"counted another rule", [&] { stats.recordInvocation(kLeftUp); }, 1, 5, 4, 1},
        {"counted twice",
         [&] {
             stats.recordInvocation(kUpDown);
             stats.recordInvocation(kUpDown);
         },
         1, 7, 6, 1},
        {"counted as the damaged file was replaced",
         [&] {
             replaceFile({7, {}});
             stats.recordInvocation(kUpDown);
         },
         2, 8, 1, 0, true},
        {"counted after that", [&] { stats.recordInvocation(kLeftUp); }, 2, 9, 1, 1},
        {"reset", [&] { stats.reset(); }, 3, 0, 0, 0},
        {"counted after the reset", [&] { stats.recordInvocation(kUpDown); }, 3, 1, 1, 0},
        {"replaced while held: carried on",
         [&] {
             replaceFile({0, {}});
             store->held = true;
             stats.recordInvocation(kLeftUp);
         },
         3, 2, 1, 1, true},
        {"free again: what the new file holds",
         [&] {
             store->held = false;
             stats.recordInvocation(kLeftUp);
         },
         4, 2, 0, 2},
    };
    for (const Step& step : steps) {
        step.act();
        timeline->advance(QueuedGestureUsageStats::kLongestRetryDelay * 2);
        EXPECT_EQ(store->reads, step.reads) << step.what;
        EXPECT_EQ(stats.totalInvocationCount(), step.total) << step.what;
        EXPECT_EQ(stats.triggerCount(kUpDown), step.upDown) << step.what;
        EXPECT_EQ(stats.triggerCount(kLeftUp), step.leftUp) << step.what;
        EXPECT_EQ(stats.takeSetAsideFiles(),
                  step.toldSetAside ? std::vector<QString>{keptAside} : std::vector<QString>{})
            << step.what;
    }
}

// A store first opened as the queue's state is released at quit (the queue never got to it) is
// bound by the closing deadline from its first statement on: it is made with it.
TEST(QueuedGestureUsageStats, AStoreOpenedAtTheEndIsMadeWithTheClosingDeadline) {
    ManualExecutor main;
    auto queue = std::make_shared<ManualExecutor>();
    const auto store = std::make_shared<HeldFileStore>();
    std::optional<Duration> deadlineWhenOpened;
    {
        QueuedGestureUsageStats stats(
            [&](std::shared_ptr<ClosingDeadline> closing) {
                deadlineWhenOpened = closing->value();
                return store;
            },
            queue, main, nullptr);
        stats.recordInvocation(kUpDown);
    }
    const Duration closed = SteadyClock::shared().now();
    EXPECT_FALSE(deadlineWhenOpened.has_value()) << "opened before its queue ran";
    queue.reset();  // drops the task that held the queue's state
    ASSERT_TRUE(deadlineWhenOpened.has_value());
    EXPECT_LE(*deadlineWhenOpened, closed + QueuedGestureUsageStats::kClosingTime);
    EXPECT_EQ(store->file.total, 1);
}

}  // namespace
}  // namespace quillorbitex
