#include "support/StrokeShapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quillorbitex::testing {

std::vector<Point> polyline(const std::vector<Point>& corners, double step) {
    std::vector<Point> points{corners.front()};
    for (std::size_t i = 1; i < corners.size(); ++i) {
        const Point a = corners[i - 1];
        const Point b = corners[i];
        const int steps = std::max(1, static_cast<int>(std::ceil(distance(a, b) / step)));
        for (int s = 1; s <= steps; ++s) {
            const double t = static_cast<double>(s) / steps;
            points.push_back({a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t});
        }
    }
    return points;
}

std::vector<Point> circle(Point centre, double radius, int count) {
    std::vector<Point> points;
    for (int i = 0; i <= count; ++i) {
        const double angle = 2 * std::numbers::pi * i / count;
        points.push_back(
            {centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)});
    }
    return points;
}

}  // namespace quillorbitex::testing
