#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "Platform/X11/X11PhysicalKeys.h"
#include "support/X11TestSession.h"

// Last: Xlib's macros must not reach the headers above.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace quillorbitex {
namespace {

struct KeyCase {
    const char* label;
    // The key is found by a symbol it carries in the layout.
    KeySym carrying;
    unsigned state;
    std::optional<VirtualKeyCode> expected;
};

struct LayoutCase {
    std::vector<std::string> setxkbmap;
    std::vector<KeyCase> keys;
};

unsigned group(unsigned index) {
    return index << 13;
}

TEST(PhysicalKeys, EachHardwareKeyIsTheKeyItCarriesNotTheCharacterItTypes) {
    testing::X11TestSession session({.windowManager = false});
    ASSERT_TRUE(session.started());
    const std::vector<LayoutCase> layouts = {
        {{"-layout", "us"},
         {
             {"Shift+1 is the 1 key", XK_exclam, ShiftMask, 18},
             {"Control+Shift+K", XK_k, ShiftMask | ControlMask, 40},
             {"Shift+Tab", XK_Tab, ShiftMask, 48},
             {"backspace", XK_BackSpace, 0, 51},
             {"punctuation", XK_comma, 0, std::nullopt},
             {"the numeric pad's Enter", XK_KP_Enter, 0, std::nullopt},
         }},
        // The key that types z on a German keyboard is z, wherever it sits.
        {{"-layout", "de"}, {{"German z", XK_z, 0, 6}, {"German y", XK_y, 0, 16}}},
        // On AZERTY the digits are the shifted level of the top row.
        {{"-layout", "fr"}, {{"French 1", XK_ampersand, 0, 18}, {"French a", XK_a, 0, 0}}},
        // A Cyrillic layout in front: the Latin group still names the key.
        {{"-layout", "ru,us"},
         {{"Cyrillic ka is the R key", XK_Cyrillic_ka, group(0), 15},
          {"in the second group", XK_Cyrillic_ka, group(1), 15}}},
    };
    for (const LayoutCase& layout : layouts) {
        std::vector<std::string> command = {"setxkbmap"};
        command.insert(command.end(), layout.setxkbmap.begin(), layout.setxkbmap.end());
        ASSERT_TRUE(session.run(command));
        Display* display = XOpenDisplay(session.displayName().c_str());
        ASSERT_NE(display, nullptr);
        for (const KeyCase& key : layout.keys) {
            SCOPED_TRACE(key.label);
            const KeyCode keycode = XKeysymToKeycode(display, key.carrying);
            ASSERT_NE(keycode, 0);
            EXPECT_EQ(x11::virtualKeyCodeForKeycode(display, keycode, key.state), key.expected);
        }
        XCloseDisplay(display);
    }
}

}  // namespace
}  // namespace quillorbitex
