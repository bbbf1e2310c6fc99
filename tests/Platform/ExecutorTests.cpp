#include <gtest/gtest.h>

#include <future>
#include <mutex>
#include <string>
#include <vector>

#include "Platform/CurrentValueSubject.h"
#include "Platform/Geometry.h"
#include "Platform/SerialQueue.h"
#include "support/ManualExecutor.h"

namespace quillorbitex {
namespace {

using namespace std::chrono_literals;
using testing::ManualExecutor;

TEST(SerialQueue, DelayedTasksRunAfterImmediateOnesAndInDeadlineOrder) {
    SerialQueue queue("org.quillorbitex.Quillorbitex.final-recognition");
    EXPECT_EQ(threadNameForLabel(queue.label()), "nal-recognition");  // the end fits 15 bytes
    EXPECT_EQ(threadNameForLabel("exactly15bytes."), "exactly15bytes.");
    std::mutex mutex;
    std::vector<std::string> order;
    std::promise<void> done;
    const auto record = [&](std::string name) {
        std::lock_guard lock(mutex);
        order.push_back(std::move(name));
    };
    queue.asyncAfter(60ms, [&] {
        record("late");
        done.set_value();
    });
    queue.asyncAfter(20ms, [&] { record("early"); });
    queue.async([&] { record("now"); });
    queue.asyncAfter(-5ms, [&] { record("negative delay"); });
    ASSERT_EQ(done.get_future().wait_for(20s), std::future_status::ready);
    std::lock_guard lock(mutex);
    EXPECT_EQ(order, (std::vector<std::string>{"now", "negative delay", "early", "late"}));
}

TEST(CurrentValueSubject, SubscribersHearTheCurrentValueThenEveryNewOneWhereTheyAskedFor) {
    ManualExecutor executor;
    std::vector<int> first;
    std::vector<int> second;
    Subscription s2;
    {
        CurrentValueSubject<int> subject(1);
        auto s1 = subject.subscribe([&](const int& v) { first.push_back(v); });
        subject.send(2);
        s2 = subject.subscribe([&](const int& v) { second.push_back(v); }, &executor);
        subject.send(3);
        s1.cancel();
        subject.send(4);
        EXPECT_EQ(subject.value(), 4);
        EXPECT_TRUE(second.empty());
        executor.runUntilIdle();
    }
    EXPECT_EQ(first, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(second, (std::vector<int>{2, 3, 4}));
    s2.cancel();  // the subject is gone; cancelling must be harmless
}

TEST(Geometry, RectanglesIncludeTheirMinimumEdgesOnly) {
    const Rect r{{10, 10}, {5, 5}};
    EXPECT_EQ(r.united(Point{0, 20}), (Rect{{0, 10}, {15, 10}}));
    // A zero-size rectangle stands for its point.
    EXPECT_EQ(Rect::atPoint({3, 4}).united(Point{3, 4}), Rect::atPoint({3, 4}));
    EXPECT_EQ(Rect::atPoint({3, 4}).united(Point{1, 8}), (Rect{{1, 4}, {2, 4}}));
    EXPECT_EQ(Rect::fromCorners({5, 1}, {2, 7}), (Rect{{2, 1}, {3, 6}}));
    for (const auto& [p, inside] : {std::pair{Point{10, 10}, true},
                                    {Point{14.9, 14.9}, true},
                                    {Point{15, 12}, false},
                                    {Point{12, 15}, false},
                                    {Point{12, 9.9}, false}}) {
        EXPECT_EQ(r.contains(p), inside) << p.x << "," << p.y;
    }
    for (const auto& [other, meets] : {std::pair{Rect{{14, 14}, {5, 5}}, true},
                                       {Rect{{15, 10}, {5, 5}}, false},
                                       {Rect{{5, 10}, {5, 5}}, false},
                                       {Rect{{10, 15}, {5, 5}}, false},
                                       {Rect{{10, 5}, {5, 5}}, false}}) {
        EXPECT_EQ(r.intersects(other), meets) << other.origin.x << "," << other.origin.y;
    }
    EXPECT_DOUBLE_EQ(distance({1, 1}, {4, 5}), 5.0);
    const std::hash<Point> hash;
    EXPECT_EQ(hash({-0.0, 2}), hash({0, 2}));
    EXPECT_NE(hash({1, 2}), hash({0, 2}));
}

}  // namespace
}  // namespace quillorbitex
