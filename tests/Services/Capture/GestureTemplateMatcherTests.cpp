#include <gtest/gtest.h>

#include <cmath>

#include "Services/Capture/GestureTemplateMatcher.h"
#include "support/RuleFactory.h"
#include "support/ScopedLanguageOverride.h"

namespace quillorbitex {
namespace {

using Points = std::vector<Point>;
const GestureTemplateMatcher kMatcher{40, 4, 40};

void expectPointsNear(const Points& actual, const Points& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(actual[i].x, expected[i].x, 1e-9) << "point " << i;
        EXPECT_NEAR(actual[i].y, expected[i].y, 1e-9) << "point " << i;
    }
}

// An L drawn down then right, one point per pixel.
Points lStroke() {
    Points points;
    for (int y = 0; y <= 100; ++y) {
        points.push_back({200, 300.0 + y});
    }
    for (int x = 1; x <= 60; ++x) {
        points.push_back({200.0 + x, 400});
    }
    return points;
}

// A template of `points` moved by (dx, dy): every point lies hypot(dx, dy) from its original.
GestureTemplate templateOf(const QString& id, const Points& points, double dx = 0, double dy = 0) {
    std::vector<GestureTemplatePoint> moved;
    for (const Point& p : points) {
        moved.push_back({p.x + dx, p.y + dy});
    }
    return GestureTemplate(id, id, std::move(moved));
}

GestureMapping templateRule(const GestureTemplate& t) {
    return testing::customRule(
        GestureDescriptor::fromTemplate(t),
        GestureAction::openURL(QStringLiteral("https://example.org/") + t.id()));
}

Points evenly(int count, double y = 0, double from = 0) {
    Points points;
    for (int i = 0; i < count; ++i) {
        points.push_back({from + i, y});
    }
    return points;
}

TEST(GestureTemplateMatcher, ResamplesByEqualArcLengthCentresAndScales) {
    using M = GestureTemplateMatcher;
    const std::pair<Points, Points> cases[] = {
        // 39 long into 40 points: spaced exactly 1 apart, from end to end.
        {M::resample({{0, 0}, {39, 0}}, 40), evenly(40)},
        // Lengths that do not divide evenly; the corner is cut through, not visited.
        {M::resample({{0, 0}, {10, 0}, {10, 7}}, 5),
         {{0, 0}, {4.25, 0}, {8.5, 0}, {10, 2.75}, {10, 7}}},
        {M::resample({{0, 0}, {10, 0}}, 4), {{0, 0}, {10.0 / 3, 0}, {20.0 / 3, 0}, {10, 0}}},
        // Repeated points add no length; degenerate input comes back whole or repeated.
        {M::resample({{0, 0}, {0, 0}, {4, 0}, {4, 0}, {4, 3}}, 3), {{0, 0}, {3.5, 0}, {4, 3}}},
        {M::resample({{1, 2}}, 40), {{1, 2}}},
        {M::resample({{1, 2}, {5, 5}}, 1), {{1, 2}, {5, 5}}},
        {M::resample({{2, 3}, {2, 3}}, 3), {{2, 3}, {2, 3}, {2, 3}}},
        {M::collapseDuplicatePoints({{0, 0}, {0, 0}, {1, 0}, {1, 0}, {0, 0}, {0, 1}}),
         {{0, 0}, {1, 0}, {0, 0}, {0, 1}}},
        {M::collapseDuplicatePoints({}), {}},
        // Centred on the middle of the bounds; small shapes are only moved, never enlarged.
        {M::centerAndScale({}), {}},
        {M::centerAndScale({{0.1, 0.1}, {0.6, 0.6}}), {{-0.25, -0.25}, {0.25, 0.25}}},
        {M::centerAndScale({{0, 5}, {50, 5}, {100, 5}}), {{-0.5, 0}, {0, 0}, {0.5, 0}}},
        {M::centerAndScale({{0, 0}, {200, 0}, {200, 50}, {0, 50}}),
         {{-0.5, -0.125}, {0.5, -0.125}, {0.5, 0.125}, {-0.5, 0.125}}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        expectPointsNear(cases[i].first, cases[i].second);
    }
    EXPECT_EQ(M::pathLength({{0, 0}, {3, 4}, {3, 10}}), 11);
    EXPECT_EQ(M::pathLength({{7, 7}}), 0);
}

TEST(GestureTemplateMatcher, StrokesNeedFourDistinctPointsAndLength) {
    EXPECT_FALSE(kMatcher.normalizedPath(Points(10, Point{5, 5}), true).has_value());
    EXPECT_FALSE(kMatcher.normalizedPath({{0, 0}, {100, 0}, {100, 100}}, true).has_value());
    const Points short4{{0, 0}, {13.3, 0}, {26.6, 0}, {39.9, 0}};
    EXPECT_FALSE(kMatcher.normalizedPath(short4, true).has_value());
    EXPECT_TRUE(kMatcher.normalizedPath(short4, false).has_value());
    const auto path = kMatcher.normalizedPath({{0, 0}, {10, 0}, {20, 0}, {40, 0}}, true);
    ASSERT_TRUE(path.has_value());
    ASSERT_EQ(path->size(), 40u);
    EXPECT_NEAR(path->front().x, -0.5, 1e-9);
    EXPECT_NEAR(path->back().x, 0.5, 1e-9);
}

TEST(GestureTemplateMatcher, MakesTemplatesFromStrokes) {
    testing::ScopedLanguageOverride english(AppLanguageOverride::english);
    const auto made = kMatcher.makeTemplate(QStringLiteral("  Circle \n"), lStroke());
    ASSERT_TRUE(made.has_value());
    EXPECT_EQ(made->name(), QStringLiteral("Circle"));
    EXPECT_EQ(made->normalizedPoints().size(), 40u);
    EXPECT_TRUE(made->id().startsWith(QStringLiteral("template-")));
    const auto again = kMatcher.makeTemplate(QStringLiteral(" \n\t"), lStroke());
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(again->name(), QStringLiteral("Custom Gesture"));
    EXPECT_EQ(again->id(), made->id());
    EXPECT_FALSE(kMatcher.makeTemplate(QStringLiteral("x"), Points(5, Point{1, 1})).has_value());
}

TEST(GestureTemplateMatcher, StoredTemplatesOfOtherSizesAreNormalisedAgain) {
    // Forty stored points are used as they are, even when not centred.
    const Points offset = evenly(40, 7, 5);
    EXPECT_EQ(kMatcher.normalizedTemplatePoints(templateOf("t40", offset)), offset);

    const Points twelve = evenly(12, 3);
    for (const auto& matcher : {kMatcher, kMatcher.liveMatcher()}) {
        const auto points = matcher.normalizedTemplatePoints(templateOf("t12", twelve));
        ASSERT_TRUE(points.has_value());
        ASSERT_EQ(points->size(), static_cast<std::size_t>(matcher.sampleCount));
        EXPECT_NEAR(points->front().x, -0.5, 1e-9);
        EXPECT_NEAR(points->back().x, 0.5, 1e-9);
        EXPECT_NEAR(points->back().y, 0, 1e-9);
    }
    EXPECT_FALSE(kMatcher.normalizedTemplatePoints(templateOf("empty", {})).has_value());
}

TEST(GestureTemplateMatcher, DistanceIsTheMeanPointDistance) {
    const auto candidate = kMatcher.normalizedPath(lStroke(), true);
    ASSERT_TRUE(candidate.has_value());
    EXPECT_NEAR(*kMatcher.matchDistance(*candidate, templateOf("a", *candidate, 0.03, 0.04)), 0.05,
                1e-12);
    // Half the points 0.5 away, half in place: a mean of 0.25.
    Points half = *candidate;
    for (std::size_t i = 0; i < 20; ++i) {
        half[i].x += 0.3;
        half[i].y += 0.4;
    }
    EXPECT_NEAR(*kMatcher.matchDistance(*candidate, templateOf("b", half)), 0.25, 1e-12);
    // Different counts never compare.
    const Points twenty(candidate->begin(), candidate->begin() + 20);
    EXPECT_FALSE(kMatcher.matchDistance(twenty, templateOf("c", *candidate)).has_value());
    EXPECT_FALSE(kMatcher.matchDistance(*candidate, templateOf("d", {})).has_value());
}

TEST(GestureTemplateMatcher, BestMatchTakesTheClosestRuleWithinTheThreshold) {
    const Points stroke = lStroke();
    const auto candidate = *kMatcher.normalizedPath(stroke, true);
    const GestureMapping directional(GestureDescriptor::directional(GesturePattern::upThenDown),
                                     GestureAction::predefined(PredefinedAction::refresh),
                                     QString(), std::nullopt, GestureMappingSource::custom, true,
                                     {});
    const auto far = templateRule(templateOf("far", candidate, 0.03, 0.04));      // 0.05
    const auto near = templateRule(templateOf("near", candidate, 0.012, 0.016));  // 0.02
    const auto twin = templateRule(templateOf("twin", candidate, 0.012, 0.016));

    EXPECT_EQ(kMatcher.bestMatch(stroke, {directional, far, near}, 0.18), near);
    // Equal distances: the earlier rule stays.
    EXPECT_EQ(kMatcher.bestMatch(stroke, {directional, near, twin, far}, 0.18), near);
    EXPECT_EQ(kMatcher.bestMatch(stroke, {twin, near}, 0.18), twin);
    EXPECT_FALSE(kMatcher.bestMatch(stroke, {directional}, 0.4).has_value());
    EXPECT_FALSE(kMatcher.bestMatch(stroke, {}, 0.4).has_value());

    // The threshold is inclusive.
    const double distance = *kMatcher.matchDistance(candidate, *near.pattern().gestureTemplate());
    EXPECT_EQ(kMatcher.bestMatch(stroke, {near}, distance), near);
    EXPECT_FALSE(kMatcher.bestMatch(stroke, {near}, std::nextafter(distance, 0.0)).has_value());

    // A stroke that cannot be normalised matches nothing, however close.
    const auto exact = templateRule(templateOf("exact", candidate));
    EXPECT_FALSE(kMatcher.bestMatch({{0, 0}, {100, 0}, {100, 100}}, {exact}, 0.4).has_value());
}

TEST(GestureTemplateMatcher, LiveMatchingComparesFewerResampledPoints) {
    for (const auto& [stored, live] :
         {std::pair{10, 16}, {40, 20}, {47, 23}, {48, 24}, {100, 24}}) {
        EXPECT_EQ(GestureTemplateMatcher::liveSampleCount(stored), live) << stored;
    }
    EXPECT_EQ(kMatcher.liveMatcher(), (GestureTemplateMatcher{20, 4, 40}));
    const Points stroke = lStroke();
    const auto stored = kMatcher.makeTemplate(QStringLiteral("L"), stroke);
    ASSERT_TRUE(stored.has_value());
    const auto rule = templateRule(*stored);
    // The stored 40 points are resampled to 20 for live matching and still fit the stroke.
    const auto live = kMatcher.liveMatcher();
    const auto candidate = live.normalizedPath(stroke, true);
    ASSERT_TRUE(candidate.has_value());
    ASSERT_EQ(candidate->size(), 20u);
    EXPECT_LT(*live.matchDistance(*candidate, *stored), 0.01);
    EXPECT_EQ(live.bestMatch(stroke, {rule}, 0.05), rule);
    EXPECT_EQ(kMatcher.bestMatch(stroke, {rule}, 0.0), rule);
}

}  // namespace
}  // namespace quillorbitex
