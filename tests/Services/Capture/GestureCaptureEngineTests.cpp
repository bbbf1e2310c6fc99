#include "Services/Capture/GestureCaptureEngine.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillorbitex {
namespace {

using Points = std::vector<Point>;

std::vector<Point> renderPointsOf(const GestureCaptureEngine& engine) {
    std::vector<Point> points;
    engine.copyRenderSnapshot(points);
    return points;
}

TEST(GestureCaptureEngine, RecordsTheRawPathAndThinsTheRenderPathToTheMinimumSpacing) {
    GestureCaptureEngine engine;
    engine.begin({10, 10});
    // Steps of 1 point: every second one is 2 points from the last kept render point.
    for (int x = 11; x <= 16; ++x) {
        engine.append({double(x), 10});
    }
    const auto stroke = engine.end({16, 13});
    ASSERT_TRUE(stroke);
    EXPECT_EQ(
        stroke->rawPoints,
        (Points{{10, 10}, {11, 10}, {12, 10}, {13, 10}, {14, 10}, {15, 10}, {16, 10}, {16, 13}}));
    // {11,10} is the first move and always drawn; {13,10} is exactly 2 from it and qualifies.
    EXPECT_EQ(stroke->renderPoints, (Points{{10, 10}, {11, 10}, {13, 10}, {15, 10}, {16, 13}}));
    EXPECT_EQ(stroke->startPoint, (Point{10, 10}));
    EXPECT_EQ(stroke->endPoint, (Point{16, 13}));
    EXPECT_DOUBLE_EQ(stroke->totalDistance, 9);
    EXPECT_EQ(stroke->globalBounds, (Rect{{10, 10}, {6, 3}}));
    EXPECT_FALSE(engine.activeHeader());
    EXPECT_FALSE(engine.end({0, 0})) << "a finished stroke is gone";
}

TEST(GestureCaptureEngine, RepeatsAddNoPointButANewVersionAndOnlyTheFirstTinyMoveIsDrawn) {
    GestureCaptureEngine engine;
    engine.begin({5, 5});
    auto header = engine.activeHeader();
    ASSERT_TRUE(header);
    EXPECT_EQ(header->version, 1u);
    EXPECT_EQ(header->phase, GestureMonitorSessionPhase::began);
    engine.append({5, 5});
    header = engine.activeHeader();
    EXPECT_EQ(header->version, 2u);
    EXPECT_EQ(header->phase, GestureMonitorSessionPhase::changed);
    EXPECT_EQ(header->totalDistance, 0);
    engine.append({5.5, 5});
    engine.append({6, 5});
    EXPECT_EQ(renderPointsOf(engine), (Points{{5, 5}, {5.5, 5}}));
    engine.append({9, 9});
    engine.append({9, 9});
    const auto stroke = engine.end({9, 9});
    ASSERT_TRUE(stroke);
    EXPECT_EQ(stroke->rawPoints, (Points{{5, 5}, {5.5, 5}, {6, 5}, {9, 9}}));
    EXPECT_DOUBLE_EQ(stroke->totalDistance, 6);
}

TEST(GestureCaptureEngine, StopsBeingAClickAtExactlyTheSuppressionDistanceForGood) {
    for (const auto& [length, suppresses] : {std::pair{17.9, false}, {18.0, true}}) {
        GestureCaptureEngine engine;
        engine.begin({100, 100});
        engine.append({100 + length / 2, 100});
        const auto stroke = engine.end({100 + length / 2, 100 + length / 2});
        ASSERT_TRUE(stroke);
        EXPECT_EQ(stroke->suppressesSystemClick, suppresses) << length;
    }
    // Once reached it stays, even when the stroke comes back to where it began.
    GestureCaptureEngine engine;
    engine.begin({0, 0});
    engine.append({18, 0});
    engine.append({0, 0});
    const auto header = engine.activeHeader();
    ASSERT_TRUE(header);
    EXPECT_TRUE(header->suppressesSystemClick);
    EXPECT_EQ(header->globalBounds, (Rect{{0, 0}, {18, 0}}));
}

TEST(GestureCaptureEngine, ANewStrokeReplacesTheActiveOneAndCancelDropsIt) {
    GestureCaptureEngine engine(2, 18);
    engine.append({1, 1});  // no stroke yet: ignored
    EXPECT_FALSE(engine.activeHeader());

    engine.begin({0, 0});
    engine.append({30, 0});
    engine.begin({50, 50});
    const auto header = engine.activeHeader();
    ASSERT_TRUE(header);
    EXPECT_EQ(header->strokeID, 2u);
    EXPECT_EQ(header->version, 1u);
    EXPECT_EQ(header->totalDistance, 0);
    EXPECT_FALSE(header->suppressesSystemClick);
    EXPECT_EQ(renderPointsOf(engine), (Points{{50, 50}}));

    engine.cancel();
    EXPECT_FALSE(engine.activeHeader());
    EXPECT_FALSE(engine.end({60, 60}));
    engine.begin({1, 1});
    EXPECT_EQ(engine.activeHeader()->strokeID, 3u);
}

TEST(GestureCaptureEngine, RenderDeltaHandsOutEveryPointOnceWithTheHeaderOfTheSameMoment) {
    GestureCaptureEngine engine;
    std::vector<Point> buffer{{-1, -1}, {-2, -2}};  // stale content is dropped
    std::int64_t cursor = 7;
    EXPECT_FALSE(engine.copyRenderDelta(cursor, buffer));
    EXPECT_EQ(cursor, 0);
    EXPECT_TRUE(buffer.empty());

    engine.begin({0, 0});
    engine.append({3, 0});
    auto header = engine.copyRenderDelta(cursor, buffer);
    ASSERT_TRUE(header);
    EXPECT_EQ(buffer, (Points{{0, 0}, {3, 0}}));
    EXPECT_EQ(cursor, 2);
    EXPECT_EQ(header->endPoint, (Point{3, 0}));
    EXPECT_EQ(header->version, 2u);

    header = engine.copyRenderDelta(cursor, buffer);
    ASSERT_TRUE(header) << "no new points, but the stroke is still there";
    EXPECT_TRUE(buffer.empty());

    engine.append({6, 0});
    engine.append({9, 0});
    header = engine.copyRenderDelta(cursor, buffer);
    EXPECT_EQ(buffer, (Points{{6, 0}, {9, 0}}));
    EXPECT_EQ(cursor, 4);
    EXPECT_EQ(header->endPoint, buffer.back());

    // A cursor from an earlier, longer stroke yields nothing and is pulled back to the count.
    engine.begin({100, 100});
    engine.append({104, 100});
    header = engine.copyRenderDelta(cursor, buffer);
    ASSERT_TRUE(header);
    EXPECT_TRUE(buffer.empty());
    EXPECT_EQ(cursor, 2);
    EXPECT_EQ(header->strokeID, 2u);

    std::int64_t negative = -5;
    engine.copyRenderDelta(negative, buffer);
    EXPECT_EQ(buffer, (Points{{100, 100}, {104, 100}}));
    EXPECT_EQ(negative, 2);
}

}  // namespace
}  // namespace quillorbitex
