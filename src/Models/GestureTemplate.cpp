#include "Models/GestureTemplate.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace quillorbitex {

namespace {

// Coordinates outside the signed 64-bit range (or not finite) cannot be written as integers;
// they are clamped (and NaN written as 0) so that the identifier stays defined and stable.
long long scaledCoordinate(double value) {
    const double scaled = value * 10000.0;
    if (std::isnan(scaled)) {
        return 0;
    }
    constexpr double kLimit = 9223372036854775807.0;
    if (scaled >= kLimit) {
        return std::numeric_limits<long long>::max();
    }
    if (scaled <= -kLimit) {
        return std::numeric_limits<long long>::min();
    }
    return std::llround(scaled);  // halves away from zero; -0 becomes plain 0
}

}  // namespace

GestureTemplate::GestureTemplate(std::optional<QString> id, QString name,
                                 const std::vector<Point>& normalizedPoints)
    : name_(std::move(name)) {
    std::vector<GestureTemplatePoint> points;
    points.reserve(normalizedPoints.size());
    for (const Point& p : normalizedPoints) {
        points.push_back(GestureTemplatePoint::fromPoint(p));
    }
    id_ = id ? std::move(*id) : makeStableIdentifier(points);
    normalizedPoints_ =
        std::make_shared<const std::vector<GestureTemplatePoint>>(std::move(points));
}

GestureTemplate::GestureTemplate(QString id, QString name,
                                 std::vector<GestureTemplatePoint> normalizedPoints)
    : id_(std::move(id)),
      name_(std::move(name)),
      normalizedPoints_(
          std::make_shared<const std::vector<GestureTemplatePoint>>(std::move(normalizedPoints))) {}

const std::vector<GestureTemplatePoint>& GestureTemplate::normalizedPoints() const {
    // A template moved from has none.
    static const std::vector<GestureTemplatePoint> none;
    return normalizedPoints_ != nullptr ? *normalizedPoints_ : none;
}

QString GestureTemplate::makeStableIdentifier(const std::vector<GestureTemplatePoint>& points) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    std::string text;
    for (const auto& p : points) {
        text.clear();
        text += std::to_string(scaledCoordinate(p.x));
        text += ':';
        text += std::to_string(scaledCoordinate(p.y));
        text += '|';
        for (const unsigned char byte : text) {
            hash ^= byte;
            hash *= 0x100000001b3ULL;
        }
    }
    return QStringLiteral("template-%1").arg(hash, 16, 16, QLatin1Char('0'));
}

}  // namespace quillorbitex
