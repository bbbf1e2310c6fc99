#pragma once

#include <ostream>

#include "Platform/Geometry.h"

// Readable gtest output for points and rectangles (found by argument-dependent lookup).
namespace quillorbitex {

inline void PrintTo(const Point& p, std::ostream* os) {
    *os << '(' << p.x << ", " << p.y << ')';
}

inline void PrintTo(const Rect& r, std::ostream* os) {
    *os << "(x: " << r.minX() << ", y: " << r.minY() << ", w: " << r.width()
        << ", h: " << r.height() << ')';
}

}  // namespace quillorbitex
