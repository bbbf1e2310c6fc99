#include "Services/Stats/QueuedGestureUsageStats.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <tuple>

#include "Platform/TestFiles.h"
#include "Services/Stats/GestureUsageStatsStore.h"
#include "support/ChildProcess.h"
#include "support/ManualExecutor.h"
#include "support/SqliteTestDatabase.h"

namespace quillorbitex {
namespace {

using namespace std::chrono_literals;
using testing::ManualExecutor;
using testing::ManualTimeline;

const QString kUpDown = QStringLiteral("directional:up-down");
const QString kLeftUp = QStringLiteral("directional:left-up");

// A store over a pretend file that another program can hold: writes and full reads then fail and
// the counts wait in memory. Notes each visit to the file, and each full read that got through.
class HeldFileStore final : public GestureUsageStatsStoring {
public:
    static void add(Counts& to, const Counts& from) {
        to.total += from.total;
        for (const auto& [id, count] : from.perRule) {
            to.perRule[id] += count;
        }
    }
    std::int64_t totalInvocationCount() const override { return file.total + pending.total; }
    std::int64_t recordInvocation(const std::optional<QString>& id) override {
        add(pending, {1, {{*id, 1}}});
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
        add(all, pending);
        return all;
    }
    Counts waitingCounts() const override { return pending; }
    bool hasUnwrittenCounts() const override { return pending.total > 0; }
    std::vector<QString> takeSetAsideFiles() override { return std::exchange(setAside, {}); }
    void writeUnwrittenCounts() override {
        visits += pending.total > 0 ? 1 : 0;
        if (pending.total > 0 && !held) {
            add(file, std::exchange(pending, {}));
        }
    }

    Counts file{3, {{kUpDown, 3}}};
    Counts pending;
    bool held = false;
    int visits = 0;
    int reads = 0;
    std::vector<QString> setAside;
};

// The queue on virtual time over a store whose file holds three up-then-down counts.
struct HeldFileQueue {
    std::shared_ptr<ManualTimeline> timeline = std::make_shared<ManualTimeline>();
    ManualExecutor main{timeline};
    std::shared_ptr<HeldFileStore> store = std::make_shared<HeldFileStore>();
    QueuedGestureUsageStats stats{[store = store](auto) { return store; },
                                  std::make_shared<ManualExecutor>(timeline), main, nullptr};
};

// Counts made while another program holds the file reach it soon after the file is free, without
// another count to carry them; meanwhile the queue tries again at growing intervals, not without
// pause, and once they are written it stops trying.
TEST(QueuedGestureUsageStats, CountsWaitingForAHeldFileAreWrittenSoonAfterItIsFree) {
    HeldFileQueue queue;
    auto& [timeline, main, store, stats] = queue;
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
    EXPECT_EQ(store->file, (GestureUsageStatsStoring::Counts{5, {{kUpDown, 4}, {kLeftUp, 1}}}));
    EXPECT_EQ(stats.totalInvocationCount(), 5);

    const int visitsWritten = store->visits;
    timeline->advance(held);
    EXPECT_EQ(store->visits, visitsWritten);
}

// Reading every count after each gesture would cost as much as the file holds: what is shown is
// carried on from each count, and read whole only at first, after a reset and after the store
// replaced a damaged file (again later when the file could not be read then).
TEST(QueuedGestureUsageStats, CountsAreReadWholeOnlyWhenWhatIsKnownCannotBeCarriedOn) {
    HeldFileQueue queue;
    auto& [timeline, main, store, stats] = queue;
    const QString keptAside = QStringLiteral("gesture_usage.sqlite.unreadable-1");
    // The store replaces a damaged file by one holding `salvaged` as `id` is counted.
    const auto countAsReplaced = [&](GestureUsageStatsStoring::Counts salvaged, const QString& id) {
        store->file = std::move(salvaged);
        store->setAside.push_back(keptAside);
        stats.recordInvocation(id);
    };
    struct Step {
        const char* what;
        std::function<void()> act;
        int reads;
        std::int64_t total;
        std::int64_t upDown;
        std::int64_t leftUp;
        bool toldSetAside = false;
        bool held = false;
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
             countAsReplaced({7, {}}, kUpDown);
         },
         2, 8, 1, 0, true},
        {"counted after that", [&] { stats.recordInvocation(kLeftUp); }, 2, 9, 1, 1},
        {"reset", [&] { stats.reset(); }, 3, 0, 0, 0},
        {"counted after the reset", [&] { stats.recordInvocation(kUpDown); }, 3, 1, 1, 0},
        {"replaced while held: carried on",
         [&] {
             countAsReplaced({0, {}}, kLeftUp);
         },
         3, 2, 1, 1, true, true},
        {"free again: what the new file holds", [&] { stats.recordInvocation(kLeftUp); }, 4, 2, 0,
         2},
    };
    for (const Step& step : steps) {
        store->held = step.held;
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
    EXPECT_EQ(store->file.total, 4);
}

// The database file cannot be used from the start: it is made but cannot be set up (a full disk:
// no file may grow), or another connection holds it (BEGIN EXCLUSIVE) since before the store was
// opened. What it holds is unknown, so what waits beside it (counts made since, and those an
// earlier run kept in a file of their own) is shown, as while another program holds the file
// later; once the file can be used again, what it held and what waited, each once.
TEST(QueuedGestureUsageStats, CountsWaitingWhileTheFileCannotBeSetUpAreShown) {
    struct Case {
        const char* what;
        bool held;  // else a full disk
        std::int64_t stored;
        bool earlierRun;
    };
    const std::vector<Case> cases = {{"a full disk", false, 0, false},
                                     {"held", true, 3, false},
                                     {"held, with counts of an earlier run", true, 3, true}};
    QTemporaryDir dir;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        const QString path =
            GestureUsageStatsStore::databasePathIn(dir.filePath(QString::number(i)));
        const auto result = testing::runInChild([&] {
            // Every wait for the held file gives up at once.
            const testing::SleepHookVfs vfs(nullptr, /*skipSleeping=*/true);
            for (std::int64_t n = 0; n < c.stored; ++n) {
                GestureUsageStatsStore(path).recordInvocation(kLeftUp);
            }
            const bool prepared =
                !c.earlierRun ||
                testing::writeFile(path + ".unwritten.json",
                                   R"({"total": 1, "rules": {"directional:up-down": 1}})");
            testing::RawDatabase holder(path);
            const bool keptOut =
                prepared && (c.held ? holder.exec("BEGIN EXCLUSIVE;") : testing::limitFileSizes(0));
            const auto timeline = std::make_shared<ManualTimeline>();
            ManualExecutor main{timeline};
            QueuedGestureUsageStats stats(
                [&](std::shared_ptr<ClosingDeadline> closing) {
                    return std::make_shared<GestureUsageStatsStore>(path, std::move(closing));
                },
                std::make_shared<ManualExecutor>(timeline), main, nullptr);
            stats.load();
            stats.recordInvocation(kUpDown);
            stats.recordInvocation(kUpDown);
            const std::int64_t waiting = c.earlierRun ? 3 : 2;
            // The total, up-then-down and left-then-up.
            const auto shown = [&] {
                return std::tuple(stats.totalInvocationCount(), stats.triggerCount(kUpDown),
                                  stats.triggerCount(kLeftUp));
            };
            timeline->advance(60s);
            const bool shownKeptOut = shown() == std::tuple(waiting, waiting, std::int64_t{0}) &&
                                      (c.held || QFileInfo(path).size() == 0);
            const bool letIn =
                c.held ? holder.exec("COMMIT;") : testing::limitFileSizes(std::nullopt);
            timeline->advance(QueuedGestureUsageStats::kLongestRetryDelay);
            const GestureUsageStatsStore file(path);
            const bool shownLetIn = shown() == std::tuple(c.stored + waiting, waiting, c.stored) &&
                                    file.totalInvocationCount() == c.stored + waiting &&
                                    file.triggerCount(kUpDown) == waiting;
            return (keptOut ? 0 : 1) | (shownKeptOut ? 0 : 2) | (letIn ? 0 : 4) |
                   (shownLetIn ? 0 : 8);
        });
        EXPECT_EQ(result, std::optional(0))
            << c.what << " (1: not kept out, 2: shown while kept out, 4: not let in, "
            << "8: shown or stored then)";
    }
}

}  // namespace
}  // namespace quillorbitex
