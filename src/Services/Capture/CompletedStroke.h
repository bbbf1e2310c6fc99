#pragma once

#include <cstdint>
#include <vector>

#include "Platform/Geometry.h"

namespace quillorbitex {

// A finished stroke as the tap delivers it, in the global display space.
struct CompletedStroke {
    std::uint64_t strokeID = 0;
    // Every pointer position that differs from the one before it, starting with the start point.
    std::vector<Point> rawPoints;
    // The thinned path used for drawing and live analysis.
    std::vector<Point> renderPoints;
    Point startPoint;
    Point endPoint;
    double totalDistance = 0;
    bool suppressesSystemClick = false;
    Rect globalBounds;

    friend bool operator==(const CompletedStroke&, const CompletedStroke&) = default;
};

}  // namespace quillorbitex
