#include "Services/Keyboard/KeyCodeMap.h"

#include <gtest/gtest.h>

#include <set>

#include "Models/KeyboardShortcutDescriptor.h"

namespace quillorbitex {
namespace {

using K = KeyboardKeyToken;

TEST(KeyCodeMap, GivesEveryTokenItsOwnCodeAndFindsItBack) {
    EXPECT_EQ(KeyCodeMap::keyCode(K::a), 0);
    EXPECT_EQ(KeyCodeMap::keyCode(K::s), 1);
    EXPECT_EQ(KeyCodeMap::keyCode(K::tab), 48);
    EXPECT_EQ(KeyCodeMap::keyCode(K::deleteKey), 51) << "backspace, not forward delete";
    EXPECT_EQ(KeyCodeMap::keyCode(K::f1), 122);
    EXPECT_EQ(KeyCodeMap::keyCode(K::upArrow), 126);
    EXPECT_EQ(KeyCodeMap::token(0), K::a);
    EXPECT_EQ(KeyCodeMap::token(53), K::escape);
    EXPECT_EQ(KeyCodeMap::token(10), std::nullopt);
    EXPECT_EQ(KeyCodeMap::token(0xffff), std::nullopt);

    std::set<VirtualKeyCode> codes;
    for (const auto token : allCases<KeyboardKeyToken>()) {
        const auto code = KeyCodeMap::keyCode(token);
        codes.insert(code);
        EXPECT_EQ(KeyCodeMap::token(code), token) << rawValue(token);
    }
    EXPECT_EQ(codes.size(), 57u);
}

TEST(KeyCodeMap, ConvertsBetweenModifierSetsAndFlags) {
    EXPECT_EQ(KeyCodeMap::flags({}), 0u);
    EXPECT_EQ(KeyCodeMap::flags({ModifierKey::control, ModifierKey::shift}), 0x60000u);
    EXPECT_EQ(KeyCodeMap::flags({ModifierKey::command, ModifierKey::control, ModifierKey::option,
                                 ModifierKey::shift}),
              0x1e0000u);
    constexpr EventFlags capsLock = 0x10000;
    constexpr EventFlags numericPad = 0x200000;
    EXPECT_EQ(KeyCodeMap::modifiers(EventFlag::option | capsLock | numericPad),
              ModifierKeySet{ModifierKey::option});
}

TEST(KeyboardShortcutDescriptor, IsRecordedFromAKeyPressIgnoringOtherFlags) {
    constexpr EventFlags capsLock = 0x10000;
    const auto r = KeyCodeMap::keyCode(K::r);
    EXPECT_EQ(KeyboardShortcutDescriptor::fromKeyEvent({r, EventFlag::command | capsLock}),
              (KeyboardShortcutDescriptor{K::r, {ModifierKey::command}}));
    EXPECT_EQ(KeyboardShortcutDescriptor::fromKeyEvent({r, 0}),
              (KeyboardShortcutDescriptor{K::r, {}}));
    EXPECT_EQ(KeyboardShortcutDescriptor::fromKeyEvent(
                  {KeyCodeMap::keyCode(K::tab), EventFlag::control | EventFlag::shift}),
              KeyboardShortcutDescriptor::previousTab);
    EXPECT_EQ(KeyboardShortcutDescriptor::fromKeyEvent({10, EventFlag::command}), std::nullopt);
}

}  // namespace
}  // namespace quillorbitex
