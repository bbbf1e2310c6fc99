#include <gtest/gtest.h>

#include "Models/ActionLabels.h"
#include "Models/GestureLabels.h"
#include "support/ScopedLanguageOverride.h"

namespace quillorbitex {
namespace {

using D = GestureDirection;
using K = KeyboardKeyToken;
using M = ModifierKey;

class GestureLabels : public ::testing::Test {
protected:
    testing::ScopedLanguageOverride english_{AppLanguageOverride::english};
};

GestureMapping rule(GestureDescriptor pattern, GestureAction action, GestureMappingSource source,
                    std::optional<QString> name = std::nullopt,
                    std::vector<GestureAppScopeRule> scopes = {}) {
    return GestureMapping(std::move(pattern), std::move(action), QStringLiteral("stored notes"),
                          std::move(name), source, true, std::move(scopes));
}

const GestureTemplate kCircle(QStringLiteral("template-1"), QStringLiteral("Circle"),
                              std::vector<GestureTemplatePoint>{{0, 0}, {0.5, -0.25}});

TEST_F(GestureLabels, DirectionPathsAndGestures) {
    EXPECT_EQ(displayPathLabel({}), QStringLiteral("Waiting for movement"));
    EXPECT_EQ(displayPathLabel({D::left, D::up}), QStringLiteral("Left -> Up"));
    EXPECT_EQ(displayPathLabel({D::right, D::down, D::right}),
              QStringLiteral("Right -> Down -> Right"));
    EXPECT_EQ(displayLabel(GesturePattern::upThenDown), QStringLiteral("Up -> Down"));
    EXPECT_EQ(spokenLabel(GesturePattern::upThenDown), QStringLiteral("Up then Down"));
    EXPECT_EQ(displayLabel(GestureDescriptor::fromTemplate(kCircle)), QStringLiteral("Circle"));
    EXPECT_EQ(spokenLabel(GestureDescriptor::fromTemplate(kCircle)), QStringLiteral("Circle"));
}

TEST_F(GestureLabels, RulesAreLabelledByNameElseByGesture) {
    const auto refresh = GestureAction::predefined(PredefinedAction::refresh);
    const auto upDown = GestureDescriptor::directional(GesturePattern::upThenDown);
    EXPECT_EQ(displayLabel(rule(upDown, refresh, GestureMappingSource::custom, "Reload")),
              QStringLiteral("Reload"));
    EXPECT_EQ(displayLabel(rule(upDown, refresh, GestureMappingSource::custom)),
              QStringLiteral("Up -> Down"));
    EXPECT_EQ(displayLabel(rule(GestureDescriptor::fromTemplate(kCircle), refresh,
                                GestureMappingSource::custom)),
              QStringLiteral("Circle"));
    EXPECT_EQ(displayLabel(GestureMappingSource::builtIn), QStringLiteral("Preset"));
    EXPECT_EQ(displayLabel(GestureMappingSource::custom), QStringLiteral("Custom"));
}

TEST_F(GestureLabels, KeysAndShortcuts) {
    EXPECT_EQ(displayLabel(K::a), QStringLiteral("A"));
    EXPECT_EQ(displayLabel(K::z), QStringLiteral("Z"));
    EXPECT_EQ(displayLabel(K::zero), QStringLiteral("0"));
    EXPECT_EQ(displayLabel(K::nine), QStringLiteral("9"));
    EXPECT_EQ(displayLabel(K::f1), QStringLiteral("F1"));
    EXPECT_EQ(displayLabel(K::f12), QStringLiteral("F12"));
    EXPECT_EQ(displayLabel(K::returnKey), QStringLiteral("Return"));
    EXPECT_EQ(displayLabel(K::deleteKey), QStringLiteral("Delete"));
    EXPECT_EQ(displayLabel(K::leftArrow), QStringLiteral("Left Arrow"));

    EXPECT_EQ(displayLabel(KeyboardShortcutDescriptor{K::escape, {}}), QStringLiteral("Escape"));
}

// Command is sent as Control and Option as Alt, so texts and key caps name those keys, in the
// names each language prints on them.
TEST_F(GestureLabels, ShortcutsNameTheKeysSent) {
    struct Case {
        AppLanguageOverride language;
        KeyboardShortcutDescriptor shortcut;
        const char* label;
        QStringList caps;
    };
    const std::vector<Case> cases = {
        {AppLanguageOverride::english, {K::r, {M::command}}, "Control + R", {"Ctrl", "R"}},
        {AppLanguageOverride::english,
         {K::tab, {M::shift, M::control}},
         "Control + Shift + Tab",
         {"Ctrl", "Shift", "Tab"}},
        // Both press the one Control key.
        {AppLanguageOverride::english,
         {K::f12, {M::command, M::option, M::control, M::shift}},
         "Control + Shift + Alt + F12",
         {"Ctrl", "Shift", "Alt", "F12"}},
        // Control comes first whatever the original key was.
        {AppLanguageOverride::english,
         {K::k, {M::option, M::command}},
         "Control + Alt + K",
         {"Ctrl", "Alt", "K"}},
        {AppLanguageOverride::german,
         {K::t, {M::command, M::shift}},
         "Strg + Umschalt + T",
         {"Strg", "Umschalt", "T"}},
        {AppLanguageOverride::german, {K::a, {M::option}}, "Alt + A", {"Alt", "A"}},
        {AppLanguageOverride::spanish,
         {K::tab, {M::control, M::shift}},
         "Ctrl + Mayús + Tab",
         {"Ctrl", "Mayús", "Tab"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        testing::ScopedLanguageOverride language(c.language);
        EXPECT_EQ(displayLabel(c.shortcut), QString::fromUtf8(c.label));
        EXPECT_EQ(keyCapLabels(c.shortcut), c.caps);
    }
}

TEST_F(GestureLabels, ActionsSayWhatTheyAreAndWhatTheySend) {
    const auto previousTab = GestureAction::predefined(PredefinedAction::previousTab);
    EXPECT_EQ(displayLabel(previousTab), QStringLiteral("Previous Tab"));
    EXPECT_EQ(executionLabel(previousTab), QStringLiteral("Control + Shift + Tab"));
    EXPECT_EQ(kindLabel(previousTab), QStringLiteral("Preset Action"));

    const auto shortcut = GestureAction::keyboardShortcut({K::r, {M::command}});
    EXPECT_EQ(displayLabel(shortcut), QStringLiteral("Control + R"));
    EXPECT_EQ(executionLabel(shortcut), QStringLiteral("Control + R"));
    EXPECT_EQ(kindLabel(shortcut), QStringLiteral("Shortcut"));

    const auto app = GestureAction::openApp(QStringLiteral(" org.example.Editor"));
    EXPECT_EQ(displayLabel(app), QStringLiteral("Open  org.example.Editor"));  // untrimmed
    EXPECT_EQ(executionLabel(app), displayLabel(app));
    EXPECT_EQ(kindLabel(app), QStringLiteral("Open App"));

    const auto emptyURL = GestureAction::openURL(QString());
    EXPECT_EQ(displayLabel(emptyURL), QStringLiteral("Open "));
    EXPECT_EQ(kindLabel(emptyURL), QStringLiteral("Open URL"));
}

TEST_F(GestureLabels, NotesFollowSourcePatternAndAction) {
    const auto upDown = GestureDescriptor::directional(GesturePattern::upThenDown);
    const auto refresh = GestureAction::predefined(PredefinedAction::refresh);
    EXPECT_EQ(localizedNotes(rule(upDown, refresh, GestureMappingSource::builtIn)),
              QStringLiteral("Trigger a refresh action in the frontmost app."));
    // A preset's sentence goes with its pattern, even under another action.
    EXPECT_EQ(localizedNotes(rule(GestureDescriptor::directional(GesturePattern::leftThenDown),
                                  GestureAction::openURL("x"), GestureMappingSource::builtIn)),
              QStringLiteral("Switch to the next tab in apps that use Control plus Tab."));
    // An override is described by its action.
    EXPECT_EQ(localizedNotes(rule(upDown, GestureAction::openApp("org.example.Editor"),
                                  GestureMappingSource::custom)),
              QStringLiteral("Open org.example.Editor when this gesture matches."));
    EXPECT_EQ(localizedNotes(rule(upDown, GestureAction::keyboardShortcut({K::t, {M::command}}),
                                  GestureMappingSource::custom)),
              QStringLiteral("Send Control + T to the frontmost app."));
    EXPECT_EQ(localizedNotes(rule(GestureDescriptor::directional(GesturePattern::rightThenUp),
                                  GestureAction::predefined(PredefinedAction::quitApp),
                                  GestureMappingSource::builtIn)),
              QStringLiteral("Quit the frontmost app with Control plus Q."));
}

TEST_F(GestureLabels, ScopeSummaryListsAppsInStoredOrder) {
    const auto upDown = GestureDescriptor::directional(GesturePattern::upThenDown);
    const auto refresh = GestureAction::predefined(PredefinedAction::refresh);
    const auto scoped = rule(upDown, refresh, GestureMappingSource::custom, std::nullopt,
                             {GestureAppScopeRule("org.example.Editor", "Editor", true),
                              GestureAppScopeRule("org.example.Browser", "Browser", false)});
    EXPECT_EQ(appScopeSummary(scoped), QStringLiteral("Browser: Blocked, Editor: Allowed"));
    EXPECT_EQ(appScopeSummary(rule(upDown, refresh, GestureMappingSource::custom)), QString());
}

TEST_F(GestureLabels, EngineRecords) {
    const auto upDown = GestureDescriptor::directional(GesturePattern::upThenDown);
    const auto refresh = GestureAction::predefined(PredefinedAction::refresh);

    EXPECT_EQ(displayLabel(CapturedGestureDraft{}), QStringLiteral("Freeform captured path"));
    EXPECT_EQ(displayLabel(CapturedGestureDraft{{}, upDown, std::nullopt}),
              QStringLiteral("Up -> Down"));

    LiveGestureDebugSession live;
    EXPECT_EQ(detectionLabel(live), QStringLiteral("Waiting for a committed stroke"));
    EXPECT_EQ(directionLabel(live), QStringLiteral("Waiting for movement"));
    live.directions = {D::up, D::down};
    live.detectedPattern = upDown;
    EXPECT_EQ(detectionLabel(live), QStringLiteral("No gesture match"));
    EXPECT_FALSE(matchedGestureLabel(live).has_value());
    EXPECT_FALSE(matchedActionLabel(live).has_value());
    live.matchedAction = refresh;
    EXPECT_EQ(detectionLabel(live), QStringLiteral("Matched gesture"));
    EXPECT_EQ(matchedGestureLabel(live), QStringLiteral("Up -> Down"));
    EXPECT_EQ(matchedActionLabel(live), QStringLiteral("Refresh"));
    live.detectedPattern.reset();
    EXPECT_EQ(detectionLabel(live), QStringLiteral("Matched gesture"));
    EXPECT_FALSE(matchedGestureLabel(live).has_value());

    GestureCaptureDebugResult result;
    EXPECT_EQ(classificationLabel(result), QStringLiteral("No committed gesture detected"));
    EXPECT_EQ(clickDispositionLabel(result), QStringLiteral("Replayed as right click"));
    result.suppressedSystemClick = true;
    EXPECT_EQ(clickDispositionLabel(result), QStringLiteral("Suppressed"));
    result.directions = {D::up, D::left, D::down};
    EXPECT_EQ(classificationLabel(result), QStringLiteral("Unrecognized path: Up -> Left -> Down"));
    result.detectedPattern = upDown;
    EXPECT_EQ(classificationLabel(result), QStringLiteral("Up -> Down (no action mapped)"));
    result.matchedAction = refresh;
    EXPECT_EQ(classificationLabel(result), QStringLiteral("Up -> Down -> Refresh"));
}

TEST_F(GestureLabels, PreviewsStepOneUnitPerDirection) {
    EXPECT_EQ(previewPoints(GesturePattern::upThenDown),
              (std::vector<Point>{{0, 0}, {0, -1}, {0, 0}}));
    EXPECT_EQ(previewPoints(GesturePattern::rightThenUp),
              (std::vector<Point>{{0, 0}, {1, 0}, {1, -1}}));
    EXPECT_EQ(previewPoints(GestureDescriptor::directional(GesturePattern::leftThenDown)),
              (std::vector<Point>{{0, 0}, {-1, 0}, {-1, 1}}));
    EXPECT_EQ(previewPoints(GestureDescriptor::fromTemplate(kCircle)),
              (std::vector<Point>{{0, 0}, {0.5, -0.25}}));
}

TEST_F(GestureLabels, FollowTheLanguageOverride) {
    const auto scoped = rule(GestureDescriptor::directional(GesturePattern::upThenDown),
                             GestureAction::keyboardShortcut({K::tab, {M::control, M::shift}}),
                             GestureMappingSource::custom, std::nullopt,
                             {GestureAppScopeRule("org.example.Editor", "Editor", true)});
    {
        testing::ScopedLanguageOverride german(AppLanguageOverride::german);
        EXPECT_EQ(displayName(D::up), QStringLiteral("Oben"));
        EXPECT_EQ(spokenLabel(GesturePattern::upThenDown), QStringLiteral("Oben dann Unten"));
        EXPECT_EQ(displayPathLabel({}), QStringLiteral("Warte auf Bewegung"));
        EXPECT_EQ(displayLabel(scoped.action()), QStringLiteral("Strg + Umschalt + Tab"));
        EXPECT_EQ(appScopeSummary(scoped), QStringLiteral("Editor: Erlaubt"));
        EXPECT_EQ(localizedNotes(scoped),
                  QStringLiteral("Sendet Strg + Umschalt + Tab an die App im Vordergrund."));
    }
    {
        testing::ScopedLanguageOverride japanese(AppLanguageOverride::japanese);
        EXPECT_EQ(displayLabel(GesturePattern::leftThenUp), QStringLiteral("左 -> 上"));
        EXPECT_EQ(appScopeSummary(scoped), QStringLiteral("Editor：許可"));
    }
    EXPECT_EQ(displayName(D::up), QStringLiteral("Up"));
    EXPECT_EQ(spokenLabel(GesturePattern::upThenDown), QStringLiteral("Up then Down"));
}

}  // namespace
}  // namespace quillorbitex
