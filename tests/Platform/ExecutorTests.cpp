#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Platform/CurrentValueSubject.h"
#include "Platform/Geometry.h"
#include "support/ManualExecutor.h"

namespace quillorbitex {
namespace {

using namespace std::chrono_literals;
using testing::ManualExecutor;
using testing::ManualTimeline;

TEST(ManualExecutor, NothingRunsUntilTimeIsDriven) {
    ManualExecutor executor;
    std::vector<std::string> log;
    executor.async([&] { log.push_back("a"); });
    executor.asyncAfter(50ms, [&] { log.push_back("b@50"); });
    executor.asyncAfter(20ms, [&] { log.push_back("c@20"); });
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(executor.runUntilIdle(), 1u);
    EXPECT_EQ(log, (std::vector<std::string>{"a"}));
    EXPECT_EQ(executor.advance(19ms), 0u);
    EXPECT_EQ(executor.advance(1ms), 1u);
    EXPECT_EQ(executor.now(), toDuration(20ms));
    EXPECT_EQ(executor.advance(100ms), 1u);
    EXPECT_EQ(log, (std::vector<std::string>{"a", "c@20", "b@50"}));
    EXPECT_EQ(executor.now(), toDuration(120ms));
}

TEST(ManualExecutor, TasksSeeTheirOwnDeadlineAndMayScheduleMore) {
    ManualExecutor executor;
    std::vector<Duration> times;
    std::function<void()> tick = [&] {
        times.push_back(executor.now());
        if (times.size() < 4) {
            executor.asyncAfter(50ms, tick);
        }
    };
    executor.async(tick);
    executor.advance(1s);
    EXPECT_EQ(times, (std::vector<Duration>{0ms, 50ms, 100ms, 150ms}));
    EXPECT_EQ(executor.pendingCount(), 0u);
}

TEST(ManualExecutor, ExecutorsOnOneTimelineInterleaveByDeadline) {
    auto timeline = std::make_shared<ManualTimeline>();
    ManualExecutor main(timeline);
    ManualExecutor queue(timeline);
    std::vector<std::string> log;
    queue.asyncAfter(30ms, [&] { log.push_back("queue@30"); });
    main.asyncAfter(10ms, [&] { main.asyncAfter(30ms, [&] { log.push_back("main@40"); }); });
    queue.asyncAfter(40ms, [&] { log.push_back("queue@40"); });
    main.advance(100ms);
    EXPECT_EQ(log, (std::vector<std::string>{"queue@30", "queue@40", "main@40"}));
    EXPECT_EQ(queue.now(), toDuration(100ms));
}

TEST(CurrentValueSubject, NewSubscribersHearTheCurrentValueFirst) {
    CurrentValueSubject<int> subject(1);
    std::vector<int> first;
    auto s1 = subject.subscribe([&](const int& v) { first.push_back(v); });
    subject.send(2);
    std::vector<int> second;
    auto s2 = subject.subscribe([&](const int& v) { second.push_back(v); });
    subject.send(3);
    s1.cancel();
    subject.send(4);
    EXPECT_EQ(first, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(second, (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(subject.value(), 4);
}

TEST(CurrentValueSubject, DeliversThroughAnExecutorAndOutlivesNothing) {
    ManualExecutor executor;
    std::vector<int> seen;
    Subscription subscription;
    {
        CurrentValueSubject<int> subject(7);
        subscription = subject.subscribe([&](const int& v) { seen.push_back(v); }, &executor);
        subject.send(8);
        EXPECT_TRUE(seen.empty());
        executor.runUntilIdle();
        EXPECT_EQ(seen, (std::vector<int>{7, 8}));
    }
    subscription.cancel();  // the subject is gone; cancelling must be harmless
}

TEST(Geometry, UnionWithAZeroSizeRectIncludesItsPoint) {
    const Rect r{{10, 10}, {5, 5}};
    EXPECT_EQ(r.united(Point{0, 20}), (Rect{{0, 10}, {15, 10}}));
    EXPECT_EQ(Rect::atPoint({3, 4}).united(Point{3, 4}), Rect::atPoint({3, 4}));
    EXPECT_EQ(Rect::atPoint({3, 4}).united(Point{1, 8}), (Rect{{1, 4}, {2, 4}}));
    EXPECT_EQ(Rect::fromCorners({5, 1}, {2, 7}), (Rect{{2, 1}, {3, 6}}));
    EXPECT_TRUE(r.contains({10, 10}));
    EXPECT_FALSE(r.contains({15, 12}));
    EXPECT_DOUBLE_EQ(distance({0, 0}, {3, 4}), 5.0);
}

}  // namespace
}  // namespace quillorbitex
