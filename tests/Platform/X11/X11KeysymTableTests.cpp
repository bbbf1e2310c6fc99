#include "Platform/X11/X11KeysymTable.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "Services/Keyboard/KeyCodeMap.h"

// Last: its macros (None, Bool, ...) clash with names in the headers above.
#include <X11/Xlib.h>

namespace quillorbitex {
namespace {

// The keysym's own name for each token that is not named like its keysym.
std::string expectedKeysymName(KeyboardKeyToken token) {
    static const std::map<KeyboardKeyToken, std::string> named = {
        {KeyboardKeyToken::zero, "0"},
        {KeyboardKeyToken::one, "1"},
        {KeyboardKeyToken::two, "2"},
        {KeyboardKeyToken::three, "3"},
        {KeyboardKeyToken::four, "4"},
        {KeyboardKeyToken::five, "5"},
        {KeyboardKeyToken::six, "6"},
        {KeyboardKeyToken::seven, "7"},
        {KeyboardKeyToken::eight, "8"},
        {KeyboardKeyToken::nine, "9"},
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
    std::string name(rawValue(token));
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
