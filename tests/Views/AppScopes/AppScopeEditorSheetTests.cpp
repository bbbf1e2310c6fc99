#include "Views/AppScopes/AppScopeEditorSheet.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLayout>
#include <QPointer>
#include <QStyleOptionComboBox>
#include <QTest>
#include <algorithm>

#include "Services/Settings/GestureSettingsStore.h"
#include "ViewModels/AppModelTestEnvironment.h"
#include "Views/ContentView.h"
#include "Views/Dashboard/DashboardView.h"
#include "Views/DashboardWindow.h"
#include "Views/Theme/Theme.h"
#include "support/ViewTestHelpers.h"

namespace quillorbitex {
namespace {

using Keys = GestureSettingsStore::Keys;
using Sheet = AppScopeEditorSheet;
using Rules = std::vector<GestureAppScopeRule>;
using testing::kUpDown;
const GestureDescriptor kLeftUp = GestureDescriptor::directional(GesturePattern::leftThenUp);

GestureAppScopeRule rule(const char* identifier, const char* name = "", bool allowed = true) {
    return GestureAppScopeRule(QString::fromUtf8(identifier), QString::fromUtf8(name), allowed);
}

// Rules as "name+" when allowed, "name-" when blocked.
QStringList names(const Rules& rules) {
    QStringList out;
    for (const auto& r : rules) {
        out << r.appName() + (r.isEnabled() ? QStringLiteral("+") : QStringLiteral("-"));
    }
    return out;
}

// ---- The working copy --------------------------------------------------------------------------

TEST(AppScopeEditorState, OffersEachApplicationWithoutARuleWhateverItsLetterCaseOrBlanks) {
    const std::vector<GestureAppScopeChoice> offered = {
        {"org.mozilla.Firefox", "Firefox"}, {"org.gnome.Nautilus", "Files"}, {" xterm ", "XTerm"}};
    const struct {
        Rules rules;
        QStringList available;
    } cases[] = {
        {{}, {"Firefox", "Files", "XTerm"}},
        {{rule("xterm")}, {"Firefox", "Files"}},
    };
    for (const auto& c : cases) {
        QStringList available;
        for (const auto& choice : AppScopeEditorState(kUpDown, c.rules).availableChoices(offered)) {
            available << choice.displayName;
        }
        EXPECT_EQ(available, c.available) << c.rules.size();
    }
}

TEST(AppScopeEditorState, AddsOnlyAnOfferedChoiceInNameOrderAndThenClearsTheChoice) {
    const std::vector<GestureAppScopeChoice> offered = {{"app.ten", "App 10"},
                                                        {"app.nine", "App 9"},
                                                        {"other.browser", "browser"},
                                                        {"second.browser", "Browser"},
                                                        {"org.mozilla.Firefox", "Firefox"}};
    const Rules tenth{rule("app.ten", "App 10")}, ninth{rule("app.nine", "App 9")};
    const Rules blockedBrowser{rule("first.browser", "Browser", false)};
    const struct {
        const char* name;
        Rules initial;
        const char* selected;
        bool allowed;
        QStringList expected;  // empty: nothing added, the choice stays
    } cases[] = {
        {"digits by value", tenth, "app.nine", true, {"App 9+", "App 10+"}},
        {"blocked", {}, "app.ten", false, {"App 10-"}},
        {"after one of the same name",
         blockedBrowser,
         "second.browser",
         true,
         {"Browser-", "Browser+"}},
        {"letter case ignored in order", ninth, "other.browser", false, {"App 9+", "browser-"}},
        {"no choice", {}, "", true, {}},
        {"no longer offered", {}, "org.gnome.Nautilus", true, {}},
        {"identifier as written only", {}, "ORG.MOZILLA.FIREFOX", true, {}},
        {"already has a rule", {rule("org.mozilla.firefox")}, "org.mozilla.Firefox", true, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AppScopeEditorState state(kUpDown, c.initial);
        state.setSelectedBundleIdentifier(QString::fromUtf8(c.selected));
        EXPECT_EQ(state.addSelectedRule(c.allowed, offered), !c.expected.isEmpty());
        EXPECT_EQ(names(state.rules()), c.expected.isEmpty() ? names(c.initial) : c.expected);
        EXPECT_EQ(state.selectedBundleIdentifier(),
                  c.expected.isEmpty() ? QString::fromUtf8(c.selected) : QString());
    }
}

TEST(AppScopeEditorState, SwitchingAndRemovingFindTheApplicationIgnoringLetterCase) {
    AppScopeEditorState state(
        kUpDown, {rule("com.example.Alpha", "Alpha"), rule("com.example.Beta", "Beta", false),
                  rule("com.example.Gamma", "Gamma")});
    state.setRuleEnabled(rule("COM.EXAMPLE.BETA", "whatever"), true);
    state.setRuleEnabled(state.rules()[0], false);
    EXPECT_EQ(names(state.rules()), (QStringList{"Alpha-", "Beta+", "Gamma+"}));
    EXPECT_EQ(state.rules()[1].bundleIdentifier(), QStringLiteral("com.example.Beta"));

    state.removeRule(rule("com.example.beta"));
    state.removeRule(rule("not.there"));
    EXPECT_EQ(names(state.rules()), (QStringList{"Alpha-", "Gamma+"}));
    EXPECT_EQ(state.availableChoices({{"com.example.Beta", "Beta"}}).size(), 1U);
}

// ---- The sheet ---------------------------------------------------------------------------------

template <typename T = QWidget>
T* child(const QWidget& parent, const char* identifier) {
    return parent.findChild<T*>(QString::fromLatin1(identifier));
}

// Sheets over a model in test mode whose desktop has a few applications installed.
class AppScopeEditorSheetTest : public testing::WidgetTest {
protected:
    AppScopeEditorSheetTest() {
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
    ~AppScopeEditorSheetTest() override { delete sheet.data(); }

    AppModel& model() { return *env.model; }

    Sheet& open(const GestureDescriptor& pattern = kUpDown) {
        sheet = Sheet::openFor(model(), pattern, nullptr);
        QCoreApplication::processEvents();
        return *sheet;
    }

    QStringList pickerEntries() const {
        QStringList entries;
        const auto* picker = child<QComboBox>(*sheet, Sheet::pickerIdentifier);
        for (int i = 0; i < picker->count(); ++i) {
            entries << picker->itemText(i);
        }
        return entries;
    }

    void pick(const char* name) {
        auto* picker = child<QComboBox>(*sheet, Sheet::pickerIdentifier);
        ASSERT_GE(picker->findText(name), 0) << name;
        picker->setCurrentIndex(picker->findText(name));
    }

    // Clicks the button `identifier` of the sheet, or of the row of application `row`.
    void click(const char* identifier, const char* row = nullptr) {
        const QWidget* parent =
            row ? sheet->findChild<QWidget*>(QString::fromLatin1(Sheet::rowIdentifierPrefix) +
                                             QString::fromLatin1(row).toLower())
                : sheet.data();
        ASSERT_NE(parent, nullptr) << row;
        auto* button = child<QAbstractButton>(*parent, identifier);
        ASSERT_NE(button, nullptr) << identifier;
        ASSERT_TRUE(button->isVisibleTo(parent) && button->isEnabled()) << identifier;
        QTest::mouseClick(button, Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    // The rows shown, top to bottom, as "identifier:Allowed" or "identifier:Blocked".
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
            const bool allowed = child(*r, Sheet::rowAllowedButtonIdentifier)->isVisibleTo(r);
            shown << r->objectName().mid(int(qstrlen(Sheet::rowIdentifierPrefix))) +
                         (allowed ? QStringLiteral(":Allowed") : QStringLiteral(":Blocked"));
        }
        return shown;
    }

    bool shows(const char* identifier) const {
        return child(*sheet, identifier)->isVisibleTo(sheet.data());
    }

    QStringList storedRules(const GestureDescriptor& pattern = kUpDown) {
        return names(model().appScopeRules(pattern));
    }

    QPointer<Sheet> sheet;
};

TEST_F(AppScopeEditorSheetTest, StartsFromTheStoredRulesAndNeverOffersAnAppTwice) {
    // Stored with other letter case than the desktop reports.
    model().replaceAppScopeRules({rule("ORG.MOZILLA.FIREFOX", "Firefox", false)}, kUpDown);
    Sheet& s = open();
    EXPECT_EQ(shownRows(), QStringList{"org.mozilla.firefox:Blocked"});
    EXPECT_FALSE(shows(Sheet::emptyRulesIdentifier));
    EXPECT_EQ(pickerEntries(), (QStringList{"Pick an app", "App 9", "App 10", "Files"}));
    EXPECT_FALSE(child(s, Sheet::allowButtonIdentifier)->isEnabled());
    EXPECT_FALSE(child(s, Sheet::blockButtonIdentifier)->isEnabled());

    // After an add the picker is back at "Pick an app" and no longer offers that application.
    pick("Files");
    click(Sheet::allowButtonIdentifier);
    EXPECT_EQ(pickerEntries(), (QStringList{"Pick an app", "App 9", "App 10"}));
    EXPECT_EQ(child<QComboBox>(s, Sheet::pickerIdentifier)->currentIndex(), 0);
    EXPECT_FALSE(child(s, Sheet::blockButtonIdentifier)->isEnabled());
    EXPECT_EQ(shownRows(),
              (QStringList{"org.gnome.nautilus:Allowed", "org.mozilla.firefox:Blocked"}));

    // Removing makes it available again.
    click(Sheet::rowRemoveButtonIdentifier, "org.gnome.Nautilus");
    EXPECT_EQ(shownRows(), QStringList{"org.mozilla.firefox:Blocked"});
    EXPECT_TRUE(pickerEntries().contains(QStringLiteral("Files")));
}

TEST_F(AppScopeEditorSheetTest, TheKeyboardGoesTopToBottomAndARemovalNeverLandsOnASwitch) {
    model().replaceAppScopeRules(
        {rule("app.nine", "App 9"), rule("app.ten", "App 10", false), rule("xterm", "XTerm")},
        kUpDown);
    Sheet& s = open();
    s.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&s, 2000));
    // The focused control as "row/control", or the control alone outside the rows.
    const auto focused = [] {
        const QWidget* w = QApplication::focusWidget();
        const QString prefix = QString::fromLatin1(Sheet::rowIdentifierPrefix);
        const QString row = w->parentWidget()->objectName();
        return row.startsWith(prefix) ? row.mid(prefix.size()) + "/" + w->objectName()
                                      : w->objectName();
    };
    child(s, Sheet::saveButtonIdentifier)->setFocus();
    QStringList visited;
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << focused();
    }
    EXPECT_EQ(visited,
              (QStringList{"app.nine/AppScopeRuleAllowedButton",
                           "app.nine/AppScopeRuleRemoveButton", "app.ten/AppScopeRuleBlockedButton",
                           "app.ten/AppScopeRuleRemoveButton", "xterm/AppScopeRuleAllowedButton",
                           "xterm/AppScopeRuleRemoveButton", Sheet::pickerIdentifier}));

    // Space on Remove, again and again: the next row's Remove, the previous one's, the picker.
    child(*s.findChild<QWidget*>(QString::fromLatin1(Sheet::rowIdentifierPrefix) + "app.ten"),
          Sheet::rowRemoveButtonIdentifier)
        ->setFocus();
    for (const char* expected : {"xterm/AppScopeRuleRemoveButton",
                                 "app.nine/AppScopeRuleRemoveButton", Sheet::pickerIdentifier}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        EXPECT_EQ(focused(), QString::fromLatin1(expected));
    }
    EXPECT_TRUE(s.state().rules().empty());
}

// The sheet opens on the picker, its focus ring drawn, and each addition gives the focus back to
// the picker, so a second Space never lands on Cancel or on a rule.
TEST_F(AppScopeEditorSheetTest, TheKeyboardStartsOnThePickerAndComesBackToItAfterEachAddition) {
    model().replaceAppScopeRules({rule("app.ten", "App 10", false)}, kUpDown);
    Sheet& s = open();
    s.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&s, 2000));
    auto* picker = child<QComboBox>(s, Sheet::pickerIdentifier);
    EXPECT_EQ(QApplication::focusWidget(), picker);
    QStyleOptionComboBox look;
    look.initFrom(picker);
    EXPECT_TRUE(look.state.testFlag(QStyle::State_HasFocus) &&
                look.state.testFlag(QStyle::State_KeyboardFocusChange))
        << "the focus ring is drawn";

    // App 9, Files, Firefox: chosen with Down, added with Tab and Space, one after the other.
    for (const char* expected : {"App 9", "Files", "Firefox"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        EXPECT_EQ(picker->currentText(), QString::fromLatin1(expected));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        testing::settle();
        ASSERT_FALSE(sheet.isNull()) << expected;
        if (picker->isVisibleTo(&s)) {
            EXPECT_EQ(QApplication::focusWidget(), picker) << expected;
        }
    }
    // The last application added, no picker is left: the focus waits on Save, which keeps them.
    EXPECT_EQ(QApplication::focusWidget(), child(s, Sheet::saveButtonIdentifier));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(storedRules(), (QStringList{"App 9+", "App 10-", "Files+", "Firefox+"}));

    // Opened with every application scoped, the sheet starts on the first row's state.
    Sheet& again = open();
    again.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&again, 2000));
    const QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->parentWidget()->objectName(),
              QString::fromLatin1(Sheet::rowIdentifierPrefix) + "app.nine");
    EXPECT_EQ(focused->objectName(), QString::fromLatin1(Sheet::rowAllowedButtonIdentifier));
}

TEST_F(AppScopeEditorSheetTest, CancelEscapeOrClosingLeaveTheStoreAsItWas) {
    model().replaceAppScopeRules({rule("app.nine", "App 9", true)}, kUpDown);
    const auto storedBefore = model().appScopeRules(kUpDown);
    const auto customBefore = model().customMappings();
    const int writesBefore = env.defaults->totalWrites();
    const std::function<void(Sheet&)> ways[] = {
        [this](Sheet&) { click(Sheet::cancelButtonIdentifier); },
        [](Sheet& s) { QTest::keyClick(&s, Qt::Key_Escape); },
        [](Sheet& s) { s.close(); },
    };
    for (const auto& leave : ways) {
        Sheet& s = open();
        click(Sheet::rowAllowedButtonIdentifier, "app.nine");
        pick("Firefox");
        click(Sheet::blockButtonIdentifier);
        click(Sheet::rowRemoveButtonIdentifier, "app.nine");
        ASSERT_EQ(shownRows(), QStringList{"org.mozilla.firefox:Blocked"});
        leave(s);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(sheet.isNull());
        EXPECT_EQ(model().appScopeRules(kUpDown), storedBefore);
        EXPECT_EQ(model().customMappings(), customBefore);
        EXPECT_EQ(env.defaults->totalWrites(), writesBefore);
    }
}

TEST_F(AppScopeEditorSheetTest, SaveStoresTheRulesInNameOrderOnceAndAnEmptyListClearsThem) {
    open(kLeftUp);
    EXPECT_TRUE(shows(Sheet::emptyRulesIdentifier));
    pick("App 10");
    click(Sheet::blockButtonIdentifier);
    pick("App 9");
    click(Sheet::allowButtonIdentifier);
    // Switching keeps each row in its place.
    click(Sheet::rowBlockedButtonIdentifier, "app.ten");
    click(Sheet::rowAllowedButtonIdentifier, "app.nine");
    EXPECT_EQ(shownRows(), (QStringList{"app.nine:Blocked", "app.ten:Allowed"}));
    EXPECT_FALSE(shows(Sheet::emptyRulesIdentifier));

    const int customWrites = env.defaults->writes[Keys::customMappings];
    click(Sheet::saveButtonIdentifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(sheet.isNull());
    EXPECT_EQ(storedRules(kLeftUp), (QStringList{"App 9-", "App 10+"}));
    EXPECT_EQ(env.defaults->writes[Keys::customMappings], customWrites + 1);
    EXPECT_TRUE(model().mapping(kLeftUp)->isCustom());

    open(kLeftUp);
    for (const char* row : {"app.nine", "app.ten"}) {
        click(Sheet::rowRemoveButtonIdentifier, row);
    }
    EXPECT_TRUE(shows(Sheet::emptyRulesIdentifier));
    click(Sheet::saveButtonIdentifier);
    EXPECT_EQ(storedRules(kLeftUp), QStringList{});
    // An override left equal to its preset is dropped again.
    EXPECT_TRUE(model().customMappings().empty());
}

// However long a name and however many applications, the picker's pop-up stays a readable size.
TEST_F(AppScopeEditorSheetTest, ThePickersPopupStaysReadableInSize) {
    env.workspace->addApplication({QStringLiteral("app.long"), QString(300, QLatin1Char('n')), {}});
    for (int i = 0; i < 2000; ++i) {
        env.workspace->addApplication(
            {QStringLiteral("app.%1").arg(i), QStringLiteral("App %1").arg(i), {}});
    }
    open();
    auto* picker = child<QComboBox>(*sheet, Sheet::pickerIdentifier);
    sheet->show();
    picker->showPopup();
    const QWidget* popup = picker->view()->window();
    EXPECT_TRUE(popup->isVisible());
    EXPECT_GE(popup->width(), picker->width());
    EXPECT_LE(popup->width(), std::max(600, picker->width()));
    EXPECT_LE(popup->height(), 600);
    picker->hidePopup();
}

TEST_F(AppScopeEditorSheetTest, WithEveryAppScopedThePickerGivesWayToASentence) {
    Rules all;
    for (const auto& c : model().availableAppScopeChoices()) {
        all.emplace_back(c.bundleIdentifier.toUpper(), c.displayName, true);
    }
    model().replaceAppScopeRules(all, kUpDown);
    open();
    EXPECT_TRUE(shows(Sheet::noAppsIdentifier));
    EXPECT_FALSE(shows(Sheet::pickerIdentifier));
    EXPECT_FALSE(shows(Sheet::allowButtonIdentifier));
    // One rule fewer, and the picker is back.
    click(Sheet::rowRemoveButtonIdentifier, "app.nine");
    EXPECT_FALSE(shows(Sheet::noAppsIdentifier));
    EXPECT_EQ(pickerEntries(), (QStringList{"Pick an app", "App 9"}));
}

TEST_F(AppScopeEditorSheetTest, ARulesScopeButtonOpensASheetAndItsRowShowsTheSavedScope) {
    model().completeOnboarding();
    DashboardWindow window(model(), false, &env.main);
    Sheet::openOnRequest(*window.contentView()->dashboard(), model());
    window.show();
    QCoreApplication::processEvents();
    const auto scopeButton = [&]() -> QAbstractButton* {
        auto* row = window.findChild<QWidget*>(QStringLiteral("GestureMappingRow_") + kLeftUp.id());
        for (auto* button :
             row ? row->findChildren<QAbstractButton*>() : QList<QAbstractButton*>{}) {
            if (button->text().endsWith(QStringLiteral("…"))) {
                return button;
            }
        }
        return nullptr;
    };
    ASSERT_NE(scopeButton(), nullptr);
    EXPECT_EQ(scopeButton()->text(), QStringLiteral("Scope to App…"));
    scopeButton()->click();
    QCoreApplication::processEvents();
    ASSERT_EQ(window.findChildren<Sheet*>().size(), 1);
    sheet = window.findChildren<Sheet*>().front();
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->windowModality(), Qt::WindowModal);
    EXPECT_EQ(sheet->state().pattern(), kLeftUp);

    pick("Firefox");
    click(Sheet::blockButtonIdentifier);
    click(Sheet::saveButtonIdentifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_TRUE(sheet.isNull());
    EXPECT_EQ(storedRules(kLeftUp), QStringList{"Firefox-"});
    ASSERT_NE(scopeButton(), nullptr);
    EXPECT_EQ(scopeButton()->text(), QStringLiteral("App Rules…"));
}

}  // namespace
}  // namespace quillorbitex
