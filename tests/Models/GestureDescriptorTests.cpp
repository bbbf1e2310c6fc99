#include <gtest/gtest.h>

#include <unordered_set>

#include "Models/GestureDescriptor.h"
#include "Models/GestureMapping.h"

namespace quillorbitex {
namespace {

using D = GestureDirection;

TEST(GesturePattern, NeedsExactlyTwoDirections) {
    EXPECT_FALSE(GesturePattern::make({}).has_value());
    EXPECT_FALSE(GesturePattern::make({D::up}).has_value());
    EXPECT_FALSE(GesturePattern::make({D::up, D::down, D::left}).has_value());
    ASSERT_TRUE(GesturePattern::make({D::up, D::down}).has_value());
    EXPECT_EQ(GesturePattern::make({D::up, D::down})->id(), QStringLiteral("up-down"));
    EXPECT_EQ(GesturePattern::make({D::left, D::left})->id(), QStringLiteral("left-left"));
    EXPECT_EQ(GesturePattern::suggestedCustomPattern, GesturePattern::rightThenDown);
    EXPECT_NE(GesturePattern::leftThenUp, GesturePattern(D::up, D::left));  // order matters
}

TEST(GestureTemplate, StableIdentifierFollowsThePointsOnly) {
    EXPECT_EQ(GestureTemplate(std::nullopt, "a", {}).id(),
              QStringLiteral("template-cbf29ce484222325"));
    const GestureTemplate line(std::nullopt, "line", {{0, 0}, {1, 0}});
    EXPECT_EQ(line.id(), QStringLiteral("template-41aa0852dfd8c000"));
    EXPECT_EQ(GestureTemplate(std::nullopt, "other name", {{0, 0}, {1, 0}}).id(), line.id());
    EXPECT_NE(GestureTemplate(std::nullopt, "line", {{1, 0}, {0, 0}}).id(), line.id());
    EXPECT_EQ(GestureTemplate(QStringLiteral("given"), "n", {{0, 0}}).id(),
              QStringLiteral("given"));
}

TEST(GestureTemplate, StableIdentifierRoundsHalfAwayFromZeroAndNeverWritesMinusZero) {
    const auto idOf = [](std::vector<GestureTemplatePoint> points) {
        return GestureTemplate::makeStableIdentifier(points);
    };
    // Tiny negatives round to zero and must hash as "0", not "-0".
    EXPECT_EQ(idOf({{-0.00001, 0}}), idOf({{0, 0}}));
    EXPECT_EQ(idOf({{-0.0, -0.0}}), idOf({{0, 0}}));
    // 0.00025 * 10000 is exactly 2.5: away from zero gives 3, banker's rounding would give 2.
    EXPECT_EQ(idOf({{0.00025, 0}}), idOf({{0.0003, 0}}));
    EXPECT_NE(idOf({{0.00025, 0}}), idOf({{0.0002, 0}}));
    EXPECT_EQ(idOf({{-0.00025, 0}}), idOf({{-0.0003, 0}}));
    // Out-of-range and non-finite coordinates still give a well-formed identifier.
    const QString odd =
        idOf({{std::numeric_limits<double>::infinity(), std::nan("")}, {1e300, -1e300}});
    EXPECT_TRUE(odd.startsWith(QStringLiteral("template-")));
    EXPECT_EQ(odd.size(), 9 + 16);
}

TEST(GestureDescriptor, IdentifiersAndEquality) {
    const auto directional = GestureDescriptor::directional(GesturePattern::leftThenUp);
    EXPECT_EQ(directional.id(), QStringLiteral("directional:left-up"));
    const GestureTemplate t(QStringLiteral("template-0000000000000001"), "Circle", {{0, 0}});
    const auto freeform = GestureDescriptor::fromTemplate(t);
    EXPECT_EQ(freeform.id(), QStringLiteral("template:template-0000000000000001"));
    EXPECT_EQ(freeform.gestureTemplate()->name(), QStringLiteral("Circle"));
    EXPECT_FALSE(freeform.directionalPattern().has_value());
    EXPECT_EQ(directional.gestureTemplate(), nullptr);

    // Templates are one gesture when their identifiers agree, whatever their names and points.
    const GestureTemplate renamed(QStringLiteral("template-0000000000000001"), "Other",
                                  {{5, 5}, {6, 6}});
    EXPECT_EQ(GestureDescriptor::fromTemplate(renamed), freeform);
    EXPECT_EQ(std::hash<GestureDescriptor>{}(GestureDescriptor::fromTemplate(renamed)),
              std::hash<GestureDescriptor>{}(freeform));

    // A template whose id happens to read like a pattern is still not a directional gesture.
    const auto lookalike =
        GestureDescriptor::fromTemplate(GestureTemplate(QStringLiteral("left-up"), "x", {}));
    EXPECT_NE(lookalike, directional);

    std::unordered_set<GestureDescriptor> set{directional, freeform,
                                              GestureDescriptor::fromTemplate(renamed)};
    EXPECT_EQ(set.size(), 2u);
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
    EXPECT_FALSE(makeRule(QStringLiteral(" \t\n"), {}).name().has_value());
    EXPECT_FALSE(makeRule(QStringLiteral(""), {}).name().has_value());
    EXPECT_FALSE(makeRule(QString::fromUtf8("\u00a0\u3000\u2028"), {}).name().has_value());
    EXPECT_FALSE(makeRule(std::nullopt, {}).name().has_value());
    EXPECT_EQ(makeRule(std::nullopt, {}).id(), QStringLiteral("directional:up-down"));
}

TEST(GestureMapping, ScopeListsAreSanitised) {
    const GestureAppScopeRule blankName(QStringLiteral("  org.example.Editor \n"),
                                        QStringLiteral("   "), true);
    EXPECT_EQ(blankName.bundleIdentifier(), QStringLiteral("org.example.Editor"));
    EXPECT_EQ(blankName.appName(), QStringLiteral("org.example.Editor"));
    EXPECT_EQ(blankName.id(), QStringLiteral("org.example.editor"));

    const auto rule =
        makeRule(std::nullopt, {
                                   GestureAppScopeRule("zed", "Zed", true),
                                   GestureAppScopeRule("   ", "Nothing", true),
                                   GestureAppScopeRule("ALPHA", "alpha", false),
                                   GestureAppScopeRule("beta", "Beta", true),
                                   GestureAppScopeRule(" alpha ", "Alpha again", true),
                                   GestureAppScopeRule("app10", "Rule 10", true),
                                   GestureAppScopeRule("app9", "Rule 9", true),
                               });
    std::vector<QString> names;
    for (const auto& scope : rule.appScopeRules()) {
        names.push_back(scope.appName());
    }
    EXPECT_EQ(names, (std::vector<QString>{"alpha", "Beta", "Rule 9", "Rule 10", "Zed"}));
    // The first rule for an application wins over later duplicates.
    EXPECT_FALSE(rule.appScopeRules()[0].isEnabled());
    EXPECT_EQ(GestureMapping::sanitizedAppScopeRules(rule.appScopeRules()), rule.appScopeRules());
}

TEST(GestureMapping, ScopeRulesOverrideTheRuleSwitchIgnoringCase) {
    const auto off =
        makeRule(std::nullopt, {GestureAppScopeRule("org.example.Editor", "Editor", true)}, false);
    EXPECT_TRUE(off.isEnabledFor(QStringLiteral("ORG.EXAMPLE.editor")));
    EXPECT_FALSE(off.isEnabledFor(QStringLiteral("org.example.Browser")));
    EXPECT_FALSE(off.isEnabledFor(std::nullopt));
    EXPECT_FALSE(off.isEnabledFor(QString()));

    const auto on = makeRule(std::nullopt,
                             {GestureAppScopeRule("org.example.Browser", "Browser", false)}, true);
    EXPECT_FALSE(on.isEnabledFor(QStringLiteral("org.example.browser")));
    EXPECT_TRUE(on.isEnabledFor(QStringLiteral("org.example.Editor")));
    EXPECT_TRUE(on.isEnabledFor(QString()));
}

TEST(GestureMapping, EqualityCoversEveryField) {
    const auto base = makeRule(QStringLiteral("n"), {});
    EXPECT_EQ(base, makeRule(QStringLiteral(" n "), {}));
    EXPECT_EQ(std::hash<GestureMapping>{}(base),
              std::hash<GestureMapping>{}(makeRule(QStringLiteral("n"), {})));
    EXPECT_NE(base, makeRule(std::nullopt, {}));
    EXPECT_NE(base, makeRule(QStringLiteral("n"), {}, false));
    EXPECT_NE(base, makeRule(QStringLiteral("n"), {GestureAppScopeRule("a", "A", true)}));
    const GestureMapping otherAction(base.pattern(), GestureAction::openURL("https://example.org"),
                                     base.notes(), base.name(), base.source(), base.isEnabled(),
                                     base.appScopeRules());
    EXPECT_NE(base, otherAction);
    const GestureMapping otherSource(base.pattern(), base.action(), base.notes(), base.name(),
                                     GestureMappingSource::builtIn, base.isEnabled(),
                                     base.appScopeRules());
    EXPECT_NE(base, otherSource);
    EXPECT_FALSE(otherSource.isCustom());
}

}  // namespace
}  // namespace quillorbitex
