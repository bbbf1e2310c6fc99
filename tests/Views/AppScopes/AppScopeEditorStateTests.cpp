#include "Views/AppScopes/AppScopeEditorState.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace quillorbitex {
namespace {

const GestureDescriptor kUpDown = GestureDescriptor::directional(GesturePattern::upThenDown);

GestureAppScopeRule rule(const char* identifier, const char* name, bool allowed = true) {
    return GestureAppScopeRule(QString::fromUtf8(identifier), QString::fromUtf8(name), allowed);
}

GestureAppScopeChoice choice(const char* identifier, const char* name) {
    return {QString::fromUtf8(identifier), QString::fromUtf8(name)};
}

QStringList names(const std::vector<GestureAppScopeRule>& rules) {
    QStringList out;
    for (const auto& r : rules) {
        out << r.appName() + (r.isEnabled() ? QStringLiteral("+") : QStringLiteral("-"));
    }
    return out;
}

QStringList identifiers(const std::vector<GestureAppScopeChoice>& choices) {
    QStringList out;
    for (const auto& c : choices) {
        out << c.bundleIdentifier;
    }
    return out;
}

TEST(AppScopeEditorState, OffersOnlyApplicationsWithoutARule) {
    const std::vector<GestureAppScopeChoice> offered = {
        choice("org.mozilla.Firefox", "Firefox"), choice("org.gnome.Nautilus", "Files"),
        choice(" xterm ", "XTerm"), choice("org.gnome.gedit", "Text Editor")};
    const struct {
        const char* name;
        std::vector<GestureAppScopeRule> rules;
        QStringList expected;
    } cases[] = {
        {"no rules",
         {},
         {"org.mozilla.Firefox", "org.gnome.Nautilus", " xterm ", "org.gnome.gedit"}},
        {"letter case ignored",
         {rule("ORG.MOZILLA.FIREFOX", "Firefox")},
         {"org.gnome.Nautilus", " xterm ", "org.gnome.gedit"}},
        {"blanks around the offered identifier ignored",
         {rule("xterm", "XTerm")},
         {"org.mozilla.Firefox", "org.gnome.Nautilus", "org.gnome.gedit"}},
        {"every application has a rule",
         {rule("org.mozilla.firefox", "a"), rule("Org.Gnome.Nautilus", "b"), rule("XTERM", "c"),
          rule("org.gnome.gedit", "d")},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const AppScopeEditorState state(kUpDown, c.rules);
        EXPECT_EQ(identifiers(state.availableChoices(offered)), c.expected);
    }
}

TEST(AppScopeEditorState, AddingKeepsTheListInNameOrderAndClearsTheChoice) {
    const std::vector<GestureAppScopeChoice> offered = {
        choice("app.ten", "App 10"), choice("app.nine", "App 9"),
        choice("other.browser", "browser"), choice("second.browser", "Browser")};
    const struct {
        const char* name;
        std::vector<GestureAppScopeRule> initial;
        const char* selected;
        bool allowed;
        QStringList expected;
    } cases[] = {
        {"digits by value", {rule("app.ten", "App 10")}, "app.nine", true, {"App 9+", "App 10+"}},
        {"blocked rule", {}, "app.ten", false, {"App 10-"}},
        {"a new rule follows an existing one of the same name",
         {rule("first.browser", "Browser", false)},
         "second.browser",
         true,
         {"Browser-", "Browser+"}},
        {"names compare ignoring letter case",
         {rule("app.nine", "App 9")},
         "other.browser",
         false,
         {"App 9+", "browser-"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AppScopeEditorState state(kUpDown, c.initial);
        state.setSelectedBundleIdentifier(QString::fromUtf8(c.selected));
        EXPECT_TRUE(state.addSelectedRule(c.allowed, offered));
        EXPECT_EQ(names(state.rules()), c.expected);
        EXPECT_FALSE(state.hasSelection());
        for (const auto& available : state.availableChoices(offered)) {
            EXPECT_NE(available.bundleIdentifier, QString::fromUtf8(c.selected));
        }
    }
}

TEST(AppScopeEditorState, AChoiceThatIsNotOfferedAddsNothingAndStaysChosen) {
    const std::vector<GestureAppScopeChoice> offered = {choice("org.mozilla.Firefox", "Firefox")};
    const struct {
        const char* name;
        std::vector<GestureAppScopeRule> initial;
        const char* selected;
    } cases[] = {
        {"no choice", {}, ""},
        {"application quit since the picker was filled", {}, "org.gnome.Nautilus"},
        {"identifier must match as written", {}, "ORG.MOZILLA.FIREFOX"},
        {"application already has a rule",
         {rule("org.mozilla.firefox", "Firefox")},
         "org.mozilla.Firefox"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AppScopeEditorState state(kUpDown, c.initial);
        state.setSelectedBundleIdentifier(QString::fromUtf8(c.selected));
        EXPECT_FALSE(state.addSelectedRule(true, offered));
        EXPECT_EQ(state.rules(), c.initial);
        EXPECT_EQ(state.selectedBundleIdentifier(), QString::fromUtf8(c.selected));
    }
}

TEST(AppScopeEditorState, SwitchingAndRemovingFindTheApplicationIgnoringLetterCase) {
    const std::vector<GestureAppScopeRule> initial = {rule("com.example.Alpha", "Alpha"),
                                                      rule("com.example.Beta", "Beta", false),
                                                      rule("com.example.Gamma", "Gamma")};
    AppScopeEditorState state(kUpDown, initial);

    state.setRuleEnabled(rule("COM.EXAMPLE.BETA", "whatever"), true);
    EXPECT_EQ(names(state.rules()), (QStringList{"Alpha+", "Beta+", "Gamma+"}));
    EXPECT_EQ(state.rules()[1].bundleIdentifier(), QStringLiteral("com.example.Beta"));

    state.setRuleEnabled(state.rules()[0], false);
    EXPECT_EQ(names(state.rules()), (QStringList{"Alpha-", "Beta+", "Gamma+"}));

    state.removeRule(rule("com.example.beta", "Beta"));
    EXPECT_EQ(names(state.rules()), (QStringList{"Alpha-", "Gamma+"}));
    const std::vector<GestureAppScopeChoice> offered = {choice("com.example.Beta", "Beta")};
    EXPECT_EQ(state.availableChoices(offered).size(), 1U);

    state.removeRule(rule("not.there", "Nothing"));
    EXPECT_EQ(state.rules().size(), 2U);
    EXPECT_EQ(state.pattern(), kUpDown);
}

}  // namespace
}  // namespace quillorbitex
