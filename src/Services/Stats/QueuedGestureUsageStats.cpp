#include "Services/Stats/QueuedGestureUsageStats.h"

#include <mutex>
#include <optional>
#include <utility>

#include "Platform/RetryBackoff.h"

namespace quillorbitex {

// The queue's side. The store and what it is known to hold are touched only by the queue's tasks
// one at a time, and by the destructor, which runs after the last of them; the store is handed
// over under the mutex, so that closing can reach it from the main thread.
struct QueuedGestureUsageStats::Worker {
    using Counts = GestureUsageStatsStoring::Counts;

    struct Update {
        // Every count, replacing what is shown.
        std::optional<Counts> counts;
        // Added to what is shown.
        std::map<QString, std::int64_t> added;
        std::vector<QString> setAside;
    };

    explicit Worker(StoreFactory open) : openStore(std::move(open)) {}
    ~Worker() {
        bool anything = false;
        {
            std::lock_guard lock(mutex);
            anything = resetAsked || !recordsAsked.empty();
        }
        if (anything) {
            run(/*report=*/false);
        }
    }
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    // Gives the store what was handed over since the last run, or, with nothing new, lets it try
    // again to write what waits; the update to show, when there is one.
    std::optional<Update> run(bool report) {
        bool reset = false;
        std::map<QString, std::int64_t> records;
        {
            std::lock_guard lock(mutex);
            reset = std::exchange(resetAsked, false);
            records.swap(recordsAsked);
        }
        if (!openStoreOnce()) {
            return std::nullopt;
        }
        // What is shown is replaced, not added to.
        bool replaceShown = false;
        if (reset) {
            store->reset();
            known = Counts{};
            replaceShown = true;
            mustRead = true;
        }
        for (const auto& [id, amount] : records) {
            for (std::int64_t i = 0; i < amount; ++i) {
                store->recordInvocation(id);
            }
        }
        if (!reset && records.empty()) {
            store->writeUnwrittenCounts();
        }
        Update update;
        update.setAside = store->takeSetAsideFiles();
        if (!report) {
            return std::nullopt;
        }
        // Reading every count costs as much as the file holds rules, so it is done only when what
        // is known cannot be carried on: nothing read yet, a reset, or a damaged file replaced
        // (the new file holds what could be saved of the old one, not what was shown).
        mustRead = mustRead || !update.setAside.empty();
        std::optional<Counts> fresh;
        if (mustRead) {
            fresh = store->allCounts();
            for (QString& path : store->takeSetAsideFiles()) {
                update.setAside.push_back(std::move(path));
            }
        }
        if (fresh) {
            mustRead = false;
            replaceShown = replaceShown || !known || *fresh != *known;
            known = std::move(fresh);
        } else if (known) {
            // Written or waiting in memory, these are what changed; while a reading that is due
            // fails (another program holding the file), the queue carries on from what it knows.
            for (const auto& [id, amount] : records) {
                known->total += amount;
                known->perRule[id] += amount;
            }
            if (!replaceShown) {
                update.added = std::move(records);
            }
        } else if (Counts waiting = store->waitingCounts(); waiting != shownUnread) {
            // Nothing read yet (the file held since before the start): what the file holds is
            // unknown, and what waits beside it is all there is to show. It is shown whole, never
            // added to, so that the first reading that succeeds, which includes it, replaces it
            // rather than counting it twice.
            shownUnread = waiting;
            update.counts = std::move(waiting);
        }
        if (replaceShown && known) {
            update.counts = known;
        }
        if (!update.counts && update.added.empty() && update.setAside.empty()) {
            return std::nullopt;
        }
        return update;
    }

    bool openStoreOnce() {
        if (!store && openStore) {
            auto opened = std::exchange(openStore, nullptr)(closing);
            std::lock_guard lock(mutex);
            store = std::move(opened);
            // A store made without the deadline learns it now.
            if (store && closing->isSet()) {
                store->finishBy(closing->value());
            }
        }
        return store != nullptr;
    }

    // Something waits to be written, or a reading that is due failed.
    bool needsRetry() const { return store && (mustRead || store->hasUnwrittenCounts()); }

    // Any thread.
    void finishBy(Duration deadline) {
        closing->moveTo(deadline);
        std::lock_guard lock(mutex);
        if (store) {
            store->finishBy(deadline);
        }
    }

    StoreFactory openStore;
    // What the store holds, as far as the queue knows; nothing before the first reading.
    std::optional<Counts> known;
    // Until then, the counts waiting beside the file that were last shown (at first nothing).
    Counts shownUnread;
    bool mustRead = true;
    bool retryScheduled = false;
    RetryBackoff retryDelays{kFirstRetryDelay, kLongestRetryDelay};

    const std::shared_ptr<ClosingDeadline> closing = std::make_shared<ClosingDeadline>();
    std::mutex mutex;
    // Set once on the queue; read there without the lock.
    std::shared_ptr<GestureUsageStatsStoring> store;
    // Handed over on the main thread, not yet given to the store.
    bool resetAsked = false;
    std::map<QString, std::int64_t> recordsAsked;
};

QueuedGestureUsageStats::QueuedGestureUsageStats(StoreFactory openStore,
                                                 std::shared_ptr<Executor> queue,
                                                 Executor& mainExecutor,
                                                 std::function<void()> changed)
    : worker_(std::make_shared<Worker>(std::move(openStore))),
      shown_(std::make_shared<Shown>()),
      queue_(std::move(queue)),
      mainExecutor_(mainExecutor) {
    shown_->changed = std::move(changed);
}

QueuedGestureUsageStats::~QueuedGestureUsageStats() {
    // The queue (when this object holds the last reference) ends with the members below, after
    // the task it is running; that task, and the last writes, stop waiting for the file by then.
    worker_->finishBy(SteadyClock::shared().now() + kClosingTime);
}

std::int64_t QueuedGestureUsageStats::triggerCount(const QString& patternID) const {
    const auto found = shown_->perRule.find(patternID);
    return found == shown_->perRule.end() ? 0 : found->second;
}

std::vector<QString> QueuedGestureUsageStats::takeSetAsideFiles() {
    return std::exchange(shown_->setAside, {});
}

void QueuedGestureUsageStats::recordInvocation(const QString& patternID) {
    if (patternID.isEmpty()) {
        return;
    }
    {
        std::lock_guard lock(worker_->mutex);
        ++worker_->recordsAsked[patternID];
    }
    schedule();
}

void QueuedGestureUsageStats::reset() {
    {
        std::lock_guard lock(worker_->mutex);
        worker_->resetAsked = true;
        worker_->recordsAsked.clear();
    }
    schedule();
}

void QueuedGestureUsageStats::schedule() {
    post(queue_, worker_, shown_, mainExecutor_, Duration::zero());
}

void QueuedGestureUsageStats::post(const std::weak_ptr<Executor>& weakQueue,
                                   std::shared_ptr<Worker> worker, std::weak_ptr<Shown> weakShown,
                                   Executor& main, Duration delay) {
    const auto queue = weakQueue.lock();
    if (!queue) {
        return;
    }
    const bool retry = delay > Duration::zero();
    // The task holds its queue weakly: the queue's owner alone decides when it ends.
    auto task = [weakQueue, worker = std::move(worker), weakShown = std::move(weakShown),
                 main = &main, retry] {
        if (retry) {
            worker->retryScheduled = false;
        }
        auto update = worker->run(/*report=*/true);
        if (!worker->needsRetry()) {
            worker->retryDelays.reset();
        } else if (!worker->retryScheduled) {
            worker->retryScheduled = true;
            post(weakQueue, worker, weakShown, *main, worker->retryDelays.next());
        }
        if (!update) {
            return;
        }
        main->async([weakShown, update = std::move(*update)]() mutable {
            const auto shown = weakShown.lock();
            if (!shown) {
                return;
            }
            if (update.counts) {
                shown->total = update.counts->total;
                shown->perRule = std::move(update.counts->perRule);
            }
            for (const auto& [id, amount] : update.added) {
                shown->total += amount;
                shown->perRule[id] += amount;
            }
            shown->setAside.insert(shown->setAside.end(), update.setAside.begin(),
                                   update.setAside.end());
            if (shown->changed) {
                shown->changed();
            }
        });
    };
    if (retry) {
        queue->asyncAfter(delay, std::move(task));
    } else {
        queue->async(std::move(task));
    }
}

}  // namespace quillorbitex
