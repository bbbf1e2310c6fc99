#pragma once

#include <QHashFunctions>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "Platform/Geometry.h"

namespace quillorbitex {

// One point of a freeform template, in the template's normalised space.
struct GestureTemplatePoint {
    double x = 0;
    double y = 0;

    static GestureTemplatePoint fromPoint(Point p) { return {p.x, p.y}; }
    Point point() const { return {x, y}; }

    friend bool operator==(const GestureTemplatePoint&, const GestureTemplatePoint&) = default;
};

// A freeform gesture. Its identity is `id` alone: templates with one identifier are equal
// whatever their names and points.
class GestureTemplate {
public:
    // Without an identifier, the identifier is derived from the points, so the same path always
    // gets the same one.
    GestureTemplate(std::optional<QString> id, QString name,
                    const std::vector<Point>& normalizedPoints);
    GestureTemplate(QString id, QString name, std::vector<GestureTemplatePoint> normalizedPoints);

    const QString& id() const { return id_; }
    const QString& name() const { return name_; }
    const std::vector<GestureTemplatePoint>& normalizedPoints() const;

    // "template-" and 16 lower-case hex digits of a 64-bit FNV-1a hash of the points, each written
    // as "X:Y|" with the coordinates times 10000 rounded half away from zero.
    static QString makeStableIdentifier(const std::vector<GestureTemplatePoint>& points);

    friend bool operator==(const GestureTemplate& a, const GestureTemplate& b) {
        return a.id_ == b.id_;
    }

private:
    QString id_;
    QString name_;
    // Shared by the copies: a rule list is copied whole on every edit, and the points are most of
    // a freeform rule's size. Never changed once made.
    std::shared_ptr<const std::vector<GestureTemplatePoint>> normalizedPoints_;
};

}  // namespace quillorbitex

template <>
struct std::hash<quillorbitex::GestureTemplatePoint> {
    std::size_t operator()(const quillorbitex::GestureTemplatePoint& p) const noexcept {
        return std::hash<quillorbitex::Point>{}(p.point());
    }
};

template <>
struct std::hash<quillorbitex::GestureTemplate> {
    std::size_t operator()(const quillorbitex::GestureTemplate& t) const noexcept {
        return std::hash<QString>{}(t.id());
    }
};
