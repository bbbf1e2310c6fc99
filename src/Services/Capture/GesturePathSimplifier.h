#pragma once

#include <optional>
#include <vector>

#include "Models/GestureDirection.h"
#include "Platform/Geometry.h"

namespace quillorbitex {

// Reduces the points of a stroke to the straight directions it was drawn in, and configures the
// incremental form of the same rule (IncrementalGesturePathState).
//
// Pointer positions arrive every pixel or two, so a step is measured from a reference point that
// only moves once the pointer is at least `noiseDistance` away from it: slow drawing accumulates
// into counted steps instead of vanishing as noise.
struct GesturePathSimplifier {
    // A point closer than this to the reference point is ignored (points).
    double noiseDistance = 6;
    // A run of one direction must add up to at least this to enter the result (points).
    double commitDistance = 24;
    // How much one axis must exceed the other to win outright.
    double axisBias = 1.15;
    // Points in screen coordinates (y grows downward).
    bool usesScreenCoordinates = true;

    std::vector<GestureDirection> simplify(const std::vector<Point>& points) const;

    // The direction of one step whose vertical component already points up when positive; none
    // only when both components are 0. The larger component decides; a tie goes horizontal.
    std::optional<GestureDirection> dominantDirection(double dx, double dy) const;

    friend bool operator==(const GesturePathSimplifier&, const GesturePathSimplifier&) = default;
};

}  // namespace quillorbitex
