#include <gtest/gtest.h>

#include "Services/Capture/GestureClassifier.h"

namespace quillorbitex {
namespace {

using D = GestureDirection;

TEST(GestureClassifier, TwoDirectionsMakeAPatternAndRepeatsOfTheSecondChangeNothing) {
    const std::pair<std::vector<D>, std::optional<GesturePattern>> cases[] = {
        {{}, std::nullopt},
        {{D::up}, std::nullopt},
        {{D::up, D::down}, GesturePattern::upThenDown},
        {{D::left, D::up}, GesturePattern::leftThenUp},
        {{D::up, D::down, D::up}, std::nullopt},
        {{D::up, D::down, D::down}, GesturePattern::upThenDown},
    };
    for (const auto& [directions, pattern] : cases) {
        EXPECT_EQ(GestureClassifier::classify(directions), pattern) << directions.size();
    }
    // A stroke up then down in screen coordinates, through the application's recogniser.
    const std::vector<Point> stroke{{100, 100}, {100, 60}, {100, 20}, {100, 60}, {100, 100}};
    EXPECT_EQ(GestureClassifier::classify(GestureClassifier().simplifiedDirections(stroke)),
              GesturePattern::upThenDown);
}

}  // namespace
}  // namespace quillorbitex
