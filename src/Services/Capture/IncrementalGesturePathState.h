#pragma once

#include <optional>
#include <vector>

#include "Models/GestureDirection.h"
#include "Platform/Geometry.h"
#include "Services/Capture/GesturePathSimplifier.h"

namespace quillorbitex {

// The directions of a stroke that is still being drawn, fed only the points that arrived since the
// last look. Fed the same points, `resolvedDirections` equals GesturePathSimplifier::simplify.
// Costs constant work per point and keeps no point list. Pass one configuration to every call of
// one stroke; start each stroke with a default-constructed value.
struct IncrementalGesturePathState {
    // The reference point steps are measured from: the last point that was far enough from the
    // previous reference to count (or the stroke's first point).
    std::optional<Point> lastPoint;
    // The direction of the run in progress.
    std::optional<GestureDirection> currentDirection;
    // The summed length of the counted steps of the run in progress.
    double currentDistance = 0;
    // The runs already committed, in drawing order; never two equal neighbours.
    std::vector<GestureDirection> committedDirections;

    void append(Point point, const GesturePathSimplifier& config);
    template <typename Range>
    void append(const Range& points, const GesturePathSimplifier& config) {
        for (const Point& point : points) {
            append(point, config);
        }
    }

    // The committed directions plus the run in progress when it is long enough; leaves the state
    // as it is.
    std::vector<GestureDirection> resolvedDirections(const GesturePathSimplifier& config) const;

    friend bool operator==(const IncrementalGesturePathState&,
                           const IncrementalGesturePathState&) = default;
};

}  // namespace quillorbitex
