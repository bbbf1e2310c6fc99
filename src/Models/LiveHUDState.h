#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "Models/GestureAction.h"
#include "Models/GestureDescriptor.h"
#include "Models/GestureDirection.h"

namespace quillorbitex {

// What the HUD shows for the stroke in progress.
struct LiveHUDState {
    std::vector<GestureDirection> directions;
    // The matched rule's gesture, else the classified two-direction pattern, else none.
    std::optional<GestureDescriptor> detectedPattern;
    std::optional<GestureAction> matchedAction;
    std::optional<QString> matchedRuleName;
    bool suppressesSystemClick = false;

    bool hasMatchedGesture() const { return matchedAction.has_value(); }
    // What releasing now would do: the gesture and what will actually be sent.
    QString overlayTitleLabel() const;
    // The rule's name, else what the action is.
    QString overlayStatusLabel() const;

    friend bool operator==(const LiveHUDState&, const LiveHUDState&) = default;
};

}  // namespace quillorbitex
