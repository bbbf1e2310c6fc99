#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "Platform/Geometry.h"
#include "Platform/KeyEvent.h"

namespace quillorbitex {

enum class SyntheticEventType { secondaryButtonDown, secondaryButtonUp, keyDown, keyUp };

// An input event made by the program, filled in by the caller before it is posted.
struct SyntheticEvent {
    SyntheticEventType type = SyntheticEventType::keyDown;
    Point location;              // mouse events
    VirtualKeyCode keyCode = 0;  // keyboard events
    // Exactly the modifiers the receiver sees with the event.
    EventFlags flags = 0;
    std::int64_t clickState = 0;
    // Comes back in TapEvent::sourceUserData when the event reaches a tap of this program.
    std::int64_t sourceUserData = 0;

    friend bool operator==(const SyntheticEvent&, const SyntheticEvent&) = default;
};

// Makes and posts synthetic events into the system's input stream, as if they came from the
// hardware. A source is used by one thread at a time.
class EventSource {
public:
    virtual ~EventSource() = default;
    // Nothing when the event cannot be made.
    virtual std::optional<SyntheticEvent> makeMouseEvent(SyntheticEventType type,
                                                         Point location) = 0;
    virtual std::optional<SyntheticEvent> makeKeyboardEvent(VirtualKeyCode keyCode,
                                                            bool keyDown) = 0;
    // False when nothing was sent: the system is gone, or the event cannot be expressed with the
    // input devices it has now (such as a key that no key of the keyboard produces).
    virtual bool post(const SyntheticEvent& event) = 0;

    // The keyboard events posted from here to endKeyboardDelivery() are meant for `window` (the
    // platform's handle of a top-level window, FrontmostWindow::window; 0 for whichever window
    // has the focus). When the focus has moved from that window to the one under the pointer,
    // because the window manager's focus follows the pointer, they still reach `window`, and the
    // focus stays where the pointer took it. A window that is gone or hidden changes nothing.
    // Every begin is followed by one end.
    virtual void beginKeyboardDelivery(std::uint64_t window) { static_cast<void>(window); }
    virtual void endKeyboardDelivery() {}
};

// The platform's synthetic-input service.
class EventPoster {
public:
    virtual ~EventPoster() = default;
    // Nothing when the system offers no synthetic input.
    virtual std::shared_ptr<EventSource> createSource() = 0;
};

}  // namespace quillorbitex
