#pragma once

#include <string>

#include "Platform/EventPoster.h"

namespace quillorbitex::x11 {

// Synthetic input through XTest. A source has a connection of its own for key presses. A mouse
// event posted from inside a tap callback goes through that tap's connection instead, which
// replays the click without the tap catching it (see X11TapConnection).
//
// Key presses: the virtual key code becomes a keysym (a fixed table) and then a key of the current
// keymap; a keysym the keymap lacks is bound to a free key for the life of the source. The flags
// become modifier key presses around the key: command and control press Control, option Alt,
// shift Shift. Modifiers the user holds are released for the duration and pressed again after, so
// the application sees exactly the shortcut's modifiers.
class X11EventPoster final : public EventPoster {
public:
    // An empty name means $DISPLAY.
    explicit X11EventPoster(std::string displayName = {});

    // Nothing when the display does not open or has no XTEST.
    std::shared_ptr<EventSource> createSource() override;

private:
    const std::string displayName_;
};

}  // namespace quillorbitex::x11
