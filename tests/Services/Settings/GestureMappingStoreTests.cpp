#include <gtest/gtest.h>

#include "Models/GestureLabels.h"
#include "Services/Settings/GestureMappingStore.h"
#include "support/RuleFactory.h"
#include "support/ScopedLanguageOverride.h"
#include "support/StrokeShapes.h"

namespace quillorbitex {
namespace {

using D = GestureDirection;
using testing::customRule;

const auto kUpDown = GestureDescriptor::directional(GesturePattern::upThenDown);
const auto kLeftUp = GestureDescriptor::directional(GesturePattern::leftThenUp);
const auto kLeftDown = GestureDescriptor::directional(GesturePattern::leftThenDown);
const auto kRightUp = GestureDescriptor::directional(GesturePattern::rightThenUp);
const auto kRefresh = GestureAction::predefined(PredefinedAction::refresh);
const auto kNewTab = GestureAction::predefined(PredefinedAction::newTab);

class GestureMappingStoreTest : public ::testing::Test {
protected:
    testing::ScopedLanguageOverride english_{AppLanguageOverride::english};
    GestureMappingStore store_;
};

// A stroke and a template made from it, so that the stroke matches the template exactly.
std::vector<Point> circleStroke() {
    return testing::circle({300, 300}, 60, 64);
}

GestureTemplate circleTemplate() {
    return *GestureTemplateMatcher{}.makeTemplate(QStringLiteral("Circle"), circleStroke());
}

std::vector<QString> labels(const std::vector<GestureMapping>& mappings) {
    std::vector<QString> out;
    for (const auto& m : mappings) {
        out.push_back(displayLabel(m));
    }
    return out;
}

TEST_F(GestureMappingStoreTest, EditingAPresetCreatesAnOverrideAndUndoingItRemovesIt) {
    store_.setMappingEnabled(false, kUpDown);
    ASSERT_EQ(store_.customMappings().size(), 1u);
    const GestureMapping override = store_.customMappings()[0];
    EXPECT_EQ(override.pattern(), kUpDown);
    EXPECT_EQ(override.action(), kRefresh);
    EXPECT_EQ(override.notes(), QStringLiteral("Trigger a refresh action in the frontmost app."));
    EXPECT_EQ(override.source(), GestureMappingSource::custom);
    EXPECT_FALSE(override.isEnabled());
    EXPECT_EQ(store_.mappings()[0], override);

    store_.setMappingEnabled(true, kUpDown);
    EXPECT_TRUE(store_.customMappings().empty());
    EXPECT_EQ(store_.mappings(), store_.builtInMappings());

    // Blank names and emptied scope lists are no change either.
    store_.setMappingName(QStringLiteral("   "), kLeftUp);
    EXPECT_TRUE(store_.customMappings().empty());
    store_.replaceAppScopeRules({GestureAppScopeRule("org.example.Editor", "Editor", false)},
                                kLeftUp);
    ASSERT_EQ(store_.customMappings().size(), 1u);
    store_.replaceAppScopeRules({}, kLeftUp);
    EXPECT_TRUE(store_.customMappings().empty());

    store_.setMappingName(QStringLiteral("  Reload \n"), kUpDown);
    EXPECT_EQ(store_.mappings()[0].name(), QStringLiteral("Reload"));
    EXPECT_EQ(store_.mappings()[0].source(), GestureMappingSource::custom);
    store_.setMappingName(std::nullopt, kUpDown);
    EXPECT_TRUE(store_.customMappings().empty());
}

TEST_F(GestureMappingStoreTest, RemovedPresetsAreHiddenNeverResolveAndCanBeRestored) {
    store_.removeMapping(kLeftUp);
    EXPECT_EQ(store_.disabledBuiltInPatterns(), std::vector<GestureDescriptor>{kLeftUp});
    EXPECT_EQ(labels(store_.mappings()),
              (std::vector<QString>{QStringLiteral("Up -> Down"), QStringLiteral("Left -> Down")}));
    EXPECT_FALSE(store_.mapping(kLeftUp).has_value());
    EXPECT_FALSE(store_.resolvedMapping(GesturePattern::leftThenUp, std::nullopt).has_value());
    store_.setMappingEnabled(false, kLeftUp);
    EXPECT_TRUE(store_.customMappings().empty());

    store_.restoreBuiltInMapping(kLeftUp);
    EXPECT_EQ(store_.mappings(), store_.builtInMappings());
    EXPECT_EQ(
        store_.mapping(kLeftUp)->notes(),
        QStringLiteral("Switch to the previous tab in apps that use Control plus Shift plus Tab."));

    // Removing an override removes the preset behind it as well.
    store_.upsertCustomMapping(GesturePattern::leftThenDown, kNewTab, std::nullopt);
    store_.removeMapping(kLeftDown);
    EXPECT_TRUE(store_.customMappings().empty());
    EXPECT_EQ(store_.disabledBuiltInPatterns(), std::vector<GestureDescriptor>{kLeftDown});
    store_.restoreBuiltInMapping(kLeftDown);
    EXPECT_EQ(store_.mappings(), store_.builtInMappings());

    // Gestures that are no presets: remove deletes, restore does nothing.
    store_.upsertCustomMapping(GesturePattern::rightThenUp, kNewTab, std::nullopt);
    store_.restoreBuiltInMapping(kRightUp);
    EXPECT_EQ(store_.customMappings().size(), 1u);
    store_.removeMapping(kRightUp);
    EXPECT_TRUE(store_.customMappings().empty());
    EXPECT_TRUE(store_.disabledBuiltInPatterns().empty());
}

TEST_F(GestureMappingStoreTest, ScopeRulesDecideResolutionAndFreeformCandidates) {
    const std::vector<GestureAppScopeRule> scopes{
        GestureAppScopeRule("org.example.Editor", "Editor", true),
        GestureAppScopeRule("org.example.Browser", "Browser", false)};
    store_.replaceAppScopeRules(scopes, kUpDown);
    const auto editor = QStringLiteral("ORG.example.editor");
    const auto browser = QStringLiteral("org.example.Browser");
    EXPECT_TRUE(store_.resolvedMapping(GesturePattern::upThenDown, editor).has_value());
    EXPECT_FALSE(store_.resolvedMapping(GesturePattern::upThenDown, browser).has_value());
    EXPECT_TRUE(store_.resolvedMapping(GesturePattern::upThenDown, QStringLiteral("other")));
    EXPECT_TRUE(store_.resolvedMapping(kUpDown, std::nullopt).has_value());

    const GestureTemplate circle = circleTemplate();
    const auto circleDescriptor = GestureDescriptor::fromTemplate(circle);
    store_.upsertCustomTemplateMapping(circle, kNewTab, std::nullopt);
    store_.replaceAppScopeRules(scopes, circleDescriptor);
    const auto match = [&](const std::optional<QString>& app) {
        return store_.bestTemplateMatch(circleStroke(), GestureTemplateMatcher{}, 0.18, app);
    };
    ASSERT_TRUE(match(editor).has_value());
    EXPECT_EQ(match(editor)->pattern(), circleDescriptor);
    EXPECT_FALSE(match(browser).has_value());
    store_.setMappingEnabled(false, circleDescriptor);
    EXPECT_FALSE(match(std::nullopt).has_value());
    EXPECT_TRUE(match(editor).has_value());
    EXPECT_TRUE(store_.hasCustomTemplateMappings());
    // Presets never take part in freeform matching.
    EXPECT_FALSE(GestureMappingStore().hasCustomTemplateMappings());
    EXPECT_FALSE(GestureMappingStore()
                     .bestTemplateMatch(circleStroke(), GestureTemplateMatcher{}, 0.4, std::nullopt)
                     .has_value());
}

TEST_F(GestureMappingStoreTest, CustomRulesFollowThePresetsInNameOrder) {
    store_.replaceCustomMappings({
        customRule(kRightUp, kNewTab),
        customRule(GestureDescriptor::directional({D::down, D::up}), kNewTab, "Rule 10"),
        customRule(GestureDescriptor::directional({D::up, D::up}), kNewTab, "beta"),
        customRule(GestureDescriptor::directional({D::down, D::down}), kNewTab, "Rule 9"),
        customRule(GestureDescriptor::directional({D::left, D::left}), kNewTab, "Alpha"),
        customRule(kUpDown, kNewTab, "Zulu override"),
    });
    EXPECT_EQ(labels(store_.mappings()),
              (std::vector<QString>{"Zulu override", "Left -> Up", "Left -> Down", "Alpha", "beta",
                                    "Right -> Up", "Rule 9", "Rule 10"}));

    // An edit puts the rule it changes in its place; in another language the list sorts anew.
    store_.setMappingName(QStringLiteral("Rule 95"),
                          GestureDescriptor::directional({D::left, D::left}));
    store_.upsertCustomMapping({D::down, D::left}, kNewTab, std::nullopt);
    EXPECT_EQ(labels(store_.customMappings()),
              (std::vector<QString>{"beta", "Down -> Left", "Right -> Up", "Rule 9", "Rule 10",
                                    "Rule 95", "Zulu override"}));
    const testing::ScopedLanguageOverride german(AppLanguageOverride::german);
    EXPECT_EQ(
        labels(store_.mappings()),
        (std::vector<QString>{"Zulu override", "Links -> Oben", "Links -> Unten", "beta",
                              "Rechts -> Oben", "Rule 9", "Rule 10", "Rule 95", "Unten -> Links"}));
    store_.setMappingEnabled(false, kRightUp);
    EXPECT_EQ(labels(store_.customMappings()),
              (std::vector<QString>{"beta", "Rechts -> Oben", "Rule 9", "Rule 10", "Rule 95",
                                    "Unten -> Links", "Zulu override"}));
}

TEST_F(GestureMappingStoreTest, RulesThatSortEqualKeepOneOrderWhateverOrderTheyWereStoredIn) {
    const auto mail = customRule(GestureDescriptor::directional({D::up, D::up}), kNewTab, "Mail");
    const auto other = customRule(kRightUp, kRefresh, "mail");
    store_.replaceCustomMappings({mail, other});
    const std::vector<GestureMapping> first = store_.mappings();
    store_.replaceCustomMappings({other, mail});
    EXPECT_EQ(store_.mappings(), first);
    // Made one by one, they stand where the next start sorts them.
    store_.replaceCustomMappings({});
    for (const GestureMapping& rule : {mail, other}) {
        store_.upsertCustomMapping(*rule.pattern().directionalPattern(), rule.action(),
                                   rule.name());
    }
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(store_.mappings()[i].id(), first[i].id()) << i;
    }
}

TEST_F(GestureMappingStoreTest, UpsertBringsBackRemovedPresetsAndKeepsTheReplacedRulesSettings) {
    store_.removeMapping(kUpDown);
    store_.upsertCustomMapping(GesturePattern::upThenDown, kRefresh, std::nullopt);
    EXPECT_TRUE(store_.customMappings().empty());
    EXPECT_TRUE(store_.disabledBuiltInPatterns().empty());
    EXPECT_EQ(store_.mappings(), store_.builtInMappings());

    store_.upsertCustomMapping(GesturePattern::upThenDown, kNewTab, std::nullopt);
    ASSERT_EQ(store_.customMappings().size(), 1u);
    EXPECT_EQ(store_.customMappings()[0].notes(), store_.builtInMappings()[0].notes());
    EXPECT_EQ(store_.mappings()[0].action(), kNewTab);

    // A new gesture gets the notes of its action; a replacement keeps switch and scope rules but
    // not the old name.
    const auto url = GestureAction::openURL(QStringLiteral("https://example.org"));
    store_.upsertCustomMapping(GesturePattern::rightThenUp, url, QStringLiteral("Docs"));
    EXPECT_EQ(store_.mapping(kRightUp)->notes(),
              QStringLiteral("Open https://example.org when this gesture matches."));
    EXPECT_TRUE(store_.mapping(kRightUp)->isEnabled());
    store_.setMappingEnabled(false, kRightUp);
    store_.replaceAppScopeRules({GestureAppScopeRule("org.example.Editor", "Editor", true)},
                                kRightUp);
    store_.upsertCustomMapping(GesturePattern::rightThenUp, kNewTab, std::nullopt);
    const auto replaced = *store_.mapping(kRightUp);
    EXPECT_EQ(replaced.action(), kNewTab);
    EXPECT_FALSE(replaced.name().has_value());
    EXPECT_FALSE(replaced.isEnabled());
    EXPECT_EQ(replaced.appScopeRules().size(), 1u);
    EXPECT_EQ(replaced.notes(),
              QStringLiteral("Open https://example.org when this gesture matches."));

    // Saving the preset's own action onto its overridden pattern deletes the override.
    store_.upsertCustomMapping(GesturePattern::upThenDown, kRefresh, std::nullopt);
    EXPECT_EQ(store_.mapping(kUpDown), store_.builtInMappings()[0]);
}

// How a list is cleaned is GesturePresets' business; the store must apply it to what it loads.
TEST_F(GestureMappingStoreTest, LoadedListsAreCleaned) {
    store_.replaceCustomMappings(
        {customRule(kRightUp, kNewTab, "First"), customRule(kRightUp, kRefresh, "Second")});
    EXPECT_EQ(labels(store_.customMappings()), std::vector<QString>{"First"});
    store_.replaceDisabledBuiltInPatterns({kRightUp, kLeftDown, kLeftDown});
    EXPECT_EQ(store_.disabledBuiltInPatterns(), std::vector<GestureDescriptor>{kLeftDown});
}

TEST_F(GestureMappingStoreTest, LoadedOverridesOfRemovedPresetsStayVisible) {
    // Stored lists that override a preset and also list it as removed: the override would act but
    // be shown nowhere. Loading keeps the override and the preset's place for it.
    const auto override = customRule(kLeftUp, kNewTab, "Mine");
    store_.replaceCustomMappings({override});
    store_.replaceDisabledBuiltInPatterns({kLeftUp, kLeftDown});
    EXPECT_EQ(store_.disabledBuiltInPatterns(), std::vector<GestureDescriptor>{kLeftDown});
    EXPECT_EQ(labels(store_.mappings()), (std::vector<QString>{"Up -> Down", "Mine"}));
    EXPECT_EQ(store_.mapping(kLeftUp)->name(), QStringLiteral("Mine"));

    GestureMappingStore reversed;
    reversed.replaceDisabledBuiltInPatterns({kLeftUp});
    reversed.replaceCustomMappings({override});
    EXPECT_TRUE(reversed.disabledBuiltInPatterns().empty());
    EXPECT_EQ(reversed.mappings()[1].name(), QStringLiteral("Mine"));

    const GestureMappingStore created(GesturePresets::builtInMappings(), {override}, {kLeftUp});
    EXPECT_TRUE(created.disabledBuiltInPatterns().empty());
}

TEST_F(GestureMappingStoreTest, PublishedSnapshotsNeverChange) {
    std::vector<GestureMappingStore::SnapshotPointer> heard;
    const Subscription subscription = store_.subscribe(
        [&](const GestureMappingStore::SnapshotPointer& s) { heard.push_back(s); });
    ASSERT_EQ(heard.size(), 1u);
    const auto before = store_.snapshot();
    const GestureMappingSnapshot copy = *before;

    store_.removeMapping(kUpDown);
    store_.setMatchingThreshold(0.3);
    store_.setMatchingThreshold(0.3);  // no change, nothing published

    EXPECT_EQ(*before, copy);
    EXPECT_EQ(before->mappings().size(), 3u);
    ASSERT_EQ(heard.size(), 3u);
    EXPECT_EQ(heard[0], before);
    EXPECT_EQ(heard[1]->disabledBuiltInPatterns, std::vector<GestureDescriptor>{kUpDown});
    EXPECT_DOUBLE_EQ(heard[2]->matchingThreshold, 0.3);
    EXPECT_EQ(heard[2], store_.snapshot());
}

}  // namespace
}  // namespace quillorbitex
