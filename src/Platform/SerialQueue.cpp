#include "Platform/SerialQueue.h"

#include <pthread.h>
#include <sched.h>

namespace quillorbitex {

SerialQueue::SerialQueue(std::string label, QualityOfService qos) : label_(std::move(label)) {
    thread_ = std::thread([this, qos] { run(qos); });
}

SerialQueue::~SerialQueue() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) {
        if (thread_.get_id() == std::this_thread::get_id()) {
            thread_.detach();  // destroyed from its own task: nothing left to wait for
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
        std::lock_guard lock(mutex_);
        if (stopping_) {
            return;
        }
        entries_.push(Entry{deadline, nextSequence_++, std::move(task)});
    }
    wake_.notify_one();
}

void SerialQueue::run(QualityOfService qos) {
    setCurrentThreadName(label_);
    // Best effort: an unprivileged process may only lower its priority, so only the background
    // classes are adjusted.
    if (qos == QualityOfService::background || qos == QualityOfService::utility) {
        sched_param param{};
        pthread_setschedparam(
            pthread_self(), qos == QualityOfService::background ? SCHED_IDLE : SCHED_BATCH, &param);
    }
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        if (entries_.empty()) {
            wake_.wait(lock);
            continue;
        }
        const Duration now = SteadyClock::shared().now();
        const Duration deadline = entries_.top().deadline;
        if (deadline > now) {
            wake_.wait_for(lock, deadline - now);
            continue;
        }
        Task task = std::move(const_cast<Entry&>(entries_.top()).task);
        entries_.pop();
        lock.unlock();
        task();
        task = nullptr;  // release captures outside the lock
        lock.lock();
    }
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
