#include "support/CoordinatorHarness.h"

#include <cmath>
#include <numbers>

#include "support/TapEvents.h"

namespace quillorbitex::testing {

bool RecordingActionDispatcher::dispatch(const GestureAction& action) {
    if (onDispatch) {
        onDispatch();
    }
    std::lock_guard lock(mutex_);
    dispatched_.push_back(action);
    return result_;
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

std::vector<Point> polyline(const std::vector<Point>& corners, double step) {
    std::vector<Point> points{corners.front()};
    for (std::size_t i = 1; i < corners.size(); ++i) {
        const Point a = corners[i - 1];
        const Point b = corners[i];
        const int steps = std::max(1, static_cast<int>(std::ceil(distance(a, b) / step)));
        for (int s = 1; s <= steps; ++s) {
            const double t = static_cast<double>(s) / steps;
            points.push_back({a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t});
        }
    }
    return points;
}

std::vector<Point> circle(Point centre, double radius, int count) {
    std::vector<Point> points;
    for (int i = 0; i <= count; ++i) {
        const double angle = 2 * std::numbers::pi * i / count;
        points.push_back(
            {centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)});
    }
    return points;
}

}  // namespace quillorbitex::testing
