#include "Application/GestureTraceViewportView.h"

#include <cmath>

#include "Application/GestureOverlayLayout.h"
#include "Platform/OverlayPanel.h"

namespace quillorbitex {

namespace {

bool nearlyEqual(double a, double b) {
    return std::abs(a - b) <= 1e-9 * std::max(1.0, std::max(std::abs(a), std::abs(b)));
}

}  // namespace

GestureTraceViewportView::GestureTraceViewportView(std::unique_ptr<GestureTraceRendering> renderer)
    : renderer_(std::move(renderer)) {}

Point GestureTraceViewportView::convertToLocal(Point point) const {
    if (!viewportPixels_) {
        return Point{};
    }
    return GestureOverlayLayout::localPoint(point, *viewportPixels_, Rect{{0, 0}, bounds_});
}

void GestureTraceViewportView::clear() {
    startDot_ = true;
    endDot_ = true;
    viewportPixels_.reset();
    drawnViewport_.reset();
    globalPoints_.clear();
    if (renderer_) {
        renderer_->reset(bounds_, backingScale_);
        renderer_->updateEndpoints(std::nullopt, std::nullopt);
        drawnBounds_ = bounds_;
        drawnScale_ = backingScale_;
    }
    announceChanges();
}

void GestureTraceViewportView::clearReleasingMemory() {
    clear();
    if (renderer_) {
        renderer_->releaseMemory();
    }
}

void GestureTraceViewportView::rebuild(const Rect& viewportPixels, std::span<const Point> points,
                                       double backingScale, bool suppressesSystemClick) {
    const std::optional<Rect> previousViewport = drawnViewport_;
    const Size previousBounds = drawnBounds_;
    const double previousScale = drawnScale_;
    // The record's points only grow during a stroke, so points already drawn are a prefix.
    const std::size_t kept = globalPoints_.size();
    const bool prefixKept = kept > 0 && kept <= points.size() &&
                            globalPoints_.front() == points.front() &&
                            globalPoints_.back() == points[kept - 1];

    viewportPixels_ = viewportPixels;
    globalPoints_.assign(points.begin(), points.end());
    backingScale_ = backingScale;
    suppressesSystemClick_ = suppressesSystemClick;

    if (renderer_ && previousViewport && prefixKept && previousScale == backingScale &&
        moveDrawing(*previousViewport, previousBounds, kept)) {
        announceChanges();
        return;
    }
    rebuildCurrentState();
    announceChanges();
}

bool GestureTraceViewportView::moveDrawing(const Rect& previousViewport, const Size& previousBounds,
                                           std::size_t keptPoints) {
    // Only a pure shift keeps the drawing exact: the new viewport must map root pixels onto the
    // panel at the same scale as the old one.
    const Rect& viewport = *viewportPixels_;
    if (viewport.isEmpty() || previousViewport.isEmpty()) {
        return false;
    }
    const double sx = bounds_.width / viewport.width();
    const double sy = bounds_.height / viewport.height();
    if (!nearlyEqual(sx, previousBounds.width / previousViewport.width()) ||
        !nearlyEqual(sy, previousBounds.height / previousViewport.height())) {
        return false;
    }
    const Point offset{(previousViewport.minX() - viewport.minX()) * sx,
                       (previousViewport.minY() - viewport.minY()) * sy};
    if (!renderer_->translate(offset, bounds_)) {
        return false;
    }
    drawnViewport_ = viewport;
    drawnBounds_ = bounds_;
    renderer_->setSuppressesSystemClick(suppressesSystemClick_);
    appendMapped(keptPoints);
    updateEndpoints();
    return true;
}

void GestureTraceViewportView::append(std::span<const Point> points, bool suppressesSystemClick) {
    if (!viewportPixels_) {
        return;
    }
    suppressesSystemClick_ = suppressesSystemClick;
    const std::size_t first = globalPoints_.size();
    globalPoints_.insert(globalPoints_.end(), points.begin(), points.end());
    if (renderer_) {
        appendMapped(first);
        renderer_->setSuppressesSystemClick(suppressesSystemClick_);
        updateEndpoints();
    }
    announceChanges();
}

void GestureTraceViewportView::updateSupplementalState(bool suppressesSystemClick) {
    suppressesSystemClick_ = suppressesSystemClick;
    if (renderer_) {
        renderer_->setSuppressesSystemClick(suppressesSystemClick);
        updateEndpoints();
    }
    announceChanges();
}

void GestureTraceViewportView::rebuildCurrentState() {
    if (!renderer_) {
        return;
    }
    renderer_->reset(bounds_, backingScale_);
    drawnBounds_ = bounds_;
    drawnScale_ = backingScale_;
    drawnViewport_ = viewportPixels_;
    renderer_->setSuppressesSystemClick(suppressesSystemClick_);
    if (!viewportPixels_) {
        renderer_->updateEndpoints(std::nullopt, std::nullopt);
        return;
    }
    appendMapped(0);
    updateEndpoints();
}

void GestureTraceViewportView::appendMapped(std::size_t from) {
    if (from >= globalPoints_.size()) {
        return;
    }
    mapped_.clear();
    for (std::size_t i = from; i < globalPoints_.size(); ++i) {
        mapped_.push_back(convertToLocal(globalPoints_[i]));
    }
    renderer_->append(mapped_);
}

void GestureTraceViewportView::updateEndpoints() {
    std::optional<Point> start;
    std::optional<Point> end;
    if (!globalPoints_.empty()) {
        if (startDot_) {
            start = convertToLocal(globalPoints_.front());
        }
        if (endDot_) {
            end = convertToLocal(globalPoints_.back());
        }
    }
    renderer_->updateEndpoints(start, end);
}

void GestureTraceViewportView::announceChanges() {
    if (!renderer_) {
        return;
    }
    const Rect dirty = renderer_->takeDirtyArea();
    if (host_ != nullptr && !dirty.isEmpty()) {
        host_->setNeedsDisplay(dirty);
    }
}

void GestureTraceViewportView::paint(QPainter& painter, const QRect& area, const QPalette& palette,
                                     bool shaped) {
    if (renderer_) {
        renderer_->paint(painter, area, palette, shaped);
    }
}

QRegion GestureTraceViewportView::shape() {
    return renderer_ ? renderer_->shape() : QRegion();
}

}  // namespace quillorbitex
