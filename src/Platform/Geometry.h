#pragma once

#include <functional>

namespace quillorbitex {

// Points in the global display space (X root-window pixels: origin top-left, y down) unless a
// caller documents otherwise.
struct Point {
    double x = 0;
    double y = 0;

    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    double width = 0;
    double height = 0;

    friend bool operator==(const Size&, const Size&) = default;
};

// A rectangle with a non-negative size. A zero-size rectangle still stands for its point, so a
// union with it includes that point (unlike an empty set).
struct Rect {
    Point origin;
    Size size;

    static Rect atPoint(Point p) { return Rect{p, Size{}}; }
    static Rect fromCorners(Point a, Point b);

    double minX() const { return origin.x; }
    double minY() const { return origin.y; }
    double maxX() const { return origin.x + size.width; }
    double maxY() const { return origin.y + size.height; }
    double midX() const { return origin.x + size.width / 2; }
    double midY() const { return origin.y + size.height / 2; }
    double width() const { return size.width; }
    double height() const { return size.height; }
    bool isEmpty() const { return size.width <= 0 || size.height <= 0; }

    Rect united(const Rect& other) const;
    Rect united(Point p) const { return united(atPoint(p)); }
    // Closed on the minimum edges, open on the maximum edges.
    bool contains(Point p) const;
    bool intersects(const Rect& other) const;
    Rect insetBy(double dx, double dy) const;

    friend bool operator==(const Rect&, const Rect&) = default;
};

double distance(Point a, Point b);

}  // namespace quillorbitex

template <>
struct std::hash<quillorbitex::Point> {
    std::size_t operator()(const quillorbitex::Point& p) const noexcept;
};
