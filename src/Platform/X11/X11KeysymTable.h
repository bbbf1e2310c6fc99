#pragma once

#include <optional>

#include "Platform/KeyEvent.h"

namespace quillorbitex::x11 {

// X keysyms are 29-bit numbers; Xlib calls the type KeySym.
using Keysym = unsigned long;

// The keysym of each key that a shortcut can use, by virtual key code; nothing for other codes.
std::optional<Keysym> keysymForVirtualKeyCode(VirtualKeyCode keyCode);

}  // namespace quillorbitex::x11
