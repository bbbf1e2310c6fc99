#pragma once

#include <QPointF>
#include <QSizeF>
#include <optional>
#include <vector>

#include "Models/GestureDescriptor.h"

namespace quillorbitex {

// Where the picture of a gesture goes in a square glyph: the gesture's path fitted into the square
// with a margin, keeping its aspect ratio and centred, and the sizes of its line and dots. No
// drawing here; GesturePathGlyph paints what this computes.
class GesturePathGlyphGeometry {
public:
    GesturePathGlyphGeometry() = delete;

    // The fraction of the path from which the green end dot is drawn.
    static constexpr double endDotProgress = 0.99;

    // The gesture's points in the drawing area: a directional gesture's unit steps from (0, 0),
    // a freeform gesture's template points. Nothing without a gesture, or with fewer than two
    // points (points that are not finite numbers are left out).
    static std::optional<std::vector<QPointF>> fittedPoints(
        const std::optional<GestureDescriptor>& pattern, QSizeF size);

    // The margin around the figure: 18 % of the width, at least 8.
    static double inset(double width);
    static double lineWidth(double width);
    static double startDotRadius(double width);
    static double endDotRadius(double width);

    // The start of the polyline up to `progress` (0 to 1) of its length; the whole line at 1,
    // only its first point at 0.
    static std::vector<QPointF> trimmed(const std::vector<QPointF>& points, double progress);
};

}  // namespace quillorbitex
