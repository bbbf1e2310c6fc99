#pragma once

#include <memory>

#include "Platform/EventPoster.h"
#include "Services/Keyboard/KeyboardShortcutDispatching.h"

namespace quillorbitex {

// Posts a shortcut as one key-down and one key-up carrying exactly the shortcut's modifiers.
class KeyboardShortcutDispatcher final : public KeyboardShortcutDispatching {
public:
    // Without an event source nothing is ever posted.
    explicit KeyboardShortcutDispatcher(std::shared_ptr<EventSource> eventSource);

    bool dispatch(const KeyboardShortcutDescriptor& shortcut) override;
    // Both events go out within one keyboard delivery to `window` (EventSource).
    bool dispatchTo(const KeyboardShortcutDescriptor& shortcut, std::uint64_t window) override;

private:
    const std::shared_ptr<EventSource> eventSource_;
};

}  // namespace quillorbitex
