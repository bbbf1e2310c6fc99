#pragma once

#include <cmath>
#include <numbers>
#include <random>
#include <vector>

#include "Platform/Geometry.h"

namespace quillorbitex::bench {

// A figure-of-eight of `count` points, stretched at random, so that a thousand templates differ.
inline std::vector<Point> wobblyLoop(std::mt19937& random, int count = 120) {
    std::uniform_real_distribution<double> wobble(0.5, 1.5);
    const double a = wobble(random);
    const double b = wobble(random);
    std::vector<Point> points;
    for (int i = 0; i < count; ++i) {
        const double t = 2 * std::numbers::pi * i / (count - 1);
        points.push_back({400 + 120 * a * std::cos(t), 400 + 90 * b * std::sin(2 * t)});
    }
    return points;
}

}  // namespace quillorbitex::bench
