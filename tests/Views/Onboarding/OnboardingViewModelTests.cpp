#include "Views/Onboarding/OnboardingViewModel.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <string>

#include "Views/Onboarding/SpringCurve.h"

namespace quillorbitex {
namespace {

using Edge = OnboardingViewModel::Edge;
using Step = OnboardingStep;

TEST(OnboardingViewModel, MovesOneStepAtATimeAndStopsAtEitherEnd) {
    // n: next, p: previous.
    const struct {
        const char* presses;
        Step step;
        Edge direction;
        int changes;
    } cases[] = {
        {"", Step::welcome, Edge::trailing, 0},
        {"p", Step::welcome, Edge::trailing, 0},
        {"n", Step::permissions, Edge::trailing, 1},
        {"nn", Step::customization, Edge::trailing, 2},
        {"nnn", Step::customization, Edge::trailing, 2},
        {"np", Step::welcome, Edge::leading, 2},
        // At the end nothing changes, not even the direction of the last move.
        {"npp", Step::welcome, Edge::leading, 2},
        {"nnpn", Step::customization, Edge::trailing, 4},
        {"nnpnn", Step::customization, Edge::trailing, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("presses: ") + c.presses);
        OnboardingViewModel model;
        QSignalSpy changes(&model, &OnboardingViewModel::currentStepChanged);
        for (const char* p = c.presses; *p != '\0'; ++p) {
            *p == 'n' ? model.nextStep() : model.previousStep();
        }
        EXPECT_EQ(model.currentStep(), c.step);
        EXPECT_EQ(model.animationDirection(), c.direction);
        EXPECT_EQ(changes.count(), c.changes);
    }
}

TEST(OnboardingViewModel, TheDirectionIsSetBeforeTheStepIsAnnounced) {
    OnboardingViewModel model;
    std::vector<Edge> seen;
    QObject::connect(&model, &OnboardingViewModel::currentStepChanged,
                     [&](Step) { seen.push_back(model.animationDirection()); });
    model.nextStep();
    model.previousStep();
    model.nextStep();
    model.reset();
    EXPECT_EQ(seen, (std::vector{Edge::trailing, Edge::leading, Edge::trailing, Edge::trailing}));
    EXPECT_EQ(model.currentStep(), Step::welcome);
}

TEST(SpringCurve, SettlesWithinItsAnimationAndStaysThere) {
    // The springs of the onboarding: step changes and the four reveals.
    for (const SpringCurve curve :
         {SpringCurve{0.5, 0.82}, SpringCurve{0.6, 0.78}, SpringCurve{0.54, 0.82},
          SpringCurve{0.5, 0.84}, SpringCurve{0.4, 1.0}}) {
        SCOPED_TRACE(curve.responseSeconds);
        SCOPED_TRACE(curve.dampingFraction);
        EXPECT_EQ(curve.value(0), 0);
        EXPECT_EQ(curve.value(-1), 0);
        const double settled = curve.settlingTime().count() / 1000.0;
        EXPECT_LT(settled, 1.5);
        double peak = 0;
        for (double t = 0; t < settled * 3; t += 0.005) {
            const double v = curve.value(t);
            peak = std::max(peak, v);
            if (t >= settled) {
                EXPECT_NEAR(v, 1, 0.001) << "at " << t;
            }
        }
        // An underdamped spring overshoots a little, a critically damped one not at all.
        if (curve.dampingFraction < 1) {
            EXPECT_GT(peak, 1.0);
            EXPECT_LT(peak, 1.05);
        } else {
            EXPECT_LE(peak, 1.0);
        }
    }
}

}  // namespace
}  // namespace quillorbitex
