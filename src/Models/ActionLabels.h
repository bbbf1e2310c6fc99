#pragma once

#include <QString>

#include "Models/GestureAction.h"
#include "Models/KeyboardKeyToken.h"
#include "Models/KeyboardShortcutDescriptor.h"
#include "Models/ModifierKey.h"

namespace quillorbitex {

// Display texts of keys, shortcuts and actions, in the current language; computed on demand.

QString displayLabel(ModifierKey modifier);
// Letters upper case, digits and function keys as printed on the key, named keys translated.
QString displayLabel(KeyboardKeyToken key);
// The modifiers in display order, then the key, joined by " + ".
QString displayLabel(const KeyboardShortcutDescriptor& shortcut);

// What the action is: the shortcut, the command's name, or "Open <identifier or URL>".
QString displayLabel(const GestureAction& action);
// What will actually be sent: a ready-made command shows its shortcut.
QString executionLabel(const GestureAction& action);
// The kind of action, for the badge on a rule row.
QString kindLabel(const GestureAction& action);
// The sentence that describes what the action does, used as a new rule's notes.
QString defaultNotes(const GestureAction& action);

}  // namespace quillorbitex
