#pragma once

#include <chrono>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "Services/Capture/GestureCaptureCoordinator.h"
#include "Services/Capture/TrackpadGestureMonitor.h"
#include "support/ManualExecutor.h"
#include "support/SimulatedEventTap.h"
#include "support/StrokeShapes.h"

namespace quillorbitex::testing {

// Bounds every wait of the capture tests; generous for loaded machines and ThreadSanitizer.
inline constexpr std::chrono::seconds kCaptureTimeout{20};

// Polls `condition` every millisecond until it holds or `timeout` has passed; returns whether it
// held.
template <typename Condition>
bool eventually(Condition&& condition, std::chrono::milliseconds timeout = kCaptureTimeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// Records the actions it is asked to perform and answers with a settable result.
class RecordingActionDispatcher final : public GestureActionDispatching {
public:
    bool dispatch(const GestureAction& action) override;
    bool dispatchTo(const GestureAction& action, std::uint64_t window) override;
    std::vector<GestureAction> dispatched() const;
    // The window each action was meant for (0: none named).
    std::vector<std::uint64_t> windows() const;
    void setResult(bool result);
    // Called inside dispatch(), for tests of ordering.
    std::function<void()> onDispatch;

private:
    mutable std::mutex mutex_;
    std::vector<GestureAction> dispatched_;
    std::vector<std::uint64_t> windows_;
    bool result_ = true;
};

// A coordinator wired to a real monitor on a simulated tap, with every queue on one virtual
// timeline: nothing runs until the test drives time.
struct CoordinatorHarness {
    explicit CoordinatorHarness(std::vector<GestureMapping> customMappings = {});
    ~CoordinatorHarness();

    // Presses, drags through `points` and releases over the simulated tap; runs nothing queued.
    void press(Point at);
    void dragTo(Point at);
    void release(Point at);
    void drawStroke(const std::vector<Point>& points);

    std::shared_ptr<ManualTimeline> timeline = std::make_shared<ManualTimeline>();
    std::shared_ptr<ManualExecutor> liveQueue = std::make_shared<ManualExecutor>(timeline);
    std::shared_ptr<ManualExecutor> finalQueue = std::make_shared<ManualExecutor>(timeline);
    std::shared_ptr<ManualExecutor> completionQueue = std::make_shared<ManualExecutor>(timeline);
    ManualExecutor main{timeline};
    std::shared_ptr<SimulatedEventTap> tap = std::make_shared<SimulatedEventTap>();
    std::shared_ptr<TrackpadGestureMonitor> monitor;
    std::shared_ptr<GestureMappingStore> store;
    std::shared_ptr<RecordingActionDispatcher> dispatcher =
        std::make_shared<RecordingActionDispatcher>();
    // What is in front, as the workspace would tell: the application and its window.
    std::optional<QString> frontmost;
    std::uint64_t frontmostWindow = 0;
    std::shared_ptr<GestureCaptureCoordinator> coordinator;
};

}  // namespace quillorbitex::testing
