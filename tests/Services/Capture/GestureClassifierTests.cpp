#include <gtest/gtest.h>

#include "Services/Capture/GestureClassifier.h"

namespace quillorbitex {
namespace {

using D = GestureDirection;

TEST(GestureClassifier, TwoDirectionsMakeAPattern) {
    EXPECT_FALSE(GestureClassifier::classify({}).has_value());
    EXPECT_FALSE(GestureClassifier::classify({D::up}).has_value());
    EXPECT_EQ(GestureClassifier::classify({D::up, D::down}), GesturePattern::upThenDown);
    EXPECT_EQ(GestureClassifier::classify({D::left, D::up}), GesturePattern::leftThenUp);
    EXPECT_FALSE(GestureClassifier::classify({D::up, D::down, D::up}).has_value());
    // Further directions that repeat the second one do not change the pattern.
    EXPECT_EQ(GestureClassifier::classify({D::up, D::down, D::down}), GesturePattern::upThenDown);
}

TEST(GestureClassifier, DefaultsAreTheApplicationsRecogniser) {
    const GestureClassifier classifier;
    EXPECT_EQ(classifier.simplifier, (GesturePathSimplifier{6, 24, 1.15, true}));
    EXPECT_EQ(classifier.templateMatcher, (GestureTemplateMatcher{40, 4, 40}));
    // A stroke up then down in screen coordinates, end to end.
    const std::vector<Point> stroke{{100, 100}, {100, 60}, {100, 20}, {100, 60}, {100, 100}};
    EXPECT_EQ(GestureClassifier::classify(classifier.simplifiedDirections(stroke)),
              GesturePattern::upThenDown);
}

}  // namespace
}  // namespace quillorbitex
