#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <queue>
#include <string>
#include <thread>
#include <vector>

#include "Platform/Executor.h"

namespace quillorbitex {

enum class QualityOfService { background, utility, userInitiated, userInteractive };

// One worker thread running tasks one at a time: `async` tasks in submission order, `asyncAfter`
// tasks at their deadline on the monotonic clock. Destroying the queue finishes the running task,
// drops the rest and joins the thread.
class SerialQueue final : public Executor {
public:
    explicit SerialQueue(std::string label, QualityOfService qos = QualityOfService::utility);
    ~SerialQueue() override;

    SerialQueue(const SerialQueue&) = delete;
    SerialQueue& operator=(const SerialQueue&) = delete;

    void async(Task task) override;
    void asyncAfter(Duration delay, Task task) override;

    const std::string& label() const { return label_; }
    // True when called from this queue's own thread.
    bool isCurrent() const;

private:
    struct Entry {
        Duration deadline;
        std::uint64_t sequence;
        Task task;
    };
    struct Later {
        bool operator()(const Entry& a, const Entry& b) const {
            return a.deadline != b.deadline ? a.deadline > b.deadline : a.sequence > b.sequence;
        }
    };

    void enqueue(Duration deadline, Task task);
    void run(QualityOfService qos);

    std::string label_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::priority_queue<Entry, std::vector<Entry>, Later> entries_;
    std::uint64_t nextSequence_ = 0;
    bool stopping_ = false;
    std::thread thread_;
};

// Linux names threads with at most 15 bytes; keep the distinctive end of a long label.
std::string threadNameForLabel(const std::string& label);
void setCurrentThreadName(const std::string& label);

}  // namespace quillorbitex
