#include <gtest/gtest.h>

#include <cmath>
#include <random>

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

TEST(GesturePathSimplifier, TooFewPointsGiveNothing) {
    EXPECT_TRUE(kConfig.simplify({}).empty());
    EXPECT_TRUE(kConfig.simplify({{5, 5}}).empty());
    IncrementalGesturePathState state;
    state.append(Point{5, 5}, kConfig);
    EXPECT_TRUE(state.resolvedDirections(kConfig).empty());
    EXPECT_EQ(state.lastPoint, (Point{5, 5}));
}

TEST(GesturePathSimplifier, ScreenCoordinatesTurnUpwardMovementIntoUp) {
    const std::vector<Point> points{{0, 0}, {0, -30}, {30, -30}};
    EXPECT_EQ(kConfig.simplify(points), (Directions{D::up, D::right}));
    GesturePathSimplifier flipped = kConfig;
    flipped.usesScreenCoordinates = false;
    EXPECT_EQ(flipped.simplify(points), (Directions{D::down, D::right}));
}

TEST(GesturePathSimplifier, SmallStepsAddUpInsteadOfVanishingAsNoise) {
    // Steps of 5 are each below the noise distance; every second point is 10 from the reference.
    std::vector<Point> points{{0, 0}};
    drawLine(points, 0, -100, 20);
    EXPECT_EQ(kConfig.simplify(points), (Directions{D::up}));

    // A slowly drawn stroke: the pointer reports every pixel.
    std::vector<Point> slow{{100, 100}};
    drawLine(slow, 0, -40, 40);
    drawLine(slow, 40, 0, 40);
    EXPECT_EQ(kConfig.simplify(slow), (Directions{D::up, D::right}));
    IncrementalGesturePathState live;
    for (const Point& p : slow) {
        live.append(p, kConfig);
    }
    EXPECT_EQ(live.resolvedDirections(kConfig), (Directions{D::up, D::right}));

    // Pixel steps that never get the noise distance away from the reference count for nothing:
    // 1-pixel steps to 23 pixels count 18 (three steps of 6), below the commit distance.
    std::vector<Point> shortSlow{{0, 0}};
    drawLine(shortSlow, 23, 0, 23);
    EXPECT_TRUE(kConfig.simplify(shortSlow).empty());
}

TEST(GesturePathSimplifier, StepsEqualToTheNoiseDistanceCount) {
    std::vector<Point> points{{0, 0}};
    drawLine(points, 24, 0, 4);  // four steps of exactly 6: a run of exactly 24
    EXPECT_EQ(kConfig.simplify(points), (Directions{D::right}));
}

TEST(GesturePathSimplifier, RunsCommitAtTheCommitDistance) {
    EXPECT_EQ(kConfig.simplify({{0, 0}, {0, -24}}), (Directions{D::up}));
    EXPECT_TRUE(kConfig.simplify({{0, 0}, {0, -23.9}}).empty());
    // A short last run after a committed one is dropped.
    EXPECT_EQ(kConfig.simplify({{0, 0}, {0, -30}, {20, -30}}), (Directions{D::up}));
}

TEST(GesturePathSimplifier, ShortDetoursMergeRunsOfOneDirection) {
    EXPECT_EQ(kConfig.simplify({{0, 0}, {0, -30}, {10, -30}, {10, -60}}), (Directions{D::up}));
    EXPECT_EQ(kConfig.simplify({{0, 0}, {0, -30}, {30, -30}, {30, -60}}),
              (Directions{D::up, D::right, D::up}));
}

TEST(GesturePathSimplifier, TheLargerComponentDecidesAndTiesGoHorizontal) {
    EXPECT_EQ(kConfig.dominantDirection(10, 10), D::right);
    EXPECT_EQ(kConfig.dominantDirection(-10, 10), D::left);
    EXPECT_EQ(kConfig.dominantDirection(10, 11), D::up);
    EXPECT_EQ(kConfig.dominantDirection(10, -11), D::down);
    EXPECT_EQ(kConfig.dominantDirection(0, -3), D::down);
    EXPECT_FALSE(kConfig.dominantDirection(0, 0).has_value());
    // Through the step rule (screen coordinates: positive y is down).
    EXPECT_EQ(kConfig.simplify({{0, 0}, {-20, 20}}), (Directions{D::left}));
    EXPECT_EQ(kConfig.simplify({{0, 0}, {20, 22}}), (Directions{D::down}));
}

TEST(IncrementalGesturePathState, ResolvingLeavesTheStateAsItWas) {
    IncrementalGesturePathState state;
    state.append(std::vector<Point>{{0, 0}, {0, -30}, {40, -30}}, kConfig);
    const IncrementalGesturePathState before = state;
    EXPECT_EQ(state.resolvedDirections(kConfig), (Directions{D::up, D::right}));
    EXPECT_EQ(state.resolvedDirections(kConfig), (Directions{D::up, D::right}));
    EXPECT_EQ(state, before);
    EXPECT_EQ(state.committedDirections, (Directions{D::up}));  // the last run is still open
    EXPECT_EQ(state.currentDirection, D::right);
    EXPECT_DOUBLE_EQ(state.currentDistance, 40);
    state.append(std::vector<Point>{}, kConfig);
    EXPECT_EQ(state, before);
}

TEST(IncrementalGesturePathState, ShortStepsKeepTheReferencePoint) {
    IncrementalGesturePathState state;
    state.append(Point{0, 0}, kConfig);
    state.append(Point{3, 0}, kConfig);
    state.append(Point{5, 0}, kConfig);
    EXPECT_EQ(state.lastPoint, (Point{0, 0}));
    EXPECT_FALSE(state.currentDirection.has_value());
    state.append(Point{6, 0}, kConfig);
    EXPECT_EQ(state.lastPoint, (Point{6, 0}));
    EXPECT_EQ(state.currentDirection, D::right);
    EXPECT_DOUBLE_EQ(state.currentDistance, 6);
}

// A random stroke: a walk of straight segments drawn in steps of 0 to 9 pixels, so that steps
// below, at and above the noise distance, repeated points and turns of every kind occur.
std::vector<Point> randomStroke(std::mt19937& rng) {
    std::uniform_int_distribution<int> segmentCount(0, 6);
    std::uniform_real_distribution<double> angle(0, 6.283185307179586);
    std::uniform_int_distribution<int> stepCount(1, 30);
    std::uniform_int_distribution<int> stepLength(0, 9);
    std::vector<Point> points{{500, 500}};
    const int segments = segmentCount(rng);
    for (int s = 0; s < segments; ++s) {
        const double a = angle(rng);
        const int steps = stepCount(rng);
        for (int i = 0; i < steps; ++i) {
            const double length = stepLength(rng);
            const Point last = points.back();
            points.push_back({std::round(last.x + length * std::cos(a)),
                              std::round(last.y + length * std::sin(a))});
        }
    }
    return points;
}

TEST(IncrementalGesturePathState, AnyFeedingOrderGivesTheBatchResult) {
    std::mt19937 rng(20240611);
    for (int round = 0; round < 500; ++round) {
        const std::vector<Point> points = randomStroke(rng);

        IncrementalGesturePathState allAtOnce;
        allAtOnce.append(points, kConfig);

        IncrementalGesturePathState oneByOne;
        for (const Point& p : points) {
            oneByOne.append(p, kConfig);
            // Asking in between must not disturb the result.
            (void)oneByOne.resolvedDirections(kConfig);
        }

        IncrementalGesturePathState batched;
        std::uniform_int_distribution<std::size_t> batchSize(0, 12);
        for (std::size_t i = 0; i < points.size();) {
            const std::size_t end = std::min(points.size(), i + batchSize(rng));
            batched.append(std::vector<Point>(points.begin() + static_cast<std::ptrdiff_t>(i),
                                              points.begin() + static_cast<std::ptrdiff_t>(end)),
                           kConfig);
            i = end;
        }

        ASSERT_EQ(oneByOne, allAtOnce) << "round " << round;
        ASSERT_EQ(batched, allAtOnce) << "round " << round;
        const Directions directions = kConfig.simplify(points);
        ASSERT_EQ(allAtOnce.resolvedDirections(kConfig), directions) << "round " << round;
        for (std::size_t i = 1; i < directions.size(); ++i) {
            ASSERT_NE(directions[i - 1], directions[i]) << "round " << round;
        }
    }
}

}  // namespace
}  // namespace quillorbitex
