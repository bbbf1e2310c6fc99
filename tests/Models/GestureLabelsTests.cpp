#include <gtest/gtest.h>

#include "Models/ActionLabels.h"
#include "Models/GestureLabels.h"
#include "Models/GestureMonitorState.h"
#include "Models/PermissionState.h"
#include "Models/PredefinedActionCatalog.h"
#include "support/RuleFactory.h"
#include "support/ScopedLanguageOverride.h"

namespace quillorbitex {
namespace {

using D = GestureDirection;
using K = KeyboardKeyToken;
using M = ModifierKey;
using testing::customRule;

const GestureTemplate kCircle(QStringLiteral("template-1"), QStringLiteral("Circle"),
                              std::vector<GestureTemplatePoint>{{0, 0}, {0.5, -0.25}});
const auto kUpDown = GestureDescriptor::directional(GesturePattern::upThenDown);
const auto kRefresh = GestureAction::predefined(PredefinedAction::refresh);

// Labels that are put together from parts or chosen by a rule, as the English user reads them.
TEST(GestureLabels, ComposedLabels) {
    testing::ScopedLanguageOverride english(AppLanguageOverride::english);
    const auto app = GestureAction::openApp(QStringLiteral(" org.example.Editor"));
    const auto scoped = customRule(kUpDown, kRefresh, std::nullopt, true,
                                   {GestureAppScopeRule("org.example.Editor", "Editor", true),
                                    GestureAppScopeRule("org.example.Browser", "Browser", false)});
    const std::pair<QString, const char*> cases[] = {
        {displayPathLabel({}), "Waiting for movement"},
        {displayPathLabel({D::right, D::down, D::right}), "Right -> Down -> Right"},
        {spokenLabel(GesturePattern::upThenDown), "Up then Down"},
        {displayLabel(GestureDescriptor::fromTemplate(kCircle)), "Circle"},
        {spokenLabel(GestureDescriptor::fromTemplate(kCircle)), "Circle"},
        // Rules go by their name, else by their gesture.
        {displayLabel(customRule(kUpDown, kRefresh, "Reload")), "Reload"},
        {displayLabel(customRule(kUpDown, kRefresh)), "Up -> Down"},
        {displayLabel(customRule(GestureDescriptor::fromTemplate(kCircle), kRefresh)), "Circle"},
        // Keys: digits and letters from their names.
        {displayLabel(K::a), "A"},
        {displayLabel(K::zero), "0"},
        {displayLabel(K::f12), "F12"},
        {displayLabel(KeyboardShortcutDescriptor{K::escape, {}}), "Escape"},
        // Actions: what they send.
        {executionLabel(GestureAction::predefined(PredefinedAction::previousTab)),
         "Control + Shift + Tab"},
        {executionLabel(GestureAction::keyboardShortcut({K::r, {M::command}})), "Control + R"},
        {executionLabel(GestureAction::predefined(PredefinedAction::minimizeWindow)),
         "Minimize Window"},
        {executionLabel(app), "Open  org.example.Editor"},  // untrimmed
        {displayLabel(GestureAction::openURL(QString())), "Open "},
        // A preset's sentence goes with its pattern, even under another action; an override is
        // described by its action.
        {localizedNotes(customRule(GestureDescriptor::directional(GesturePattern::leftThenDown),
                                   GestureAction::openURL("x"), std::nullopt, true, {},
                                   GestureMappingSource::builtIn)),
         "Switch to the next tab in apps that use Control plus Tab."},
        {localizedNotes(customRule(kUpDown, GestureAction::openApp("org.example.Editor"))),
         "Open org.example.Editor when this gesture matches."},
        {localizedNotes(customRule(kUpDown, GestureAction::keyboardShortcut({K::t, {M::command}}))),
         "Send Control + T to the frontmost app."},
        {appScopeSummary(scoped), "Browser: Blocked, Editor: Allowed"},
        {appScopeSummary(customRule(kUpDown, kRefresh)), ""},
        // Names stay on one line, and their bidirectional controls cannot reach the text after.
        {displayLabel(customRule(kUpDown, kRefresh, "Two\nlines")), "Two lines"},
        {appScopeSummary(customRule(kUpDown, kRefresh, std::nullopt, true,
                                    {GestureAppScopeRule("a", "\u202Eevil", true)})),
         "\u2068\u202Eevil\u2069: Allowed"},
        {displayLabel(CapturedGestureDraft{{}, kUpDown, std::nullopt}), "Up -> Down"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(cases[i].first, QString::fromUtf8(cases[i].second)) << "case " << i;
    }
}

// Command is sent as Control and Option as Alt, so texts and key caps name those keys, in the
// names each language prints on them.
TEST(GestureLabels, ShortcutsNameTheKeysSent) {
    using L = AppLanguageOverride;
    const std::tuple<L, KeyboardShortcutDescriptor, const char*, const char*> cases[] = {
        {L::english, {K::tab, {M::shift, M::control}}, "Control + Shift + Tab", "Ctrl Shift Tab"},
        // Both press the one Control key.
        {L::english,
         {K::f12, {M::command, M::option, M::control, M::shift}},
         "Control + Shift + Alt + F12",
         "Ctrl Shift Alt F12"},
        {L::german, {K::t, {M::command, M::shift}}, "Strg + Umschalt + T", "Strg Umschalt T"},
        {L::spanish, {K::tab, {M::control, M::shift}}, "Ctrl + Mayús + Tab", "Ctrl Mayús Tab"},
    };
    for (const auto& [language, shortcut, label, caps] : cases) {
        SCOPED_TRACE(label);
        testing::ScopedLanguageOverride chosen(language);
        EXPECT_EQ(displayLabel(shortcut), QString::fromUtf8(label));
        EXPECT_EQ(keyCapLabels(shortcut), QString::fromUtf8(caps).split(' '));
    }
}

// Every choice the user reads about has a text of its own in every language: a case that lost its
// text, or shows another case's, would read wrong.
TEST(GestureLabels, EveryChoiceHasATextOfItsOwn) {
    const auto each = [](auto text, auto cases) {
        QStringList texts;
        for (const auto& value : cases) {
            texts << text(value);
        }
        return texts;
    };
    const std::vector<GestureAction> kinds = {kRefresh, GestureAction::keyboardShortcut({K::r, {}}),
                                              GestureAction::openApp("x"),
                                              GestureAction::openURL("x")};
    for (const auto language : allCases<AppLanguageOverride>()) {
        testing::ScopedLanguageOverride chosen(language);
        const QStringList groups[] = {
            each([](D d) { return displayName(d); }, allCases<D>()),
            // Command is sent, and named, as Control.
            each([](M m) { return displayLabel(m); }, std::vector{M::control, M::option, M::shift}),
            each([](K k) { return displayLabel(k); }, allCases<K>()),
            each([](PredefinedAction a) { return displayLabel(a); }, allCases<PredefinedAction>()),
            each([](PredefinedAction a) { return PredefinedActionCatalog::defaultNotes(a); },
                 allCases<PredefinedAction>()),
            each([](const GestureAction& a) { return kindLabel(a); }, kinds),
            each([](GestureMappingSource s) { return displayLabel(s); },
                 allCases<GestureMappingSource>()),
            each(
                [](GesturePattern p) {
                    return localizedNotes(customRule(GestureDescriptor::directional(p), kRefresh,
                                                     std::nullopt, true, {},
                                                     GestureMappingSource::builtIn));
                },
                std::vector{GesturePattern::upThenDown, GesturePattern::leftThenUp,
                            GesturePattern::leftThenDown}),
            each([](PermissionState p) { return title(p); }, allCases<PermissionState>()),
            each([](PermissionState p) { return detail(p); }, allCases<PermissionState>()),
            each([](const GestureMonitorState& m) { return m.title(); },
                 std::vector{GestureMonitorState::blocked({}), GestureMonitorState::stopped(),
                             GestureMonitorState::running()}),
            each([](const GestureMonitorState& m) { return m.detail(); },
                 std::vector{GestureMonitorState::stopped(), GestureMonitorState::running()}),
            each([](AppLanguageOverride l) { return displayLabel(l); },
                 allCases<AppLanguageOverride>()),
        };
        for (const QStringList& texts : groups) {
            EXPECT_FALSE(texts.contains(QString()))
                << rawValue(language) << ": " << ::testing::PrintToString(texts);
            EXPECT_EQ(QSet<QString>(texts.begin(), texts.end()).size(), texts.size())
                << rawValue(language) << ": " << ::testing::PrintToString(texts);
        }
    }
}

TEST(GestureLabels, EngineRecordsSayHowFarRecognitionGot) {
    testing::ScopedLanguageOverride english(AppLanguageOverride::english);
    LiveGestureDebugSession live;
    live.directions = {D::up, D::down};
    live.detectedPattern = kUpDown;
    EXPECT_EQ(detectionLabel(live), QStringLiteral("No gesture match"));
    EXPECT_FALSE(matchedGestureLabel(live).has_value());
    EXPECT_FALSE(matchedActionLabel(live).has_value());
    live.matchedAction = kRefresh;
    EXPECT_EQ(detectionLabel(live), QStringLiteral("Matched gesture"));
    EXPECT_EQ(matchedGestureLabel(live), QStringLiteral("Up -> Down"));
    EXPECT_EQ(matchedActionLabel(live), QStringLiteral("Refresh"));
    live.detectedPattern.reset();
    EXPECT_EQ(detectionLabel(live), QStringLiteral("Matched gesture"));
    EXPECT_FALSE(matchedGestureLabel(live).has_value());

    GestureCaptureDebugResult result;
    EXPECT_EQ(classificationLabel(result), QStringLiteral("No committed gesture detected"));
    result.detectedPattern = kUpDown;
    result.matchedAction = kRefresh;
    EXPECT_EQ(classificationLabel(result), QStringLiteral("Up -> Down -> Refresh"));
}

TEST(GestureLabels, PreviewsStepOneUnitPerDirection) {
    EXPECT_EQ(previewPoints(GesturePattern::rightThenUp),
              (std::vector<Point>{{0, 0}, {1, 0}, {1, -1}}));
    EXPECT_EQ(previewPoints(GestureDescriptor::directional(GesturePattern::leftThenDown)),
              (std::vector<Point>{{0, 0}, {-1, 0}, {-1, 1}}));
    EXPECT_EQ(previewPoints(GestureDescriptor::fromTemplate(kCircle)),
              (std::vector<Point>{{0, 0}, {0.5, -0.25}}));
}

TEST(GestureLabels, FollowTheLanguageOverride) {
    const auto scoped =
        customRule(kUpDown, GestureAction::keyboardShortcut({K::tab, {M::shift}}), std::nullopt,
                   true, {GestureAppScopeRule("org.example.Editor", "Editor", true)});
    {
        testing::ScopedLanguageOverride german(AppLanguageOverride::german);
        EXPECT_EQ(spokenLabel(GesturePattern::upThenDown), QStringLiteral("Oben dann Unten"));
        EXPECT_EQ(localizedNotes(scoped),
                  QStringLiteral("Sendet Umschalt + Tab an die App im Vordergrund."));
    }
    testing::ScopedLanguageOverride japanese(AppLanguageOverride::japanese);
    EXPECT_EQ(appScopeSummary(scoped), QStringLiteral("Editor：許可"));
}

}  // namespace
}  // namespace quillorbitex
