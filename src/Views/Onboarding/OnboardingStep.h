#pragma once

#include <array>

namespace quillorbitex {

// The onboarding's steps, in the order they are walked through.
enum class OnboardingStep { welcome = 0, permissions = 1, customization = 2 };

inline constexpr std::array<OnboardingStep, 3> kOnboardingSteps = {
    OnboardingStep::welcome, OnboardingStep::permissions, OnboardingStep::customization};

inline constexpr int stepNumber(OnboardingStep step) {
    return static_cast<int>(step);
}
inline constexpr bool isFirst(OnboardingStep step) {
    return step == kOnboardingSteps.front();
}
inline constexpr bool isLast(OnboardingStep step) {
    return step == kOnboardingSteps.back();
}

}  // namespace quillorbitex
