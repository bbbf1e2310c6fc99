#pragma once

#include <vector>

#include "Platform/Geometry.h"

namespace quillorbitex::testing {

// Points along straight segments through `corners`, `step` apart.
std::vector<Point> polyline(const std::vector<Point>& corners, double step);
// A closed circle of `count` points.
std::vector<Point> circle(Point centre, double radius, int count);

}  // namespace quillorbitex::testing
