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
    // The line around a point bends through the midpoints to its neighbours, and a run of points
    // is drawn straight into its last two. With this many points before a display's share and
    // after it, the panel draws the stretch that crosses its edge as the whole stroke has it, and
    // the stroke runs on without a gap from one display to the next.
    static constexpr std::size_t kPointsBeforeShare = 2;
    static constexpr std::size_t kPointsAfterShare = 3;

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
        // Bounds of the points on this display and of where the stroke crosses its edge.
        std::optional<Rect> strokeBounds;
        // A run of the stroke's points: those on this display, the points just before it enters
        // and just after it leaves, and any in between when it comes back.
        std::vector<Point> points;
        // The place of `points.front()` in the stroke.
        std::size_t firstIndex = 0;
        // The place in the stroke of the last point on this display; none before the first.
        std::optional<std::size_t> lastOwnIndex;
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
    // Gives the stroke's newest point to its display's record and to the records whose share it
    // closes.
    void assignNewestPoint(std::uint64_t strokeID);

    OverlayPanelFactory panelFactory_;
    std::shared_ptr<GestureOverlayRuntime> runtime_;
    std::vector<DisplayGeometry> displays_;
    std::map<QString, std::unique_ptr<PanelRecord>> panelsByDisplayID_;
    std::optional<std::uint64_t> activeStrokeID_;
    std::int64_t renderCursor_ = 0;
    std::vector<Point> scratch_;
    // Every render point of the stroke shown, in order.
    std::vector<Point> strokePoints_;
};

}  // namespace quillorbitex
