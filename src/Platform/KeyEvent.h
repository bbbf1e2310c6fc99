#pragma once

#include <cstdint>

namespace quillorbitex {

// A key's position on the keyboard, numbered as on the ANSI layout of the system's key-code table
// (`a` is 0, `s` is 1); backends translate to and from their own key numbers.
using VirtualKeyCode = std::uint16_t;

// Modifier state of an event as a bit mask.
using EventFlags = std::uint64_t;

namespace EventFlag {
inline constexpr EventFlags shift = 0x20000;
inline constexpr EventFlags control = 0x40000;
inline constexpr EventFlags option = 0x80000;
inline constexpr EventFlags command = 0x100000;
}  // namespace EventFlag

// A key press as the interface reports it to the shortcut recorder.
struct KeyEvent {
    VirtualKeyCode keyCode = 0;
    EventFlags modifierFlags = 0;

    friend bool operator==(const KeyEvent&, const KeyEvent&) = default;
};

}  // namespace quillorbitex
