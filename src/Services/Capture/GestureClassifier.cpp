#include "Services/Capture/GestureClassifier.h"

#include <algorithm>

namespace quillorbitex {

std::optional<GesturePattern> GestureClassifier::classify(
    const std::vector<GestureDirection>& directions) {
    if (directions.size() < 2) {
        return std::nullopt;
    }
    const GestureDirection second = directions[1];
    if (!std::all_of(directions.begin() + 2, directions.end(),
                     [second](GestureDirection d) { return d == second; })) {
        return std::nullopt;
    }
    return GesturePattern(directions[0], second);
}

}  // namespace quillorbitex
