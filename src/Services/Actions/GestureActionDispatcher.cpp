#include "Services/Actions/GestureActionDispatcher.h"

#include <QtGlobal>

#include "Models/PredefinedActionCatalog.h"

namespace quillorbitex {

GestureActionDispatcher::GestureActionDispatcher(
    std::shared_ptr<KeyboardShortcutDispatching> keyboardDispatcher,
    std::shared_ptr<Workspace> workspace)
    : keyboardDispatcher_(std::move(keyboardDispatcher)), workspace_(std::move(workspace)) {
    // Both are used from the final-recognition queue much later; a missing one is a wiring fault
    // that must show here and not when the first action runs.
    if (!keyboardDispatcher_ || !workspace_) {
        qFatal("GestureActionDispatcher needs a keyboard dispatcher and a workspace");
    }
}

bool GestureActionDispatcher::dispatch(const GestureAction& action) {
    return dispatchTo(action, 0);
}

bool GestureActionDispatcher::dispatchTo(const GestureAction& action, std::uint64_t window) {
    switch (action.kind()) {
        case GestureAction::Kind::keyboardShortcut:
            return keyboardDispatcher_->dispatchTo(*action.shortcut(), window);
        case GestureAction::Kind::predefined:
            return dispatchPredefined(*action.predefinedAction(), window);
        case GestureAction::Kind::openApp:
            return openApp(*action.bundleIdentifier());
        case GestureAction::Kind::openURL:
            return openURL(*action.url());
    }
    return false;
}

bool GestureActionDispatcher::dispatchPredefined(PredefinedAction command, std::uint64_t window) {
    switch (command) {
        case PredefinedAction::minimizeWindow:
            return workspace_->minimizeWindow(window);
        case PredefinedAction::hideApp:
            return workspace_->minimizeApplicationOf(window);
        default:
            break;
    }
    const auto shortcut = PredefinedActionCatalog::keyboardShortcut(command);
    return shortcut && keyboardDispatcher_->dispatchTo(*shortcut, window);
}

bool GestureActionDispatcher::openApp(const QString& bundleIdentifier) {
    const QString identifier = bundleIdentifier.trimmed();
    if (identifier.isEmpty()) {
        return false;
    }
    const auto application = workspace_->application(identifier);
    if (!application) {
        return false;
    }
    // Opening was requested; whether the program then starts is not observed.
    workspace_->openApplication(*application);
    return true;
}

bool GestureActionDispatcher::openURL(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return false;
    }
    const QUrl url(trimmed, QUrl::StrictMode);
    if (!url.isValid()) {
        return false;
    }
    return workspace_->openURL(url);
}

}  // namespace quillorbitex
