#include "Application/GestureTraceOverlayController.h"

#include <algorithm>

#include "Application/GestureOverlayLayout.h"
#include "Application/RasterGestureTraceRenderer.h"

namespace quillorbitex {

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
    for (auto& [id, record] : panelsByDisplayID_) {
        record->view->clearReleasingMemory();
        record->panel->orderOut();
        record->strokeID = 0;
    }
}

void GestureTraceOverlayController::startStroke(std::uint64_t strokeID) {
    activeStrokeID_ = strokeID;
    renderCursor_ = 0;
    for (auto& [id, record] : panelsByDisplayID_) {
        record->strokeID = 0;
        record->viewportPixels.reset();
        record->viewportDisplay.reset();
        record->strokeBounds.reset();
        record->points.clear();
        record->view->clearReleasingMemory();
        record->panel->orderOut();
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
        const DisplayGeometry* display = GestureOverlayLayout::display(p, displays_);
        PanelRecord& record = ensurePanel(*display);
        if (record.strokeID != header->strokeID) {
            record.reset(header->strokeID, *display);
        }
        record.display = *display;
        record.points.push_back(p);
        record.strokeBounds =
            record.strokeBounds ? record.strokeBounds->united(p) : Rect::atPoint(p);
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
