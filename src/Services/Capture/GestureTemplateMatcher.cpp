#include "Services/Capture/GestureTemplateMatcher.h"

#include <algorithm>
#include <cmath>

#include "Localization/L10n.h"

namespace quillorbitex {

namespace {

// Plain Euclidean length: std::hypot guards against overflow that normalised and screen
// coordinates never reach, at several times the cost in the matching loop.
double length(double dx, double dy) {
    return std::sqrt(dx * dx + dy * dy);
}

double pointDistance(Point a, Point b) {
    return length(b.x - a.x, b.y - a.y);
}

template <typename A, typename B>
double meanDistance(const std::vector<A>& a, const std::vector<B>& b) {
    double sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        sum += length(a[i].x - b[i].x, a[i].y - b[i].y);
    }
    return sum / static_cast<double>(a.size());
}

}  // namespace

std::optional<GestureMapping> GestureTemplateMatcher::bestMatch(
    const std::vector<Point>& points, const std::vector<GestureMapping>& mappings,
    double threshold) const {
    const auto candidate = normalizedPath(points, true);
    if (!candidate) {
        return std::nullopt;
    }
    const GestureMapping* best = nullptr;
    double bestDistance = 0;
    for (const GestureMapping& mapping : mappings) {
        const GestureTemplate* gestureTemplate = mapping.pattern().gestureTemplate();
        if (gestureTemplate == nullptr) {
            continue;
        }
        const auto distance = matchDistance(*candidate, *gestureTemplate);
        if (!distance) {
            continue;
        }
        if (best == nullptr || *distance < bestDistance) {
            best = &mapping;
            bestDistance = *distance;
        }
    }
    if (best == nullptr || !(bestDistance <= threshold)) {
        return std::nullopt;
    }
    return *best;
}

std::optional<GestureTemplate> GestureTemplateMatcher::makeTemplate(
    const QString& name, const std::vector<Point>& points) const {
    const auto path = normalizedPath(points, true);
    if (!path) {
        return std::nullopt;
    }
    QString trimmed = name.trimmed();
    if (trimmed.isEmpty()) {
        trimmed = L10n::string("Custom Gesture");
    }
    return GestureTemplate(std::nullopt, trimmed, *path);
}

GestureTemplateMatcher GestureTemplateMatcher::liveMatcher() const {
    GestureTemplateMatcher live = *this;
    live.sampleCount = liveSampleCount(sampleCount);
    return live;
}

int GestureTemplateMatcher::liveSampleCount(int sampleCount) {
    return sampleCount < 48 ? std::max(sampleCount / 2, 16) : 24;
}

std::optional<std::vector<Point>> GestureTemplateMatcher::normalizedPath(
    const std::vector<Point>& points, bool enforceMinimumLength) const {
    const std::vector<Point> distinct = collapseDuplicatePoints(points);
    if (distinct.size() < static_cast<std::size_t>(std::max(minimumPointCount, 0))) {
        return std::nullopt;
    }
    const double length = pathLength(distinct);
    if (!(length > 0)) {
        return std::nullopt;
    }
    if (enforceMinimumLength && length < minimumPathLength) {
        return std::nullopt;
    }
    std::vector<Point> resampled = resample(distinct, sampleCount);
    if (resampled.empty()) {
        return std::nullopt;
    }
    return centerAndScale(std::move(resampled));
}

std::vector<Point> GestureTemplateMatcher::collapseDuplicatePoints(
    const std::vector<Point>& points) {
    std::vector<Point> kept;
    kept.reserve(points.size());
    for (const Point& p : points) {
        if (kept.empty() || p.x != kept.back().x || p.y != kept.back().y) {
            kept.push_back(p);
        }
    }
    return kept;
}

double GestureTemplateMatcher::pathLength(const std::vector<Point>& points) {
    double total = 0;
    for (std::size_t i = 1; i < points.size(); ++i) {
        total += pointDistance(points[i - 1], points[i]);
    }
    return total;
}

std::vector<Point> GestureTemplateMatcher::resample(const std::vector<Point>& points,
                                                    int targetCount) {
    if (points.size() < 2 || targetCount < 2) {
        return points;
    }
    const auto count = static_cast<std::size_t>(targetCount);
    const double total = pathLength(points);
    if (!(total > 0)) {
        return std::vector<Point>(count, points.front());
    }
    const double interval = total / static_cast<double>(targetCount - 1);
    std::vector<Point> result;
    result.reserve(count);
    result.push_back(points.front());
    double accumulated = 0;
    Point previous = points.front();
    std::size_t index = 1;
    // Points past the target count would be dropped anyway; stopping there also bounds the loop
    // when rounding keeps an emitted point from moving (huge coordinates, tiny intervals).
    while (index < points.size() && result.size() < count) {
        const Point p = points[index];
        const double d = pointDistance(previous, p);
        if (d == 0) {
            previous = p;
            ++index;
        } else if (accumulated + d >= interval) {
            const double t = (interval - accumulated) / d;
            const Point q{previous.x + (p.x - previous.x) * t, previous.y + (p.y - previous.y) * t};
            result.push_back(q);
            accumulated = 0;
            previous = q;
        } else {
            accumulated += d;
            previous = p;
            ++index;
        }
    }
    while (result.size() < count) {
        result.push_back(points.back());
    }
    return result;
}

std::vector<Point> GestureTemplateMatcher::centerAndScale(std::vector<Point> points) {
    if (points.empty()) {
        return points;
    }
    double minX = points.front().x;
    double maxX = minX;
    double minY = points.front().y;
    double maxY = minY;
    for (const Point& p : points) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    const double centerX = (minX + maxX) / 2;
    const double centerY = (minY + maxY) / 2;
    double scale = std::max(maxX - minX, maxY - minY);
    if (scale <= 1) {
        scale = 1;
    }
    for (Point& p : points) {
        p = Point{(p.x - centerX) / scale, (p.y - centerY) / scale};
    }
    return points;
}

std::optional<std::vector<Point>> GestureTemplateMatcher::normalizedTemplatePoints(
    const GestureTemplate& gestureTemplate) const {
    const auto& stored = gestureTemplate.normalizedPoints();
    if (stored.empty()) {
        return std::nullopt;
    }
    std::vector<Point> points;
    points.reserve(stored.size());
    for (const auto& p : stored) {
        points.push_back(p.point());
    }
    if (points.size() == static_cast<std::size_t>(std::max(sampleCount, 0))) {
        return points;
    }
    return centerAndScale(resample(points, sampleCount));
}

std::optional<double> GestureTemplateMatcher::matchDistance(
    const std::vector<Point>& candidate, const GestureTemplate& gestureTemplate) const {
    const auto& stored = gestureTemplate.normalizedPoints();
    // Stored templates normally have the full sample count and are compared in place; copying
    // them for every comparison would cost more than the comparison itself.
    if (!stored.empty() && stored.size() == static_cast<std::size_t>(std::max(sampleCount, 0))) {
        if (stored.size() != candidate.size()) {
            return std::nullopt;
        }
        return meanDistance(candidate, stored);
    }
    const auto points = normalizedTemplatePoints(gestureTemplate);
    if (!points || points->empty() || points->size() != candidate.size()) {
        return std::nullopt;
    }
    return meanDistance(candidate, *points);
}

}  // namespace quillorbitex
