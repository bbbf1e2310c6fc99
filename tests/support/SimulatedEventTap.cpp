#include "support/SimulatedEventTap.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <future>
#include <mutex>

namespace quillorbitex::testing {

namespace {
// Bounds every wait for a tap thread, so that a broken tap thread fails a test instead of
// hanging it.
constexpr auto kCallbackTimeout = std::chrono::seconds(30);
}  // namespace

// One mutex guards all state of taps and loops; the callbacks run outside it. A loop locks it when
// destroyed, so strong references to loops taken under it are released only after unlocking.
struct SimulatedEventTap::Shared {
    mutable std::mutex mutex;
    std::condition_variable changed;
    bool refusesTaps = false;
    std::vector<unsigned> skippedModifierCombinations;
    std::size_t createdTaps = 0;
    std::vector<std::weak_ptr<Tap>> taps;  // in creation order
    std::vector<std::weak_ptr<Loop>> loops;
    std::size_t runningLoops = 0;
    std::size_t liveLoops = 0;
    std::size_t heldLoops = 0;
    bool holdsEndingLoops = false;
    std::uint64_t releaseGeneration = 0;
    std::vector<TapEvent> passed;
    std::thread::id lastCallbackThread;
};

class SimulatedEventTap::Tap final : public TapHandle {
public:
    Tap(std::shared_ptr<Shared> shared, TapCallback callback)
        : skipped_(shared->skippedModifierCombinations),
          shared_(std::move(shared)),
          callback_(std::move(callback)) {}

    void setEnabled(bool enabled) override {
        std::lock_guard lock(shared_->mutex);
        enabled_ = enabled;
    }
    void invalidate() override {
        std::lock_guard lock(shared_->mutex);
        valid_ = false;
    }

    std::vector<unsigned> skippedModifierCombinations() const override { return skipped_; }
    const TapCallback& callback() const { return callback_; }

    // Guarded by the shared mutex.
    bool enabled_ = false;
    bool valid_ = true;
    std::weak_ptr<Loop> loop_;

private:
    const std::vector<unsigned> skipped_;
    std::shared_ptr<Shared> shared_;
    const TapCallback callback_;
};

class SimulatedEventTap::Loop final : public TapLoop, public std::enable_shared_from_this<Loop> {
public:
    struct Pending {
        TapEvent event;
        std::shared_ptr<Tap> tap;
        bool evenIfDisabled = false;
        std::promise<std::optional<TapVerdict>> verdict;
    };

    explicit Loop(std::shared_ptr<Shared> shared) : shared_(std::move(shared)) {}
    ~Loop() override {
        {
            std::lock_guard lock(shared_->mutex);
            shared_->liveLoops--;
        }
        shared_->changed.notify_all();
    }

    void attach(std::shared_ptr<TapHandle> handle) override {
        auto tap = std::dynamic_pointer_cast<Tap>(handle);
        if (!tap) {
            return;
        }
        std::lock_guard lock(shared_->mutex);
        tap->loop_ = weak_from_this();
        attached_.push_back(std::move(tap));
    }

    void detach(const std::shared_ptr<TapHandle>& handle) override {
        {
            std::lock_guard lock(shared_->mutex);
            detachLocked(handle.get());
        }
        shared_->changed.notify_all();
    }

    void run() override {
        std::unique_lock lock(shared_->mutex);
        shared_->runningLoops++;
        std::uint64_t seenWakeups = wakeups_;
        while (true) {
            shared_->changed.wait(lock, [&] {
                return wakeups_ != seenWakeups || !pending_.empty() || attached_.empty();
            });
            if (attached_.empty()) {
                break;
            }
            if (wakeups_ != seenWakeups) {
                seenWakeups = wakeups_;
                if (stopped_) {
                    break;
                }
            }
            if (!pending_.empty()) {
                Pending next = std::move(pending_.front());
                pending_.pop_front();
                dispatch(lock, next);
            }
        }
        if (shared_->holdsEndingLoops) {
            const auto generation = shared_->releaseGeneration;
            shared_->heldLoops++;
            shared_->changed.notify_all();
            shared_->changed.wait(lock, [&] { return shared_->releaseGeneration != generation; });
            shared_->heldLoops--;
        }
        stopped_ = false;
        // Events still queued for this loop never reach a callback.
        for (auto& left : pending_) {
            shared_->passed.push_back(left.event);
            left.verdict.set_value(std::nullopt);
        }
        pending_.clear();
        shared_->runningLoops--;
        shared_->changed.notify_all();
    }

    void stop() override {
        std::lock_guard lock(shared_->mutex);
        stopped_ = true;
    }

    void wakeUp() override {
        {
            std::lock_guard lock(shared_->mutex);
            wakeups_++;
        }
        shared_->changed.notify_all();
    }

    // The rest is called with the shared mutex held.
    void detachLocked(const TapHandle* handle) {
        std::erase_if(attached_, [&](const std::shared_ptr<Tap>& tap) {
            if (tap.get() != handle) {
                return false;
            }
            tap->loop_.reset();
            return true;
        });
    }
    bool isAttached(const Tap* tap) const {
        return std::any_of(attached_.begin(), attached_.end(),
                           [&](const auto& each) { return each.get() == tap; });
    }
    std::future<std::optional<TapVerdict>> enqueue(const TapEvent& event, std::shared_ptr<Tap> tap,
                                                   bool evenIfDisabled) {
        Pending entry{event, std::move(tap), evenIfDisabled, {}};
        auto future = entry.verdict.get_future();
        pending_.push_back(std::move(entry));
        return future;
    }
    void forceStop() {
        stopped_ = true;
        wakeups_++;
    }

private:
    void dispatch(std::unique_lock<std::mutex>& lock, Pending& entry) {
        const Tap& tap = *entry.tap;
        const bool delivered =
            tap.valid_ && (tap.enabled_ || entry.evenIfDisabled) && isAttached(&tap);
        std::optional<TapVerdict> verdict;
        if (delivered) {
            shared_->lastCallbackThread = std::this_thread::get_id();
            lock.unlock();
            verdict = tap.callback()(entry.event);
            lock.lock();
        }
        if (verdict.value_or(TapVerdict::pass) == TapVerdict::pass) {
            shared_->passed.push_back(entry.event);
        }
        entry.verdict.set_value(verdict);
    }

    std::shared_ptr<Shared> shared_;
    // Guarded by the shared mutex.
    std::vector<std::shared_ptr<Tap>> attached_;
    std::deque<Pending> pending_;
    bool stopped_ = false;
    std::uint64_t wakeups_ = 0;
};

SimulatedEventTap::SimulatedEventTap() : shared_(std::make_shared<Shared>()) {}

SimulatedEventTap::~SimulatedEventTap() = default;

std::shared_ptr<TapHandle> SimulatedEventTap::createTap(TapCallback callback) {
    std::lock_guard lock(shared_->mutex);
    if (shared_->refusesTaps) {
        return nullptr;
    }
    auto tap = std::make_shared<Tap>(shared_, std::move(callback));
    shared_->taps.push_back(tap);
    shared_->createdTaps++;
    return tap;
}

std::shared_ptr<TapLoop> SimulatedEventTap::makeLoop() {
    auto loop = std::make_shared<Loop>(shared_);
    std::lock_guard lock(shared_->mutex);
    shared_->loops.push_back(loop);
    shared_->liveLoops++;
    return loop;
}

void SimulatedEventTap::setSkippedModifierCombinations(std::vector<unsigned> combinations) {
    std::lock_guard lock(shared_->mutex);
    shared_->skippedModifierCombinations = std::move(combinations);
}

void SimulatedEventTap::setRefusesTaps(bool refuses) {
    std::lock_guard lock(shared_->mutex);
    shared_->refusesTaps = refuses;
}

std::size_t SimulatedEventTap::createdTapCount() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->createdTaps;
}

namespace {

template <typename TapT, typename LoopT>
std::pair<std::shared_ptr<TapT>, std::shared_ptr<LoopT>> newestAttached(
    const std::vector<std::weak_ptr<TapT>>& taps, bool mustBeEnabled) {
    for (auto it = taps.rbegin(); it != taps.rend(); ++it) {
        auto tap = it->lock();
        if (!tap || !tap->valid_ || (mustBeEnabled && !tap->enabled_)) {
            continue;
        }
        if (auto loop = tap->loop_.lock()) {
            return {std::move(tap), std::move(loop)};
        }
    }
    return {};
}

}  // namespace

std::optional<TapVerdict> SimulatedEventTap::send(const TapEvent& event) {
    std::future<std::optional<TapVerdict>> verdict;
    std::pair<std::shared_ptr<Tap>, std::shared_ptr<Loop>> target;  // released after unlocking
    {
        std::lock_guard lock(shared_->mutex);
        target = newestAttached<Tap, Loop>(shared_->taps, true);
        if (!target.first) {
            shared_->passed.push_back(event);
            return std::nullopt;
        }
        verdict = target.second->enqueue(event, target.first, false);
    }
    shared_->changed.notify_all();
    if (verdict.wait_for(kCallbackTimeout) != std::future_status::ready) {
        return std::nullopt;
    }
    return verdict.get();
}

std::vector<TapEvent> SimulatedEventTap::passedEvents() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->passed;
}

std::thread::id SimulatedEventTap::lastCallbackThread() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->lastCallbackThread;
}

std::optional<TapVerdict> SimulatedEventTap::disableNewestTap(TapEventType reason) {
    std::future<std::optional<TapVerdict>> verdict;
    std::pair<std::shared_ptr<Tap>, std::shared_ptr<Loop>> target;
    {
        std::lock_guard lock(shared_->mutex);
        target = newestAttached<Tap, Loop>(shared_->taps, false);
        if (!target.first) {
            return std::nullopt;
        }
        target.first->enabled_ = false;
        TapEvent notification;
        notification.type = reason;
        verdict = target.second->enqueue(notification, target.first, true);
    }
    shared_->changed.notify_all();
    if (verdict.wait_for(kCallbackTimeout) != std::future_status::ready) {
        return std::nullopt;
    }
    return verdict.get();
}

bool SimulatedEventTap::newestTapEnabled() const {
    std::lock_guard lock(shared_->mutex);
    for (auto it = shared_->taps.rbegin(); it != shared_->taps.rend(); ++it) {
        if (auto tap = it->lock(); tap && tap->valid_) {
            return tap->enabled_;
        }
    }
    return false;
}

void SimulatedEventTap::breakNewestTap() {
    std::pair<std::shared_ptr<Tap>, std::shared_ptr<Loop>> target;
    {
        std::lock_guard lock(shared_->mutex);
        target = newestAttached<Tap, Loop>(shared_->taps, false);
        if (!target.first) {
            return;
        }
        target.second->detachLocked(target.first.get());
    }
    shared_->changed.notify_all();
}

std::size_t SimulatedEventTap::liveLoopCount() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->liveLoops;
}

bool SimulatedEventTap::waitUntilNoLoopRuns(std::chrono::milliseconds timeout) {
    std::unique_lock lock(shared_->mutex);
    return shared_->changed.wait_for(lock, timeout, [&] { return shared_->runningLoops == 0; });
}

bool SimulatedEventTap::waitUntilLiveLoopCount(std::size_t count,
                                               std::chrono::milliseconds timeout) {
    std::unique_lock lock(shared_->mutex);
    return shared_->changed.wait_for(lock, timeout, [&] { return shared_->liveLoops == count; });
}

void SimulatedEventTap::setHoldsEndingLoops(bool holds) {
    std::lock_guard lock(shared_->mutex);
    shared_->holdsEndingLoops = holds;
}

bool SimulatedEventTap::waitUntilHeldLoopCount(std::size_t count,
                                               std::chrono::milliseconds timeout) {
    std::unique_lock lock(shared_->mutex);
    return shared_->changed.wait_for(lock, timeout, [&] { return shared_->heldLoops == count; });
}

void SimulatedEventTap::releaseHeldLoops() {
    {
        std::lock_guard lock(shared_->mutex);
        shared_->releaseGeneration++;
    }
    shared_->changed.notify_all();
}

void SimulatedEventTap::stopAllLoops() {
    std::vector<std::shared_ptr<Loop>> loops;  // released after unlocking
    {
        std::lock_guard lock(shared_->mutex);
        shared_->holdsEndingLoops = false;
        shared_->releaseGeneration++;
        for (const auto& weakLoop : shared_->loops) {
            if (auto loop = weakLoop.lock()) {
                loop->forceStop();
                loops.push_back(std::move(loop));
            }
        }
    }
    shared_->changed.notify_all();
}

}  // namespace quillorbitex::testing
