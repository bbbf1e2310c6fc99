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

bool isMouseEvent(SyntheticEventType type) {
    return type == SyntheticEventType::secondaryButtonDown ||
           type == SyntheticEventType::secondaryButtonUp;
}

class X11EventSource final : public EventSource {
public:
    explicit X11EventSource(Display* display) : display_(display) {
        int opcode = 0;
        int errorBase = 0;
        int major = XkbMajorVersion;
        int minor = XkbMinorVersion;
        if (XkbQueryExtension(display_, &opcode, &xkbEventBase_, &errorBase, &major, &minor)) {
            const unsigned long changes = XkbNewKeyboardNotifyMask | XkbMapNotifyMask;
            XkbSelectEvents(display_, XkbUseCoreKbd, changes, changes);
        } else {
            xkbEventBase_ = -1;
        }
    }
    ~X11EventSource() override {
        std::lock_guard lock(mutex_);
        // Give the borrowed keys back their empty mapping, unless a keymap loaded since (another
        // layout) has taken them over already.
        for (const auto& [keysym, keycode] : temporaryBindings_) {
            if (connected() && serverKeysym(keycode) == keysym) {
                KeySym noSymbol = NoSymbol;
                XChangeKeyboardMapping(display_, keycode, 1, &noSymbol, 1);
            }
        }
        X11ErrorTrap::closeDisplay(display_);
    }
    X11EventSource(const X11EventSource&) = delete;
    X11EventSource& operator=(const X11EventSource&) = delete;

    std::optional<SyntheticEvent> makeMouseEvent(SyntheticEventType type, Point location) override {
        if (!isMouseEvent(type)) {
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

    bool post(const SyntheticEvent& event) override {
        const bool mouse = isMouseEvent(event.type);
        if (auto* tap = X11TapConnection::current(); mouse && tap) {
            return event.type == SyntheticEventType::secondaryButtonDown
                       ? tap->replayButtonPress(event.location, event.sourceUserData)
                       : tap->replayButtonRelease(event.sourceUserData);
        }
        std::lock_guard lock(mutex_);
        if (!connected()) {
            return false;
        }
        if (mouse) {
            postMouse(event);
            return finishRequests();
        }
        if (!followKeymapChanges()) {
            return false;
        }
        const bool sent = event.type == SyntheticEventType::keyDown
                              ? postKeyDown(event.keyCode, event.flags)
                              : postKeyUp(event.keyCode);
        return sent && finishRequests();
    }

    // The server is held from reading the focus until it is given back, so that no other client
    // (the window manager following the pointer) moves the focus in between: the keys go out
    // while `window` has it, and the focus ends where it was. Without moving the focus, the keys
    // reach the window it is on when the server handles them. XTest events are handled at once
    // (each request), in order with the focus changes around them.
    void beginKeyboardDelivery(std::uint64_t window) override {
        std::lock_guard lock(mutex_);
        delivery_ = {};
        if (window == 0 || !connected()) {
            return;
        }
        XGrabServer(display_);
        delivery_.holdsServer = true;
        const auto target = static_cast<Window>(window);
        Window focus = 0;
        int revertTo = RevertToParent;
        XGetInputFocus(display_, &focus, &revertTo);
        if (focusFollowedPointerAwayFrom(target, focus)) {
            XSetInputFocus(display_, target, RevertToParent, CurrentTime);
            XSync(display_, False);
            delivery_.movedFocus = X11ErrorTrap::takeLastError(display_) == 0 && connected();
            delivery_.previousFocus = focus;
            delivery_.previousRevertTo = revertTo;
        }
        // What failed here (the window went away) is no failure of the keys that follow.
        XSync(display_, False);
        X11ErrorTrap::takeLastError(display_);
    }

    void endKeyboardDelivery() override {
        std::lock_guard lock(mutex_);
        if (!delivery_.holdsServer) {
            return;
        }
        if (delivery_.movedFocus && connected()) {
            XSetInputFocus(display_, delivery_.previousFocus, delivery_.previousRevertTo,
                           CurrentTime);
        }
        if (connected()) {
            XUngrabServer(display_);
            XSync(display_, False);
            X11ErrorTrap::takeLastError(display_);
        }
        delivery_ = {};
    }

private:
    struct KeyboardDelivery {
        bool holdsServer = false;
        bool movedFocus = false;
        Window previousFocus = 0;
        int previousRevertTo = RevertToParent;
    };

    // The child of the root that holds `window` (its frame, under a reparenting window manager);
    // 0 when the window is gone or is the root.
    Window topLevelOf(Window window) {
        const Window root = DefaultRootWindow(display_);
        while (window != 0 && window != root) {
            Window rootReturn = 0;
            Window parent = 0;
            Window* children = nullptr;
            unsigned count = 0;
            if (XQueryTree(display_, window, &rootReturn, &parent, &children, &count) == 0) {
                return 0;
            }
            if (children != nullptr) {
                XFree(children);
            }
            if (parent == root) {
                return window;
            }
            window = parent;
        }
        return 0;
    }

    // Whether the focus is off `target` and on the window under the pointer (or follows the
    // pointer itself), while `target` is still shown: the focus went where the pointer went, and
    // keys meant for `target` must be taken there. Focus on another window that is not under the
    // pointer (a dialog that came up) is left alone.
    bool focusFollowedPointerAwayFrom(Window target, Window focus) {
        const Window targetTop = topLevelOf(target);
        XWindowAttributes attributes{};
        if (targetTop == 0 || XGetWindowAttributes(display_, target, &attributes) == 0 ||
            attributes.map_state != IsViewable) {
            return false;
        }
        if (focus == None) {
            return false;
        }
        if (focus == PointerRoot) {
            return true;
        }
        const Window focusTop = topLevelOf(focus);
        if (focusTop == targetTop) {
            return false;
        }
        Window rootReturn = 0;
        Window underPointer = 0;
        int rootX = 0;
        int rootY = 0;
        int x = 0;
        int y = 0;
        unsigned mask = 0;
        XQueryPointer(display_, DefaultRootWindow(display_), &rootReturn, &underPointer, &rootX,
                      &rootY, &x, &y, &mask);
        return focusTop != 0 && focusTop == underPointer;
    }

    // What a key-down changed, for its key-up to undo.
    struct HeldKeyPress {
        VirtualKeyCode virtualKey = 0;
        KeyCode key = 0;
        std::vector<KeyCode> pressedModifiers;
        std::vector<KeyCode> releasedHeldModifiers;
    };

    // Waits until the server has handled what this post sent. False when a request failed or
    // the connection was lost meanwhile: then the event did not arrive.
    bool finishRequests() {
        XSync(display_, False);
        return X11ErrorTrap::takeLastError(display_) == 0 && connected();
    }

    // Once the connection is lost, Xlib's keymap tables must not be used any more.
    bool connected() const { return !X11ErrorTrap::isBroken(display_); }

    // Xlib answers keysym and keycode questions from its own copy of the keymap, which it only
    // brings up to date when it reads the server's notice of a change. Nothing else reads this
    // connection, so the notices are read here, after a round trip that makes sure every change
    // made before this post (a switch to another layout) has been announced.
    // False when the connection is lost.
    bool followKeymapChanges() {
        XSync(display_, False);
        while (connected() && XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
            if (event.type == MappingNotify) {
                XRefreshKeyboardMapping(&event.xmapping);
            } else if (xkbEventBase_ >= 0 && event.type == xkbEventBase_) {
                auto* xkbEvent = reinterpret_cast<XkbEvent*>(&event);
                if (xkbEvent->any.xkb_type == XkbMapNotify) {
                    XkbRefreshKeyboardMapping(&xkbEvent->map);
                }
            }
        }
        return connected();
    }

    // Outside a tap callback, on our own connection. A running tap of this program catches it.
    void postMouse(const SyntheticEvent& event) {
        const bool down = event.type == SyntheticEventType::secondaryButtonDown;
        if (down) {
            XTestFakeMotionEvent(display_, -1, static_cast<int>(std::lround(event.location.x)),
                                 static_cast<int>(std::lround(event.location.y)), CurrentTime);
        }
        XTestFakeButtonEvent(display_, Button3, down ? True : False, CurrentTime);
    }

    // False when no key can make the key's keysym, or the connection was lost while looking.
    bool postKeyDown(VirtualKeyCode virtualKey, EventFlags flags) {
        const auto keysym = keysymForVirtualKeyCode(virtualKey);
        HeldKeyPress press;
        press.virtualKey = virtualKey;
        press.key = keysym ? keycodeFor(*keysym) : 0;
        if (press.key == 0) {
            return false;
        }
        press.releasedHeldModifiers = heldModifierKeys();
        if (!connected()) {
            return false;
        }
        for (const KeyCode held : press.releasedHeldModifiers) {
            XTestFakeKeyEvent(display_, held, False, CurrentTime);
        }
        for (const KeySym modifier : modifierKeysyms(flags)) {
            if (const KeyCode code = XKeysymToKeycode(display_, modifier); code != 0) {
                XTestFakeKeyEvent(display_, code, True, CurrentTime);
                press.pressedModifiers.push_back(code);
            }
        }
        XTestFakeKeyEvent(display_, press.key, True, CurrentTime);
        pendingPresses_.push_back(std::move(press));
        return true;
    }

    // Releases the keys that the matching key-down pressed, even when the keymap has changed in
    // between; false when there is nothing to release.
    bool postKeyUp(VirtualKeyCode virtualKey) {
        const auto pending =
            std::find_if(pendingPresses_.begin(), pendingPresses_.end(),
                         [&](const HeldKeyPress& press) { return press.virtualKey == virtualKey; });
        if (pending == pendingPresses_.end()) {
            const auto keysym = keysymForVirtualKeyCode(virtualKey);
            const KeyCode key = keysym ? XKeysymToKeycode(display_, *keysym) : 0;
            if (key == 0) {
                return false;
            }
            XTestFakeKeyEvent(display_, key, False, CurrentTime);
            return true;
        }
        XTestFakeKeyEvent(display_, pending->key, False, CurrentTime);
        for (auto it = pending->pressedModifiers.rbegin(); it != pending->pressedModifiers.rend();
             ++it) {
            XTestFakeKeyEvent(display_, *it, False, CurrentTime);
        }
        for (const KeyCode held : pending->releasedHeldModifiers) {
            XTestFakeKeyEvent(display_, held, True, CurrentTime);
        }
        pendingPresses_.erase(pending);
        return true;
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
        if (!connected()) {
            return held;
        }
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

    // The key that makes `keysym` in the keymap in force, or a free key bound to it. A binding
    // made earlier is used only while the server still has it: a keymap loaded since (another
    // layout) replaces it.
    KeyCode keycodeFor(Keysym keysym) {
        if (const KeyCode code = XKeysymToKeycode(display_, keysym); code != 0) {
            return code;
        }
        if (const auto bound = temporaryBindings_.find(keysym);
            bound != temporaryBindings_.end() && serverKeysym(bound->second) == keysym) {
            return bound->second;
        }
        if (!connected()) {
            return 0;
        }
        const KeyCode free = freeKeycode();
        if (free == 0) {
            return 0;
        }
        KeySym symbol = keysym;
        XChangeKeyboardMapping(display_, free, 1, &symbol, 1);
        XSync(display_, False);
        if (X11ErrorTrap::takeLastError(display_) != 0 || !connected()) {
            return 0;
        }
        temporaryBindings_[keysym] = free;
        return free;
    }

    // The first keysym of `keycode` as the server has it now.
    Keysym serverKeysym(KeyCode keycode) {
        int perKeycode = 0;
        KeySym* symbols = XGetKeyboardMapping(display_, keycode, 1, &perKeycode);
        if (!symbols) {
            return NoSymbol;
        }
        const Keysym first = perKeycode > 0 ? symbols[0] : NoSymbol;
        XFree(symbols);
        return first;
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
    // The event number of the keyboard extension's notices; -1 without the extension.
    int xkbEventBase_ = -1;
    std::mutex mutex_;
    std::vector<HeldKeyPress> pendingPresses_;
    KeyboardDelivery delivery_;
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
