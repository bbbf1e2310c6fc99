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

// A store over a pretend file that another program can hold (writes and full reads then fail and
// the counts wait in memory) or that turns out damaged at the next write (it is replaced by a new
// file holding only what the store salvaged, and named as set aside).
class PretendFileStore final : public GestureUsageStatsStoring {
public:
    std::int64_t totalInvocationCount() const override { return file.total + pending.total; }
    std::int64_t recordInvocation(const std::optional<QString>& id) override {
        if (deadline) {
            ++recordsAfterDeadline;
        }
        ++pending.total;
        ++pending.perRule[*id];
        write();
        return totalInvocationCount();
    }
    std::int64_t triggerCount(const QString& id) const override {
        return file.perRule.contains(id) ? file.perRule.at(id) : 0;
    }
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
    void writeUnwrittenCounts() override { write(); }
    std::vector<QString> takeSetAsideFiles() override { return std::exchange(setAside, {}); }
    void finishBy(Duration at) override { deadline = at; }

    Counts file;
    Counts pending;
    bool held = false;
    // What the new file holds when the next write finds the file damaged.
    std::optional<Counts> damagedAtNextWrite;
    std::vector<QString> setAside;
    int visits = 0;
    std::optional<Duration> deadline;
    int recordsAfterDeadline = 0;

private:
    void write() {
        if (pending.total == 0) {
            return;
        }
        ++visits;
        if (held) {
            return;
        }
        if (damagedAtNextWrite) {
            file = *std::exchange(damagedAtNextWrite, std::nullopt);
            setAside.push_back(QStringLiteral("/data/gesture_usage.sqlite.unreadable-1"));
        }
        file.total += pending.total;
        for (const auto& [id, count] : pending.perRule) {
            file.perRule[id] += count;
        }
        pending = {};
    }
};

class QueuedGestureUsageStatsTest : public ::testing::Test {
protected:
    std::unique_ptr<QueuedGestureUsageStats> make() {
        return std::make_unique<QueuedGestureUsageStats>([store = store_] { return store; }, queue_,
                                                         main_, [this] { ++changes_; });
    }

    std::shared_ptr<ManualTimeline> timeline_ = std::make_shared<ManualTimeline>();
    ManualExecutor main_{timeline_};
    std::shared_ptr<ManualExecutor> queue_ = std::make_shared<ManualExecutor>(timeline_);
    std::shared_ptr<PretendFileStore> store_ = std::make_shared<PretendFileStore>();
    int changes_ = 0;
};

// Counts made while another program holds the file reach it soon after the file is free, without
// another count to carry them; meanwhile the queue tries again at growing intervals, not without
// pause, and once they are written it stops trying.
TEST_F(QueuedGestureUsageStatsTest, CountsWaitingForAHeldFileAreWrittenSoonAfterItIsFree) {
    store_->file = {3, {{kUpDown, 3}}};
    const auto stats = make();
    stats->load();
    timeline_->runUntilIdle();
    ASSERT_EQ(stats->totalInvocationCount(), 3);

    store_->held = true;
    stats->recordInvocation(kUpDown);
    stats->recordInvocation(kLeftUp);
    timeline_->runUntilIdle();
    // Shown at once, carried on from what was read.
    EXPECT_EQ(stats->totalInvocationCount(), 5);
    EXPECT_EQ(stats->triggerCount(kUpDown), 4);

    const int visitsBefore = store_->visits;
    const Duration held = 60s;
    timeline_->advance(held);
    const int tries = store_->visits - visitsBefore;
    EXPECT_GE(tries, held / QueuedGestureUsageStats::kLongestRetryDelay);
    EXPECT_LE(tries, held / QueuedGestureUsageStats::kLongestRetryDelay + 4);

    store_->held = false;
    timeline_->advance(QueuedGestureUsageStats::kLongestRetryDelay);
    EXPECT_EQ(store_->file.total, 5);
    EXPECT_EQ(store_->file.perRule[kUpDown], 4);
    EXPECT_EQ(store_->file.perRule[kLeftUp], 1);
    EXPECT_EQ(stats->totalInvocationCount(), 5);

    const int visitsWritten = store_->visits;
    timeline_->advance(held);
    EXPECT_EQ(store_->visits, visitsWritten);
}

// A damaged file is replaced by a new one holding less than was shown: the counts shown become
// what the new file holds (with what was counted since), and the file set aside is named once.
TEST_F(QueuedGestureUsageStatsTest, TheCountsShownFollowTheStoreWhenItsFileIsReplaced) {
    store_->file = {13, {{kUpDown, 13}, {kLeftUp, 2}}};
    const auto stats = make();
    stats->load();
    timeline_->runUntilIdle();
    ASSERT_EQ(stats->triggerCount(kUpDown), 13);
    const int changesBefore = changes_;

    store_->damagedAtNextWrite = GestureUsageStatsStoring::Counts{15, {}};
    stats->recordInvocation(kUpDown);
    timeline_->runUntilIdle();
    EXPECT_EQ(stats->triggerCount(kUpDown), 1);
    EXPECT_EQ(stats->triggerCount(kLeftUp), 0);
    EXPECT_EQ(stats->totalInvocationCount(), 16);
    EXPECT_GT(changes_, changesBefore);
    EXPECT_EQ(stats->takeSetAsideFiles(),
              std::vector<QString>{QStringLiteral("/data/gesture_usage.sqlite.unreadable-1")});
    EXPECT_TRUE(stats->takeSetAsideFiles().empty());
}

// Closing gives the store a deadline before it gets the counts still handed over, whether it was
// open by then or is opened only afterwards.
TEST_F(QueuedGestureUsageStatsTest, ClosingGivesTheStoreADeadlineBeforeTheLastCounts) {
    for (const bool openBeforeClosing : {true, false}) {
        store_ = std::make_shared<PretendFileStore>();
        store_->held = true;
        auto stats = make();
        if (openBeforeClosing) {
            stats->load();
            timeline_->runUntilIdle();
        }
        stats->recordInvocation(kUpDown);
        const Duration closingFrom = SteadyClock::shared().now();
        stats.reset();
        const Duration closingTo = SteadyClock::shared().now();
        timeline_->runUntilIdle();

        ASSERT_TRUE(store_->deadline.has_value()) << openBeforeClosing;
        EXPECT_GE(*store_->deadline, closingFrom + QueuedGestureUsageStats::kClosingTime);
        EXPECT_LE(*store_->deadline, closingTo + QueuedGestureUsageStats::kClosingTime);
        EXPECT_EQ(store_->recordsAfterDeadline, 1) << openBeforeClosing;
        EXPECT_EQ(store_->pending.total, 1) << openBeforeClosing;
    }
}

}  // namespace
}  // namespace quillorbitex
