#include "Views/RuleEditor/GestureRuleEditorLabels.h"

#include "Localization/L10n.h"

namespace quillorbitex {

QString title(GestureRuleEditorMode mode) {
    switch (mode) {
        case GestureRuleEditorMode::newRule:
            return L10n::string("Create Rule");
        case GestureRuleEditorMode::overrideCommand:
            return L10n::string("Override Action");
        case GestureRuleEditorMode::overrideGesture:
            return L10n::string("Override Gesture");
    }
    return {};
}

QString subtitle(GestureRuleEditorMode mode) {
    switch (mode) {
        case GestureRuleEditorMode::newRule:
            return L10n::string(
                "Capture a gesture, choose an action, and save the rule in a guided flow.");
        case GestureRuleEditorMode::overrideCommand:
            return L10n::string("Keep the gesture, but change the action Quillorbitex sends.");
        case GestureRuleEditorMode::overrideGesture:
            return L10n::string(
                "Keep the current action, but replace the gesture that triggers it.");
    }
    return {};
}

QString title(GestureRuleEditorStep step) {
    switch (step) {
        case GestureRuleEditorStep::gesture:
            return L10n::string("Gesture");
        case GestureRuleEditorStep::action:
            return L10n::string("Action");
        case GestureRuleEditorStep::review:
            return L10n::string("Review");
    }
    return {};
}

QString stepNumber(GestureRuleEditorStep step) {
    return L10n::format("0%lld", static_cast<long long>(step) + 1);
}

QString title(GestureActionEditorKind kind) {
    switch (kind) {
        case GestureActionEditorKind::keyboardShortcut:
            return L10n::string("Shortcut");
        case GestureActionEditorKind::predefined:
            return L10n::string("Preset Action");
        case GestureActionEditorKind::openApp:
            return L10n::string("Open App");
        case GestureActionEditorKind::openURL:
            return L10n::string("Open URL");
    }
    return {};
}

}  // namespace quillorbitex
