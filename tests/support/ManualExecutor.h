#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "Platform/Executor.h"

namespace quillorbitex::testing {

// Virtual time shared by several ManualExecutors, so that a test can drive the main thread and the
// engine's queues on one clock.
class ManualTimeline final : public Clock {
public:
    Duration now() const override;

    // Runs every task due at the current time (including ones they post for now), in deadline
    // order, then submission order. Returns how many ran.
    std::size_t runUntilIdle();
    // Moves time forward by `delta`, running due tasks at their own deadlines on the way.
    std::size_t advance(Duration delta);
    std::size_t pendingCount() const;

private:
    friend class ManualExecutor;
    struct Entry {
        Duration deadline;
        std::uint64_t sequence;
        Task task;
    };
    void post(Duration deadline, Task task);
    bool popDue(Duration limit, Entry& out);

    mutable std::mutex mutex_;
    Duration now_{0};
    std::uint64_t nextSequence_ = 0;
    std::vector<Entry> entries_;
};

// An Executor on virtual time: nothing runs until the test calls runUntilIdle() or advance().
// Tasks may be posted from any thread.
class ManualExecutor final : public Executor, public Clock {
public:
    ManualExecutor();
    explicit ManualExecutor(std::shared_ptr<ManualTimeline> timeline);

    void async(Task task) override;
    void asyncAfter(Duration delay, Task task) override;
    Duration now() const override;

    std::size_t runUntilIdle() { return timeline_->runUntilIdle(); }
    std::size_t advance(Duration delta) { return timeline_->advance(delta); }
    std::size_t pendingCount() const { return timeline_->pendingCount(); }
    const std::shared_ptr<ManualTimeline>& timeline() const { return timeline_; }

private:
    std::shared_ptr<ManualTimeline> timeline_;
};

}  // namespace quillorbitex::testing
