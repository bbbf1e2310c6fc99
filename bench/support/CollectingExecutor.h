#pragma once

#include <mutex>
#include <vector>

#include "Platform/Executor.h"

namespace quillorbitex::bench {

// A queue (or the main thread) as a list of posted tasks, run when the benchmark says so.
class CollectingExecutor final : public Executor {
public:
    void async(Task task) override {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
    }
    void asyncAfter(Duration, Task task) override { async(std::move(task)); }
    std::size_t runPending() {
        std::vector<Task> tasks;
        {
            std::lock_guard lock(mutex_);
            tasks.swap(tasks_);
        }
        for (Task& task : tasks) {
            task();
        }
        return tasks.size();
    }

private:
    std::mutex mutex_;
    std::vector<Task> tasks_;
};

}  // namespace quillorbitex::bench
