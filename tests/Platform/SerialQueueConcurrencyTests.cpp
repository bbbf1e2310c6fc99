#include "Platform/SerialQueue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <vector>

namespace quillorbitex {
namespace {

using namespace std::chrono_literals;

TEST(SerialQueue, RunsTasksOneAtATimeInSubmissionOrderFromManyThreads) {
    std::vector<int> seen;  // only touched on the queue
    std::atomic<int> running{0};
    std::atomic<bool> overlapped{false};
    SerialQueue queue("org.quillorbitex.Quillorbitex.test");
    constexpr int kThreads = 4;
    constexpr int kPerThread = 500;
    std::vector<std::thread> producers;
    for (int t = 0; t < kThreads; ++t) {
        producers.emplace_back([&, t] {
            for (int i = 0; i < kPerThread; ++i) {
                queue.async([&, t, i] {
                    if (running.fetch_add(1) != 0) {
                        overlapped = true;
                    }
                    seen.push_back(t * kPerThread + i);
                    running.fetch_sub(1);
                });
            }
        });
    }
    for (auto& p : producers) {
        p.join();
    }
    std::promise<std::vector<int>> done;
    queue.async([&] { done.set_value(seen); });
    auto future = done.get_future();
    ASSERT_EQ(future.wait_for(20s), std::future_status::ready);
    const auto result = future.get();
    EXPECT_FALSE(overlapped);
    ASSERT_EQ(result.size(), static_cast<std::size_t>(kThreads * kPerThread));
    // Each producer's tasks ran in the order it submitted them.
    std::vector<int> last(kThreads, -1);
    for (const int value : result) {
        const int t = value / kPerThread;
        EXPECT_GT(value, last[t]);
        last[t] = value;
    }
}

TEST(SerialQueue, KnowsItsOwnThreadAndDropsPendingWorkWhenDestroyed) {
    std::atomic<int> ran{0};
    {
        SerialQueue queue("drop");
        std::promise<bool> current;
        queue.async([&] { current.set_value(queue.isCurrent()); });
        auto onQueue = current.get_future();
        ASSERT_EQ(onQueue.wait_for(20s), std::future_status::ready);
        EXPECT_TRUE(onQueue.get());
        EXPECT_FALSE(queue.isCurrent());
        queue.asyncAfter(10s, [&] { ran++; });
    }
    EXPECT_EQ(ran.load(), 0);
}

TEST(SerialQueue, MayBeDestroyedFromItsOwnTask) {
    // An owner that is released by the last task of its own queue takes the queue with it.
    for (int i = 0; i < 50; ++i) {
        auto queue = std::make_shared<SerialQueue>("self");
        std::promise<void> destroyed;
        std::promise<void> posted;
        std::atomic<int> later{0};
        queue->asyncAfter(1h, [&] { later++; });
        // The task waits until async() has returned: nobody may call into an object that is
        // being destroyed.
        queue->async([&queue, &destroyed, posting = posted.get_future().share()] {
            posting.wait();
            queue.reset();
            destroyed.set_value();
        });
        posted.set_value();
        ASSERT_EQ(destroyed.get_future().wait_for(20s), std::future_status::ready);
        EXPECT_EQ(later.load(), 0);
    }
}

}  // namespace
}  // namespace quillorbitex
