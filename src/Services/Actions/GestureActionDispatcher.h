#pragma once

#include <memory>

#include "Platform/Workspace.h"
#include "Services/Actions/GestureActionDispatching.h"
#include "Services/Keyboard/KeyboardShortcutDispatching.h"

namespace quillorbitex {

// Performs actions: shortcuts and ready-made commands go to the keyboard dispatcher, applications,
// URLs and the two minimizing commands to the workspace. Runs on the final-recognition queue; keeps
// nothing between calls.
class GestureActionDispatcher final : public GestureActionDispatching {
public:
    // Both collaborators are required; constructing without one ends the program at once.
    GestureActionDispatcher(std::shared_ptr<KeyboardShortcutDispatching> keyboardDispatcher,
                            std::shared_ptr<Workspace> workspace);

    bool dispatch(const GestureAction& action) override;
    bool dispatchTo(const GestureAction& action, std::uint64_t window) override;

private:
    bool dispatchPredefined(PredefinedAction command, std::uint64_t window);
    bool openApp(const QString& bundleIdentifier);
    bool openURL(const QString& text);

    std::shared_ptr<KeyboardShortcutDispatching> keyboardDispatcher_;
    std::shared_ptr<Workspace> workspace_;
};

}  // namespace quillorbitex
