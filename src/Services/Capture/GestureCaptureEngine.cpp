#include "Services/Capture/GestureCaptureEngine.h"

#include <algorithm>
#include <utility>

namespace quillorbitex {

namespace {
// Room for a typical stroke, so that the tap thread does not reallocate while the user draws.
constexpr std::size_t kReservedRawPoints = 256;
constexpr std::size_t kReservedRenderPoints = 96;
}  // namespace

GestureCaptureEngine::GestureCaptureEngine(double renderPointMinimumDistance,
                                           double suppressionDistance)
    : renderPointMinimumDistance_(renderPointMinimumDistance),
      suppressionDistance_(suppressionDistance) {}

void GestureCaptureEngine::begin(Point startPoint) {
    ActiveStroke stroke;
    stroke.startPoint = startPoint;
    stroke.rawPoints.reserve(kReservedRawPoints);
    stroke.renderPoints.reserve(kReservedRenderPoints);
    stroke.rawPoints.push_back(startPoint);
    stroke.renderPoints.push_back(startPoint);
    stroke.globalBounds = Rect::atPoint(startPoint);

    std::optional<ActiveStroke> replaced;
    {
        std::lock_guard lock(mutex_);
        stroke.strokeID = nextStrokeID_++;
        replaced = std::exchange(activeStroke_, std::move(stroke));
    }
    // A replaced stroke is dropped without a trace; its storage is freed outside the lock.
}

void GestureCaptureEngine::append(Point point) {
    std::lock_guard lock(mutex_);
    if (activeStroke_) {
        appendLocked(*activeStroke_, point);
    }
}

std::optional<CompletedStroke> GestureCaptureEngine::end(Point point) {
    std::optional<ActiveStroke> finished;
    {
        std::lock_guard lock(mutex_);
        if (!activeStroke_) {
            return std::nullopt;
        }
        appendLocked(*activeStroke_, point);
        finished = std::move(activeStroke_);
        activeStroke_.reset();
    }
    CompletedStroke stroke;
    stroke.strokeID = finished->strokeID;
    stroke.startPoint = finished->startPoint;
    stroke.endPoint = finished->rawPoints.back();
    stroke.totalDistance = finished->totalDistance;
    stroke.suppressesSystemClick = finished->suppressesSystemClick;
    stroke.globalBounds = finished->globalBounds;
    stroke.rawPoints = std::move(finished->rawPoints);
    stroke.renderPoints = std::move(finished->renderPoints);
    return stroke;
}

void GestureCaptureEngine::cancel() {
    std::optional<ActiveStroke> dropped;
    {
        std::lock_guard lock(mutex_);
        dropped.swap(activeStroke_);
    }
    // The point storage is freed outside the lock.
}

std::optional<GestureCaptureEngine::StrokeHeader> GestureCaptureEngine::activeHeader() const {
    std::lock_guard lock(mutex_);
    if (!activeStroke_) {
        return std::nullopt;
    }
    return headerOf(*activeStroke_);
}

std::optional<GestureCaptureEngine::StrokeHeader> GestureCaptureEngine::copyRenderDelta(
    std::int64_t& cursor, std::vector<Point>& buffer) const {
    std::lock_guard lock(mutex_);
    buffer.clear();
    if (!activeStroke_) {
        cursor = 0;
        return std::nullopt;
    }
    const auto& points = activeStroke_->renderPoints;
    const auto count = static_cast<std::int64_t>(points.size());
    const std::int64_t start = std::clamp<std::int64_t>(cursor, 0, count);
    buffer.insert(buffer.end(), points.begin() + start, points.end());
    cursor = count;
    return headerOf(*activeStroke_);
}

std::optional<GestureCaptureEngine::StrokeHeader> GestureCaptureEngine::copyRenderSnapshot(
    std::vector<Point>& buffer) const {
    std::lock_guard lock(mutex_);
    buffer.clear();
    if (!activeStroke_) {
        return std::nullopt;
    }
    buffer.insert(buffer.end(), activeStroke_->renderPoints.begin(),
                  activeStroke_->renderPoints.end());
    return headerOf(*activeStroke_);
}

void GestureCaptureEngine::appendLocked(ActiveStroke& stroke, Point point) const {
    const double step = distance(stroke.rawPoints.back(), point);
    if (step > 0) {
        stroke.rawPoints.push_back(point);
        stroke.totalDistance += step;
        if (stroke.renderPoints.empty() ||
            distance(stroke.renderPoints.back(), point) >= renderPointMinimumDistance_) {
            stroke.renderPoints.push_back(point);
        }
    }
    // The length only grows, so once the stroke stops being a click it stays that way.
    stroke.suppressesSystemClick = stroke.totalDistance >= suppressionDistance_;
    stroke.globalBounds = stroke.globalBounds.united(point);
    // The first move away from the start always reaches the render path, however short, so that
    // a drawing starts at once.
    if (stroke.rawPoints.size() < 3 &&
        (stroke.renderPoints.empty() || stroke.renderPoints.back() != point)) {
        stroke.renderPoints.push_back(point);
    }
    stroke.phase = GestureMonitorSessionPhase::changed;
    ++stroke.version;
}

GestureCaptureEngine::StrokeHeader GestureCaptureEngine::headerOf(const ActiveStroke& stroke) {
    return StrokeHeader{
        .strokeID = stroke.strokeID,
        .version = stroke.version,
        .phase = stroke.phase,
        .startPoint = stroke.startPoint,
        .endPoint = stroke.rawPoints.empty() ? stroke.startPoint : stroke.rawPoints.back(),
        .totalDistance = stroke.totalDistance,
        .suppressesSystemClick = stroke.suppressesSystemClick,
        .globalBounds = stroke.globalBounds,
    };
}

}  // namespace quillorbitex
