// What the rule cards work out from a rule, the gesture glyph's geometry and the key caps.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTextDocumentFragment>
#include <tuple>

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

GestureDescriptor freeform(std::vector<GestureTemplatePoint> points) {
    return GestureDescriptor::fromTemplate(
        GestureTemplate(QStringLiteral("t"), QStringLiteral("T"), std::move(points)));
}

TEST(GesturePathGlyphGeometry, FitsTheGestureIntoTheSquare) {
    using G = GesturePathGlyphGeometry;
    // Size 44 leaves 28 × 28 inside an inset of 8.
    struct Case {
        const char* name;
        std::optional<GestureDescriptor> pattern;
        std::optional<std::vector<QPointF>> points;
    };
    const std::vector<Case> cases = {
        {"none", std::nullopt, std::nullopt},
        {"one point", freeform({{0.3, 0.3}}), std::nullopt},
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
    const bool before = Theme::animationsEnabled();
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
    Theme::setAnimationsEnabled(before);
}

// Colours are looked up when drawn: a new appearance recolours what is on screen.
TEST(RuleComponents, FollowTheAppearance) {
    const QPalette before = QApplication::palette();
    KeyCapGroup caps(GestureAction::keyboardShortcut({K::r, {M::control}}));
    KeyCapGroup token(kRefresh);
    GesturePathGlyph glyph(kUpDown, 44, ThemePalette::Token::textTertiary, false);
    struct Case {
        QWidget* widget;
        QPoint probe;
        ThemePalette::Token token;
    };
    const Case cases[] = {
        {&caps, {3, caps.sizeHint().height() / 2}, ThemePalette::Token::keyCapBg},
        {&token, {token.sizeHint().width() / 2, 3}, ThemePalette::Token::accentMuted},
        // Halfway up the stroke.
        {&glyph, {21, 20}, ThemePalette::Token::textTertiary},
    };
    for (const bool dark : {false, true}) {
        QApplication::setPalette(ThemePalette::qtPalette(dark));
        // Windows take the new palette from a posted event.
        QCoreApplication::processEvents();
        for (const Case& c : cases) {
            SCOPED_TRACE(c.widget->metaObject()->className());
            c.widget->resize(c.widget->sizeHint());
            const QColor drawn = c.widget->grab().toImage().pixelColor(c.probe);
            EXPECT_EQ(drawn.rgb(), ThemePalette::color(c.token, dark).rgb()) << dark;
        }
    }
    QApplication::setPalette(before);
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
}

// What a tooltip shows of its text.
// The tooltip's text as read, without the invisible break hints of long runs.
QString shownToolTip(const QWidget& widget) {
    return QTextDocumentFragment::fromHtml(widget.toolTip()).toPlainText().remove(QChar(0x200B));
}

TEST(KeyCapGroup, ALongTokenIsShortenedInTheMiddleWithTheWholeTextAsTooltip) {
    testing::ScopedLanguageOverride english(AppLanguageOverride::english);
    const QString url = QStringLiteral("https://example.com/") + QString(200, QLatin1Char('a')) +
                        QStringLiteral("/end");
    // Markup in an identifier is shown as written, not read.
    const QString markup = QStringLiteral("<b>org.example.</b>") + QString(60, QLatin1Char('b'));
    for (const auto& [action, start, end] :
         {std::tuple{GestureAction::openURL(url), "Open https://", "/end"},
          std::tuple{GestureAction::openApp(markup), "Open <b>org", "bbb"}}) {
        KeyCapGroup group(action);
        EXPECT_LE(group.sizeHint().width(), KeyCapGroup::maximumTokenWidth);
        group.resize(group.sizeHint());
        group.show();
        const QString shown = group.displayedTokenText();
        EXPECT_TRUE(shown.startsWith(QString::fromUtf8(start))) << shown.toStdString();
        EXPECT_TRUE(shown.endsWith(QString::fromUtf8(end))) << shown.toStdString();
        EXPECT_TRUE(shown.contains(QChar(0x2026))) << shown.toStdString();
        EXPECT_EQ(shownToolTip(group), *group.tokenLabel());
    }

    KeyCapGroup shortLabel(GestureAction::openURL(QStringLiteral("https://a.example")));
    shortLabel.resize(shortLabel.sizeHint());
    shortLabel.show();
    EXPECT_EQ(shortLabel.displayedTokenText(), QStringLiteral("Open https://a.example"));
    EXPECT_TRUE(shortLabel.toolTip().isEmpty());
}

}  // namespace
}  // namespace quillorbitex
