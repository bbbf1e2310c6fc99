#pragma once

#include <QObject>

#include "Views/Onboarding/OnboardingStep.h"

namespace quillorbitex {

// Where the onboarding is: the step shown and the side the next step comes in from. Only the
// footer's buttons move it, one step at a time; it stops at either end.
class OnboardingViewModel final : public QObject {
    Q_OBJECT

public:
    // The side a step enters from; it leaves towards the opposite one.
    enum class Edge { top, leading, bottom, trailing };

    explicit OnboardingViewModel(QObject* parent = nullptr) : QObject(parent) {}

    OnboardingStep currentStep() const { return currentStep_; }
    Edge animationDirection() const { return animationDirection_; }

    // Forward: the next step enters from the trailing side. Nothing at the last step.
    void nextStep();
    // Back: the previous step enters from the leading side. Nothing at the first step.
    void previousStep();
    // The first step again, entering from the trailing side, as when the onboarding is shown anew.
    void reset();

    static Edge opposite(Edge edge);

Q_SIGNALS:
    // The direction is already set when this is emitted.
    void currentStepChanged(OnboardingStep step);

private:
    void moveTo(OnboardingStep step, Edge from);

    OnboardingStep currentStep_ = OnboardingStep::welcome;
    Edge animationDirection_ = Edge::trailing;
};

}  // namespace quillorbitex
