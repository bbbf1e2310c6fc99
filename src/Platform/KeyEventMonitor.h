#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "Platform/KeyEvent.h"

namespace quillorbitex {

// Hears the key presses addressed to this program's own windows before any window or control
// gets them. While a handler is installed every key press is taken: nothing else sees it. Only
// real key presses are reported: a modifier pressed on its own and the repeats of a held key are
// not (they are taken all the same, so they cannot type). Main thread only.
class KeyEventMonitor {
public:
    using Token = std::uint64_t;
    // Runs on the main thread for each key press. It may remove its own or any other handler
    // while it runs.
    using Handler = std::function<void(const KeyEvent&)>;

    // The code a key press carries when its key has none in the key-code table (punctuation, the
    // numeric pad, keys of other scripts); no shortcut token has this code.
    static constexpr VirtualKeyCode unmappedKeyCode = 0xFFFF;

    virtual ~KeyEventMonitor() = default;

    // Nothing when the platform cannot install one.
    virtual std::optional<Token> addKeyDownMonitor(Handler handler) = 0;
    // Removing a token twice, or one never given, does nothing.
    virtual void removeMonitor(Token token) = 0;
};

}  // namespace quillorbitex
