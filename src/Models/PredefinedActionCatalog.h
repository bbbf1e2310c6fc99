#pragma once

#include <QString>
#include <optional>

#include "Models/KeyboardShortcutDescriptor.h"
#include "Models/PredefinedAction.h"

namespace quillorbitex {

// What each ready-made command sends, and the sentence that describes it.
class PredefinedActionCatalog final {
public:
    PredefinedActionCatalog() = delete;

    // The shortcut the command sends; nothing for minimizeWindow and hideApp, which the window
    // manager performs.
    static std::optional<KeyboardShortcutDescriptor> keyboardShortcut(PredefinedAction action);
    static QString defaultNotes(PredefinedAction action);
};

}  // namespace quillorbitex
