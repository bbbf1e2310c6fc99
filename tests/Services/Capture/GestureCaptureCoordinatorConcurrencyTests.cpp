#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <thread>

#include "Platform/SerialQueue.h"
#include "Services/Capture/GestureCaptureCoordinator.h"
#include "Services/Capture/TrackpadGestureMonitor.h"
#include "support/CoordinatorHarness.h"
#include "support/ManualExecutor.h"
#include "support/SimulatedEventTap.h"
#include "support/TapEvents.h"

namespace quillorbitex {
namespace {

using namespace std::chrono_literals;
using Phase = GestureMonitorSessionPhase;
using testing::eventually;
using testing::kCaptureTimeout;

// Hands every task to `inner`. Once armed, the next submission first waits on the submitting
// thread until release(), so that a test can act while a handler is in the middle of its call.
class HoldingExecutor final : public Executor {
public:
    explicit HoldingExecutor(std::shared_ptr<Executor> inner) : inner_(std::move(inner)) {}

    void arm() { armed_ = true; }
    bool waitUntilHolding() {
        return holdingFuture_.wait_for(kCaptureTimeout) == std::future_status::ready;
    }
    void release() { released_.set_value(); }

    void async(Task task) override {
        hold();
        inner_->async(std::move(task));
    }
    void asyncAfter(Duration delay, Task task) override {
        hold();
        inner_->asyncAfter(delay, std::move(task));
    }

private:
    void hold() {
        if (armed_.exchange(false)) {
            holding_.set_value();
            releasedFuture_.wait_for(kCaptureTimeout);
        }
    }

    std::shared_ptr<Executor> inner_;
    std::atomic<bool> armed_{false};
    std::promise<void> holding_;
    std::future<void> holdingFuture_ = holding_.get_future();
    std::promise<void> released_;
    std::future<void> releasedFuture_ = released_.get_future();
};

// Forwards to a real monitor and lets a test act on the reporting thread right after each phase
// reached the coordinator, and where the monitor is destroyed.
class InterposingMonitor final : public TrackpadGestureMonitoring {
public:
    explicit InterposingMonitor(std::shared_ptr<TrackpadGestureMonitor> inner)
        : inner_(std::move(inner)) {}
    ~InterposingMonitor() override {
        if (onDestroyed) {
            onDestroyed();
        }
    }

    std::shared_ptr<GestureCaptureEngine> captureEngine() const override {
        return inner_->captureEngine();
    }
    GestureMonitorState start(CompletedStrokeHandler completed, PhaseHandler phase) override {
        return inner_->start(std::move(completed), [this, phase = std::move(phase)](Phase p) {
            phase(p);
            if (afterReport) {
                afterReport(p);
            }
        });
    }
    void stop() override { inner_->stop(); }

    // Set before start().
    std::function<void(Phase)> afterReport;
    std::function<void()> onDestroyed;

private:
    std::shared_ptr<TrackpadGestureMonitor> inner_;
};

// Drops every task: a main thread that never gets to run them. Calls `onPost` for each.
class DroppingExecutor final : public Executor {
public:
    explicit DroppingExecutor(std::function<void()> onPost) : onPost_(std::move(onPost)) {}
    void async(Task) override { onPost_(); }
    void asyncAfter(Duration, Task) override { onPost_(); }

private:
    std::function<void()> onPost_;
};

GestureCaptureCoordinator::Configuration configurationOn(
    std::shared_ptr<TrackpadGestureMonitoring> monitor, Executor* main) {
    GestureCaptureCoordinator::Configuration configuration;
    configuration.monitor = std::move(monitor);
    configuration.actionDispatcher = std::make_shared<testing::RecordingActionDispatcher>();
    configuration.mappingStore = std::make_shared<GestureMappingStore>();
    configuration.mainExecutor = main;
    return configuration;
}

// Presses and drags through `points`, and releases at the last one if `release`.
void sendStroke(testing::SimulatedEventTap& tap, const std::vector<Point>& points, bool release) {
    tap.send(testing::buttonDown(points.front()));
    for (std::size_t p = 1; p + 1 < points.size(); ++p) {
        tap.send(testing::drag(points[p]));
    }
    if (release) {
        tap.send(testing::buttonUp(points.back()));
    }
}

// A steady clock that calls `hook` on every reading.
class HookedClock final : public Clock {
public:
    explicit HookedClock(std::function<void()> hook) : hook_(std::move(hook)) {}
    Duration now() const override {
        hook_();
        return SteadyClock::shared().now();
    }

private:
    std::function<void()> hook_;
};

const std::vector<Point> kUpThenDown = testing::polyline({{400, 400}, {400, 300}, {400, 400}}, 4);

// Quitting while a right-button event arrives: the owner lets go of the coordinator while the tap
// thread is inside its phase handler. The coordinator, and the monitor only it holds, must not be
// destroyed on the tap thread, where the monitor would have to join its own thread.
TEST(GestureCaptureCoordinatorConcurrency,
     ReleasedDuringAPhaseReportItIsNotDestroyedOnTheTapThread) {
    auto tap = std::make_shared<testing::SimulatedEventTap>();
    auto live = std::make_shared<HoldingExecutor>(std::make_shared<testing::ManualExecutor>());
    testing::ManualExecutor main;
    auto monitor = std::make_shared<InterposingMonitor>(
        std::make_shared<TrackpadGestureMonitor>(tap, nullptr));
    std::promise<std::thread::id> destroyedOn;
    monitor->onDestroyed = [&] { destroyedOn.set_value(std::this_thread::get_id()); };
    auto configuration = configurationOn(std::move(monitor), &main);  // the coordinator's alone
    configuration.liveAnalysisQueue = live;
    configuration.finalRecognitionQueue = std::make_shared<testing::ManualExecutor>();
    auto coordinator = GestureCaptureCoordinator::create(std::move(configuration));
    ASSERT_TRUE(coordinator);
    ASSERT_EQ(coordinator->start(), GestureMonitorState::running());
    const std::weak_ptr<GestureCaptureCoordinator> observed = coordinator;

    live->arm();
    std::thread user([&] { tap->send(testing::buttonDown({10, 10})); });
    EXPECT_TRUE(live->waitUntilHolding()) << "the phase report never reached the live queue";
    std::atomic<bool> resetReturned{false};
    std::thread owner([&] {
        coordinator.reset();
        resetReturned = true;
    });
    // Let the handler finish only once the owner's reference is gone.
    EXPECT_TRUE(eventually([&] { return observed.expired() || resetReturned.load(); }));
    live->release();
    const std::thread::id ownerThread = owner.get_id();
    owner.join();
    user.join();

    auto destroyed = destroyedOn.get_future();
    ASSERT_EQ(destroyed.wait_for(kCaptureTimeout), std::future_status::ready);
    const std::thread::id thread = destroyed.get();
    EXPECT_NE(thread, tap->lastCallbackThread()) << "destroyed on the tap thread";
    EXPECT_EQ(thread, ownerThread);
    EXPECT_TRUE(tap->waitUntilNoLoopRuns(kCaptureTimeout)) << "the monitor stopped";
}

// A button press handled while capture stops (after the stroke was cancelled, before the tap is
// gone) must neither leave a stroke in the engine nor a HUD on screen.
TEST(GestureCaptureCoordinatorConcurrency, AButtonPressDuringStopLeavesNoStrokeAndNoHUD) {
    // How long stop() is held open for the press to get in.
    constexpr auto kRaceWindow = 200ms;
    auto tap = std::make_shared<testing::SimulatedEventTap>();
    auto monitor = std::make_shared<InterposingMonitor>(
        std::make_shared<TrackpadGestureMonitor>(tap, nullptr));
    auto timeline = std::make_shared<testing::ManualTimeline>();
    testing::ManualExecutor main(timeline);
    auto configuration = configurationOn(monitor, &main);
    configuration.liveAnalysisQueue = std::make_shared<testing::ManualExecutor>(timeline);
    configuration.finalRecognitionQueue = std::make_shared<testing::ManualExecutor>(timeline);
    configuration.clock = &main;

    std::thread presser;
    std::atomic<bool> pressed{false};
    std::optional<TapVerdict> pressVerdict;
    std::vector<std::optional<LiveHUDState>> published;
    monitor->afterReport = [&](Phase phase) {
        if (phase != Phase::cancelled || presser.joinable()) {
            return;
        }
        presser = std::thread([&] {
            pressVerdict = tap->send(testing::buttonDown({200, 200}));
            pressed = true;
        });
        eventually([&] { return pressed.load(); }, kRaceWindow);
    };
    auto coordinator = GestureCaptureCoordinator::create(std::move(configuration));
    ASSERT_TRUE(coordinator);
    coordinator->onLiveHUDStateChanged = [&](const std::optional<LiveHUDState>& hud) {
        published.push_back(hud);
    };
    ASSERT_EQ(coordinator->start(), GestureMonitorState::running());
    tap->send(testing::buttonDown({100, 100}));
    tap->send(testing::drag({100, 60}));
    timeline->runUntilIdle();
    ASSERT_FALSE(published.empty());
    ASSERT_TRUE(published.back().has_value()) << "the HUD shows the stroke in progress";

    coordinator->stop();
    ASSERT_TRUE(presser.joinable()) << "stop() reported no cancel";
    presser.join();
    timeline->advance(1s);

    EXPECT_FALSE(monitor->captureEngine()->activeHeader());
    EXPECT_NE(pressVerdict, TapVerdict::swallow) << "a press after capture stopped is not taken";
    EXPECT_FALSE(published.back().has_value());
    EXPECT_FALSE(coordinator->overlayRuntime()->liveHUDState.value().has_value());
}

// Quitting while a stroke is analysed or recognised: the owner stops capture and lets go of the
// coordinator while one of its queues is in the middle of a task, then destroys the main executor
// and everything the callbacks reach. Nothing may reach them once the release has returned.
TEST(GestureCaptureCoordinatorConcurrency, NothingReachesTheOwnersCollaboratorsAfterTheRelease) {
    enum class Road { live, final };
    for (const Road road : {Road::live, Road::final}) {
        SCOPED_TRACE(road == Road::live ? "live analysis" : "final recognition");
        auto liveQueue = std::make_shared<SerialQueue>("test.live");
        auto finalQueue = std::make_shared<SerialQueue>("test.final");
        SerialQueue& heldQueue = road == Road::live ? *liveQueue : *finalQueue;
        auto tap = std::make_shared<testing::SimulatedEventTap>();

        std::atomic<bool> released{false};
        std::atomic<int> lateCalls{0};
        std::atomic<bool> holding{false};
        std::weak_ptr<GestureCaptureCoordinator> observed;
        const auto touch = [&] {
            if (released) {
                lateCalls++;
            }
        };
        // Called in the middle of a task on either queue: the owner lets go while it is there.
        const auto hold = [&] {
            touch();
            if (heldQueue.isCurrent() && !holding.exchange(true)) {
                eventually([&] { return observed.expired() || released.load(); });
            }
        };
        DroppingExecutor main(touch);
        HookedClock clock(hold);
        auto configuration =
            configurationOn(std::make_shared<TrackpadGestureMonitor>(tap, nullptr), &main);
        configuration.liveAnalysisQueue = liveQueue;
        configuration.finalRecognitionQueue = finalQueue;
        configuration.liveUpdateInterval = 0ms;
        configuration.clock = &clock;
        configuration.activeBundleIdentifierProvider = [&]() -> std::optional<QString> {
            touch();
            return std::nullopt;
        };
        // A rule for the final road's stroke, which it asks about before dispatching; a template
        // rule, which has the live road read the clock.
        configuration.mappingStore->upsertCustomMapping(
            GesturePattern::upThenDown, GestureAction::predefined(PredefinedAction::refresh),
            std::nullopt);
        const auto circle = GestureClassifier().makeTemplate(QStringLiteral("Circle"),
                                                             testing::circle({500, 500}, 80, 48));
        ASSERT_TRUE(circle);
        configuration.mappingStore->upsertCustomTemplateMapping(
            *circle, GestureAction::predefined(PredefinedAction::newTab), std::nullopt);
        auto coordinator = GestureCaptureCoordinator::create(std::move(configuration));
        ASSERT_TRUE(coordinator);
        observed = coordinator;
        coordinator->shouldDispatchRecognizedGesture = [&](const auto&, const auto&, const auto&) {
            hold();
            return true;
        };
        coordinator->onRecognized = [&](const RecentGestureSnapshot&) { touch(); };
        coordinator->onSessionCompleted = [&](const GestureCaptureDebugResult&) { touch(); };
        ASSERT_EQ(coordinator->start(), GestureMonitorState::running());

        // The live road draws a stroke no directional rule takes, so that every analysis of it
        // tries the template.
        if (road == Road::live) {
            sendStroke(*tap, testing::polyline({{400, 400}, {600, 400}}, 4), false);
        } else {
            sendStroke(*tap, kUpThenDown, true);
        }
        ASSERT_TRUE(eventually([&] { return holding.load(); }));

        coordinator->stop();
        coordinator.reset();
        released = true;
        // Whatever was running or queued has had its turn once both queues ran a task of ours.
        for (SerialQueue* queue : {liveQueue.get(), finalQueue.get()}) {
            std::promise<void> drained;
            queue->async([&] { drained.set_value(); });
            EXPECT_EQ(drained.get_future().wait_for(kCaptureTimeout), std::future_status::ready);
        }
        EXPECT_EQ(lateCalls.load(), 0);
    }
}

}  // namespace
}  // namespace quillorbitex
