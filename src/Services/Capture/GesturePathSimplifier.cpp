#include "Services/Capture/GesturePathSimplifier.h"

#include <cmath>

#include "Services/Capture/IncrementalGesturePathState.h"

namespace quillorbitex {

std::vector<GestureDirection> GesturePathSimplifier::simplify(
    const std::vector<Point>& points) const {
    if (points.size() < 2) {
        return {};
    }
    // One rule for both forms: the batch result is the incremental state fed every point.
    IncrementalGesturePathState state;
    state.append(points, *this);
    return state.resolvedDirections(*this);
}

std::optional<GestureDirection> GesturePathSimplifier::dominantDirection(double dx,
                                                                         double dy) const {
    if (dx == 0 && dy == 0) {
        return std::nullopt;
    }
    const double a = std::abs(dx);
    const double b = std::abs(dy);
    bool horizontal = false;
    if (a >= b * axisBias) {
        horizontal = true;
    } else if (b >= a * axisBias) {
        horizontal = false;
    } else {
        horizontal = b <= a;
    }
    if (horizontal) {
        return dx >= 0 ? GestureDirection::right : GestureDirection::left;
    }
    return dy >= 0 ? GestureDirection::up : GestureDirection::down;
}

}  // namespace quillorbitex
