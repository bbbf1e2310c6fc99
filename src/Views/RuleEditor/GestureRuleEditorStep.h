#pragma once

#include <array>

namespace quillorbitex {

// Where the rule editor stands, in the order the steps are taken.
enum class GestureRuleEditorStep { gesture = 0, action = 1, review = 2 };

inline constexpr std::array<GestureRuleEditorStep, 3> allRuleEditorSteps = {
    GestureRuleEditorStep::gesture, GestureRuleEditorStep::action, GestureRuleEditorStep::review};

}  // namespace quillorbitex
