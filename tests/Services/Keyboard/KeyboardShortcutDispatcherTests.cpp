#include "Services/Keyboard/KeyboardShortcutDispatcher.h"

#include <gtest/gtest.h>

#include "support/RecordingEventPoster.h"

namespace quillorbitex {
namespace {

using K = KeyboardKeyToken;

TEST(KeyboardShortcutDispatcher, PostsKeyDownThenKeyUpWithExactlyTheShortcutsFlags) {
    testing::RecordingEventPoster poster;
    KeyboardShortcutDispatcher dispatcher(poster.createSource());

    EXPECT_TRUE(dispatcher.dispatch(KeyboardShortcutDescriptor::previousTab));
    EXPECT_TRUE(dispatcher.dispatch({K::space, {}}));

    const auto posted = poster.postedEvents();
    ASSERT_EQ(posted.size(), 4u);
    EXPECT_EQ(posted[0].type, SyntheticEventType::keyDown);
    EXPECT_EQ(posted[1].type, SyntheticEventType::keyUp);
    for (int i : {0, 1}) {
        EXPECT_EQ(posted[i].keyCode, 48);
        EXPECT_EQ(posted[i].flags, EventFlag::control | EventFlag::shift);
        EXPECT_EQ(posted[i].sourceUserData, 0) << "key presses carry no marker";
    }
    EXPECT_EQ(posted[2].keyCode, 49);
    EXPECT_EQ(posted[2].flags, 0u);
    EXPECT_EQ(posted[3].flags, 0u);
}

TEST(KeyboardShortcutDispatcher, PostsNothingWhenItCannotPostBothEvents) {
    EXPECT_FALSE(KeyboardShortcutDispatcher(nullptr).dispatch(KeyboardShortcutDescriptor::refresh));

    testing::RecordingEventPoster poster;
    KeyboardShortcutDispatcher dispatcher(poster.createSource());
    poster.setFailsCreating(SyntheticEventType::keyUp, true);
    EXPECT_FALSE(dispatcher.dispatch(KeyboardShortcutDescriptor::refresh));
    poster.setFailsCreating(SyntheticEventType::keyUp, false);
    poster.setFailsCreating(SyntheticEventType::keyDown, true);
    EXPECT_FALSE(dispatcher.dispatch(KeyboardShortcutDescriptor::refresh));
    EXPECT_TRUE(poster.postedEvents().empty());
}

TEST(KeyboardShortcutDispatcher, ReportsAShortcutThatDidNotArriveWhole) {
    // The post that sends nothing, and how many events reached the system before it.
    const std::pair<SyntheticEventType, std::size_t> cases[] = {
        {SyntheticEventType::keyDown, 0},
        {SyntheticEventType::keyUp, 1},
    };
    for (const auto& [failing, arrived] : cases) {
        testing::RecordingEventPoster poster;
        KeyboardShortcutDispatcher dispatcher(poster.createSource());
        poster.setFailsPosting(failing, true);
        EXPECT_FALSE(dispatcher.dispatch(KeyboardShortcutDescriptor::refresh));
        EXPECT_EQ(poster.postedEvents().size(), arrived);
    }
}

}  // namespace
}  // namespace quillorbitex
