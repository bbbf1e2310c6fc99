#include "Services/Keyboard/KeyboardShortcutDispatcher.h"

#include "Services/Keyboard/KeyCodeMap.h"

namespace quillorbitex {

KeyboardShortcutDispatcher::KeyboardShortcutDispatcher(std::shared_ptr<EventSource> eventSource)
    : eventSource_(std::move(eventSource)) {}

bool KeyboardShortcutDispatcher::dispatch(const KeyboardShortcutDescriptor& shortcut) {
    if (!eventSource_) {
        return false;
    }
    const VirtualKeyCode code = KeyCodeMap::keyCode(shortcut.key);
    auto keyDown = eventSource_->makeKeyboardEvent(code, true);
    if (!keyDown) {
        return false;
    }
    auto keyUp = eventSource_->makeKeyboardEvent(code, false);
    if (!keyUp) {
        return false;
    }
    const EventFlags flags = KeyCodeMap::flags(shortcut.modifiers);
    keyDown->flags = flags;
    keyUp->flags = flags;
    // A key-down that did not arrive leaves nothing to release.
    return eventSource_->post(*keyDown) && eventSource_->post(*keyUp);
}

}  // namespace quillorbitex
