#include "Services/Capture/TrackpadGestureMonitor.h"

#include <array>
#include <mutex>
#include <utility>

#include "Platform/ApplicationIdentifier.h"
#include "Platform/SerialQueue.h"

namespace quillorbitex {

namespace {

// A replayed click: button down, a short pause so that applications see a press, then up.
struct ReplayStep {
    SyntheticEventType type;
    bool pauseAfter;
};
constexpr std::array<ReplayStep, 2> kReplaySteps = {{
    {SyntheticEventType::secondaryButtonDown, true},
    {SyntheticEventType::secondaryButtonUp, false},
}};
constexpr auto kReplayPause = std::chrono::microseconds(1500);

}  // namespace

// Everything the tap threads and queued deliveries reach. They hold it weakly, and strongly only
// while they handle one event or delivery, so it may outlive the monitor by that much.
struct TrackpadGestureMonitor::State {
    std::shared_ptr<EventTap> eventTapService;
    std::shared_ptr<EventSource> eventSource;
    std::shared_ptr<GestureCaptureEngine> engine;
    // Owned by the monitor; gone once it is destroyed, even when that happens during an event.
    std::weak_ptr<Executor> completionDeliveryQueue;

    // Held by the tap thread for each whole event and by `stop` from cancelling the stroke until
    // the handlers are gone, so that a button press is either handled before the stop (and then
    // cancelled by it) or seen as not captured. Recursive, because a phase handler may end up in
    // `stop` on the tap thread (its call released the last reference to the monitor).
    std::recursive_mutex eventMutex;

    // Guards the fields below: written by `start`/`stop` and by the tap thread as it starts and
    // ends, read by the tap thread and the delivery queue.
    mutable std::mutex mutex;
    std::shared_ptr<const CompletedStrokeHandler> completedStrokeHandler;
    std::shared_ptr<const PhaseHandler> phaseHandler;
    std::shared_ptr<TapHandle> eventTap;
    // The running tap thread's loop. Every thread clears only its own loop, and whoever takes the
    // loop out of this field is the one that stops it.
    std::shared_ptr<TapLoop> tapRunLoop;

    std::shared_ptr<const PhaseHandler> currentPhaseHandler() const {
        std::lock_guard lock(mutex);
        return phaseHandler;
    }
    std::shared_ptr<const CompletedStrokeHandler> currentCompletedStrokeHandler() const {
        std::lock_guard lock(mutex);
        return completedStrokeHandler;
    }
    bool isCapturing() const {
        std::lock_guard lock(mutex);
        return eventTap != nullptr;
    }
    void report(GestureMonitorSessionPhase phase) const {
        if (const auto handler = currentPhaseHandler(); handler && *handler) {
            (*handler)(phase);
        }
    }

    TapVerdict handle(const TapEvent& event, const std::weak_ptr<State>& self);
    void replayRightClick(Point location) const;
};

TapVerdict TrackpadGestureMonitor::State::handle(const TapEvent& event,
                                                 const std::weak_ptr<State>& self) {
    const std::lock_guard events(eventMutex);
    switch (event.type) {
        case TapEventType::tapDisabledByTimeout:
        case TapEventType::tapDisabledByUserInput: {
            std::shared_ptr<TapHandle> tap;
            {
                std::lock_guard lock(mutex);
                tap = eventTap;
            }
            if (tap) {
                tap->setEnabled(true);
            }
            return TapVerdict::pass;
        }
        default:
            break;
    }
    if (event.sourceUserData == kReplayMarker) {
        return TapVerdict::pass;  // our own replayed click
    }
    switch (event.type) {
        case TapEventType::secondaryButtonDown:
            if (!isCapturing()) {
                return TapVerdict::pass;  // the event was on its way while capture stopped
            }
            engine->begin(event.location);
            report(GestureMonitorSessionPhase::began);
            return TapVerdict::swallow;
        case TapEventType::secondaryButtonDragged:
            // Swallowed even without a stroke: the button went down while capture was off, and
            // the application under it never saw the press either.
            engine->append(event.location);
            report(GestureMonitorSessionPhase::changed);
            return TapVerdict::swallow;
        case TapEventType::secondaryButtonUp: {
            auto stroke = engine->end(event.location);
            if (!stroke) {
                return TapVerdict::pass;
            }
            report(GestureMonitorSessionPhase::ended);
            const bool replay = !stroke->suppressesSystemClick;
            const Point startPoint = stroke->startPoint;
            // Without the queue the monitor went away during the report: nobody takes the stroke.
            if (const auto queue = completionDeliveryQueue.lock()) {
                queue->async([self, finished = std::move(*stroke)] {
                    const auto state = self.lock();
                    if (!state) {
                        return;
                    }
                    if (const auto handler = state->currentCompletedStrokeHandler();
                        handler && *handler) {
                        (*handler)(finished);
                    }
                });
            }
            if (replay) {
                replayRightClick(startPoint);
            }
            return TapVerdict::swallow;
        }
        default:
            return TapVerdict::pass;
    }
}

void TrackpadGestureMonitor::State::replayRightClick(Point location) const {
    if (!eventSource) {
        return;
    }
    for (const auto& step : kReplaySteps) {
        auto event = eventSource->makeMouseEvent(step.type, location);
        if (!event) {
            continue;
        }
        event->clickState = 1;
        event->sourceUserData = kReplayMarker;
        eventSource->post(*event);
        if (step.pauseAfter) {
            std::this_thread::sleep_for(kReplayPause);
        }
    }
}

TrackpadGestureMonitor::TrackpadGestureMonitor(std::shared_ptr<EventTap> eventTap,
                                               std::shared_ptr<EventSource> eventSource,
                                               double renderPointMinimumDistance,
                                               double suppressionDistance,
                                               std::shared_ptr<GestureCaptureEngine> captureEngine,
                                               std::shared_ptr<Executor> completionDeliveryQueue)
    : completionDeliveryQueue_(std::move(completionDeliveryQueue)),
      state_(std::make_shared<State>()) {
    if (!completionDeliveryQueue_) {
        completionDeliveryQueue_ = std::make_shared<SerialQueue>(
            std::string(kApplicationIdentifier) + ".monitor-completion",
            QualityOfService::userInitiated);
    }
    if (!captureEngine) {
        captureEngine =
            std::make_shared<GestureCaptureEngine>(renderPointMinimumDistance, suppressionDistance);
    }
    state_->eventTapService = std::move(eventTap);
    state_->eventSource = std::move(eventSource);
    state_->engine = std::move(captureEngine);
    state_->completionDeliveryQueue = completionDeliveryQueue_;
}

TrackpadGestureMonitor::~TrackpadGestureMonitor() {
    stop();
    for (auto& tapThread : tapThreads_) {
        if (tapThread.thread.get_id() == std::this_thread::get_id()) {
            // Released from a phase handler on this very tap thread. Its loop is stopped; the
            // thread finishes the event on the state it holds and ends by itself.
            tapThread.thread.detach();
        } else {
            tapThread.thread.join();
        }
    }
    // Joins our own queue (unless a delivery holds it for a moment): a delivery in progress
    // finishes, the rest are dropped.
    completionDeliveryQueue_.reset();
}

std::shared_ptr<GestureCaptureEngine> TrackpadGestureMonitor::captureEngine() const {
    return state_->engine;
}

QString TrackpadGestureMonitor::blockedMessage() {
    return QStringLiteral(
        "Unable to create the global event tap. Quillorbitex could not take the right button "
        "on the X display (another program may hold it); close that program, then refresh.");
}

GestureMonitorState TrackpadGestureMonitor::start(CompletedStrokeHandler completedStrokeHandler,
                                                  PhaseHandler phaseHandler) {
    joinFinishedTapThreads();
    {
        std::lock_guard lock(state_->mutex);
        state_->completedStrokeHandler =
            std::make_shared<const CompletedStrokeHandler>(std::move(completedStrokeHandler));
        state_->phaseHandler = std::make_shared<const PhaseHandler>(std::move(phaseHandler));
        if (state_->eventTap) {
            return GestureMonitorState::running();
        }
    }
    if (!state_->eventTapService) {
        return GestureMonitorState::blocked(blockedMessage());
    }

    const std::weak_ptr<State> weakState = state_;
    auto tap = state_->eventTapService->createTap([weakState](const TapEvent& event) {
        const auto state = weakState.lock();
        return state ? state->handle(event, weakState) : TapVerdict::pass;
    });
    if (!tap) {
        return GestureMonitorState::blocked(blockedMessage());
    }
    skippedModifierCombinations_ = tap->skippedModifierCombinations();
    {
        std::lock_guard lock(state_->mutex);
        state_->eventTap = tap;
    }

    std::promise<void> ready;
    auto installed = ready.get_future();
    auto finished = std::make_shared<std::atomic<bool>>(false);
    tapThreads_.push_back(TapThread{
        std::thread(&TrackpadGestureMonitor::runTapThread, weakState, std::move(tap), finished,
                    std::move(ready)),
        finished,
    });
    // When this returns the tap is attached and enabled on its thread and its loop is known.
    installed.wait();
    return GestureMonitorState::running();
}

void TrackpadGestureMonitor::runTapThread(std::weak_ptr<State> weakState,
                                          std::shared_ptr<TapHandle> tap,
                                          std::shared_ptr<std::atomic<bool>> finished,
                                          std::promise<void> ready) {
    setCurrentThreadName(std::string(kApplicationIdentifier) + ".TrackpadGestureMonitor");
    std::shared_ptr<TapLoop> loop;
    if (auto state = weakState.lock()) {
        loop = state->eventTapService->makeLoop();
        {
            std::lock_guard lock(state->mutex);
            state->tapRunLoop = loop;
        }
        loop->attach(tap);
        tap->setEnabled(true);
    }
    ready.set_value();
    if (loop) {
        loop->run();
    }
    if (auto state = weakState.lock()) {
        std::lock_guard lock(state->mutex);
        // A quick stop() and start() may already have put the next thread's loop here.
        if (state->tapRunLoop == loop) {
            state->tapRunLoop.reset();
        }
        // The loop also ends when the tap's connection to the system broke; then the tap is
        // dead and the next start must create a new one.
        if (state->eventTap == tap) {
            state->eventTap.reset();
        }
    }
    tap->invalidate();
    finished->store(true, std::memory_order_release);
}

void TrackpadGestureMonitor::stop() {
    std::shared_ptr<TapLoop> loop;
    std::shared_ptr<TapHandle> tap;
    std::shared_ptr<const CompletedStrokeHandler> completedStrokeHandler;
    std::shared_ptr<const PhaseHandler> phaseHandler;
    {
        // No event is handled between the cancel and the end of capture: `cancelled` is the
        // last phase reported and no stroke is left behind.
        const std::lock_guard events(state_->eventMutex);
        state_->engine->cancel();
        state_->report(GestureMonitorSessionPhase::cancelled);
        std::lock_guard lock(state_->mutex);
        loop = std::exchange(state_->tapRunLoop, nullptr);
        tap = std::exchange(state_->eventTap, nullptr);
        completedStrokeHandler = std::exchange(state_->completedStrokeHandler, nullptr);
        phaseHandler = std::exchange(state_->phaseHandler, nullptr);
    }
    if (loop) {
        if (tap) {
            loop->detach(tap);
        }
        loop->stop();
        loop->wakeUp();
    }
    if (tap) {
        tap->invalidate();
    }
    joinFinishedTapThreads();
}

void TrackpadGestureMonitor::joinFinishedTapThreads() {
    std::erase_if(tapThreads_, [](TapThread& tapThread) {
        if (!tapThread.finished->load(std::memory_order_acquire)) {
            return false;
        }
        tapThread.thread.join();
        return true;
    });
}

}  // namespace quillorbitex
