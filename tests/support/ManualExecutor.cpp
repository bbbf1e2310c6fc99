#include "support/ManualExecutor.h"

#include <algorithm>

namespace quillorbitex::testing {

Duration ManualTimeline::now() const {
    std::lock_guard lock(mutex_);
    return now_;
}

void ManualTimeline::post(Duration deadline, Task task) {
    if (!task) {
        return;
    }
    std::lock_guard lock(mutex_);
    entries_.push_back(Entry{std::max(deadline, now_), nextSequence_++, std::move(task)});
}

bool ManualTimeline::popDue(Duration limit, Entry& out) {
    std::lock_guard lock(mutex_);
    auto earliest =
        std::min_element(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
            return a.deadline != b.deadline ? a.deadline < b.deadline : a.sequence < b.sequence;
        });
    if (earliest == entries_.end() || earliest->deadline > limit) {
        return false;
    }
    out = std::move(*earliest);
    entries_.erase(earliest);
    now_ = std::max(now_, out.deadline);
    return true;
}

std::size_t ManualTimeline::runUntilIdle() {
    return advance(Duration::zero());
}

std::size_t ManualTimeline::advance(Duration delta) {
    const Duration target = now() + std::max(delta, Duration::zero());
    std::size_t ran = 0;
    Entry entry;
    while (popDue(target, entry)) {
        entry.task();
        entry.task = nullptr;
        ++ran;
    }
    std::lock_guard lock(mutex_);
    now_ = target;
    return ran;
}

std::size_t ManualTimeline::pendingCount() const {
    std::lock_guard lock(mutex_);
    return entries_.size();
}

ManualExecutor::ManualExecutor() : ManualExecutor(std::make_shared<ManualTimeline>()) {}

ManualExecutor::ManualExecutor(std::shared_ptr<ManualTimeline> timeline)
    : timeline_(std::move(timeline)) {}

void ManualExecutor::async(Task task) {
    timeline_->post(timeline_->now(), std::move(task));
}

void ManualExecutor::asyncAfter(Duration delay, Task task) {
    timeline_->post(timeline_->now() + std::max(delay, Duration::zero()), std::move(task));
}

Duration ManualExecutor::now() const {
    return timeline_->now();
}

}  // namespace quillorbitex::testing
