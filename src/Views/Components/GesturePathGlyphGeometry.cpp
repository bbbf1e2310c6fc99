#include "Views/Components/GesturePathGlyphGeometry.h"

#include <algorithm>
#include <cmath>

#include "Models/GestureLabels.h"

namespace quillorbitex {

double GesturePathGlyphGeometry::inset(double width) {
    return std::max(0.18 * width, 8.0);
}

double GesturePathGlyphGeometry::lineWidth(double width) {
    return std::max(0.07 * width, 2.0);
}

double GesturePathGlyphGeometry::startDotRadius(double width) {
    return std::max(0.08 * width, 3.0);
}

double GesturePathGlyphGeometry::endDotRadius(double width) {
    return std::max(0.09 * width, 4.0);
}

std::optional<std::vector<QPointF>> GesturePathGlyphGeometry::fittedPoints(
    const std::optional<GestureDescriptor>& pattern, QSizeF size) {
    if (!pattern) {
        return std::nullopt;
    }
    std::vector<QPointF> source;
    for (const Point& p : previewPoints(*pattern)) {
        if (std::isfinite(p.x) && std::isfinite(p.y)) {
            source.emplace_back(p.x, p.y);
        }
    }
    if (source.size() < 2) {
        return std::nullopt;
    }
    double minX = source.front().x();
    double maxX = minX;
    double minY = source.front().y();
    double maxY = minY;
    for (const QPointF& p : source) {
        minX = std::min(minX, p.x());
        maxX = std::max(maxX, p.x());
        minY = std::min(minY, p.y());
        maxY = std::max(maxY, p.y());
    }
    // A straight stroke has no extent across it; the other axis then decides the scale.
    const double spanX = std::max(maxX - minX, 0.001);
    const double spanY = std::max(maxY - minY, 0.001);
    const double margin = inset(size.width());
    const double availableWidth = std::max(size.width() - 2 * margin, 1.0);
    const double availableHeight = std::max(size.height() - 2 * margin, 1.0);
    const double scale = std::min(availableWidth / spanX, availableHeight / spanY);
    const double left = margin + (availableWidth - spanX * scale) / 2;
    const double top = margin + (availableHeight - spanY * scale) / 2;
    std::vector<QPointF> fitted;
    fitted.reserve(source.size());
    for (const QPointF& p : source) {
        fitted.emplace_back(left + (p.x() - minX) * scale, top + (p.y() - minY) * scale);
    }
    return fitted;
}

std::vector<QPointF> GesturePathGlyphGeometry::trimmed(const std::vector<QPointF>& points,
                                                       double progress) {
    if (points.size() < 2 || progress >= 1) {
        return points;
    }
    double total = 0;
    for (std::size_t i = 1; i < points.size(); ++i) {
        total += std::hypot(points[i].x() - points[i - 1].x(), points[i].y() - points[i - 1].y());
    }
    double remaining = std::max(progress, 0.0) * total;
    std::vector<QPointF> result{points.front()};
    for (std::size_t i = 1; i < points.size() && remaining > 0; ++i) {
        const QPointF from = points[i - 1];
        const QPointF to = points[i];
        const double length = std::hypot(to.x() - from.x(), to.y() - from.y());
        if (length <= remaining) {
            result.push_back(to);
            remaining -= length;
        } else {
            result.push_back(from + (to - from) * (remaining / length));
            remaining = 0;
        }
    }
    return result;
}

}  // namespace quillorbitex
