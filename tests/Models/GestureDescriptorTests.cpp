#include <gtest/gtest.h>

#include <limits>
#include <unordered_set>

#include "Models/GestureDescriptor.h"
#include "Models/GestureMapping.h"

namespace quillorbitex {
namespace {

using D = GestureDirection;

TEST(GesturePattern, NeedsExactlyTwoDirectionsInOrder) {
    for (const std::vector<D>& wrong : {std::vector<D>{}, {D::up}, {D::up, D::down, D::left}}) {
        EXPECT_FALSE(GesturePattern::make(wrong).has_value()) << wrong.size();
    }
    EXPECT_EQ(GesturePattern::make({D::up, D::down}), GesturePattern::upThenDown);
    EXPECT_EQ(GesturePattern(D::left, D::left).id(), QStringLiteral("left-left"));
    EXPECT_NE(GesturePattern::leftThenUp, GesturePattern(D::up, D::left));
}

TEST(GestureTemplate, StableIdentifierFollowsTheRoundedPointsOnly) {
    const auto idOf = [](std::vector<GestureTemplatePoint> points) {
        return GestureTemplate::makeStableIdentifier(points);
    };
    // Stored rules refer to these identifiers: the hash must never change between versions.
    EXPECT_EQ(GestureTemplate(std::nullopt, "line", {{0, 0}, {1, 0}}).id(),
              QStringLiteral("template-41aa0852dfd8c000"));
    EXPECT_EQ(GestureTemplate(std::nullopt, "other name", {{0, 0}, {1, 0}}).id(),
              idOf({{0, 0}, {1, 0}}));
    EXPECT_NE(idOf({{1, 0}, {0, 0}}), idOf({{0, 0}, {1, 0}}));
    EXPECT_EQ(GestureTemplate(QStringLiteral("given"), "n", {{0, 0}}).id(),
              QStringLiteral("given"));

    // Halves round away from zero (0.00025 is 2.5 units) and tiny negatives are plain zero.
    const std::pair<std::vector<GestureTemplatePoint>, std::vector<GestureTemplatePoint>> same[] = {
        {{{-0.00001, 0}}, {{0, 0}}},
        {{{-0.0, -0.0}}, {{0, 0}}},
        {{{0.00025, 0}}, {{0.0003, 0}}},
        {{{-0.00025, 0}}, {{-0.0003, 0}}},
    };
    for (const auto& [a, b] : same) {
        EXPECT_EQ(idOf(a), idOf(b)) << a[0].x;
    }
    EXPECT_NE(idOf({{0.00025, 0}}), idOf({{0.0002, 0}}));
    const QString odd =
        idOf({{std::numeric_limits<double>::infinity(), std::nan("")}, {1e300, -1e300}});
    EXPECT_TRUE(odd.startsWith(QStringLiteral("template-")) && odd.size() == 9 + 16);
}

TEST(GestureDescriptor, IdentifiersAndEquality) {
    const auto directional = GestureDescriptor::directional(GesturePattern::leftThenUp);
    EXPECT_EQ(directional.id(), QStringLiteral("directional:left-up"));
    EXPECT_EQ(directional.gestureTemplate(), nullptr);
    const GestureTemplate t(QStringLiteral("template-1"), "Circle", {{0, 0}});
    const auto freeform = GestureDescriptor::fromTemplate(t);
    EXPECT_EQ(freeform.id(), QStringLiteral("template:template-1"));
    EXPECT_FALSE(freeform.directionalPattern().has_value());

    // Templates are one gesture when their identifiers agree, whatever their names and points.
    const auto renamed =
        GestureDescriptor::fromTemplate({QStringLiteral("template-1"), "Other", {{5, 5}, {6, 6}}});
    EXPECT_EQ(renamed, freeform);
    EXPECT_EQ(std::hash<GestureDescriptor>{}(renamed), std::hash<GestureDescriptor>{}(freeform));
    // A template whose id reads like a pattern is still not a directional gesture.
    EXPECT_NE(GestureDescriptor::fromTemplate({QStringLiteral("left-up"), "x", {}}), directional);
    EXPECT_EQ((std::unordered_set<GestureDescriptor>{directional, freeform, renamed}).size(), 2u);
}

GestureMapping makeRule(std::optional<QString> name, std::vector<GestureAppScopeRule> scopes,
                        bool enabled = true) {
    return GestureMapping(GestureDescriptor::directional(GesturePattern::upThenDown),
                          GestureAction::predefined(PredefinedAction::refresh), "notes",
                          std::move(name), GestureMappingSource::custom, enabled,
                          std::move(scopes));
}

TEST(GestureMapping, NamesAreTrimmedAndBlankNamesDropped) {
    EXPECT_EQ(makeRule(QStringLiteral("  My  rule \n"), {}).name(), QStringLiteral("My  rule"));
    for (const auto& blank :
         {std::optional<QString>(), std::optional<QString>(" \t\n"), std::optional<QString>(""),
          std::optional(QString::fromUtf8("\u00a0\u3000\u2028"))}) {
        EXPECT_FALSE(makeRule(blank, {}).name().has_value());
    }
    EXPECT_EQ(makeRule(std::nullopt, {}).id(), QStringLiteral("directional:up-down"));
}

TEST(GestureMapping, ScopeListsAreTrimmedDeduplicatedAndSortedByName) {
    const GestureAppScopeRule blankName(QStringLiteral(" org.example.Editor \n"), "  ", true);
    EXPECT_EQ(blankName.bundleIdentifier(), QStringLiteral("org.example.Editor"));
    EXPECT_EQ(blankName.appName(), QStringLiteral("org.example.Editor"));
    EXPECT_EQ(blankName.id(), QStringLiteral("org.example.editor"));

    const auto rule = makeRule(std::nullopt, {
                                                 GestureAppScopeRule("zed", "Zed", true),
                                                 GestureAppScopeRule("   ", "Nothing", true),
                                                 GestureAppScopeRule("ALPHA", "alpha", false),
                                                 GestureAppScopeRule("beta", "Beta", true),
                                                 GestureAppScopeRule(" alpha ", "Again", true),
                                                 GestureAppScopeRule("app10", "Rule 10", true),
                                                 GestureAppScopeRule("app9", "Rule 9", true),
                                             });
    std::vector<QString> names;
    for (const auto& scope : rule.appScopeRules()) {
        names.push_back(scope.appName());
    }
    EXPECT_EQ(names, (std::vector<QString>{"alpha", "Beta", "Rule 9", "Rule 10", "Zed"}));
    EXPECT_FALSE(rule.appScopeRules()[0].isEnabled()) << "the first rule for an app wins";
    EXPECT_EQ(GestureMapping::sanitizedAppScopeRules(rule.appScopeRules()), rule.appScopeRules());
}

TEST(GestureMapping, ScopeRulesOverrideTheRuleSwitchIgnoringCase) {
    const auto off =
        makeRule(std::nullopt, {GestureAppScopeRule("org.example.Editor", "Editor", true)}, false);
    const auto on =
        makeRule(std::nullopt, {GestureAppScopeRule("org.example.Browser", "Browser", false)});
    const struct {
        const GestureMapping& rule;
        std::optional<QString> app;
        bool enabled;
    } cases[] = {
        {off, "ORG.EXAMPLE.editor", true},
        {off, "org.example.Browser", false},
        {off, std::nullopt, false},
        {off, QString(), false},
        {on, "org.example.browser", false},
        {on, "org.example.Editor", true},
        {on, QString(), true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.rule.isEnabledFor(c.app), c.enabled) << c.app.value_or("(none)").toStdString();
    }
}

TEST(GestureMapping, EqualityAndHashingCoverEveryField) {
    const auto scope = [](const char* id, const char* name, bool on) {
        return std::vector{GestureAppScopeRule(id, name, on)};
    };
    const auto base = makeRule(QStringLiteral("n"), scope("a", "A", true));
    const auto same = makeRule(QStringLiteral(" n "), scope(" a", "A ", true));
    EXPECT_EQ(base, same);
    EXPECT_EQ(std::hash<GestureMapping>{}(base), std::hash<GestureMapping>{}(same));
    const GestureMapping others[] = {
        makeRule(std::nullopt, base.appScopeRules()),
        makeRule(QStringLiteral("n"), base.appScopeRules(), false),
        makeRule(QStringLiteral("n"), {}),
        makeRule(QStringLiteral("n"), scope("b", "A", true)),
        makeRule(QStringLiteral("n"), scope("a", "B", true)),
        makeRule(QStringLiteral("n"), scope("a", "A", false)),
        GestureMapping(base.pattern(), GestureAction::openURL("https://example.org"), base.notes(),
                       base.name(), base.source(), true, base.appScopeRules()),
        GestureMapping(base.pattern(), base.action(), base.notes(), base.name(),
                       GestureMappingSource::builtIn, true, base.appScopeRules()),
    };
    for (const auto& other : others) {
        EXPECT_NE(base, other);
        EXPECT_NE(std::hash<GestureMapping>{}(base), std::hash<GestureMapping>{}(other));
    }
}

}  // namespace
}  // namespace quillorbitex
