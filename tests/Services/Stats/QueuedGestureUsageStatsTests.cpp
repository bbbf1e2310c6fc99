#include "Services/Stats/QueuedGestureUsageStats.h"

#include <gtest/gtest.h>

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
        Counts all = file;
        all.total += pending.total;
        for (const auto& [id, count] : pending.perRule) {
            all.perRule[id] += count;
        }
        return all;
    }
    bool hasUnwrittenCounts() const override { return pending.total > 0; }
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
