#pragma once

#include <QPalette>
#include <QRect>
#include <QRegion>
#include <optional>
#include <vector>

#include "Platform/Geometry.h"

class QPainter;

namespace quillorbitex {

// Draws one display's share of a stroke in a trace panel: a smoothed line and dots at its first
// and last point. Points are in the panel's logical coordinates. Main thread only.
class GestureTraceRendering {
public:
    virtual ~GestureTraceRendering() = default;

    // Forgets every point; the panel is now `bounds` large on a display of `backingScale`.
    virtual void reset(const Size& bounds, double backingScale) = 0;
    // Forgets every point, as reset() does, and gives back the memory the drawing kept; the next
    // drawing takes it anew. For a panel that is hidden until the next stroke.
    virtual void releaseMemory() = 0;
    // The line is drawn more opaque once the stroke no longer counts as a click.
    virtual void setSuppressesSystemClick(bool suppresses) = 0;
    virtual void append(const std::vector<Point>& deltaPoints) = 0;
    virtual void updateEndpoints(std::optional<Point> start, std::optional<Point> end) = 0;
    // Moves everything drawn by `offset` into a panel of `bounds`, keeping what is drawn, when
    // that gives exactly the picture drawing everything again would. False, with nothing changed,
    // when it does not; the caller then resets and appends everything.
    virtual bool translate(Point offset, const Size& bounds) = 0;

    // The part of the panel changed since the last call; empty when nothing changed.
    virtual Rect takeDirtyArea() = 0;
    // The line replaces what `area` held (the panel is cleared before it is drawn); the dots are
    // laid over it.
    virtual void paint(QPainter& painter, const QRect& area, const QPalette& palette,
                       bool shaped) = 0;
    virtual QRegion shape() = 0;
};

}  // namespace quillorbitex
