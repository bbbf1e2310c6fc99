#include "Services/Keyboard/KeyboardShortcutDispatcher.h"

#include <gtest/gtest.h>

#include "Services/Keyboard/KeyCodeMap.h"
#include "support/RecordingEventPoster.h"

namespace quillorbitex {
namespace {

using K = KeyboardKeyToken;
using Type = SyntheticEventType;

TEST(KeyboardShortcutDispatcher, PostsKeyDownThenKeyUpWithExactlyTheShortcutsFlags) {
    testing::RecordingEventPoster poster;
    KeyboardShortcutDispatcher dispatcher(poster.createSource());
    EXPECT_TRUE(dispatcher.dispatch(KeyboardShortcutDescriptor::previousTab));
    EXPECT_TRUE(dispatcher.dispatch({K::space, {}}));

    const auto posted = poster.postedEvents();
    ASSERT_EQ(posted.size(), 4u);
    const std::tuple<Type, K, EventFlags> expected[] = {
        {Type::keyDown, K::tab, EventFlag::control | EventFlag::shift},
        {Type::keyUp, K::tab, EventFlag::control | EventFlag::shift},
        {Type::keyDown, K::space, 0},
        {Type::keyUp, K::space, 0},
    };
    for (std::size_t i = 0; i < posted.size(); ++i) {
        const auto& [type, key, flags] = expected[i];
        EXPECT_EQ(posted[i].type, type) << i;
        EXPECT_EQ(posted[i].keyCode, KeyCodeMap::keyCode(key)) << i;
        EXPECT_EQ(posted[i].flags, flags) << i;
        EXPECT_EQ(posted[i].sourceUserData, 0) << "key presses carry no marker";
    }
}

// A shortcut that cannot be made whole posts nothing; one whose post failed says so, with what
// reached the system before it.
TEST(KeyboardShortcutDispatcher, ReportsAShortcutThatDidNotArriveWhole) {
    EXPECT_FALSE(KeyboardShortcutDispatcher(nullptr).dispatch(KeyboardShortcutDescriptor::refresh));
    const struct {
        std::optional<Type> failsCreating;
        std::optional<Type> failsPosting;
        std::size_t arrived;
    } cases[] = {
        {Type::keyDown, {}, 0},
        {Type::keyUp, {}, 0},
        {{}, Type::keyDown, 0},
        {{}, Type::keyUp, 1},
    };
    for (const auto& c : cases) {
        testing::RecordingEventPoster poster;
        KeyboardShortcutDispatcher dispatcher(poster.createSource());
        if (c.failsCreating) {
            poster.setFailsCreating(*c.failsCreating, true);
        }
        if (c.failsPosting) {
            poster.setFailsPosting(*c.failsPosting, true);
        }
        EXPECT_FALSE(dispatcher.dispatch(KeyboardShortcutDescriptor::refresh));
        EXPECT_EQ(poster.postedEvents().size(), c.arrived);
    }
}

// A shortcut meant for a window goes out as one delivery to it, key-down and key-up together,
// and the delivery ends however the posting went.
TEST(KeyboardShortcutDispatcher, AShortcutForAWindowGoesOutInOneDeliveryToIt) {
    constexpr std::uint64_t kWindow = 0x1c00007;
    const struct {
        std::optional<Type> failsPosting;
        bool dispatched;
        std::size_t arrived;
    } cases[] = {{{}, true, 2}, {Type::keyDown, false, 0}, {Type::keyUp, false, 1}};
    for (const auto& c : cases) {
        testing::RecordingEventPoster poster;
        KeyboardShortcutDispatcher dispatcher(poster.createSource());
        if (c.failsPosting) {
            poster.setFailsPosting(*c.failsPosting, true);
        }
        EXPECT_EQ(dispatcher.dispatchTo(KeyboardShortcutDescriptor::refresh, kWindow),
                  c.dispatched);
        EXPECT_EQ(poster.postedEventWindows(), std::vector<std::uint64_t>(c.arrived, kWindow));
        EXPECT_EQ(poster.openDeliveries(), 0);
    }
}

}  // namespace
}  // namespace quillorbitex
