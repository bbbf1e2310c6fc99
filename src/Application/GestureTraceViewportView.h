#pragma once

#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "Application/GestureTraceRendering.h"
#include "Application/OverlayPanelContent.h"
#include "Platform/Geometry.h"

namespace quillorbitex {

class OverlayPanel;

// One display's share of the stroke, shown in that display's trace panel. Keeps the points in root
// pixels with the part of the display (the viewport) the panel shows, places them in the panel and
// has the renderer draw them; points beyond the viewport are cut off at the panel's edge. Main
// thread only.
class GestureTraceViewportView final : public OverlayPanelContent {
public:
    // Without a renderer the view only keeps its data.
    explicit GestureTraceViewportView(std::unique_ptr<GestureTraceRendering> renderer);

    // The panel that shows the view; told about every change. May be null.
    void setHost(OverlayPanel* host) { host_ = host; }
    // The panel's size, in its logical coordinates.
    void setBounds(const Size& bounds) { bounds_ = bounds; }
    const Size& bounds() const { return bounds_; }

    // Shows nothing until the next rebuild.
    void clear();
    // Clears the view and gives back the memory its drawing kept, for a panel that is hidden.
    void clearReleasingMemory();
    void rebuild(const Rect& viewportPixels, std::span<const Point> points, double backingScale,
                 bool suppressesSystemClick);
    // Adds points to those shown; nothing at all without a viewport.
    void append(std::span<const Point> points, bool suppressesSystemClick);
    void updateSupplementalState(bool suppressesSystemClick);
    // Whether the first and the last point get their dots (both do unless told otherwise): a
    // share that starts or ends on another display leaves that dot to its panel. Takes effect
    // with the next change.
    void setEndpointDots(bool start, bool end) {
        startDot_ = start;
        endDot_ = end;
    }

    Point convertToLocal(Point point) const;

    const std::optional<Rect>& viewportPixels() const { return viewportPixels_; }
    const std::vector<Point>& globalPoints() const { return globalPoints_; }
    double backingScale() const { return backingScale_; }
    bool suppressesSystemClick() const { return suppressesSystemClick_; }
    GestureTraceRendering* renderer() const { return renderer_.get(); }

    void paint(QPainter& painter, const QRect& area, const QPalette& palette, bool shaped) override;
    QRegion shape() override;

private:
    void rebuildCurrentState();
    bool moveDrawing(const Rect& previousViewport, const Size& previousBounds,
                     std::size_t keptPoints);
    void appendMapped(std::size_t from);
    void updateEndpoints();
    void announceChanges();

    std::unique_ptr<GestureTraceRendering> renderer_;
    OverlayPanel* host_ = nullptr;
    Size bounds_;
    std::optional<Rect> viewportPixels_;
    std::vector<Point> globalPoints_;
    double backingScale_ = 2;
    bool suppressesSystemClick_ = false;
    bool startDot_ = true;
    bool endDot_ = true;
    // The viewport and bounds the renderer's drawing was made for.
    std::optional<Rect> drawnViewport_;
    Size drawnBounds_;
    double drawnScale_ = 0;
    std::vector<Point> mapped_;
};

}  // namespace quillorbitex
