#include "Application/GestureTraceOverlayController.h"

#include <algorithm>

#include "Application/GestureOverlayLayout.h"
#include "Application/RasterGestureTraceRenderer.h"

namespace quillorbitex {

namespace {

// The point of `rect` nearest to `p`. Where a segment from a point on a display to `p` leaves the
// display lies between that point and this one, on each axis.
Point clamped(Point p, const Rect& rect) {
    return Point{std::clamp(p.x, rect.minX(), rect.maxX()),
                 std::clamp(p.y, rect.minY(), rect.maxY())};
}

// Whether a dot at `centre` shows on the display: part of it lies on the display's pixels.
bool dotReaches(Point centre, const DisplayGeometry& display) {
    const Rect& pixels = display.frameInPixels;
    const Rect& points = display.frameInPoints;
    const double pixelsPerPoint =
        points.width() > 0 && pixels.width() > 0 ? pixels.width() / points.width() : 1;
    const double reach =
        (GestureOverlayLayout::dotDiameter(display.backingScale) / 2 + 1) * pixelsPerPoint;
    return GestureOverlayLayout::distance(centre, pixels) <= reach;
}

}  // namespace

GestureTraceOverlayController::PanelRecord::PanelRecord(
    std::unique_ptr<GestureTraceViewportView> traceView, std::unique_ptr<OverlayPanel> tracePanel,
    DisplayGeometry geometry)
    : view(std::move(traceView)), panel(std::move(tracePanel)), display(std::move(geometry)) {}

void GestureTraceOverlayController::PanelRecord::reset(std::uint64_t stroke,
                                                       const DisplayGeometry& geometry) {
    display = geometry;
    strokeID = stroke;
    viewportPixels.reset();
    viewportDisplay.reset();
    strokeBounds.reset();
    points.clear();
    firstIndex = 0;
    lastOwnIndex.reset();
    pointsBeforeFrame = 0;
    view->clear();
}

GestureTraceOverlayController::GestureTraceOverlayController(OverlayPanelFactory panelFactory)
    : panelFactory_(std::move(panelFactory)) {}

void GestureTraceOverlayController::configure(std::shared_ptr<GestureOverlayRuntime> runtime) {
    runtime_ = std::move(runtime);
}

void GestureTraceOverlayController::updateDisplays(std::vector<DisplayGeometry> displays) {
    displays_ = std::move(displays);
    std::erase_if(panelsByDisplayID_, [&](auto& entry) {
        const bool gone = std::none_of(displays_.begin(), displays_.end(),
                                       [&](const auto& d) { return d.id == entry.first; });
        if (gone) {
            entry.second->view->clear();
            entry.second->panel->orderOut();
        }
        return gone;
    });
}

const GestureTraceOverlayController::PanelRecord* GestureTraceOverlayController::record(
    const QString& displayID) const {
    const auto found = panelsByDisplayID_.find(displayID);
    return found == panelsByDisplayID_.end() ? nullptr : found->second.get();
}

GestureTraceOverlayController::PanelRecord& GestureTraceOverlayController::ensurePanel(
    const DisplayGeometry& display) {
    auto& slot = panelsByDisplayID_[display.id];
    if (!slot) {
        auto view = std::make_unique<GestureTraceViewportView>(
            std::make_unique<RasterGestureTraceRenderer>());
        auto panel = panelFactory_(*view, display.frameInPoints);
        view->setHost(panel.get());
        slot = std::make_unique<PanelRecord>(std::move(view), std::move(panel), display);
    }
    return *slot;
}

void GestureTraceOverlayController::hideAllPanels() {
    activeStrokeID_.reset();
    renderCursor_ = 0;
    strokePoints_.clear();
    for (auto& [id, record] : panelsByDisplayID_) {
        record->view->clearReleasingMemory();
        record->panel->orderOut();
        record->strokeID = 0;
    }
}

void GestureTraceOverlayController::startStroke(std::uint64_t strokeID) {
    activeStrokeID_ = strokeID;
    renderCursor_ = 0;
    strokePoints_.clear();
    for (auto& [id, record] : panelsByDisplayID_) {
        record->strokeID = 0;
        record->viewportPixels.reset();
        record->viewportDisplay.reset();
        record->strokeBounds.reset();
        record->points.clear();
        record->firstIndex = 0;
        record->lastOwnIndex.reset();
        record->view->clearReleasingMemory();
        record->panel->orderOut();
    }
}

void GestureTraceOverlayController::assignNewestPoint(std::uint64_t strokeID) {
    const std::size_t index = strokePoints_.size() - 1;
    const Point p = strokePoints_[index];
    const DisplayGeometry* display = GestureOverlayLayout::display(p, displays_);
    PanelRecord& own = ensurePanel(*display);
    if (own.strokeID != strokeID) {
        own.reset(strokeID, *display);
        own.firstIndex = index - std::min(index, kPointsBeforeShare);
    }
    own.display = *display;
    // Usually only this point is new to the record; after the points before it entered, or a
    // visit to another display, those are added too (they lie off this panel, which clips them).
    const std::size_t end = own.firstIndex + own.points.size();
    own.points.insert(own.points.end(), strokePoints_.begin() + static_cast<std::ptrdiff_t>(end),
                      strokePoints_.end());
    own.strokeBounds = own.strokeBounds ? own.strokeBounds->united(p) : Rect::atPoint(p);
    if (index > 0 && own.lastOwnIndex != index - 1) {
        // Entering: the panel must reach the edge the stroke came over.
        own.strokeBounds =
            own.strokeBounds->united(clamped(strokePoints_[index - 1], display->frameInPixels));
    }
    own.lastOwnIndex = index;

    for (auto& [id, record] : panelsByDisplayID_) {
        PanelRecord& other = *record;
        if (&other == &own || other.strokeID != strokeID || !other.lastOwnIndex ||
            other.firstIndex + other.points.size() != index ||
            index > *other.lastOwnIndex + kPointsAfterShare) {
            continue;
        }
        other.points.push_back(p);
        if (index == *other.lastOwnIndex + 1) {
            // Leaving: the panel must reach the edge the stroke goes over.
            other.strokeBounds =
                other.strokeBounds->united(clamped(p, other.display.frameInPixels));
        }
    }
}

std::optional<GestureTraceOverlayController::FrameState>
GestureTraceOverlayController::renderFrame() {
    if (!runtime_ || displays_.empty()) {
        hideAllPanels();
        return std::nullopt;
    }
    GestureCaptureEngine& engine = *runtime_->captureEngine;
    // The copy brings the header of the same moment as the points. Taking the header first in a
    // section of its own would let a stroke begin in between, and the points copied from the old
    // stroke's cursor would then be drawn as if they were the new stroke's beginning.
    auto header = engine.copyRenderDelta(renderCursor_, scratch_);
    if (header && header->strokeID != activeStrokeID_) {
        startStroke(header->strokeID);
        header = engine.copyRenderDelta(renderCursor_, scratch_);
    }
    if (!header || header->strokeID != activeStrokeID_) {
        hideAllPanels();
        return std::nullopt;
    }

    for (auto& [id, record] : panelsByDisplayID_) {
        record->pointsBeforeFrame = record->points.size();
    }
    for (const Point p : scratch_) {
        strokePoints_.push_back(p);
        assignNewestPoint(header->strokeID);
    }

    FrameState state{*header, {}, std::nullopt};
    for (const DisplayGeometry& d : displays_) {
        const auto found = panelsByDisplayID_.find(d.id);
        if (found == panelsByDisplayID_.end() || found->second->strokeID != header->strokeID) {
            continue;
        }
        PanelRecord& record = *found->second;
        record.display = d;
        state.traceDisplayIDs.push_back(d.id);
        const Rect bounds = record.strokeBounds.value_or(Rect::atPoint(header->endPoint));
        const Rect target =
            GestureOverlayLayout::viewportFrame(bounds, kViewportPadding, d.frameInPixels);
        // Ordinary frames keep the panel and only add their points; a new layout when the stroke
        // nears the panel's edge (the viewport's padding then leaves room for many frames again).
        const bool keep = record.viewportPixels && record.viewportDisplay == d &&
                          GestureOverlayLayout::keepsViewport(*record.viewportPixels, bounds,
                                                              d.frameInPixels, kViewportHysteresis);
        const std::span<const Point> fresh =
            std::span<const Point>(record.points).subspan(record.pointsBeforeFrame);
        // One start dot and one dot at the stroke's end, each drawn by the panels it shows on:
        // the panel a point only sits next to holds it but leaves its dot out.
        const bool holdsStart = record.firstIndex == 0 && !record.points.empty();
        const bool holdsEnd = record.firstIndex + record.points.size() == strokePoints_.size();
        record.view->setEndpointDots(holdsStart && dotReaches(strokePoints_.front(), d),
                                     holdsEnd && dotReaches(strokePoints_.back(), d));
        if (keep) {
            if (!fresh.empty()) {
                record.view->append(fresh, header->suppressesSystemClick);
            } else {
                record.view->updateSupplementalState(header->suppressesSystemClick);
            }
        } else {
            record.viewportPixels = target;
            record.viewportDisplay = d;
            const Rect frame = GestureOverlayLayout::panelFrame(target, d);
            if (record.panel->frame() != frame) {
                record.panel->setFrame(frame);
            }
            record.view->setBounds(frame.size);
            record.view->rebuild(target, record.points, d.backingScale,
                                 header->suppressesSystemClick);
        }
        if (!record.panel->isVisible()) {
            record.panel->orderFront();
            state.showedPanel = true;
        }
    }

    for (auto& [id, record] : panelsByDisplayID_) {
        const bool shown = std::find(state.traceDisplayIDs.begin(), state.traceDisplayIDs.end(),
                                     id) != state.traceDisplayIDs.end();
        if (!shown && (record->panel->isVisible() || record->view->viewportPixels())) {
            record->view->clearReleasingMemory();
            record->panel->orderOut();
        }
    }

    if (const DisplayGeometry* hud = GestureOverlayLayout::display(header->endPoint, displays_)) {
        state.hudDisplayID = hud->id;
    }
    return state;
}

}  // namespace quillorbitex
