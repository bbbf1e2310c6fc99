#include "support/CoordinatorHarness.h"

#include "support/TapEvents.h"

namespace quillorbitex::testing {

bool RecordingActionDispatcher::dispatch(const GestureAction& action) {
    return dispatchTo(action, 0);
}

bool RecordingActionDispatcher::dispatchTo(const GestureAction& action, std::uint64_t window) {
    if (onDispatch) {
        onDispatch();
    }
    std::lock_guard lock(mutex_);
    dispatched_.push_back(action);
    windows_.push_back(window);
    return result_;
}

std::vector<std::uint64_t> RecordingActionDispatcher::windows() const {
    std::lock_guard lock(mutex_);
    return windows_;
}

std::vector<GestureAction> RecordingActionDispatcher::dispatched() const {
    std::lock_guard lock(mutex_);
    return dispatched_;
}

void RecordingActionDispatcher::setResult(bool result) {
    std::lock_guard lock(mutex_);
    result_ = result;
}

CoordinatorHarness::CoordinatorHarness(std::vector<GestureMapping> customMappings) {
    monitor =
        std::make_shared<TrackpadGestureMonitor>(tap, nullptr, 2, 18, nullptr, completionQueue);
    store =
        std::make_shared<GestureMappingStore>(GesturePresets::builtInMappings(), customMappings);
    GestureCaptureCoordinator::Configuration configuration;
    configuration.monitor = monitor;
    configuration.actionDispatcher = dispatcher;
    configuration.mappingStore = store;
    configuration.clock = &main;
    configuration.activeBundleIdentifierProvider = [this] { return frontmost; };
    configuration.frontmostWindowProvider = [this] {
        return FrontmostWindow{frontmostWindow, frontmost};
    };
    configuration.liveAnalysisQueue = liveQueue;
    configuration.finalRecognitionQueue = finalQueue;
    configuration.mainExecutor = &main;
    coordinator = GestureCaptureCoordinator::create(std::move(configuration));
}

CoordinatorHarness::~CoordinatorHarness() {
    if (coordinator) {
        coordinator->stop();
    }
    monitor->stop();
}

void CoordinatorHarness::press(Point at) {
    tap->send(buttonDown(at));
}
void CoordinatorHarness::dragTo(Point at) {
    tap->send(drag(at));
}
void CoordinatorHarness::release(Point at) {
    tap->send(buttonUp(at));
}

void CoordinatorHarness::drawStroke(const std::vector<Point>& points) {
    press(points.front());
    for (std::size_t i = 1; i + 1 < points.size(); ++i) {
        dragTo(points[i]);
    }
    release(points.back());
}

}  // namespace quillorbitex::testing
