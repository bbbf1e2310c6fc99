#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <mutex>
#include <thread>

#include "Services/Capture/TrackpadGestureMonitor.h"
#include "support/RecordingEventPoster.h"
#include "support/SimulatedEventTap.h"
#include "support/TapEvents.h"

namespace quillorbitex {
namespace {

using namespace std::chrono_literals;
using testing::buttonDown;
using testing::buttonUp;
using testing::drag;

// Bounds the waits for tap threads to end; generous for loaded machines.
constexpr auto kThreadTimeout = 20s;

GestureMonitorState startIgnoring(TrackpadGestureMonitor& monitor) {
    return monitor.start([](const CompletedStroke&) {}, [](GestureMonitorSessionPhase) {});
}

TEST(TrackpadGestureMonitorConcurrency, QuickStopAndStartLeaveNoTapThreadRunning) {
    auto tap = std::make_shared<testing::SimulatedEventTap>();
    TrackpadGestureMonitor monitor(tap, nullptr);

    ASSERT_EQ(startIgnoring(monitor), GestureMonitorState::running());
    // The first tap thread is still on its way out when the second one starts.
    tap->setHoldsEndingLoops(true);
    monitor.stop();
    ASSERT_TRUE(tap->waitUntilHeldLoopCount(1, kThreadTimeout));
    ASSERT_EQ(startIgnoring(monitor), GestureMonitorState::running());
    tap->setHoldsEndingLoops(false);
    tap->releaseHeldLoops();
    ASSERT_TRUE(tap->waitUntilLiveLoopCount(1, kThreadTimeout)) << "the first thread ended";

    EXPECT_EQ(tap->send(buttonDown({1, 1})), TapVerdict::swallow) << "the second tap runs";
    monitor.stop();
    EXPECT_TRUE(tap->waitUntilNoLoopRuns(kThreadTimeout)) << "stop() must end the second thread";
    EXPECT_FALSE(tap->send(buttonDown({1, 1})));
    tap->stopAllLoops();  // lets the monitor's destructor finish even when the above failed
}

TEST(TrackpadGestureMonitorConcurrency, ATapThatLosesItsConnectionIsReplacedByTheNextStart) {
    auto tap = std::make_shared<testing::SimulatedEventTap>();
    TrackpadGestureMonitor monitor(tap, nullptr);
    ASSERT_EQ(startIgnoring(monitor), GestureMonitorState::running());

    tap->breakNewestTap();
    ASSERT_TRUE(tap->waitUntilLiveLoopCount(0, kThreadTimeout)) << "the tap thread ends";
    EXPECT_FALSE(tap->send(buttonDown({1, 1})));

    ASSERT_EQ(startIgnoring(monitor), GestureMonitorState::running());
    EXPECT_EQ(tap->createdTapCount(), 2u);
    EXPECT_EQ(tap->send(buttonDown({1, 1})), TapVerdict::swallow);
}

// The owner lets go of the monitor while a phase handler runs (quitting as a button goes down), so
// the handler's call releases the last reference on the tap thread. The monitor must stop without
// joining the thread it is destroyed on, and that thread must end by itself.
TEST(TrackpadGestureMonitorConcurrency, APhaseHandlerMayReleaseTheLastReferenceToItsMonitor) {
    using Phase = GestureMonitorSessionPhase;
    auto tap = std::make_shared<testing::SimulatedEventTap>();
    auto monitor = std::make_shared<TrackpadGestureMonitor>(tap, nullptr);
    std::shared_ptr<TrackpadGestureMonitor> owner = monitor;
    std::mutex mutex;
    std::vector<Phase> phases;
    ASSERT_EQ(monitor->start([](const CompletedStroke&) {},
                             [&](Phase phase) {
                                 {
                                     std::lock_guard lock(mutex);
                                     phases.push_back(phase);
                                 }
                                 if (phase == Phase::began) {
                                     owner.reset();
                                 }
                             }),
              GestureMonitorState::running());
    monitor.reset();

    EXPECT_EQ(tap->send(buttonDown({1, 1})), TapVerdict::swallow);
    EXPECT_FALSE(tap->send(buttonDown({2, 2}))) << "the monitor stopped on its way out";
    EXPECT_TRUE(tap->waitUntilLiveLoopCount(0, kThreadTimeout)) << "its tap thread ended";
    std::lock_guard lock(mutex);
    EXPECT_EQ(phases, (std::vector<Phase>{Phase::began, Phase::cancelled}));
}

// Strokes arrive from one thread while the main thread keeps swapping the handlers; every
// stroke reaches one of them, on the delivery queue, in button-up order.
TEST(TrackpadGestureMonitorConcurrency, HandlersCanBeSwappedWhileStrokesFlow) {
    constexpr int kStrokes = 200;
    auto tap = std::make_shared<testing::SimulatedEventTap>();
    testing::RecordingEventPoster poster;
    TrackpadGestureMonitor monitor(tap, poster.createSource());

    std::mutex mutex;
    std::vector<std::uint64_t> delivered;
    std::promise<void> allDelivered;
    std::atomic<int> phases{0};
    const auto start = [&] {
        return monitor.start(
            [&](const CompletedStroke& stroke) {
                std::lock_guard lock(mutex);
                delivered.push_back(stroke.strokeID);
                if (delivered.size() == kStrokes) {
                    allDelivered.set_value();
                }
            },
            [&](GestureMonitorSessionPhase) { phases++; });
    };
    ASSERT_EQ(start(), GestureMonitorState::running());

    std::atomic<bool> done{false};
    std::thread user([&] {
        for (int i = 0; i < kStrokes; ++i) {
            const double x = 10.0 * (i % 50);
            tap->send(buttonDown({x, 0}));
            tap->send(drag({x, 10}));
            tap->send(buttonUp({x, i % 2 ? 40.0 : 12.0}));  // every other one is a click
        }
        done = true;
    });
    while (!done) {
        ASSERT_EQ(start(), GestureMonitorState::running());
    }
    user.join();

    ASSERT_EQ(allDelivered.get_future().wait_for(kThreadTimeout), std::future_status::ready);
    EXPECT_EQ(phases.load(), kStrokes * 3);
    std::lock_guard lock(mutex);
    for (int i = 0; i < kStrokes; ++i) {
        ASSERT_EQ(delivered[i], std::uint64_t(i + 1));
    }
    EXPECT_EQ(poster.postedEvents().size(), std::size_t{kStrokes});  // two per click
}

}  // namespace
}  // namespace quillorbitex
