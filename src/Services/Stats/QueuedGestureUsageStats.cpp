#include "Services/Stats/QueuedGestureUsageStats.h"

#include <mutex>
#include <optional>
#include <utility>

namespace quillorbitex {

namespace {

constexpr Duration kReadRetryDelay = std::chrono::seconds(2);

}  // namespace

// The queue's side. The store and what it is known to hold are touched only by the queue's tasks
// one at a time, and by the destructor, which runs after the last of them.
struct QueuedGestureUsageStats::Worker {
    struct Update {
        std::int64_t total = 0;
        std::map<QString, std::int64_t> perRule;
        // The whole map, not only what changed.
        bool complete = false;
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

    // Gives the store what was handed over since the last run; the counts to show when they
    // changed.
    std::optional<Update> run(bool report) {
        bool reset = false;
        std::map<QString, std::int64_t> records;
        {
            std::lock_guard lock(mutex);
            reset = std::exchange(resetAsked, false);
            records.swap(recordsAsked);
        }
        if (!store && openStore) {
            store = std::exchange(openStore, nullptr)();
        }
        if (!store) {
            return std::nullopt;
        }
        Update update;
        if (reset) {
            store->reset();
            known = GestureUsageStatsStoring::Counts{};
            update.complete = true;
        }
        for (const auto& [id, amount] : records) {
            for (std::int64_t i = 0; i < amount; ++i) {
                store->recordInvocation(id);
            }
            // Once the file was read, counting goes on from there: a read while another program
            // holds the file would give only the counts the store keeps in memory.
            if (known) {
                known->total += amount;
                update.perRule[id] = known->perRule[id] += amount;
            }
        }
        if (!report) {
            return std::nullopt;
        }
        if (!known) {
            known = store->allCounts();
            update.complete = known.has_value();
        }
        if (!known || (!update.complete && update.perRule.empty())) {
            return std::nullopt;
        }
        update.total = known->total;
        if (update.complete) {
            update.perRule = known->perRule;
        }
        return update;
    }

    StoreFactory openStore;
    std::shared_ptr<GestureUsageStatsStoring> store;
    std::optional<GestureUsageStatsStoring::Counts> known;
    bool retryScheduled = false;

    // Handed over on the main thread, not yet given to the store.
    std::mutex mutex;
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

QueuedGestureUsageStats::~QueuedGestureUsageStats() = default;

std::int64_t QueuedGestureUsageStats::triggerCount(const QString& patternID) const {
    const auto found = shown_->perRule.find(patternID);
    return found == shown_->perRule.end() ? 0 : found->second;
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
    post(queue_, worker_, shown_, mainExecutor_, /*retry=*/false);
}

void QueuedGestureUsageStats::post(const std::weak_ptr<Executor>& weakQueue,
                                   std::shared_ptr<Worker> worker, std::weak_ptr<Shown> weakShown,
                                   Executor& main, bool retry) {
    const auto queue = weakQueue.lock();
    if (!queue) {
        return;
    }
    // The task holds its queue weakly: the queue's owner alone decides when it ends.
    auto task = [weakQueue, worker = std::move(worker), weakShown = std::move(weakShown),
                 main = &main, retry] {
        if (retry) {
            worker->retryScheduled = false;
        }
        auto update = worker->run(/*report=*/true);
        if (!worker->known && !worker->retryScheduled) {
            // Nothing could be read yet (the file is held); the windows wait for a later try.
            worker->retryScheduled = true;
            post(weakQueue, worker, weakShown, *main, /*retry=*/true);
        }
        if (!update) {
            return;
        }
        main->async([weakShown, update = std::move(*update)]() mutable {
            const auto shown = weakShown.lock();
            if (!shown) {
                return;
            }
            shown->total = update.total;
            if (update.complete) {
                shown->perRule = std::move(update.perRule);
            } else {
                for (const auto& [id, count] : update.perRule) {
                    shown->perRule[id] = count;
                }
            }
            if (shown->changed) {
                shown->changed();
            }
        });
    };
    if (retry) {
        queue->asyncAfter(kReadRetryDelay, std::move(task));
    } else {
        queue->async(std::move(task));
    }
}

}  // namespace quillorbitex
