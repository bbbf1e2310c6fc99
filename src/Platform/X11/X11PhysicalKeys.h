#pragma once

#include <functional>
#include <optional>

#include "Platform/KeyEvent.h"

typedef struct _XDisplay Display;

namespace quillorbitex::x11 {

// Which key of the key-code table a hardware key is, from the server's keyboard map of the moment:
// the first keysym of the table among the key's shift levels in the group in force, else in the
// other groups in order. So Shift+1 is the 1 key (not "!"), and under a layout of another script
// its Latin group still names the key. Nothing for a key with no such keysym.
std::optional<VirtualKeyCode> virtualKeyCodeForKeycode(Display* display, unsigned keycode,
                                                       unsigned state);

// The same question for Qt's key events (native scan code = X keycode, native modifiers = the X
// state), asked on the X connection Qt runs on. Empty when Qt does not run on X11.
std::function<std::optional<VirtualKeyCode>(unsigned keycode, unsigned state)>
qtPhysicalKeyLookup();

}  // namespace quillorbitex::x11
