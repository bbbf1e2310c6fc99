#include "Platform/SerialQueue.h"

#include <pthread.h>
#include <sched.h>

namespace quillorbitex {

SerialQueue::SerialQueue(std::string label, QualityOfService qos)
    : label_(std::move(label)), state_(std::make_shared<State>()) {
    thread_ = std::thread([state = state_, label = label_, qos] { run(state, label, qos); });
}

SerialQueue::~SerialQueue() {
    {
        std::lock_guard lock(state_->mutex);
        state_->stopping = true;
    }
    state_->wake.notify_all();
    if (thread_.joinable()) {
        if (thread_.get_id() == std::this_thread::get_id()) {
            thread_.detach();  // destroyed from its own task: the thread ends after that task
        } else {
            thread_.join();
        }
    }
}

void SerialQueue::async(Task task) {
    enqueue(SteadyClock::shared().now(), std::move(task));
}

void SerialQueue::asyncAfter(Duration delay, Task task) {
    enqueue(SteadyClock::shared().now() + std::max(delay, Duration::zero()), std::move(task));
}

bool SerialQueue::isCurrent() const {
    return std::this_thread::get_id() == thread_.get_id();
}

void SerialQueue::enqueue(Duration deadline, Task task) {
    if (!task) {
        return;
    }
    {
        std::lock_guard lock(state_->mutex);
        if (state_->stopping) {
            return;
        }
        state_->entries.push(Entry{deadline, state_->nextSequence++, std::move(task)});
    }
    state_->wake.notify_one();
}

void SerialQueue::run(const std::shared_ptr<State>& state, const std::string& label,
                      QualityOfService qos) {
    setCurrentThreadName(label);
    // Best effort: an unprivileged process may only lower its priority, so only the background
    // classes are adjusted.
    if (qos == QualityOfService::background || qos == QualityOfService::utility) {
        sched_param param{};
        pthread_setschedparam(
            pthread_self(), qos == QualityOfService::background ? SCHED_IDLE : SCHED_BATCH, &param);
    }
    std::unique_lock lock(state->mutex);
    while (!state->stopping) {
        if (state->entries.empty()) {
            state->wake.wait(lock);
            continue;
        }
        const Duration now = SteadyClock::shared().now();
        const Duration deadline = state->entries.top().deadline;
        if (deadline > now) {
            state->wake.wait_for(lock, deadline - now);
            continue;
        }
        Task task = std::move(const_cast<Entry&>(state->entries.top()).task);
        state->entries.pop();
        lock.unlock();
        task();
        task = nullptr;  // release captures outside the lock
        lock.lock();
    }
    // Pending tasks die with the state; release them outside the lock, they may own queues too.
    auto dropped = std::move(state->entries);
    lock.unlock();
}

std::string threadNameForLabel(const std::string& label) {
    constexpr std::size_t kLimit = 15;
    if (label.size() <= kLimit) {
        return label;
    }
    return label.substr(label.size() - kLimit);
}

void setCurrentThreadName(const std::string& label) {
    pthread_setname_np(pthread_self(), threadNameForLabel(label).c_str());
}

}  // namespace quillorbitex
