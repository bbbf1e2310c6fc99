#include "Services/Keyboard/KeyCodeMap.h"

#include <gtest/gtest.h>

#include <set>

#include "Models/KeyboardShortcutDescriptor.h"

namespace quillorbitex {
namespace {

using K = KeyboardKeyToken;
using M = ModifierKey;

TEST(KeyCodeMap, GivesEveryTokenItsOwnCodeAndFindsItBack) {
    std::set<VirtualKeyCode> codes;
    for (const auto token : allCases<KeyboardKeyToken>()) {
        const auto code = KeyCodeMap::keyCode(token);
        codes.insert(code);
        EXPECT_EQ(KeyCodeMap::token(code), token) << rawValue(token);
    }
    EXPECT_EQ(codes.size(), allCases<KeyboardKeyToken>().size());
    EXPECT_EQ(KeyCodeMap::token(10), std::nullopt);
    EXPECT_EQ(KeyCodeMap::token(0xffff), std::nullopt);
}

TEST(KeyCodeMap, ModifiersBecomeFlagsAndOtherFlagsAreIgnored) {
    constexpr EventFlags capsLock = 0x10000;
    constexpr EventFlags numericPad = 0x200000;
    EXPECT_EQ(KeyCodeMap::flags({}), 0u);
    EXPECT_EQ(KeyCodeMap::flags({M::control, M::shift}), EventFlag::control | EventFlag::shift);
    const ModifierKeySet all{M::command, M::control, M::option, M::shift};
    EXPECT_EQ(KeyCodeMap::modifiers(KeyCodeMap::flags(all) | capsLock | numericPad), all);
    EXPECT_EQ(KeyCodeMap::modifiers(EventFlag::option | capsLock), ModifierKeySet{M::option});

    // A recorded key press keeps its key and modifiers only.
    const auto r = KeyCodeMap::keyCode(K::r);
    EXPECT_EQ(KeyboardShortcutDescriptor::fromKeyEvent({r, EventFlag::command | capsLock}),
              (KeyboardShortcutDescriptor{K::r, {M::command}}));
    EXPECT_EQ(KeyboardShortcutDescriptor::fromKeyEvent({r, 0}),
              (KeyboardShortcutDescriptor{K::r, {}}));
    EXPECT_EQ(KeyboardShortcutDescriptor::fromKeyEvent({10, EventFlag::command}), std::nullopt);
}

}  // namespace
}  // namespace quillorbitex
