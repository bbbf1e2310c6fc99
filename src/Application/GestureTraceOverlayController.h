#pragma once

#include <QString>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "Application/GestureTraceViewportView.h"
#include "Application/OverlayPanelContent.h"
#include "Platform/DisplayGeometry.h"
#include "Platform/OverlayPanel.h"
#include "Services/Capture/GestureCaptureEngine.h"
#include "Services/Capture/GestureOverlayRuntime.h"

namespace quillorbitex {

// Shows the stroke in progress on every display it touches, each display in a panel of its own
// that covers only the stroke's neighbourhood there. Every frame fetches from the capture engine
// only the points added since the previous one. Main thread only.
class GestureTraceOverlayController {
public:
    // Margin around the stroke that a panel covers.
    static constexpr double kViewportPadding = 84;
    // A panel keeps its frame while the stroke stays this far inside it.
    static constexpr double kViewportHysteresis = 28;

    // One display's panel, reused for every stroke.
    struct PanelRecord {
        PanelRecord(std::unique_ptr<GestureTraceViewportView> traceView,
                    std::unique_ptr<OverlayPanel> tracePanel, DisplayGeometry geometry);
        // Makes the record belong to `stroke` with no points yet; leaves the panel as it is.
        void reset(std::uint64_t stroke, const DisplayGeometry& geometry);

        // Declared first: the view outlives the panel that shows it.
        std::unique_ptr<GestureTraceViewportView> view;
        std::unique_ptr<OverlayPanel> panel;
        DisplayGeometry display;
        // 0: none.
        std::uint64_t strokeID = 0;
        std::optional<Rect> viewportPixels;
        // The display the viewport was laid out on; another geometry needs a new layout.
        std::optional<DisplayGeometry> viewportDisplay;
        std::optional<Rect> strokeBounds;
        std::vector<Point> points;
        // Where this frame's new points start in `points`.
        std::size_t pointsBeforeFrame = 0;
    };

    struct FrameState {
        GestureCaptureEngine::StrokeHeader header;
        // In display order.
        std::vector<QString> traceDisplayIDs;
        std::optional<QString> hudDisplayID;
        // A panel came up during this frame, above everything shown before it.
        bool showedPanel = false;

        friend bool operator==(const FrameState&, const FrameState&) = default;
    };

    explicit GestureTraceOverlayController(OverlayPanelFactory panelFactory);
    GestureTraceOverlayController(const GestureTraceOverlayController&) = delete;
    GestureTraceOverlayController& operator=(const GestureTraceOverlayController&) = delete;

    void configure(std::shared_ptr<GestureOverlayRuntime> runtime);
    // Panels of displays that are gone are dropped.
    void updateDisplays(std::vector<DisplayGeometry> displays);
    // Nothing while nothing is to be shown.
    std::optional<FrameState> renderFrame();
    void hideAllPanels();
    PanelRecord& ensurePanel(const DisplayGeometry& display);

    const std::vector<DisplayGeometry>& displays() const { return displays_; }
    // Null for a display that never showed a stroke or is gone.
    const PanelRecord* record(const QString& displayID) const;
    std::size_t recordCount() const { return panelsByDisplayID_.size(); }

private:
    void startStroke(std::uint64_t strokeID);

    OverlayPanelFactory panelFactory_;
    std::shared_ptr<GestureOverlayRuntime> runtime_;
    std::vector<DisplayGeometry> displays_;
    std::map<QString, std::unique_ptr<PanelRecord>> panelsByDisplayID_;
    std::optional<std::uint64_t> activeStrokeID_;
    std::int64_t renderCursor_ = 0;
    std::vector<Point> scratch_;
};

}  // namespace quillorbitex
