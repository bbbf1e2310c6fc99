#include "Views/Components/ActionTypeBadge.h"

#include "Models/ActionLabels.h"

namespace quillorbitex {

ActionTypeBadge::ActionTypeBadge(const GestureAction& action, QWidget* parent)
    : CapsuleLabel(parent), action_(action) {
    setColors(ThemePalette::Token::accentCapsuleText, ThemePalette::Token::accentMuted);
    retranslate();
}

void ActionTypeBadge::setAction(const GestureAction& action) {
    action_ = action;
    retranslate();
}

void ActionTypeBadge::retranslate() {
    setText(kindLabel(action_));
}

}  // namespace quillorbitex
