#include "Views/Onboarding/OnboardingViewModel.h"

namespace quillorbitex {

void OnboardingViewModel::nextStep() {
    if (isLast(currentStep_)) {
        return;
    }
    moveTo(static_cast<OnboardingStep>(stepNumber(currentStep_) + 1), Edge::trailing);
}

void OnboardingViewModel::previousStep() {
    if (isFirst(currentStep_)) {
        return;
    }
    moveTo(static_cast<OnboardingStep>(stepNumber(currentStep_) - 1), Edge::leading);
}

void OnboardingViewModel::reset() {
    moveTo(kOnboardingSteps.front(), Edge::trailing);
}

void OnboardingViewModel::moveTo(OnboardingStep step, Edge from) {
    animationDirection_ = from;
    currentStep_ = step;
    Q_EMIT currentStepChanged(step);
}

OnboardingViewModel::Edge OnboardingViewModel::opposite(Edge edge) {
    switch (edge) {
        case Edge::top:
            return Edge::bottom;
        case Edge::bottom:
            return Edge::top;
        case Edge::leading:
            return Edge::trailing;
        case Edge::trailing:
            return Edge::leading;
    }
    return edge;
}

}  // namespace quillorbitex
