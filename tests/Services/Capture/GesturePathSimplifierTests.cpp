#include <gtest/gtest.h>

#include "Services/Capture/GesturePathSimplifier.h"
#include "Services/Capture/IncrementalGesturePathState.h"

namespace quillorbitex {
namespace {

using D = GestureDirection;
using Directions = std::vector<GestureDirection>;

const GesturePathSimplifier kConfig{6, 24, 1.15, true};

// A straight stroke from `from` by (dx, dy) in `steps` equal steps, without its start point.
void drawLine(std::vector<Point>& points, double dx, double dy, int steps) {
    const Point from = points.back();
    for (int i = 1; i <= steps; ++i) {
        points.push_back({from.x + dx * i / steps, from.y + dy * i / steps});
    }
}

// A straight stroke from (0, 0) through `moves`, each drawn in equal steps of `step`.
std::vector<Point> stroke(std::vector<std::pair<Point, int>> moves) {
    std::vector<Point> points{{0, 0}};
    for (const auto& [by, steps] : moves) {
        drawLine(points, by.x, by.y, steps);
    }
    return points;
}

TEST(GesturePathSimplifier, RunsCommitAtTheCommitDistanceAndShortDetoursMergeThem) {
    const std::pair<std::vector<Point>, Directions> cases[] = {
        {{}, {}},
        {{{5, 5}}, {}},
        // Screen coordinates: upward movement is up.
        {{{0, 0}, {0, -30}, {30, -30}}, {D::up, D::right}},
        {{{0, 0}, {0, -24}}, {D::up}},
        {{{0, 0}, {0, -23.9}}, {}},
        // A short last run after a committed one is dropped; a short detour merges two runs.
        {{{0, 0}, {0, -30}, {20, -30}}, {D::up}},
        {{{0, 0}, {0, -30}, {10, -30}, {10, -60}}, {D::up}},
        {{{0, 0}, {0, -30}, {30, -30}, {30, -60}}, {D::up, D::right, D::up}},
        // Steps below the noise distance add up instead of vanishing; steps of exactly it count.
        {stroke({{{0, -100}, 20}}), {D::up}},
        {stroke({{{0, -40}, 40}, {{40, 0}, 40}}), {D::up, D::right}},
        {stroke({{{24, 0}, 4}}), {D::right}},
        // 1-pixel steps to 23 pixels count 18 (three steps of 6), below the commit distance.
        {stroke({{{23, 0}, 23}}), {}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(kConfig.simplify(cases[i].first), cases[i].second) << "case " << i;
    }
    GesturePathSimplifier flipped = kConfig;
    flipped.usesScreenCoordinates = false;
    EXPECT_EQ(flipped.simplify({{0, 0}, {0, -30}, {30, -30}}), (Directions{D::down, D::right}));
}

TEST(GesturePathSimplifier, TheLargerComponentDecidesAndTiesGoHorizontal) {
    const std::tuple<double, double, std::optional<D>> cases[] = {
        {10, 10, D::right},   {-10, 10, D::left},    {10, 11, D::up},      {10, -11, D::down},
        {0, 3, D::up},        {-3, 0, D::left},      {0, 0, std::nullopt}, {10, 11.4, D::up},
        {11.4, 10, D::right}, {-10, -11.4, D::down},
    };
    for (const auto& [dx, dy, direction] : cases) {
        EXPECT_EQ(kConfig.dominantDirection(dx, dy), direction) << dx << "," << dy;
    }
}

// The live analysis feeds a stroke a few points at a time and looks in between.
TEST(IncrementalGesturePathState, ShortStepsKeepTheReferenceAndTheLastRunStaysOpen) {
    IncrementalGesturePathState state;
    for (const Point p : {Point{0, 0}, Point{3, 0}, Point{5, 0}}) {
        state.append(p, kConfig);
    }
    EXPECT_EQ(state.lastPoint, (Point{0, 0}));
    EXPECT_FALSE(state.currentDirection.has_value());
    state.append(std::vector<Point>{{6, 0}, {6, -30}, {46, -30}}, kConfig);
    EXPECT_EQ(state.lastPoint, (Point{46, -30}));
    EXPECT_EQ(state.resolvedDirections(kConfig), (Directions{D::up, D::right}));
    EXPECT_EQ(state.committedDirections, (Directions{D::up}));  // the 6 to the right was too short
    EXPECT_EQ(state.currentDirection, D::right);
    EXPECT_DOUBLE_EQ(state.currentDistance, 40);
}

}  // namespace
}  // namespace quillorbitex
