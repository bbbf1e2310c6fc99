// What the rule cards work out from a rule, the gesture glyph's geometry and the key caps.
#include <gtest/gtest.h>

#include <QTest>

#include "Views/Components/GesturePathGlyph.h"
#include "Views/Components/GesturePathGlyphGeometry.h"
#include "Views/Components/KeyCapGroup.h"
#include "Views/Dashboard/GestureRuleRowContent.h"
#include "Views/Theme/Theme.h"
#include "support/ScopedLanguageOverride.h"

namespace quillorbitex {
namespace {

using K = KeyboardKeyToken;
using M = ModifierKey;

const GestureDescriptor kUpDown = GestureDescriptor::directional(GesturePattern::upThenDown);
const GestureAction kRefresh = GestureAction::predefined(PredefinedAction::refresh);

GestureMapping rule(std::optional<QString> name, bool enabled, int scopeRules,
                    GestureMappingSource source = GestureMappingSource::custom) {
    std::vector<GestureAppScopeRule> scopes;
    for (int i = 0; i < scopeRules; ++i) {
        scopes.emplace_back(QStringLiteral("app%1").arg(i), QStringLiteral("App %1").arg(i),
                            i % 2 == 0);
    }
    return GestureMapping(kUpDown, kRefresh, {}, std::move(name), source, enabled,
                          std::move(scopes));
}

TEST(GestureRuleRowContent, FollowsNameStateAndScopeRules) {
    testing::ScopedLanguageOverride english(AppLanguageOverride::english);
    struct Case {
        const char* name;
        GestureMapping mapping;
        const char* title;
        const char* renameStart;
        std::optional<QString> disabled;
        std::optional<QString> scope;
        const char* toggle;
        const char* manageApps;
    };
    const std::vector<Case> cases = {
        {"unnamed preset", rule(std::nullopt, true, 0, GestureMappingSource::builtIn), "Up -> Down",
         "Up -> Down", std::nullopt, std::nullopt, "Disable", "Scope to App…"},
        {"disabled, one app", rule(QStringLiteral("Reload"), false, 1), "Reload", "Reload",
         QStringLiteral("Disabled"), QStringLiteral("1 App Rule"), "Enable", "App Rules…"},
        {"two apps", rule(QStringLiteral("Reload"), true, 2), "Reload", "Reload", std::nullopt,
         QStringLiteral("2 App Rules"), "Disable", "App Rules…"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto content = GestureRuleRowContent::make(c.mapping);
        EXPECT_EQ(content.title, QString::fromUtf8(c.title));
        EXPECT_EQ(content.renameStartText, QString::fromUtf8(c.renameStart));
        EXPECT_EQ(content.disabledCapsule, c.disabled);
        EXPECT_EQ(content.scopeCapsule, c.scope);
        EXPECT_EQ(content.scopeSummary.has_value(), c.scope.has_value());
        EXPECT_EQ(content.toggleTitle, QString::fromUtf8(c.toggle));
        EXPECT_EQ(content.manageAppsTitle, QString::fromUtf8(c.manageApps));
        EXPECT_EQ(content.sourceLabel,
                  c.mapping.isCustom() ? QStringLiteral("Custom") : QStringLiteral("Preset"));
    }
    EXPECT_EQ(GestureRuleRowContent::make(rule(std::nullopt, true, 2)).scopeSummary,
              QStringLiteral("App 0: Allowed, App 1: Blocked"));
}

TEST(GestureRuleRowContent, ARenameIsStoredOnlyWhenTheTrimmedTextChanged) {
    struct Case {
        const char* start;
        const char* typed;
        std::optional<QString> stored;
    };
    const Case cases[] = {
        {"Up -> Down", "Up -> Down", std::nullopt},  // left without typing
        {"Reload", "  Reload \n", std::nullopt},
        {"", "   ", std::nullopt},
        {"Up -> Down", "  Reload  ", QStringLiteral("Reload")},
        {"Reload", "   ", QString()},  // cleared: no name
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(committedRuleName(QString::fromUtf8(c.start), QString::fromUtf8(c.typed)),
                  c.stored);
    }
}

TEST(GestureRuleRowContent, IdentifiersNameTheGesture) {
    const GestureTemplate freeform(QStringLiteral("template-0123456789abcdef"),
                                   QStringLiteral("Loop"),
                                   std::vector<GestureTemplatePoint>{{0, 0}, {1, 1}});
    const auto leftUp = GestureDescriptor::directional(GesturePattern::leftThenUp);
    EXPECT_EQ(gestureRuleRowIdentifier(leftUp),
              QStringLiteral("GestureMappingRow_directional:left-up"));
    EXPECT_EQ(customRuleEntryIdentifier(leftUp), QStringLiteral("CustomGesture_Row_left-up"));
    EXPECT_EQ(customRuleEntryIdentifier(GestureDescriptor::fromTemplate(freeform)),
              QStringLiteral("CustomGesture_Row_template:template-0123456789abcdef"));
}

GestureDescriptor freeform(std::vector<GestureTemplatePoint> points) {
    return GestureDescriptor::fromTemplate(
        GestureTemplate(QStringLiteral("t"), QStringLiteral("T"), std::move(points)));
}

TEST(GesturePathGlyphGeometry, FitsTheGestureIntoTheSquare) {
    using G = GesturePathGlyphGeometry;
    // Size 44: inset 8 (7.92 is below it), 28 × 28 available; line 3.08, dots 3.52 and 4.
    EXPECT_DOUBLE_EQ(G::inset(44), 8);
    EXPECT_NEAR(G::lineWidth(44), 3.08, 1e-9);
    EXPECT_NEAR(G::startDotRadius(44), 3.52, 1e-9);
    EXPECT_DOUBLE_EQ(G::endDotRadius(44), 4);
    EXPECT_DOUBLE_EQ(G::lineWidth(20), 2);
    EXPECT_DOUBLE_EQ(G::startDotRadius(20), 3);

    struct Case {
        const char* name;
        std::optional<GestureDescriptor> pattern;
        std::optional<std::vector<QPointF>> points;
    };
    const std::vector<Case> cases = {
        {"none", std::nullopt, std::nullopt},
        {"one point", freeform({{0.3, 0.3}}), std::nullopt},
        // Up then down starts and ends at the bottom centre of the available area (its width of
        // 0.001 takes 0.028 of it).
        {"up-down", kUpDown, std::vector<QPointF>{{21.986, 36}, {21.986, 8}, {21.986, 36}}},
        // Left then up: the corner at the bottom left, ending at the top left.
        {"left-up", GestureDescriptor::directional(GesturePattern::leftThenUp),
         std::vector<QPointF>{{36, 36}, {8, 36}, {8, 8}}},
        // Coincident points collapse onto the top-left corner of the available area.
        {"coincident", freeform({{0.5, 0.5}, {0.5, 0.5}}), std::vector<QPointF>{{8, 8}, {8, 8}}},
        // A wide figure keeps its aspect ratio and is centred vertically.
        {"wide", freeform({{0, 0}, {2, 1}}), std::vector<QPointF>{{8, 15}, {36, 29}}},
        {"not finite", freeform({{0, 0}, {NAN, 1}}), std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto points = G::fittedPoints(c.pattern, QSizeF(44, 44));
        ASSERT_EQ(points.has_value(), c.points.has_value());
        if (!points) {
            continue;
        }
        ASSERT_EQ(points->size(), c.points->size());
        for (std::size_t i = 0; i < points->size(); ++i) {
            EXPECT_NEAR((*points)[i].x(), (*c.points)[i].x(), 1e-6) << i;
            EXPECT_NEAR((*points)[i].y(), (*c.points)[i].y(), 1e-6) << i;
        }
    }
}

TEST(GesturePathGlyphGeometry, DrawsTheFirstPartOfThePathByLength) {
    const std::vector<QPointF> path{{0, 0}, {0, 10}, {30, 10}};
    EXPECT_EQ(GesturePathGlyphGeometry::trimmed(path, 0), (std::vector<QPointF>{{0, 0}}));
    EXPECT_EQ(GesturePathGlyphGeometry::trimmed(path, 0.5),
              (std::vector<QPointF>{{0, 0}, {0, 10}, {10, 10}}));
    EXPECT_EQ(GesturePathGlyphGeometry::trimmed(path, 1), path);
}

TEST(GesturePathGlyph, DrawsOnOnlyWhenAnimated) {
    for (const bool animations : {false, true}) {
        SCOPED_TRACE(animations);
        Theme::setAnimationsEnabled(animations);
        GesturePathGlyph still(kUpDown, 44, ThemePalette::Token::accentPrimary, false);
        GesturePathGlyph drawn(kUpDown, 44, ThemePalette::Token::accentPrimary, true);
        still.show();
        drawn.show();
        EXPECT_EQ(still.drawProgress(), 1);
        // Starting over from nothing, unless animations are off.
        EXPECT_EQ(drawn.drawProgress(), animations ? 0 : 1);
    }
    Theme::setAnimationsEnabled(false);
}

TEST(KeyCapGroup, ShowsCapsForShortcutsAndOneTokenOtherwise) {
    testing::ScopedLanguageOverride english(AppLanguageOverride::english);
    const KeyboardShortcutDescriptor controlShiftTab{K::tab, {M::shift, M::control}};
    struct Case {
        const char* name;
        std::optional<KeyboardShortcutDescriptor> shortcut;
        std::optional<QString> label;
        QStringList caps;
        std::optional<QString> token;
    };
    const std::vector<Case> cases = {
        {"shortcut", controlShiftTab, std::nullopt, {"Ctrl", "Shift", "Tab"}, std::nullopt},
        {"no modifiers", KeyboardShortcutDescriptor{K::f5, {}}, std::nullopt, {"F5"}, std::nullopt},
        {"both", controlShiftTab, QStringLiteral("Refresh"), {}, QStringLiteral("Refresh")},
        {"neither", std::nullopt, std::nullopt, {}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const KeyCapGroup group(c.shortcut, c.label);
        EXPECT_EQ(group.capLabels(), c.caps);
        EXPECT_EQ(group.tokenLabel(), c.token);
        EXPECT_EQ(group.sizeHint().isEmpty(), c.caps.isEmpty() && !c.token);
    }
    EXPECT_EQ(KeyCapGroup(kRefresh).tokenLabel(), QStringLiteral("Refresh"));
    {
        testing::ScopedLanguageOverride german(AppLanguageOverride::german);
        KeyCapGroup group(GestureAction::keyboardShortcut({K::t, {M::command, M::shift}}));
        EXPECT_EQ(group.capLabels(), (QStringList{"Strg", "Umschalt", "T"}));
    }
}

TEST(KeyCapGroup, ALongTokenIsShortenedInTheMiddleWithTheWholeTextAsTooltip) {
    testing::ScopedLanguageOverride english(AppLanguageOverride::english);
    const QString url = QStringLiteral("https://example.com/") + QString(200, QLatin1Char('a')) +
                        QStringLiteral("/end");
    KeyCapGroup group(GestureAction::openURL(url));
    EXPECT_LE(group.sizeHint().width(), KeyCapGroup::maximumTokenWidth);
    group.resize(group.sizeHint());
    const QString shown = group.displayedTokenText();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Open https://"))) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith(QStringLiteral("/end"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QChar(0x2026))) << shown.toStdString();
    EXPECT_EQ(group.toolTip(), QStringLiteral("Open ") + url);

    KeyCapGroup shortLabel(GestureAction::openURL(QStringLiteral("https://a.example")));
    shortLabel.resize(shortLabel.sizeHint());
    EXPECT_EQ(shortLabel.displayedTokenText(), QStringLiteral("Open https://a.example"));
    EXPECT_TRUE(shortLabel.toolTip().isEmpty());
}

}  // namespace
}  // namespace quillorbitex
