#include <gtest/gtest.h>

#include <unordered_set>

#include "Models/GestureAction.h"
#include "Models/GestureMonitorState.h"
#include "Models/PermissionState.h"
#include "Models/PredefinedActionCatalog.h"
#include "support/ScopedLanguageOverride.h"

namespace quillorbitex {
namespace {

using K = KeyboardKeyToken;
using M = ModifierKey;

TEST(GestureAction, EqualityAndHashingFollowThePayload) {
    const auto a = GestureAction::keyboardShortcut({K::tab, {M::control, M::shift}});
    const auto b = GestureAction::keyboardShortcut({K::tab, {M::shift, M::control}});
    EXPECT_EQ(a, b);
    EXPECT_EQ(std::hash<GestureAction>{}(a), std::hash<GestureAction>{}(b));

    // Texts are kept as entered, and the same text in another kind of action is another action.
    const auto app = GestureAction::openApp("org.example.Editor");
    for (const auto& other : {GestureAction::openApp("org.example.editor"),
                              GestureAction::openApp(" org.example.Editor"),
                              GestureAction::openURL("org.example.Editor")}) {
        EXPECT_NE(app, other);
        EXPECT_NE(std::hash<GestureAction>{}(app), std::hash<GestureAction>{}(other));
    }
    EXPECT_NE(a, GestureAction::keyboardShortcut({K::tab, {M::control}}));
    EXPECT_EQ(*GestureAction::openURL(" https://x ").url(), QStringLiteral(" https://x "));

    const auto refresh = GestureAction::predefined(PredefinedAction::refresh);
    EXPECT_EQ((std::unordered_set<GestureAction>{a, b, app, refresh, refresh}).size(), 3u);
}

TEST(PredefinedActionCatalog, EveryCommandSentAsKeysHasItsOwnShortcut) {
    std::unordered_set<KeyboardShortcutDescriptor> shortcuts;
    for (const auto action : allCases<PredefinedAction>()) {
        if (const auto shortcut = PredefinedActionCatalog::keyboardShortcut(action)) {
            shortcuts.insert(*shortcut);
        }
    }
    EXPECT_EQ(shortcuts.size(), allCases<PredefinedAction>().size() - 2);
}

TEST(StatusValues, StoredFormsStayFixedWhateverTheLanguage) {
    testing::ScopedLanguageOverride german(AppLanguageOverride::german);
    const auto blocked = GestureMonitorState::blocked(QStringLiteral("Could not create"));
    EXPECT_EQ(blocked.detail(), QStringLiteral("Could not create"));  // shown as produced
    EXPECT_EQ(blocked.encodedValue(), QStringLiteral("blocked:Could not create"));
    EXPECT_EQ(GestureMonitorState::blocked({}).encodedValue(), QStringLiteral("blocked:"));
    EXPECT_EQ(GestureMonitorState::running().encodedValue(), QStringLiteral("running"));
    EXPECT_EQ(GestureMonitorState::stopped().encodedValue(), QStringLiteral("stopped"));
    EXPECT_EQ(GestureMonitorState::running().title(), QStringLiteral("Aktiv"));
    EXPECT_EQ(title(PermissionState::granted), QStringLiteral("Erteilt"));

    EXPECT_NE(GestureMonitorState::blocked("a"), GestureMonitorState::blocked("b"));
    EXPECT_NE(GestureMonitorState::blocked({}), GestureMonitorState::stopped());
    EXPECT_EQ(rawValue(PermissionState::granted), "granted");
    EXPECT_FALSE(fromRawValue<PermissionState>("Granted").has_value());
    EXPECT_FALSE(fromRawValue<PredefinedAction>("MinimizeWindow").has_value());
    EXPECT_EQ(rawValue(K::deleteKey), "delete");
    EXPECT_EQ(rawValue(K::returnKey), "returnKey");
}

}  // namespace
}  // namespace quillorbitex
