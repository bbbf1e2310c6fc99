#pragma once

#include <QString>

#include "Models/KeyboardShortcutDescriptor.h"
#include "Models/PredefinedAction.h"

namespace quillorbitex {

// What each ready-made command sends, and the sentence that describes it.
class PredefinedActionCatalog final {
public:
    PredefinedActionCatalog() = delete;

    static KeyboardShortcutDescriptor keyboardShortcut(PredefinedAction action);
    static QString defaultNotes(PredefinedAction action);
};

}  // namespace quillorbitex
