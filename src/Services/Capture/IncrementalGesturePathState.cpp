#include "Services/Capture/IncrementalGesturePathState.h"

#include <cmath>

namespace quillorbitex {

namespace {

// A run enters the list only when long enough and not a repeat of the last entry, so a short
// detour between two runs of one direction merges them into one.
bool qualifies(const std::vector<GestureDirection>& committed, GestureDirection direction,
               double distance, const GesturePathSimplifier& config) {
    return distance >= config.commitDistance &&
           (committed.empty() || committed.back() != direction);
}

}  // namespace

void IncrementalGesturePathState::append(Point point, const GesturePathSimplifier& config) {
    if (!lastPoint) {
        lastPoint = point;
        return;
    }
    const double dx = point.x - lastPoint->x;
    double dy = point.y - lastPoint->y;
    const double step = std::sqrt(dx * dx + dy * dy);
    // Too close: the reference stays, so that small moves add up until they make one step.
    // (Written as a negated >= so that a NaN step is ignored too.)
    if (!(step >= config.noiseDistance)) {
        return;
    }
    lastPoint = point;
    if (config.usesScreenCoordinates) {
        dy = -dy;
    }
    const auto direction = config.dominantDirection(dx, dy);
    if (!direction) {
        return;
    }
    if (!currentDirection) {
        currentDirection = direction;
        currentDistance = step;
        return;
    }
    if (*direction == *currentDirection) {
        currentDistance += step;
        return;
    }
    if (qualifies(committedDirections, *currentDirection, currentDistance, config)) {
        committedDirections.push_back(*currentDirection);
    }
    currentDirection = direction;
    currentDistance = step;
}

std::vector<GestureDirection> IncrementalGesturePathState::resolvedDirections(
    const GesturePathSimplifier& config) const {
    std::vector<GestureDirection> result = committedDirections;
    if (currentDirection &&
        qualifies(committedDirections, *currentDirection, currentDistance, config)) {
        result.push_back(*currentDirection);
    }
    return result;
}

}  // namespace quillorbitex
