#pragma once

#include "Models/KeyboardShortcutDescriptor.h"

namespace quillorbitex {

// Sends one keyboard shortcut to the focused application.
class KeyboardShortcutDispatching {
public:
    virtual ~KeyboardShortcutDispatching() = default;
    // True when the key press was handed to the system; false when nothing or only part of it was
    // sent. Whether anything reacted is not observed.
    virtual bool dispatch(const KeyboardShortcutDescriptor& shortcut) = 0;
};

}  // namespace quillorbitex
