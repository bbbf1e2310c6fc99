#pragma once

#include "Models/KeyboardKeyToken.h"
#include "Models/ModifierKey.h"

namespace quillorbitex {

struct KeyboardShortcutDescriptor {
    KeyboardKeyToken key = KeyboardKeyToken::a;
    ModifierKeySet modifiers;

    static const KeyboardShortcutDescriptor refresh;
    static const KeyboardShortcutDescriptor previousTab;
    static const KeyboardShortcutDescriptor nextTab;

    friend bool operator==(const KeyboardShortcutDescriptor&,
                           const KeyboardShortcutDescriptor&) = default;
};

}  // namespace quillorbitex

template <>
struct std::hash<quillorbitex::KeyboardShortcutDescriptor> {
    std::size_t operator()(const quillorbitex::KeyboardShortcutDescriptor& s) const noexcept;
};
