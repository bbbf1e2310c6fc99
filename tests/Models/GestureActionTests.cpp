#include <gtest/gtest.h>

#include <unordered_set>

#include "Localization/L10n.h"
#include "Models/GestureAction.h"
#include "Models/GestureMonitorState.h"
#include "Models/PermissionState.h"
#include "Models/PredefinedActionCatalog.h"

namespace quillorbitex {
namespace {

using K = KeyboardKeyToken;
using M = ModifierKey;

class LanguageTest : public ::testing::Test {
protected:
    void TearDown() override { L10n::setLanguageOverride(AppLanguageOverride::system); }
};

TEST(GestureAction, EqualityAndHashingFollowThePayload) {
    const auto a = GestureAction::keyboardShortcut({K::tab, {M::control, M::shift}});
    const auto b = GestureAction::keyboardShortcut({K::tab, {M::shift, M::control}});
    EXPECT_EQ(a, b);
    EXPECT_EQ(std::hash<GestureAction>{}(a), std::hash<GestureAction>{}(b));
    EXPECT_NE(a, GestureAction::keyboardShortcut({K::tab, {M::control}}));

    const auto app = GestureAction::openApp("org.example.Editor");
    const auto appLower = GestureAction::openApp("org.example.editor");
    EXPECT_NE(app, appLower);
    EXPECT_NE(std::hash<GestureAction>{}(app), std::hash<GestureAction>{}(appLower));
    EXPECT_NE(app, GestureAction::openApp(" org.example.Editor"));  // kept as entered
    // Same text, different case of the union: never equal.
    EXPECT_NE(GestureAction::openApp("x"), GestureAction::openURL("x"));
    EXPECT_EQ(*GestureAction::openURL(" https://x ").url(), QStringLiteral(" https://x "));

    std::unordered_set<GestureAction> set{a,
                                          b,
                                          app,
                                          appLower,
                                          GestureAction::predefined(PredefinedAction::refresh),
                                          GestureAction::predefined(PredefinedAction::refresh)};
    EXPECT_EQ(set.size(), 4u);
}

TEST(PredefinedActionCatalog, ShortcutsOfTheReadyMadeCommands) {
    EXPECT_EQ(PredefinedActionCatalog::keyboardShortcut(PredefinedAction::refresh),
              KeyboardShortcutDescriptor::refresh);
    EXPECT_EQ(PredefinedActionCatalog::keyboardShortcut(PredefinedAction::previousTab),
              (KeyboardShortcutDescriptor{K::tab, {M::control, M::shift}}));
    EXPECT_EQ(PredefinedActionCatalog::keyboardShortcut(PredefinedAction::nextTab),
              KeyboardShortcutDescriptor::nextTab);
    EXPECT_EQ(PredefinedActionCatalog::keyboardShortcut(PredefinedAction::closeTab),
              (KeyboardShortcutDescriptor{K::w, {M::command}}));
    EXPECT_EQ(PredefinedActionCatalog::keyboardShortcut(PredefinedAction::quitApp),
              (KeyboardShortcutDescriptor{K::q, {M::command}}));
    // Every command has its own shortcut.
    std::unordered_set<KeyboardShortcutDescriptor> shortcuts;
    for (const auto action : allCases<PredefinedAction>()) {
        shortcuts.insert(PredefinedActionCatalog::keyboardShortcut(action));
    }
    EXPECT_EQ(shortcuts.size(), allCases<PredefinedAction>().size());
}

TEST_F(LanguageTest, CatalogTextsAreTranslated) {
    L10n::setLanguageOverride(AppLanguageOverride::english);
    EXPECT_EQ(displayLabel(PredefinedAction::closeTab), QStringLiteral("Close Tab or Window"));
    EXPECT_EQ(PredefinedActionCatalog::defaultNotes(PredefinedAction::quitApp),
              QStringLiteral("Quit the frontmost app with Control plus Q."));
    L10n::setLanguageOverride(AppLanguageOverride::german);
    EXPECT_EQ(displayLabel(PredefinedAction::closeTab),
              QString::fromUtf8("Tab oder Fenster schließen"));
    EXPECT_EQ(PredefinedActionCatalog::defaultNotes(PredefinedAction::quitApp),
              QStringLiteral("Beendet die App im Vordergrund mit Strg plus Q."));
    EXPECT_EQ(rawValue(PredefinedAction::closeTab), "closeTab");
    EXPECT_EQ(fromRawValue<PredefinedAction>("minimizeWindow"), PredefinedAction::minimizeWindow);
    EXPECT_FALSE(fromRawValue<PredefinedAction>("MinimizeWindow").has_value());
}

TEST_F(LanguageTest, StatusTitlesAreTranslatedButStoredFormsAreNot) {
    L10n::setLanguageOverride(AppLanguageOverride::german);
    EXPECT_EQ(GestureMonitorState::running().title(), QStringLiteral("Aktiv"));
    EXPECT_EQ(GestureMonitorState::running().encodedValue(), QStringLiteral("running"));
    EXPECT_EQ(title(PermissionState::granted), QStringLiteral("Erteilt"));
    EXPECT_EQ(rawValue(PermissionState::granted), "granted");

    const auto blocked = GestureMonitorState::blocked(QStringLiteral("Could not create"));
    EXPECT_EQ(blocked.detail(), QStringLiteral("Could not create"));  // shown as produced
    EXPECT_EQ(blocked.encodedValue(), QStringLiteral("blocked:Could not create"));
    EXPECT_EQ(GestureMonitorState::blocked({}).encodedValue(), QStringLiteral("blocked:"));
    EXPECT_TRUE(GestureMonitorState::blocked({}).detail().isEmpty());

    L10n::setLanguageOverride(AppLanguageOverride::english);
    EXPECT_EQ(
        detail(PermissionState::denied),
        QStringLiteral("Quillorbitex needs an X11 session whose server accepts synthetic input "
                       "(XTEST) to watch the right button and run gesture actions."));
    EXPECT_EQ(GestureMonitorState::stopped().detail(),
              QStringLiteral("Gesture capture is turned off."));
}

TEST(StatusValues, Equality) {
    EXPECT_EQ(GestureMonitorState::blocked("a"), GestureMonitorState::blocked("a"));
    EXPECT_NE(GestureMonitorState::blocked("a"), GestureMonitorState::blocked("b"));
    EXPECT_NE(GestureMonitorState::blocked({}), GestureMonitorState::stopped());
    EXPECT_EQ(GestureMonitorState::stopped(), GestureMonitorState::stopped());
    EXPECT_EQ(fromRawValue<PermissionState>("granted"), PermissionState::granted);
    EXPECT_FALSE(fromRawValue<PermissionState>("Granted").has_value());
}

TEST(KeyboardKeyToken, StoredValuesRoundTrip) {
    const auto cases = allCases<KeyboardKeyToken>();
    EXPECT_EQ(cases.size(), 57u);
    for (const auto key : cases) {
        EXPECT_EQ(fromRawValue<KeyboardKeyToken>(rawValue(key)), key);
    }
    EXPECT_EQ(rawValue(K::deleteKey), "delete");
    EXPECT_EQ(rawValue(K::returnKey), "returnKey");
}

}  // namespace
}  // namespace quillorbitex
