#include "Platform/X11/X11EventPoster.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <vector>

#include "Platform/X11/X11ErrorTrap.h"
#include "Platform/X11/X11EventTap.h"
#include "Platform/X11/X11KeysymTable.h"

namespace quillorbitex::x11 {

namespace {

bool isLockingKeysym(KeySym keysym) {
    switch (keysym) {
        case XK_Caps_Lock:
        case XK_Shift_Lock:
        case XK_Num_Lock:
        case XK_Scroll_Lock:
        case XK_ISO_Lock:
        case XK_ISO_Level3_Lock:
        case XK_ISO_Level5_Lock:
        case XK_ISO_Group_Lock:
            return true;
        default:
            return false;
    }
}

class X11EventSource final : public EventSource {
public:
    explicit X11EventSource(Display* display) : display_(display) {}
    ~X11EventSource() override {
        std::lock_guard lock(mutex_);
        // Give the borrowed keys back their empty mapping.
        for (const auto& [keysym, keycode] : temporaryBindings_) {
            KeySym noSymbol = NoSymbol;
            XChangeKeyboardMapping(display_, keycode, 1, &noSymbol, 1);
        }
        X11ErrorTrap::closeDisplay(display_);
    }
    X11EventSource(const X11EventSource&) = delete;
    X11EventSource& operator=(const X11EventSource&) = delete;

    std::optional<SyntheticEvent> makeMouseEvent(SyntheticEventType type, Point location) override {
        if (type != SyntheticEventType::secondaryButtonDown &&
            type != SyntheticEventType::secondaryButtonUp) {
            return std::nullopt;
        }
        SyntheticEvent event;
        event.type = type;
        event.location = location;
        return event;
    }

    std::optional<SyntheticEvent> makeKeyboardEvent(VirtualKeyCode keyCode, bool keyDown) override {
        if (!keysymForVirtualKeyCode(keyCode)) {
            return std::nullopt;
        }
        SyntheticEvent event;
        event.type = keyDown ? SyntheticEventType::keyDown : SyntheticEventType::keyUp;
        event.keyCode = keyCode;
        return event;
    }

    void post(const SyntheticEvent& event) override {
        const bool mouse = event.type == SyntheticEventType::secondaryButtonDown ||
                           event.type == SyntheticEventType::secondaryButtonUp;
        if (auto* tap = X11TapConnection::current(); mouse && tap) {
            if (event.type == SyntheticEventType::secondaryButtonDown) {
                tap->replayButtonPress(event.location, event.sourceUserData);
            } else {
                tap->replayButtonRelease(event.sourceUserData);
            }
            return;
        }
        std::lock_guard lock(mutex_);
        if (X11ErrorTrap::isBroken(display_)) {
            return;
        }
        if (mouse) {
            postMouse(event);
            return;
        }
        const auto keysym = keysymForVirtualKeyCode(event.keyCode);
        const KeyCode key = keysym ? keycodeFor(*keysym) : 0;
        if (key == 0) {
            return;
        }
        if (event.type == SyntheticEventType::keyDown) {
            postKeyDown(key, event.flags);
        } else {
            postKeyUp(key);
        }
        XSync(display_, False);
    }

private:
    // What a key-down changed, for its key-up to undo.
    struct HeldKeyPress {
        KeyCode key = 0;
        std::vector<KeyCode> pressedModifiers;
        std::vector<KeyCode> releasedHeldModifiers;
    };

    // Outside a tap callback, on our own connection. A running tap of this program catches it.
    void postMouse(const SyntheticEvent& event) {
        const bool down = event.type == SyntheticEventType::secondaryButtonDown;
        if (down) {
            XTestFakeMotionEvent(display_, -1, static_cast<int>(std::lround(event.location.x)),
                                 static_cast<int>(std::lround(event.location.y)), CurrentTime);
        }
        XTestFakeButtonEvent(display_, Button3, down ? True : False, CurrentTime);
        XSync(display_, False);
    }

    void postKeyDown(KeyCode key, EventFlags flags) {
        HeldKeyPress press;
        press.key = key;
        press.releasedHeldModifiers = heldModifierKeys();
        for (const KeyCode held : press.releasedHeldModifiers) {
            XTestFakeKeyEvent(display_, held, False, CurrentTime);
        }
        for (const KeySym modifier : modifierKeysyms(flags)) {
            if (const KeyCode code = XKeysymToKeycode(display_, modifier); code != 0) {
                XTestFakeKeyEvent(display_, code, True, CurrentTime);
                press.pressedModifiers.push_back(code);
            }
        }
        XTestFakeKeyEvent(display_, key, True, CurrentTime);
        pendingPresses_.push_back(std::move(press));
    }

    void postKeyUp(KeyCode key) {
        XTestFakeKeyEvent(display_, key, False, CurrentTime);
        const auto pending =
            std::find_if(pendingPresses_.begin(), pendingPresses_.end(),
                         [&](const HeldKeyPress& press) { return press.key == key; });
        if (pending == pendingPresses_.end()) {
            return;
        }
        for (auto it = pending->pressedModifiers.rbegin(); it != pending->pressedModifiers.rend();
             ++it) {
            XTestFakeKeyEvent(display_, *it, False, CurrentTime);
        }
        for (const KeyCode held : pending->releasedHeldModifiers) {
            XTestFakeKeyEvent(display_, held, True, CurrentTime);
        }
        pendingPresses_.erase(pending);
    }

    // Command and control both press Control, so that shortcuts written for the Command key do
    // here what they do elsewhere (Command+R refreshes).
    static std::vector<KeySym> modifierKeysyms(EventFlags flags) {
        std::vector<KeySym> keysyms;
        if (flags & (EventFlag::command | EventFlag::control)) {
            keysyms.push_back(XK_Control_L);
        }
        if (flags & EventFlag::option) {
            keysyms.push_back(XK_Alt_L);
        }
        if (flags & EventFlag::shift) {
            keysyms.push_back(XK_Shift_L);
        }
        return keysyms;
    }

    // Modifier keys that are down now (the user's, or another program's), without lock keys:
    // pressing those again would toggle them.
    std::vector<KeyCode> heldModifierKeys() {
        char keys[32] = {};
        XQueryKeymap(display_, keys);
        std::vector<KeyCode> held;
        XModifierKeymap* map = XGetModifierMapping(display_);
        if (!map) {
            return held;
        }
        for (int modifier = 0; modifier < 8; ++modifier) {
            if (modifier == LockMapIndex) {
                continue;
            }
            for (int i = 0; i < map->max_keypermod; ++i) {
                const KeyCode code = map->modifiermap[modifier * map->max_keypermod + i];
                const bool down = code != 0 && (keys[code / 8] & (1 << (code % 8))) != 0;
                if (!down || isLockingKeysym(XkbKeycodeToKeysym(display_, code, 0, 0)) ||
                    std::find(held.begin(), held.end(), code) != held.end()) {
                    continue;
                }
                held.push_back(code);
            }
        }
        XFreeModifiermap(map);
        return held;
    }

    KeyCode keycodeFor(Keysym keysym) {
        if (const KeyCode code = XKeysymToKeycode(display_, keysym); code != 0) {
            return code;
        }
        if (const auto bound = temporaryBindings_.find(keysym); bound != temporaryBindings_.end()) {
            return bound->second;
        }
        const KeyCode free = freeKeycode();
        if (free == 0) {
            return 0;
        }
        KeySym symbol = keysym;
        XChangeKeyboardMapping(display_, free, 1, &symbol, 1);
        XSync(display_, False);
        temporaryBindings_[keysym] = free;
        return free;
    }

    // A key without any keysym, from the top of the range where keyboards rarely have keys.
    KeyCode freeKeycode() {
        int minKeycode = 0;
        int maxKeycode = 0;
        XDisplayKeycodes(display_, &minKeycode, &maxKeycode);
        int perKeycode = 0;
        KeySym* mapping = XGetKeyboardMapping(display_, static_cast<KeyCode>(minKeycode),
                                              maxKeycode - minKeycode + 1, &perKeycode);
        if (!mapping) {
            return 0;
        }
        KeyCode found = 0;
        for (int code = maxKeycode; code >= minKeycode && found == 0; --code) {
            const KeySym* symbols = mapping + (code - minKeycode) * perKeycode;
            if (std::all_of(symbols, symbols + perKeycode,
                            [](KeySym s) { return s == NoSymbol; })) {
                found = static_cast<KeyCode>(code);
            }
        }
        XFree(mapping);
        return found;
    }

    Display* const display_;
    std::mutex mutex_;
    std::vector<HeldKeyPress> pendingPresses_;
    std::map<Keysym, KeyCode> temporaryBindings_;
};

}  // namespace

X11EventPoster::X11EventPoster(std::string displayName) : displayName_(std::move(displayName)) {}

std::shared_ptr<EventSource> X11EventPoster::createSource() {
    Display* display = X11ErrorTrap::openDisplayWithXTest(displayName_);
    if (!display) {
        return nullptr;
    }
    return std::make_shared<X11EventSource>(display);
}

}  // namespace quillorbitex::x11
