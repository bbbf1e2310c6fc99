#include "Models/KeyboardShortcutDescriptor.h"

#include "Platform/Hashing.h"
#include "Services/Keyboard/KeyCodeMap.h"

namespace quillorbitex {

const KeyboardShortcutDescriptor KeyboardShortcutDescriptor::refresh{KeyboardKeyToken::r,
                                                                     {ModifierKey::command}};
const KeyboardShortcutDescriptor KeyboardShortcutDescriptor::previousTab{
    KeyboardKeyToken::tab, {ModifierKey::control, ModifierKey::shift}};
const KeyboardShortcutDescriptor KeyboardShortcutDescriptor::nextTab{KeyboardKeyToken::tab,
                                                                     {ModifierKey::control}};

std::optional<KeyboardShortcutDescriptor> KeyboardShortcutDescriptor::fromKeyEvent(
    const KeyEvent& event) {
    const auto key = KeyCodeMap::token(event.keyCode);
    if (!key) {
        return std::nullopt;
    }
    return KeyboardShortcutDescriptor{*key, KeyCodeMap::modifiers(event.modifierFlags)};
}

}  // namespace quillorbitex

std::size_t std::hash<quillorbitex::KeyboardShortcutDescriptor>::operator()(
    const quillorbitex::KeyboardShortcutDescriptor& s) const noexcept {
    std::size_t seed = std::hash<std::string_view>{}(quillorbitex::rawValue(s.key));
    // A set iterates in one canonical order, so equal sets hash alike however they were built.
    for (const auto m : s.modifiers) {
        quillorbitex::hashCombine(seed, static_cast<int>(m));
    }
    return seed;
}
