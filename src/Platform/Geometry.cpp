#include "Platform/Geometry.h"

#include <algorithm>
#include <cmath>

namespace quillorbitex {

Rect Rect::fromCorners(Point a, Point b) {
    const double minX = std::min(a.x, b.x);
    const double minY = std::min(a.y, b.y);
    return Rect{{minX, minY}, {std::max(a.x, b.x) - minX, std::max(a.y, b.y) - minY}};
}

Rect Rect::united(const Rect& other) const {
    const double x0 = std::min(minX(), other.minX());
    const double y0 = std::min(minY(), other.minY());
    const double x1 = std::max(maxX(), other.maxX());
    const double y1 = std::max(maxY(), other.maxY());
    return Rect{{x0, y0}, {x1 - x0, y1 - y0}};
}

bool Rect::contains(Point p) const {
    return p.x >= minX() && p.x < maxX() && p.y >= minY() && p.y < maxY();
}

bool Rect::intersects(const Rect& other) const {
    return minX() < other.maxX() && other.minX() < maxX() && minY() < other.maxY() &&
           other.minY() < maxY();
}

Rect Rect::insetBy(double dx, double dy) const {
    return Rect{{origin.x + dx, origin.y + dy},
                {std::max(0.0, size.width - 2 * dx), std::max(0.0, size.height - 2 * dy)}};
}

double distance(Point a, Point b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

}  // namespace quillorbitex

std::size_t std::hash<quillorbitex::Point>::operator()(
    const quillorbitex::Point& p) const noexcept {
    // +0.0 and -0.0 compare equal, so they must hash alike.
    const auto h = [](double v) { return std::hash<double>{}(v == 0 ? 0.0 : v); };
    return h(p.x) * 31 + h(p.y);
}
