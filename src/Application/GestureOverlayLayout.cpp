#include "Application/GestureOverlayLayout.h"

#include <algorithm>
#include <cmath>

namespace quillorbitex {

Point GestureOverlayLayout::flippedVertically(Point point, double axis) {
    return Point{point.x, axis - point.y};
}

Rect GestureOverlayLayout::flippedVertically(const Rect& rect, double axis) {
    return Rect{{rect.minX(), axis - rect.maxY()}, rect.size};
}

Rect GestureOverlayLayout::integral(const Rect& rect) {
    const double x0 = std::floor(rect.minX());
    const double y0 = std::floor(rect.minY());
    return Rect{{x0, y0}, {std::ceil(rect.maxX()) - x0, std::ceil(rect.maxY()) - y0}};
}

std::optional<Rect> GestureOverlayLayout::intersection(const Rect& a, const Rect& b) {
    const double x0 = std::max(a.minX(), b.minX());
    const double y0 = std::max(a.minY(), b.minY());
    const double x1 = std::min(a.maxX(), b.maxX());
    const double y1 = std::min(a.maxY(), b.maxY());
    if (x1 <= x0 || y1 <= y0) {
        return std::nullopt;
    }
    return Rect{{x0, y0}, {x1 - x0, y1 - y0}};
}

const DisplayGeometry* GestureOverlayLayout::display(Point point,
                                                     const std::vector<DisplayGeometry>& displays) {
    if (displays.empty()) {
        return nullptr;
    }
    for (const auto& candidate : displays) {
        if (contains(point, candidate.frameInPixels)) {
            return &candidate;
        }
    }
    const DisplayGeometry* nearest = &displays.front();
    double nearestDistance = distance(point, nearest->frameInPixels);
    for (const auto& candidate : displays) {
        const double d = distance(point, candidate.frameInPixels);
        if (d < nearestDistance) {
            nearest = &candidate;
            nearestDistance = d;
        }
    }
    return nearest;
}

bool GestureOverlayLayout::contains(Point point, const Rect& rect) {
    // A pointer on the last pixel column or row of a display still counts as on it.
    return rect.insetBy(-1, -1).contains(point);
}

double GestureOverlayLayout::distance(Point point, const Rect& rect) {
    double dx = 0;
    double dy = 0;
    if (point.x < rect.minX()) {
        dx = rect.minX() - point.x;
    } else if (point.x > rect.maxX()) {
        dx = point.x - rect.maxX();
    }
    if (point.y < rect.minY()) {
        dy = rect.minY() - point.y;
    } else if (point.y > rect.maxY()) {
        dy = point.y - rect.maxY();
    }
    return std::hypot(dx, dy);
}

Rect GestureOverlayLayout::viewportFrame(const Rect& strokeBounds, double padding,
                                         const Rect& within) {
    const auto clipped = intersection(strokeBounds.insetBy(-padding, -padding), within);
    // A sliver without area would show nothing; a stroke that far off is shown on the whole
    // display instead.
    return clipped ? integral(*clipped) : within;
}

bool GestureOverlayLayout::keepsViewport(const Rect& stored, const Rect& strokeBounds,
                                         const Rect& display, double hysteresis) {
    const Rect needed = strokeBounds.insetBy(-hysteresis, -hysteresis);
    const double x0 = std::max(needed.minX(), display.minX());
    const double y0 = std::max(needed.minY(), display.minY());
    const double x1 = std::min(needed.maxX(), display.maxX());
    const double y1 = std::min(needed.maxY(), display.maxY());
    return x0 >= stored.minX() && y0 >= stored.minY() && x1 <= stored.maxX() && y1 <= stored.maxY();
}

Rect GestureOverlayLayout::panelFrame(const Rect& viewport, const DisplayGeometry& display) {
    const Rect& pixels = display.frameInPixels;
    if (pixels.isEmpty()) {
        return display.frameInPoints;
    }
    const Rect points = flippedVertically(display.frameInPoints, 0);
    const double sx = points.width() / pixels.width();
    const double sy = points.height() / pixels.height();
    const Rect upward{{points.minX() + sx * (viewport.minX() - pixels.minX()),
                       points.maxY() - sy * (viewport.maxY() - pixels.minY())},
                      {sx * viewport.width(), sy * viewport.height()}};
    return flippedVertically(integral(upward), 0);
}

Rect GestureOverlayLayout::hudRect(const Rect& frameInPoints) {
    const Rect frame = flippedVertically(frameInPoints, 0);
    const double centreX = frame.midX();
    const double centreY = frame.minY() + frame.height() / 3.5;
    const Rect upward{{centreX - hudSize.width * 0.5, centreY - hudSize.height * 0.5}, hudSize};
    return flippedVertically(integral(upward), 0);
}

Point GestureOverlayLayout::localPoint(Point point, const Rect& sourceFrame,
                                       const Rect& targetBounds) {
    if (sourceFrame.isEmpty()) {
        return Point{};
    }
    const double nx = (point.x - sourceFrame.minX()) / sourceFrame.width();
    const double ny = 1 - (point.y - sourceFrame.minY()) / sourceFrame.height();
    const Point upward{targetBounds.minX() + nx * targetBounds.width(),
                       targetBounds.minY() + ny * targetBounds.height()};
    return flippedVertically(upward, targetBounds.minY() + targetBounds.maxY());
}

double GestureOverlayLayout::lineWidth(double backingScale) {
    return std::min(std::max((backingScale - 1) * 1.25 + 4, 4.0), 10.0);
}

double GestureOverlayLayout::dotDiameter(double backingScale) {
    return std::min(std::max(backingScale * 1.5 + 10, 10.0), 16.0);
}

}  // namespace quillorbitex
