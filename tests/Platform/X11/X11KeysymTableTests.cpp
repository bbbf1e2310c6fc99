#include "Platform/X11/X11KeysymTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "Services/Keyboard/KeyCodeMap.h"

// Last: its macros (None, Bool, ...) clash with names in the headers above.
#include <X11/Xlib.h>

namespace quillorbitex {
namespace {

// The keysym's own name for each token that is not named like its keysym.
std::string expectedKeysymName(KeyboardKeyToken token) {
    static const std::map<KeyboardKeyToken, std::string> named = {
        {KeyboardKeyToken::tab, "Tab"},
        {KeyboardKeyToken::space, "space"},
        {KeyboardKeyToken::returnKey, "Return"},
        {KeyboardKeyToken::escape, "Escape"},
        {KeyboardKeyToken::deleteKey, "BackSpace"},
        {KeyboardKeyToken::upArrow, "Up"},
        {KeyboardKeyToken::downArrow, "Down"},
        {KeyboardKeyToken::leftArrow, "Left"},
        {KeyboardKeyToken::rightArrow, "Right"},
    };
    if (const auto it = named.find(token); it != named.end()) {
        return it->second;
    }
    static const std::vector<std::string> digits = {"zero", "one", "two",   "three", "four",
                                                    "five", "six", "seven", "eight", "nine"};
    std::string name(rawValue(token));
    if (const auto digit = std::ranges::find(digits, name); digit != digits.end()) {
        return std::to_string(digit - digits.begin());
    }
    if (name.size() > 1 && name[0] == 'f') {
        name[0] = 'F';  // function keys
    }
    return name;
}

TEST(X11KeysymTable, MapsTheCodeOfEveryTokenToTheKeysymOfThatKey) {
    std::set<x11::Keysym> keysyms;
    for (const auto token : allCases<KeyboardKeyToken>()) {
        const auto keysym = x11::keysymForVirtualKeyCode(KeyCodeMap::keyCode(token));
        ASSERT_TRUE(keysym) << rawValue(token);
        const char* name = XKeysymToString(*keysym);
        ASSERT_NE(name, nullptr) << rawValue(token);
        EXPECT_EQ(name, expectedKeysymName(token)) << rawValue(token);
        keysyms.insert(*keysym);
    }
    EXPECT_EQ(keysyms.size(), 57u);
    EXPECT_FALSE(x11::keysymForVirtualKeyCode(10));
}

}  // namespace
}  // namespace quillorbitex
