#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "Platform/Executor.h"
#include "Services/Stats/ClosingDeadline.h"
#include "Services/Stats/GestureUsageStatsStoring.h"

namespace quillorbitex {

// Keeps the usage database away from the main thread: another program holding the file makes
// every statement wait up to the store's busy timeout, and a gesture takes several. The store is
// opened, written and read only on a serial queue; the main thread shows the counts the queue last
// reported, which arrive through the main executor, and hands over counts and resets without
// waiting for them.
//
// The counts shown are what the store holds (its file and what waits in memory): read whole once,
// then kept up to date by adding what each change counted, and read whole again only after a
// reset or after the store set a file aside (what the new file holds, not what was shown). Until
// the first reading succeeds (another program holding the file since before the start), the counts
// shown are those waiting beside the file (in memory, and from earlier runs), which that reading
// then replaces. While anything waits to be written, or a reading that is due failed, the queue
// tries again after 0.25 s, then after twice as long each time up to 2 s.
//
// Main thread only. What was handed over is not lost when the object goes before the queue got to
// it: whoever lets go of the queue's state last (the queue dropping its tasks, or the destructor)
// gives it to the store, which writes what it holds when it is destroyed. The destructor gives
// the store a short time to finish (kClosingTime): the work the queue is doing then, and all
// waiting for the file, end by then.
class QueuedGestureUsageStats final {
public:
    // Given the closing deadline, which a store should honour from its first statement on: it may
    // be set while the store is being opened.
    using StoreFactory = std::function<std::shared_ptr<GestureUsageStatsStoring>(
        std::shared_ptr<ClosingDeadline> closing)>;

    static constexpr Duration kClosingTime = std::chrono::milliseconds(250);
    static constexpr Duration kFirstRetryDelay = std::chrono::milliseconds(250);
    static constexpr Duration kLongestRetryDelay = std::chrono::seconds(2);

    // `openStore` runs on `queue` before anything else, with the first work handed over (or, when
    // the queue never got to it, as the queue's state is released).
    // `changed` runs on the main executor after the counts shown changed or files were set
    // aside. The main executor must outlive the queue's work.
    QueuedGestureUsageStats(StoreFactory openStore, std::shared_ptr<Executor> queue,
                            Executor& mainExecutor, std::function<void()> changed);
    ~QueuedGestureUsageStats();

    QueuedGestureUsageStats(const QueuedGestureUsageStats&) = delete;
    QueuedGestureUsageStats& operator=(const QueuedGestureUsageStats&) = delete;

    std::int64_t totalInvocationCount() const { return shown_->total; }
    std::int64_t triggerCount(const QString& patternID) const;
    // The database files the store moved aside (as damaged) since the last call.
    std::vector<QString> takeSetAsideFiles();

    // Reads every count (after a reset handed over before it, so that the counts it clears are
    // never shown).
    void load() { schedule(); }
    // An empty identifier counts nothing.
    void recordInvocation(const QString& patternID);
    void reset();

private:
    struct Worker;
    struct Shown {
        std::int64_t total = 0;
        std::map<QString, std::int64_t> perRule;
        std::vector<QString> setAside;
        std::function<void()> changed;
    };

    void schedule();
    static void post(const std::weak_ptr<Executor>& weakQueue, std::shared_ptr<Worker> worker,
                     std::weak_ptr<Shown> weakShown, Executor& main, Duration delay);

    std::shared_ptr<Worker> worker_;
    // Queued results reach it weakly: once this object is gone they do nothing.
    std::shared_ptr<Shown> shown_;
    std::shared_ptr<Executor> queue_;
    Executor& mainExecutor_;
};

}  // namespace quillorbitex
