#pragma once

#include <atomic>
#include <cstdint>
#include <future>
#include <memory>
#include <thread>
#include <vector>

#include "Platform/EventPoster.h"
#include "Platform/EventTap.h"
#include "Platform/Executor.h"
#include "Services/Capture/TrackpadGestureMonitoring.h"

namespace quillorbitex {

// Watches secondary-button down, drag and up events on a tap thread of its own. While the button
// is held it swallows them and records the path in the capture engine; at button-up it hands the
// finished stroke to its delivery queue and replays a stroke that stayed shorter than the
// suppression distance as an ordinary secondary click at its start point.
//
// `start` and `stop` are called from one thread (the main thread).
class TrackpadGestureMonitor final : public TrackpadGestureMonitoring {
public:
    // Written into the source user-data of the replayed click, so that the tap lets it through.
    static constexpr std::int64_t kReplayMarker = 4247001;

    // Without an engine one is built with the two distances; a given engine is used as it is and
    // the distances are then ignored. Without an event source short strokes are not replayed.
    // Without a delivery queue the monitor runs its own serial queue.
    TrackpadGestureMonitor(
        std::shared_ptr<EventTap> eventTap, std::shared_ptr<EventSource> eventSource,
        double renderPointMinimumDistance =
            GestureCaptureEngine::kDefaultRenderPointMinimumDistance,
        double suppressionDistance = GestureCaptureEngine::kDefaultSuppressionDistance,
        std::shared_ptr<GestureCaptureEngine> captureEngine = nullptr,
        std::shared_ptr<Executor> completionDeliveryQueue = nullptr);
    // Stops the monitor and waits for its tap threads to end, except the calling one when a phase
    // handler released the last reference (that thread ends by itself once the event is handled);
    // finished strokes not yet delivered are dropped.
    ~TrackpadGestureMonitor() override;

    TrackpadGestureMonitor(const TrackpadGestureMonitor&) = delete;
    TrackpadGestureMonitor& operator=(const TrackpadGestureMonitor&) = delete;

    std::shared_ptr<GestureCaptureEngine> captureEngine() const override;
    GestureMonitorState start(CompletedStrokeHandler completedStrokeHandler,
                              PhaseHandler phaseHandler) override;
    // Does not wait for the tap thread to end.
    void stop() override;
    // Main thread, like start().
    std::vector<unsigned> skippedModifierCombinations() const override {
        return skippedModifierCombinations_;
    }

    // The message of the `blocked` state, shown as it is.
    static QString blockedMessage();

private:
    struct State;
    struct TapThread {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> finished;
    };

    static void runTapThread(std::weak_ptr<State> weakState, std::shared_ptr<TapHandle> tap,
                             std::shared_ptr<std::atomic<bool>> finished, std::promise<void> ready);
    void joinFinishedTapThreads();

    std::shared_ptr<Executor> completionDeliveryQueue_;
    std::shared_ptr<State> state_;
    std::vector<TapThread> tapThreads_;
    std::vector<unsigned> skippedModifierCombinations_;
};

}  // namespace quillorbitex
