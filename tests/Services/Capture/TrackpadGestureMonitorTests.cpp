#include "Services/Capture/TrackpadGestureMonitor.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <thread>

#include "support/ManualExecutor.h"
#include "support/RecordingEventPoster.h"
#include "support/SimulatedEventTap.h"
#include "support/TapEvents.h"

namespace quillorbitex {
namespace {

using Phase = GestureMonitorSessionPhase;
using Phases = std::vector<Phase>;
using testing::buttonDown;
using testing::buttonUp;
using testing::drag;

constexpr auto kSwallow = std::optional<TapVerdict>(TapVerdict::swallow);
constexpr auto kPass = std::optional<TapVerdict>(TapVerdict::pass);

class TrackpadGestureMonitorTest : public ::testing::Test {
protected:
    TrackpadGestureMonitorTest() { monitor = makeMonitor(poster.createSource()); }
    ~TrackpadGestureMonitorTest() override { monitor.reset(); }

    std::unique_ptr<TrackpadGestureMonitor> makeMonitor(std::shared_ptr<EventSource> source) {
        return std::make_unique<TrackpadGestureMonitor>(tap, std::move(source), 2, 18, nullptr,
                                                        deliveries);
    }

    GestureMonitorState startRecording(TrackpadGestureMonitor& target) {
        return target.start([this](const CompletedStroke& stroke) { strokes.push_back(stroke); },
                            [this](Phase phase) {
                                std::lock_guard lock(mutex);
                                phases.push_back(phase);
                                phaseThreads.push_back(std::this_thread::get_id());
                            });
    }
    GestureMonitorState startRecording() { return startRecording(*monitor); }

    Phases recordedPhases() {
        std::lock_guard lock(mutex);
        return phases;
    }

    std::shared_ptr<testing::SimulatedEventTap> tap =
        std::make_shared<testing::SimulatedEventTap>();
    testing::RecordingEventPoster poster;
    std::shared_ptr<testing::ManualExecutor> deliveries =
        std::make_shared<testing::ManualExecutor>();
    std::unique_ptr<TrackpadGestureMonitor> monitor;

    std::mutex mutex;
    Phases phases;
    std::vector<std::thread::id> phaseThreads;
    std::vector<CompletedStroke> strokes;  // filled on the test thread by `deliveries`
};

TEST_F(TrackpadGestureMonitorTest, CapturesAStrokeOnTheTapThreadAndDeliversItAfterButtonUp) {
    ASSERT_EQ(startRecording(), GestureMonitorState::running());

    EXPECT_EQ(tap->send(buttonDown({100, 100})), kSwallow);
    for (const Point p : {Point{110, 100}, Point{120, 100}, Point{120, 130}}) {
        EXPECT_EQ(tap->send(drag(p)), kSwallow);
    }
    EXPECT_EQ(tap->send(buttonUp({120, 140})), kSwallow);

    EXPECT_EQ(recordedPhases(),
              (Phases{Phase::began, Phase::changed, Phase::changed, Phase::changed, Phase::ended}));
    for (const auto& thread : phaseThreads) {
        EXPECT_EQ(thread, tap->lastCallbackThread());
        EXPECT_NE(thread, std::this_thread::get_id());
    }
    EXPECT_TRUE(strokes.empty()) << "delivered on the completion queue, not the tap thread";
    deliveries->runUntilIdle();
    ASSERT_EQ(strokes.size(), 1u);
    EXPECT_EQ(strokes[0].rawPoints,
              (std::vector<Point>{{100, 100}, {110, 100}, {120, 100}, {120, 130}, {120, 140}}));
    EXPECT_TRUE(strokes[0].suppressesSystemClick);
    EXPECT_TRUE(poster.postedEvents().empty());
    EXPECT_TRUE(tap->passedEvents().empty());
    EXPECT_FALSE(monitor->captureEngine()->activeHeader());
}

TEST_F(TrackpadGestureMonitorTest, AShortStrokeComesBackAsAMarkedClickThatPassesTheTap) {
    ASSERT_EQ(startRecording(), GestureMonitorState::running());
    tap->send(buttonDown({50, 50}));
    tap->send(drag({58.95, 50}));
    EXPECT_EQ(tap->send(buttonUp({58.95, 58.95})), kSwallow);  // 17.9 points

    const auto posted = poster.postedEvents();
    ASSERT_EQ(posted.size(), 2u);
    EXPECT_EQ(posted[0].type, SyntheticEventType::secondaryButtonDown);
    EXPECT_EQ(posted[1].type, SyntheticEventType::secondaryButtonUp);
    for (const auto& event : posted) {
        EXPECT_EQ(event.location, (Point{50, 50}));
        EXPECT_EQ(event.clickState, 1);
        EXPECT_EQ(event.sourceUserData, TrackpadGestureMonitor::kReplayMarker);
    }
    deliveries->runUntilIdle();
    ASSERT_EQ(strokes.size(), 1u) << "a click is still delivered as a stroke";
    EXPECT_FALSE(strokes[0].suppressesSystemClick);

    // The replayed click reaches the tap again and goes through without starting a stroke.
    const auto phasesBefore = recordedPhases();
    for (const auto& event : posted) {
        EXPECT_EQ(tap->send(testing::asSeenByTap(event)), kPass);
    }
    EXPECT_EQ(recordedPhases(), phasesBefore);
    EXPECT_FALSE(monitor->captureEngine()->activeHeader());
    EXPECT_EQ(tap->passedEvents().size(), 2u);
}

TEST_F(TrackpadGestureMonitorTest, ReplayPostsWhatItCanMake) {
    poster.setFailsCreating(SyntheticEventType::secondaryButtonDown, true);
    ASSERT_EQ(startRecording(), GestureMonitorState::running());
    tap->send(buttonDown({5, 5}));
    EXPECT_EQ(tap->send(buttonUp({5, 5})), kSwallow);
    const auto posted = poster.postedEvents();
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].type, SyntheticEventType::secondaryButtonUp);
    monitor->stop();

    // Without an event source the click is swallowed and not replayed.
    monitor = makeMonitor(nullptr);
    ASSERT_EQ(startRecording(), GestureMonitorState::running());
    tap->send(buttonDown({5, 5}));
    EXPECT_EQ(tap->send(buttonUp({5, 5})), kSwallow);
    EXPECT_EQ(poster.postedEvents().size(), 1u);
}

TEST_F(TrackpadGestureMonitorTest, ASecondButtonDownSilentlyReplacesTheActiveStroke) {
    ASSERT_EQ(startRecording(), GestureMonitorState::running());
    tap->send(buttonDown({0, 0}));
    tap->send(drag({40, 0}));
    tap->send(buttonDown({200, 200}));
    tap->send(drag({200, 240}));
    tap->send(buttonUp({200, 260}));
    EXPECT_EQ(recordedPhases(),
              (Phases{Phase::began, Phase::changed, Phase::began, Phase::changed, Phase::ended}));
    deliveries->runUntilIdle();
    ASSERT_EQ(strokes.size(), 1u);
    EXPECT_EQ(strokes[0].strokeID, 2u);
    EXPECT_EQ(strokes[0].startPoint, (Point{200, 200}));
}

TEST_F(TrackpadGestureMonitorTest, TurnsTheTapBackOnWhenTheSystemDisablesIt) {
    ASSERT_EQ(startRecording(), GestureMonitorState::running());
    for (const auto reason :
         {TapEventType::tapDisabledByTimeout, TapEventType::tapDisabledByUserInput}) {
        EXPECT_EQ(tap->disableNewestTap(reason), kPass);
        EXPECT_TRUE(tap->newestTapEnabled());
    }
    EXPECT_EQ(tap->send(buttonDown({1, 1})), kSwallow);
    EXPECT_EQ(recordedPhases(), Phases{Phase::began});
}

TEST_F(TrackpadGestureMonitorTest, ADragWithoutStrokeIsSwallowedAndItsButtonUpPasses) {
    ASSERT_EQ(startRecording(), GestureMonitorState::running());
    tap->send(buttonDown({10, 10}));
    tap->send(drag({40, 10}));
    monitor->stop();
    EXPECT_EQ(recordedPhases(), (Phases{Phase::began, Phase::changed, Phase::cancelled}));
    EXPECT_FALSE(tap->send(drag({50, 10}))) << "no tap sees events after stop()";

    // Capture comes back on while the button is still held.
    ASSERT_EQ(startRecording(), GestureMonitorState::running());
    EXPECT_EQ(tap->send(drag({60, 10})), kSwallow);
    EXPECT_EQ(tap->send(buttonUp({60, 20})), kPass);
    EXPECT_EQ(recordedPhases(),
              (Phases{Phase::began, Phase::changed, Phase::cancelled, Phase::changed}));
    deliveries->runUntilIdle();
    EXPECT_TRUE(strokes.empty());
    EXPECT_TRUE(poster.postedEvents().empty());
}

TEST_F(TrackpadGestureMonitorTest, ARefusedTapBlocksWithTheFixedMessageAndStartsNoThread) {
    tap->setRefusesTaps(true);
    const auto state = startRecording();
    EXPECT_EQ(state, GestureMonitorState::blocked(
                         "Unable to create the global event tap. Quillorbitex could not take "
                         "the right button on the X display (another program may hold it); "
                         "close that program, then refresh."));
    EXPECT_EQ(tap->liveLoopCount(), 0u);
    EXPECT_FALSE(tap->send(buttonDown({1, 1})));

    // The handlers were kept: stop reports the cancellation to them.
    monitor->stop();
    EXPECT_EQ(recordedPhases(), Phases{Phase::cancelled});
    monitor->stop();
    EXPECT_EQ(recordedPhases(), Phases{Phase::cancelled}) << "handlers are gone after stop()";

    tap->setRefusesTaps(false);
    EXPECT_EQ(startRecording(), GestureMonitorState::running());
    EXPECT_EQ(tap->send(buttonDown({1, 1})), kSwallow);
}

// Starting again only swaps the handlers, and a stroke goes to the handler of the moment it is
// delivered.
TEST_F(TrackpadGestureMonitorTest, DeliversToTheHandlerOfTheMomentOfDelivery) {
    ASSERT_EQ(startRecording(), GestureMonitorState::running());
    tap->send(buttonDown({0, 0}));
    tap->send(buttonUp({30, 0}));
    const std::size_t phasesBefore = recordedPhases().size();
    std::vector<CompletedStroke> later;
    std::atomic<int> laterPhases{0};
    ASSERT_EQ(monitor->start([&](const CompletedStroke& s) { later.push_back(s); },
                             [&](Phase) { laterPhases++; }),
              GestureMonitorState::running());
    EXPECT_EQ(tap->createdTapCount(), 1u);
    deliveries->runUntilIdle();
    EXPECT_TRUE(strokes.empty());
    EXPECT_EQ(later.size(), 1u);
    tap->send(buttonDown({0, 0}));
    tap->send(buttonUp({30, 0}));
    EXPECT_EQ(laterPhases.load(), 2);
    EXPECT_EQ(recordedPhases().size(), phasesBefore);

    // Stopped before delivery: the stroke goes nowhere; so does one of a monitor that is gone.
    monitor->stop();
    deliveries->runUntilIdle();
    EXPECT_EQ(later.size(), 1u);

    ASSERT_EQ(startRecording(), GestureMonitorState::running());
    tap->send(buttonDown({0, 0}));
    tap->send(buttonUp({30, 0}));
    monitor.reset();
    EXPECT_EQ(deliveries->runUntilIdle(), 1u);
    EXPECT_TRUE(strokes.empty());
}

}  // namespace
}  // namespace quillorbitex
