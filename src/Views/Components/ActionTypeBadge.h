#pragma once

#include "Models/GestureAction.h"
#include "Views/Components/CapsuleLabel.h"

namespace quillorbitex {

// Names the kind of a rule's action ("Shortcut", "Preset Action", "Open App", "Open URL") in a
// small accent capsule, the same colours for every kind.
class ActionTypeBadge final : public CapsuleLabel {
    Q_OBJECT

public:
    explicit ActionTypeBadge(const GestureAction& action, QWidget* parent = nullptr);

    void setAction(const GestureAction& action);
    // Takes the kind's name in the current language.
    void retranslate();

private:
    GestureAction action_;
};

}  // namespace quillorbitex
