#include "Views/AppScopes/AppScopeEditorSheet.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLayout>
#include <QPointer>
#include <QTest>
#include <algorithm>

#include "Services/Settings/GestureSettingsStore.h"
#include "ViewModels/AppModelTestEnvironment.h"
#include "Views/ContentView.h"
#include "Views/Dashboard/DashboardView.h"
#include "Views/DashboardWindow.h"
#include "Views/Theme/Theme.h"

namespace quillorbitex {
namespace {

using Keys = GestureSettingsStore::Keys;
using Sheet = AppScopeEditorSheet;

const GestureDescriptor kUpDown = GestureDescriptor::directional(GesturePattern::upThenDown);
const GestureDescriptor kLeftUp = GestureDescriptor::directional(GesturePattern::leftThenUp);

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

template <typename T = QWidget>
T* child(const QWidget& parent, const char* identifier) {
    return parent.findChild<T*>(QString::fromLatin1(identifier));
}

// Sheets over a model in test mode whose desktop has a few applications installed.
class AppScopeEditorSheetTest : public ::testing::Test {
protected:
    AppScopeEditorSheetTest() {
        Theme::setAnimationsEnabled(false);
        env.config.isUITest = true;
        for (const auto& [identifier, name] : {std::pair{"org.mozilla.firefox", "Firefox"},
                                               {"org.gnome.Nautilus", "Files"},
                                               {"app.ten", "App 10"},
                                               {"app.nine", "App 9"}}) {
            env.workspace->addApplication(
                {QString::fromLatin1(identifier), QString::fromLatin1(name), QString()});
        }
        env.build();
    }
    ~AppScopeEditorSheetTest() override {
        delete sheet.data();
        Theme::setAnimationsEnabled(true);
    }

    AppModel& model() { return *env.model; }

    Sheet& open(const GestureDescriptor& pattern = kUpDown) {
        sheet = Sheet::openFor(model(), pattern, nullptr);
        QCoreApplication::processEvents();
        return *sheet;
    }

    // The picker's entries as shown.
    QStringList pickerEntries() const {
        QStringList entries;
        const auto* picker = child<QComboBox>(*sheet, Sheet::pickerIdentifier);
        for (int i = 0; i < picker->count(); ++i) {
            entries << picker->itemText(i);
        }
        return entries;
    }

    void pick(const QString& name) {
        auto* picker = child<QComboBox>(*sheet, Sheet::pickerIdentifier);
        const int index = picker->findText(name);
        ASSERT_GE(index, 0) << name.toStdString();
        picker->setCurrentIndex(index);
    }

    void click(const char* identifier) {
        auto* button = child<QAbstractButton>(*sheet, identifier);
        ASSERT_NE(button, nullptr) << identifier;
        ASSERT_TRUE(button->isVisibleTo(sheet) && button->isEnabled()) << identifier;
        QTest::mouseClick(button, Qt::LeftButton);
    }

    QWidget* row(const char* identifier) const {
        return sheet->findChild<QWidget*>(QString::fromLatin1(Sheet::rowIdentifierPrefix) +
                                          QString::fromLatin1(identifier).toLower());
    }

    void clickInRow(const char* rowIdentifier, const char* button) {
        QWidget* r = row(rowIdentifier);
        ASSERT_NE(r, nullptr) << rowIdentifier;
        auto* b = child<QAbstractButton>(*r, button);
        ASSERT_TRUE(b != nullptr && b->isVisibleTo(r)) << button;
        QTest::mouseClick(b, Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    // The rows shown, top to bottom, as "name:Allowed" or "name:Blocked".
    QStringList shownRows() const {
        sheet->layout()->activate();
        std::vector<QWidget*> rows;
        for (QWidget* w : sheet->findChildren<QWidget*>()) {
            if (w->objectName().startsWith(QString::fromLatin1(Sheet::rowIdentifierPrefix)) &&
                !w->isHidden()) {
                rows.push_back(w);
            }
        }
        std::sort(rows.begin(), rows.end(), [](QWidget* a, QWidget* b) { return a->y() < b->y(); });
        QStringList shown;
        for (QWidget* r : rows) {
            const bool allowed =
                child<QWidget>(*r, Sheet::rowAllowedButtonIdentifier)->isVisibleTo(r);
            shown << r->objectName().mid(int(qstrlen(Sheet::rowIdentifierPrefix))) +
                         (allowed ? QStringLiteral(":Allowed") : QStringLiteral(":Blocked"));
        }
        return shown;
    }

    QStringList storedRules(const GestureDescriptor& pattern = kUpDown) {
        return names(model().appScopeRules(pattern));
    }

    testing::AppModelTestEnvironment env;
    QPointer<Sheet> sheet;
};

TEST_F(AppScopeEditorSheetTest, StartsFromTheStoredRulesAndNeverOffersAnAppTwice) {
    // Stored with other letter case than the desktop reports.
    model().replaceAppScopeRules({rule("ORG.MOZILLA.FIREFOX", "Firefox", false)}, kUpDown);
    Sheet& s = open();
    EXPECT_EQ(shownRows(), QStringList{"org.mozilla.firefox:Blocked"});
    EXPECT_TRUE(child(s, Sheet::emptyRulesIdentifier)->isHidden());
    EXPECT_EQ(pickerEntries(), (QStringList{"Pick an app", "App 9", "App 10", "Files"}));
    EXPECT_FALSE(child(s, Sheet::allowButtonIdentifier)->isEnabled());
    EXPECT_FALSE(child(s, Sheet::blockButtonIdentifier)->isEnabled());

    // After an add the picker is back at "Pick an app" and no longer offers that application.
    pick(QStringLiteral("Files"));
    EXPECT_TRUE(child(s, Sheet::allowButtonIdentifier)->isEnabled());
    click(Sheet::allowButtonIdentifier);
    EXPECT_EQ(pickerEntries(), (QStringList{"Pick an app", "App 9", "App 10"}));
    EXPECT_EQ(child<QComboBox>(s, Sheet::pickerIdentifier)->currentIndex(), 0);
    EXPECT_FALSE(child(s, Sheet::blockButtonIdentifier)->isEnabled());
    EXPECT_EQ(shownRows(),
              (QStringList{"org.gnome.nautilus:Allowed", "org.mozilla.firefox:Blocked"}));

    // Removing makes it available again.
    clickInRow("org.gnome.Nautilus", Sheet::rowRemoveButtonIdentifier);
    EXPECT_EQ(shownRows(), QStringList{"org.mozilla.firefox:Blocked"});
    EXPECT_TRUE(pickerEntries().contains(QStringLiteral("Files")));
}

TEST_F(AppScopeEditorSheetTest, CancelLeavesTheStoreAsItWas) {
    model().replaceAppScopeRules({rule("app.nine", "App 9", true)}, kUpDown);
    const auto storedBefore = model().appScopeRules(kUpDown);
    const auto customBefore = model().customMappings();
    const int writesBefore = env.defaults->totalWrites();

    for (const char* way : {"Cancel", "Escape", "close"}) {
        SCOPED_TRACE(way);
        Sheet& s = open();
        clickInRow("app.nine", Sheet::rowAllowedButtonIdentifier);
        pick(QStringLiteral("Firefox"));
        click(Sheet::blockButtonIdentifier);
        clickInRow("app.nine", Sheet::rowRemoveButtonIdentifier);
        ASSERT_EQ(shownRows(), QStringList{"org.mozilla.firefox:Blocked"});

        if (QByteArray(way) == "Cancel") {
            click(Sheet::cancelButtonIdentifier);
        } else if (QByteArray(way) == "Escape") {
            QTest::keyClick(&s, Qt::Key_Escape);
        } else {
            s.close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(sheet.isNull());
        EXPECT_EQ(model().appScopeRules(kUpDown), storedBefore);
        EXPECT_EQ(model().customMappings(), customBefore);
        EXPECT_EQ(env.defaults->totalWrites(), writesBefore);
    }
}

TEST_F(AppScopeEditorSheetTest, SaveStoresTheRulesInNameOrder) {
    Sheet& s = open(kLeftUp);
    EXPECT_FALSE(child(s, Sheet::emptyRulesIdentifier)->isHidden());
    EXPECT_EQ(shownRows(), QStringList{});

    pick(QStringLiteral("Firefox"));
    click(Sheet::allowButtonIdentifier);
    pick(QStringLiteral("App 10"));
    click(Sheet::blockButtonIdentifier);
    pick(QStringLiteral("App 9"));
    click(Sheet::allowButtonIdentifier);
    // Switching keeps each row in its place.
    clickInRow("app.ten", Sheet::rowBlockedButtonIdentifier);
    clickInRow("app.nine", Sheet::rowAllowedButtonIdentifier);
    EXPECT_EQ(shownRows(),
              (QStringList{"app.nine:Blocked", "app.ten:Allowed", "org.mozilla.firefox:Allowed"}));
    EXPECT_TRUE(child(s, Sheet::emptyRulesIdentifier)->isHidden());

    const int customWrites = env.defaults->writes[Keys::customMappings];
    click(Sheet::saveButtonIdentifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(sheet.isNull());
    EXPECT_EQ(storedRules(kLeftUp), (QStringList{"App 9-", "App 10+", "Firefox+"}));
    EXPECT_EQ(env.defaults->writes[Keys::customMappings], customWrites + 1);
    // The rule is now a custom override of the preset carrying the scope.
    EXPECT_EQ(model().mapping(kLeftUp)->appScopeRules().size(), 3U);
    EXPECT_TRUE(model().mapping(kLeftUp)->isCustom());
}

TEST_F(AppScopeEditorSheetTest, SavingAnEmptyListClearsTheScopeRules) {
    model().replaceAppScopeRules({rule("app.nine", "App 9", false)}, kUpDown);
    ASSERT_EQ(storedRules(), QStringList{"App 9-"});
    open();
    clickInRow("app.nine", Sheet::rowRemoveButtonIdentifier);
    EXPECT_FALSE(child(*sheet, Sheet::emptyRulesIdentifier)->isHidden());
    click(Sheet::saveButtonIdentifier);
    EXPECT_EQ(storedRules(), QStringList{});
    // An override left equal to its preset is dropped again.
    EXPECT_TRUE(model().customMappings().empty());
}

TEST_F(AppScopeEditorSheetTest, WithEveryAppScopedThePickerGivesWayToASentence) {
    std::vector<GestureAppScopeRule> all;
    for (const auto& c : model().availableAppScopeChoices()) {
        all.emplace_back(c.bundleIdentifier.toUpper(), c.displayName, true);
    }
    Sheet& s = open();
    Sheet full(model(), kUpDown, all);
    full.setAttribute(Qt::WA_DeleteOnClose, false);
    EXPECT_TRUE(child(full, Sheet::noAppsIdentifier)->isVisibleTo(&full));
    EXPECT_FALSE(child(full, Sheet::pickerIdentifier)->isVisibleTo(&full));
    EXPECT_FALSE(child(full, Sheet::allowButtonIdentifier)->isVisibleTo(&full));
    // The open sheet with no rules offers them all.
    EXPECT_FALSE(child(s, Sheet::noAppsIdentifier)->isVisibleTo(&s));
    EXPECT_EQ(pickerEntries().size(), 5);
}

TEST_F(AppScopeEditorSheetTest, ARulesScopeButtonOpensAFreshSheetAndItsRowShowsTheSavedScope) {
    model().completeOnboarding();
    DashboardWindow window(model(), false, &env.main);
    Sheet::openOnRequest(*window.contentView()->dashboard(), model());
    window.show();
    model().replaceAppScopeRules({rule("app.nine", "App 9", false)}, kUpDown);
    QCoreApplication::processEvents();

    // The scope button of a rule's row on the page.
    const auto scopeButton = [&](const GestureDescriptor& pattern) -> QAbstractButton* {
        auto* row = window.findChild<QWidget*>(QStringLiteral("GestureMappingRow_") + pattern.id());
        if (row == nullptr) {
            return nullptr;
        }
        for (auto* button : row->findChildren<QAbstractButton*>()) {
            if (button->text() == QStringLiteral("App Rules…") ||
                button->text() == QStringLiteral("Scope to App…")) {
                return button;
            }
        }
        return nullptr;
    };
    const auto openSheetFrom = [&](const GestureDescriptor& pattern) {
        QAbstractButton* button = scopeButton(pattern);
        ASSERT_NE(button, nullptr) << pattern.id().toStdString();
        button->click();
        QCoreApplication::processEvents();
        const auto sheets = window.findChildren<Sheet*>();
        ASSERT_EQ(sheets.size(), 1);
        sheet = sheets.front();
        EXPECT_TRUE(sheet->isVisible());
        EXPECT_EQ(sheet->windowModality(), Qt::WindowModal);
        EXPECT_EQ(sheet->state().pattern(), pattern);
    };

    openSheetFrom(kUpDown);
    EXPECT_EQ(shownRows(), QStringList{"app.nine:Blocked"});
    click(Sheet::cancelButtonIdentifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(sheet.isNull());

    // A rule without scope rules starts empty; what Save stores shows on its row at once.
    ASSERT_EQ(scopeButton(kLeftUp)->text(), QStringLiteral("Scope to App…"));
    openSheetFrom(kLeftUp);
    EXPECT_EQ(shownRows(), QStringList{});
    pick(QStringLiteral("Firefox"));
    click(Sheet::blockButtonIdentifier);
    click(Sheet::saveButtonIdentifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_TRUE(sheet.isNull());
    EXPECT_EQ(storedRules(kLeftUp), QStringList{"Firefox-"});
    ASSERT_NE(scopeButton(kLeftUp), nullptr);
    EXPECT_EQ(scopeButton(kLeftUp)->text(), QStringLiteral("App Rules…"));
}

// ---- AppScopeEditorState -----------------------------------------------------------------------
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
