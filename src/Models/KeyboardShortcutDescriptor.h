#pragma once

#include "Models/KeyboardKeyToken.h"
#include "Models/ModifierKey.h"
#include "Platform/KeyEvent.h"

#include <optional>

namespace quillorbitex {

struct KeyboardShortcutDescriptor {
    KeyboardKeyToken key = KeyboardKeyToken::a;
    ModifierKeySet modifiers;

    static const KeyboardShortcutDescriptor refresh;
    static const KeyboardShortcutDescriptor previousTab;
    static const KeyboardShortcutDescriptor nextTab;

    // The shortcut a key press records: its key with the command, control, option and shift
    // flags it carries (others, such as caps lock, are ignored); nothing for a key without a
    // token.
    static std::optional<KeyboardShortcutDescriptor> fromKeyEvent(const KeyEvent& event);

    friend bool operator==(const KeyboardShortcutDescriptor&,
                           const KeyboardShortcutDescriptor&) = default;
};

}  // namespace quillorbitex

template <>
struct std::hash<quillorbitex::KeyboardShortcutDescriptor> {
    std::size_t operator()(const quillorbitex::KeyboardShortcutDescriptor& s) const noexcept;
};
