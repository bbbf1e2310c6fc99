#pragma once

#include <cstdint>

#include "Models/KeyboardShortcutDescriptor.h"

namespace quillorbitex {

// Sends one keyboard shortcut to the focused application.
class KeyboardShortcutDispatching {
public:
    virtual ~KeyboardShortcutDispatching() = default;
    // True when the key press was handed to the system; false when nothing or only part of it was
    // sent. Whether anything reacted is not observed.
    virtual bool dispatch(const KeyboardShortcutDescriptor& shortcut) = 0;
    // The same for `window` (FrontmostWindow::window; 0: the focused window), which gets the key
    // press even when the focus has followed the pointer to another window since.
    virtual bool dispatchTo(const KeyboardShortcutDescriptor& shortcut, std::uint64_t window) {
        static_cast<void>(window);
        return dispatch(shortcut);
    }
};

}  // namespace quillorbitex
