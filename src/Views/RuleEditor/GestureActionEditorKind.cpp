#include "Views/RuleEditor/GestureActionEditorKind.h"

namespace quillorbitex {

GestureActionEditorKind editorKind(const std::optional<GestureAction>& action) {
    if (!action) {
        return GestureActionEditorKind::keyboardShortcut;
    }
    switch (action->kind()) {
        case GestureAction::Kind::keyboardShortcut:
            return GestureActionEditorKind::keyboardShortcut;
        case GestureAction::Kind::predefined:
            return GestureActionEditorKind::predefined;
        case GestureAction::Kind::openApp:
            return GestureActionEditorKind::openApp;
        case GestureAction::Kind::openURL:
            return GestureActionEditorKind::openURL;
    }
    return GestureActionEditorKind::keyboardShortcut;
}

}  // namespace quillorbitex
