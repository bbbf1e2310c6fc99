#pragma once

#include <optional>
#include <vector>

#include "Platform/DisplayGeometry.h"
#include "Platform/Geometry.h"

namespace quillorbitex {

// Where the overlays go: which display a point belongs to, which part of a display a trace panel
// covers, where the HUD sits, and how stroke points land in a panel.
//
// The rules are written in a screen space whose y grows upwards, the space in which "the HUD sits
// a third of the way up its display" reads naturally; Qt places windows with y growing downwards.
// flippedVertically() is the one conversion between the two, so the rules keep their own form and
// the picture comes out the same.
struct GestureOverlayLayout {
    static constexpr Size hudSize{360, 80};

    // The reflection across the line y = axis / 2: turns y-down coordinates into y-up ones and
    // back again.
    static Point flippedVertically(Point point, double axis);
    static Rect flippedVertically(const Rect& rect, double axis);

    // The smallest rectangle with whole-number edges that holds `rect`.
    static Rect integral(const Rect& rect);
    // Nothing when the rectangles share no area.
    static std::optional<Rect> intersection(const Rect& a, const Rect& b);

    // The display a point belongs to: the first whose pixel frame, grown by 1 on every side,
    // holds it, else the nearest (ties keep the earlier display). Null for an empty list.
    static const DisplayGeometry* display(Point point,
                                          const std::vector<DisplayGeometry>& displays);
    static bool contains(Point point, const Rect& rect);
    // 0 inside the rectangle.
    static double distance(Point point, const Rect& rect);

    // The stroke's bounds grown by `padding`, clipped to `within` and widened to whole pixels;
    // all of `within` when nothing of the grown bounds lies on it.
    static Rect viewportFrame(const Rect& strokeBounds, double padding, const Rect& within);
    // Whether a panel laid out for the viewport `stored` may stay as it is: while the stroke keeps
    // at least `hysteresis` pixels from the panel's edges, except where the panel reaches the
    // edge of the display.
    static bool keepsViewport(const Rect& stored, const Rect& strokeBounds, const Rect& display,
                              double hysteresis);
    // The panel frame (logical coordinates) that shows `viewport` (root pixels) of `display`; the
    // whole display when its pixel frame has no area.
    static Rect panelFrame(const Rect& viewport, const DisplayGeometry& display);
    // The HUD card on a display's logical frame: centred across, its centre a 3.5th of the
    // display's height above the bottom edge.
    static Rect hudRect(const Rect& frameInPoints);

    // A root-pixel point inside `sourceFrame` placed on the same spot of `targetBounds` (a panel's
    // own coordinates); (0, 0) when the source has no area.
    static Point localPoint(Point point, const Rect& sourceFrame, const Rect& targetBounds);

    // The trace's line width and dot diameter in logical pixels: a little larger on dense displays.
    static double lineWidth(double backingScale);
    static double dotDiameter(double backingScale);
};

}  // namespace quillorbitex
