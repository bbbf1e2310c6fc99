#pragma once

#include <optional>

#include "Models/KeyboardKeyToken.h"
#include "Models/ModifierKey.h"
#include "Platform/KeyEvent.h"

namespace quillorbitex {

// The fixed table between the key tokens of shortcuts and virtual key codes, and between
// modifier sets and event flags.
namespace KeyCodeMap {

VirtualKeyCode keyCode(KeyboardKeyToken token);
// The first token, in declaration order, with that code; nothing for keys without a token.
std::optional<KeyboardKeyToken> token(VirtualKeyCode keyCode);
EventFlags flags(const ModifierKeySet& modifiers);
// The modifiers whose flags are set in `flags`; every other flag is ignored.
ModifierKeySet modifiers(EventFlags flags);

}  // namespace KeyCodeMap

}  // namespace quillorbitex
