#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "Models/GestureAction.h"
#include "Models/KeyboardKeyToken.h"
#include "Models/KeyboardShortcutDescriptor.h"
#include "Models/ModifierKey.h"

namespace quillorbitex {

// Display texts of keys, shortcuts and actions, in the current language; computed on demand.
//
// Modifiers are named after the keys they are sent as on this desktop: Command is sent as Control
// and Option as Alt, so a shortcut never names a key the keyboard does not have. The names are the
// ones each language prints on its keys ("Strg" in German).

// The name of the key the modifier is sent as: Control for both Command and Control.
QString displayLabel(ModifierKey modifier);
// The keys a set of modifiers presses, in the order Control, Shift, Alt; Command and Control
// together press one Control, which is listed once (as `control`).
std::vector<ModifierKey> sentModifiers(const ModifierKeySet& modifiers);
// Letters upper case, digits and function keys as printed on the key, named keys translated.
QString displayLabel(KeyboardKeyToken key);
// The sent modifiers, then the key, joined by " + " (such as "Control + Shift + Tab").
QString displayLabel(const KeyboardShortcutDescriptor& shortcut);
// The texts of the key caps that show a shortcut: the short names printed on the sent modifier
// keys ("Ctrl", "Shift", "Alt"), then the key's label.
QStringList keyCapLabels(const KeyboardShortcutDescriptor& shortcut);

// What the action is: the shortcut, the command's name, or "Open <identifier or URL>".
QString displayLabel(const GestureAction& action);
// What will actually be sent: a ready-made command shows its shortcut, or its name when the
// window manager performs it.
QString executionLabel(const GestureAction& action);
// The kind of action, for the badge on a rule row.
QString kindLabel(const GestureAction& action);
// The sentence that describes what the action does, used as a new rule's notes.
QString defaultNotes(const GestureAction& action);

}  // namespace quillorbitex
