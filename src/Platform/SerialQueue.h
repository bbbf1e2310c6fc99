#pragma once

#include <condition_variable>
#include <cstdint>
#include <memory>
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
    // Shared with the worker thread, so that a queue destroyed from one of its own tasks leaves
    // the thread something valid to finish on.
    struct State {
        std::mutex mutex;
        std::condition_variable wake;
        std::priority_queue<Entry, std::vector<Entry>, Later> entries;
        std::uint64_t nextSequence = 0;
        bool stopping = false;
    };

    void enqueue(Duration deadline, Task task);
    static void run(const std::shared_ptr<State>& state, const std::string& label,
                    QualityOfService qos);

    std::string label_;
    std::shared_ptr<State> state_;
    std::thread thread_;
};

// Linux names threads with at most 15 bytes; keep the distinctive end of a long label.
std::string threadNameForLabel(const std::string& label);
void setCurrentThreadName(const std::string& label);

}  // namespace quillorbitex
