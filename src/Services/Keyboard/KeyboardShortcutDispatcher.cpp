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

bool KeyboardShortcutDispatcher::dispatchTo(const KeyboardShortcutDescriptor& shortcut,
                                            std::uint64_t window) {
    if (!eventSource_) {
        return false;
    }
    eventSource_->beginKeyboardDelivery(window);
    const bool sent = dispatch(shortcut);
    eventSource_->endKeyboardDelivery();
    return sent;
}

}  // namespace quillorbitex
