#include "Services/Capture/GestureCaptureEngine.h"

#include <algorithm>
#include <utility>

namespace quillorbitex {

namespace {
// Room for a typical stroke, so that the tap thread does not reallocate while the user draws.
constexpr std::size_t kReservedRawPoints = 256;
constexpr std::size_t kReservedRenderPoints = 96;
// Readers copy up to this many render points under the lock and longer runs after releasing it,
// so that the lock is held for a bounded time however long the stroke.
constexpr std::int64_t kLockedCopyLimit = 128;
}  // namespace

GestureCaptureEngine::GestureCaptureEngine(double renderPointMinimumDistance,
                                           double suppressionDistance)
    : renderPointMinimumDistance_(renderPointMinimumDistance),
      suppressionDistance_(suppressionDistance) {}

void GestureCaptureEngine::begin(Point startPoint) {
    ActiveStroke stroke;
    stroke.startPoint = startPoint;
    stroke.rawPoints.reserve(kReservedRawPoints);
    stroke.renderPoints = std::make_shared<std::vector<Point>>();
    stroke.renderPoints->reserve(kReservedRenderPoints);
    stroke.rawPoints.push_back(startPoint);
    stroke.renderPoints->push_back(startPoint);
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
    // Readers may still be copying from the block, so it is copied rather than taken over.
    stroke.renderPoints = *finished->renderPoints;
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
    return copyRenderPoints(cursor, buffer, false);
}

std::optional<GestureCaptureEngine::StrokeHeader> GestureCaptureEngine::copyRenderSnapshot(
    std::vector<Point>& buffer) const {
    std::int64_t cursor = 0;
    return copyRenderPoints(cursor, buffer, true);
}

std::optional<GestureCaptureEngine::StrokeHeader> GestureCaptureEngine::copyRenderPoints(
    std::int64_t& cursor, std::vector<Point>& buffer, bool fromStart) const {
    std::optional<StrokeHeader> header;
    std::shared_ptr<const std::vector<Point>> block;
    const Point* first = nullptr;
    const Point* last = nullptr;
    {
        std::lock_guard lock(mutex_);
        buffer.clear();
        if (activeStroke_) {
            const auto& points = *activeStroke_->renderPoints;
            const auto count = static_cast<std::int64_t>(points.size());
            const std::int64_t start = fromStart ? 0 : std::clamp<std::int64_t>(cursor, 0, count);
            if (count - start <= kLockedCopyLimit) {
                // The usual frame: a few new points, cheaper to copy than to share the block.
                buffer.insert(buffer.end(), points.begin() + start, points.end());
            } else {
                block = activeStroke_->renderPoints;
                first = points.data() + start;
                last = points.data() + count;
            }
            cursor = count;
            header = headerOf(*activeStroke_);
        } else {
            cursor = 0;
        }
    }
    // Points below the noted count are never written again, and `block` keeps them alive.
    buffer.insert(buffer.end(), first, last);
    return header;
}

void GestureCaptureEngine::appendLocked(ActiveStroke& stroke, Point point) const {
    const double step = distance(stroke.rawPoints.back(), point);
    if (step > 0) {
        stroke.rawPoints.push_back(point);
        stroke.totalDistance += step;
        if (stroke.renderPoints->empty() ||
            distance(stroke.renderPoints->back(), point) >= renderPointMinimumDistance_) {
            appendRenderPoint(stroke, point);
        }
    }
    // The length only grows, so once the stroke stops being a click it stays that way.
    stroke.suppressesSystemClick = stroke.totalDistance >= suppressionDistance_;
    stroke.globalBounds = stroke.globalBounds.united(point);
    // The first move away from the start always reaches the render path, however short, so that
    // a drawing starts at once.
    if (stroke.rawPoints.size() < 3 &&
        (stroke.renderPoints->empty() || stroke.renderPoints->back() != point)) {
        appendRenderPoint(stroke, point);
    }
    stroke.phase = GestureMonitorSessionPhase::changed;
    ++stroke.version;
}

void GestureCaptureEngine::appendRenderPoint(ActiveStroke& stroke, Point point) {
    std::vector<Point>& points = *stroke.renderPoints;
    if (points.size() == points.capacity()) {
        // Growing in place would move points a reader may be copying: copy into a new block.
        auto grown = std::make_shared<std::vector<Point>>();
        grown->reserve(std::max<std::size_t>(2 * points.capacity(), kReservedRenderPoints));
        grown->assign(points.begin(), points.end());
        stroke.renderPoints = std::move(grown);
    }
    stroke.renderPoints->push_back(point);
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
