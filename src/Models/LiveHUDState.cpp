#include "Models/LiveHUDState.h"

#include "Localization/L10n.h"
#include "Models/ActionLabels.h"
#include "Models/GestureLabels.h"

namespace quillorbitex {

QString LiveHUDState::overlayTitleLabel() const {
    if (!matchedAction) {
        return L10n::string("No gesture match");
    }
    const QString execution = executionLabel(*matchedAction);
    if (!detectedPattern) {
        return execution;
    }
    return displayLabel(*detectedPattern) + QStringLiteral(" - ") + execution;
}

QString LiveHUDState::overlayStatusLabel() const {
    if (matchedRuleName && !matchedRuleName->isEmpty()) {
        return *matchedRuleName;
    }
    if (!matchedAction) {
        return L10n::string("No action");
    }
    return displayLabel(*matchedAction);
}

}  // namespace quillorbitex
