#include "Platform/X11/X11PhysicalKeys.h"

// Qt before Xlib: Xlib's macros (Bool, Status, None) break Qt's headers.
#include <QGuiApplication>
#include <array>
#include <memory>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include "Models/KeyboardKeyToken.h"
#include "Platform/X11/X11KeysymTable.h"
#include "Services/Keyboard/KeyCodeMap.h"

namespace quillorbitex::x11 {

namespace {

std::optional<VirtualKeyCode> virtualKeyCodeForKeysym(KeySym keysym) {
    for (const KeyboardKeyToken token : allCases<KeyboardKeyToken>()) {
        const VirtualKeyCode code = KeyCodeMap::keyCode(token);
        if (keysymForVirtualKeyCode(code) == keysym) {
            return code;
        }
    }
    return std::nullopt;
}

struct KeyboardFree {
    void operator()(XkbDescPtr xkb) const { XkbFreeKeyboard(xkb, 0, True); }
};

}  // namespace

std::optional<VirtualKeyCode> virtualKeyCodeForKeycode(Display* display, unsigned keycode,
                                                       unsigned state) {
    if (display == nullptr || keycode > 255) {
        return std::nullopt;
    }
    // Read from the server each time: a copy kept here would miss a layout switched meanwhile, and
    // this runs once per recorded key.
    const std::unique_ptr<XkbDescRec, KeyboardFree> xkb(
        XkbGetMap(display, XkbKeyTypesMask | XkbKeySymsMask, XkbUseCoreKbd));
    if (!xkb || !xkb->map || !xkb->map->types || keycode < xkb->min_key_code ||
        keycode > xkb->max_key_code) {
        return std::nullopt;
    }
    const auto code = static_cast<KeyCode>(keycode);
    const int groups = XkbKeyNumGroups(xkb.get(), code);
    if (groups <= 0) {
        return std::nullopt;
    }
    const int current = static_cast<int>(XkbGroupForCoreState(state)) % groups;
    for (int i = 0; i < groups; ++i) {
        const int group = (current + i) % groups;
        const int levels = XkbKeyGroupWidth(xkb.get(), code, group);
        for (int level = 0; level < levels; ++level) {
            if (const auto found =
                    virtualKeyCodeForKeysym(XkbKeySymEntry(xkb.get(), code, level, group))) {
                return found;
            }
        }
    }
    return std::nullopt;
}

std::function<std::optional<VirtualKeyCode>(unsigned keycode, unsigned state)>
qtPhysicalKeyLookup() {
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (display == nullptr) {
        return {};
    }
    return [display](unsigned keycode, unsigned state) {
        return virtualKeyCodeForKeycode(display, keycode, state);
    };
}

}  // namespace quillorbitex::x11
