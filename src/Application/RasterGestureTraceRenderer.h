#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <optional>
#include <vector>

#include "Application/GestureTraceRendering.h"

namespace quillorbitex {

// Draws the trace with QPainter into an image of the panel, a section at a time: the line through
// the points is fixed up to the midpoint of the last three, so each new point adds one curve and
// redraws only the short straight end. Sections are merged keeping the larger coverage of each
// pixel, so where the line crosses itself it is no darker than elsewhere, as a line drawn in one
// go; the image holds the line in its colour and opacity and is copied to the panel as it is.
class RasterGestureTraceRenderer final : public GestureTraceRendering {
public:
    RasterGestureTraceRenderer() = default;

    void reset(const Size& bounds, double backingScale) override;
    void releaseMemory() override;
    void setSuppressesSystemClick(bool suppresses) override;
    void append(const std::vector<Point>& deltaPoints) override;
    void updateEndpoints(std::optional<Point> start, std::optional<Point> end) override;
    bool translate(Point offset, const Size& bounds) override;

    Rect takeDirtyArea() override;
    void paint(QPainter& painter, const QRect& area, const QPalette& palette, bool shaped) override;
    QRegion shape() override;

    const std::vector<Point>& renderedPoints() const { return points_; }
    std::optional<Point> startPoint() const { return start_; }
    std::optional<Point> endPoint() const { return end_; }
    bool suppressesSystemClick() const { return suppresses_; }
    double backingScale() const { return scale_; }
    double lineWidth() const;
    double dotDiameter() const;
    // The memory the drawing holds, in bytes.
    std::size_t retainedBytes() const;

    // The whole line through `points`: straight into the midpoint of the first two, then through
    // each following midpoint with the point between as the curve's control, and straight into
    // the last two points.
    static QPainterPath smoothedPath(const std::vector<Point>& points);
    static QColor strokeColor(const QPalette& palette, bool suppressesSystemClick);
    static QColor startDotColor(const QPalette& palette);
    static QColor endDotColor(const QPalette& palette);

private:
    QSize deviceSize() const;
    QRect toDevice(const QRectF& area) const;
    QRectF toLogical(const QRect& area) const;
    bool ensureCache();
    void clearCache();
    void draw(const QPainterPath& path);
    void restoreTail();
    void drawNewSegments();
    void recolour(const QColor& colour, double opacity);
    void markDirty(const QRectF& area) { dirty_ = dirty_.united(area); }
    QRectF dotArea(std::optional<Point> centre) const;
    QRegion dotRegion(std::optional<Point> centre) const;
    void refreshCoverage();

    Size bounds_;
    double scale_ = 2;
    bool suppresses_ = false;
    std::vector<Point> points_;
    std::optional<Point> start_;
    std::optional<Point> end_;

    // The line so far in device pixels, in `cacheColour_` at `cacheOpacity_` where fully covered.
    QImage cache_;
    // The memory of `cache_`, and of the image a move builds next.
    std::vector<QRgb> cacheStorage_;
    std::vector<QRgb> spareStorage_;
    QColor cacheColour_;
    double cacheOpacity_ = 0;
    // Everything drawn into the cache since it was last cleared.
    QRect drawnArea_;
    // Curves of the line already in the cache; the straight end after them is drawn over
    // `tailBackup_`, which holds what lay under it.
    std::size_t drawnSegments_ = 0;
    QRect tailArea_;
    QImage tailBackup_;
    // Where each new section is drawn before it is merged into the cache.
    QImage scratch_;

    // Device pixels at least half covered by the line; `coverageStale_` is yet to be scanned.
    QRegion coverage_;
    QRect coverageStale_;
    QRectF dirty_;
};

}  // namespace quillorbitex
