// The dashboard without a mouse, and by the wheel. Keys and wheel turns arrive as the window system
// delivers them: to the focused widget or the one under the pointer, as the user's own events.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>
#include <set>

#include "Views/AppScopes/AppScopeEditorSheet.h"
#include "Views/Components/InputConventions.h"
#include "Views/Components/SegmentedPicker.h"
#include "Views/Components/ThemedTextLabel.h"
#include "Views/ContentView.h"
#include "Views/Dashboard/CustomGestureListView.h"
#include "Views/Dashboard/CustomRulesSectionContent.h"
#include "Views/Dashboard/DashboardView.h"
#include "Views/Dashboard/EditableGestureRuleRow.h"
#include "Views/Dashboard/GestureRuleRowContent.h"
#include "Views/Dashboard/PresetRuleListView.h"
#include "Views/Dashboard/PresetRulesSectionContent.h"
#include "Views/DashboardWindow.h"
#include "Views/Onboarding/OnboardingFooter.h"
#include "Views/Onboarding/OnboardingView.h"
#include "Views/Onboarding/OnboardingViewModel.h"
#include "Views/RuleEditor/ActionStepView.h"
#include "Views/RuleEditor/CustomGestureWizard.h"
#include "Views/RuleEditor/GestureActionEditorKind.h"
#include "Views/RuleEditor/GestureRuleEditorState.h"
#include "Views/RuleEditor/GestureStepView.h"
#include "Views/RuleEditor/ReviewStepView.h"
#include "Views/RuleEditor/RuleEditorTextField.h"
#include "Views/SidebarView.h"
#include "Views/Theme/AccentButton.h"
#include "Views/Theme/GhostButton.h"
#include "support/ViewTestHelpers.h"
#include "support/WindowSystemInput.h"

namespace quillorbitex {
namespace {

using namespace testing;

// A key pressed and released `times` times with the focus where it is.
void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, int times = 1) {
    for (int i = 0; i < times; ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, static_cast<Qt::Key>(key), modifiers);
        settle();
    }
}

// Every third rule is scoped to applications, so its card is taller than the height guessed
// for cards not yet built.
GestureMapping freeformRule(int i) {
    const GestureTemplate shape(QStringLiteral("template-%1").arg(i),
                                QStringLiteral("Loop %1").arg(i, 3, 10, QLatin1Char('0')),
                                std::vector<GestureTemplatePoint>{{0, 0}, {1, 0}, {1, 1}});
    std::vector<GestureAppScopeRule> scopes;
    if (i % 3 == 2) {
        for (const char* name : {"Notes", "Files", "Terminal", "Web Browser", "Mail"}) {
            scopes.emplace_back(QStringLiteral("org.example.") + name, QString::fromLatin1(name),
                                true);
        }
    }
    return GestureMapping(GestureDescriptor::fromTemplate(shape),
                          GestureAction::predefined(PredefinedAction::newTab), QString(),
                          std::nullopt, GestureMappingSource::custom, true, std::move(scopes));
}

class DashboardKeyboard : public WidgetTest {
protected:
    DashboardKeyboard() { env.config.isUITest = true; }

    DashboardWindow& open(int customRules, QSize size = {1100, 760}) {
        for (const char* name : {"Notes", "Files", "Terminal"}) {
            env.workspace->addApplication(
                {QStringLiteral("org.example.") + name, QString::fromLatin1(name), QString()});
        }
        AppModel& model = env.build();
        std::vector<GestureMapping> rules;
        for (int i = 0; i < customRules; ++i) {
            rules.push_back(freeformRule(i));
        }
        model.mappingStore()->replaceCustomMappings(rules);
        model.syncMappingsFromStore();
        window = std::make_unique<DashboardWindow>(model, false, &env.main);
        window->resize(size);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get(), 5000));
        settle();
        return *window;
    }

    static void tab(int times = 1) { key(Qt::Key_Tab, Qt::NoModifier, times); }
    static void backtab(int times = 1) { key(Qt::Key_Backtab, Qt::ShiftModifier, times); }
    // Tab from `start` until the focus comes back to it (at most 200 presses): where the focus is
    // after each press, `start` first.
    static std::vector<QWidget*> tabCycleFrom(QWidget* start) {
        start->setFocus(Qt::TabFocusReason);
        std::vector<QWidget*> visited{start};
        for (int i = 0; i < 200 && (i == 0 || QApplication::focusWidget() != start); ++i) {
            tab();
            visited.push_back(QApplication::focusWidget());
        }
        return visited;
    }
    // A screen reader announces each stop by a name.
    static void expectNamed(const std::vector<QWidget*>& stops) {
        for (QWidget* stop : stops) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(stop);
            EXPECT_TRUE(accessible != nullptr && !accessible->text(QAccessible::Name).isEmpty())
                << "an unnamed stop: " << stop->metaObject()->className() << " "
                << stop->objectName().toStdString();
        }
    }
    // What a screen reader's press on the name of `card` does.
    static void pressName(EditableGestureRuleRow& card) {
        const QString title = GestureRuleRowContent::make(card.mapping()).title;
        for (ThemedTextLabel* name : card.findChildren<ThemedTextLabel*>()) {
            if (name->isVisible() && name->text() == title) {
                QAccessible::queryAccessibleInterface(name)->actionInterface()->doAction(
                    QAccessibleActionInterface::pressAction());
            }
        }
    }
    DashboardView& dashboard() const { return *window->contentView()->dashboard(); }
    QWidget* viewport() const { return dashboard().scrollArea()->viewport(); }
    QScrollBar* scrollBar() const { return dashboard().scrollArea()->verticalScrollBar(); }
    CustomGestureListView& customList() const {
        return *window->findChild<CustomRulesSectionContent*>()->list();
    }
    EditableGestureRuleRow* presetCard(int index) const {
        return qobject_cast<EditableGestureRuleRow*>(
            window->findChild<PresetRulesSectionContent*>()->list()->rowAt(index));
    }
    EditableGestureRuleRow* customCard(std::size_t index) const {
        return customList().row(env.model->customMappings().at(index).pattern());
    }
    template <typename T = QWidget>
    T* named(const char* name) const {
        return window->findChild<T*>(QString::fromLatin1(name));
    }

    bool inView(const QWidget* widget) const {
        return viewport()->rect().contains(
            QRect(widget->mapTo(viewport(), QPoint(0, 0)), widget->size()));
    }
    // The focus on stop `stop` of `card`, wholly in view.
    void expectFocusAt(const EditableGestureRuleRow* card, int stop) const {
        QWidget* focus = QApplication::focusWidget();
        int at = -1;
        for (QWidget* widget = focus; widget != nullptr; widget = widget->parentWidget()) {
            if (const auto* holder = qobject_cast<const EditableGestureRuleRow*>(widget)) {
                const std::vector<QWidget*> stops = holder->tabStops();
                at = static_cast<int>(std::find(stops.begin(), stops.end(), focus) - stops.begin());
                EXPECT_EQ(holder, card);
                break;
            }
        }
        EXPECT_EQ(at, stop);
        EXPECT_TRUE(focus != nullptr && inView(focus));
    }
    // Focuses the first or last stop of custom card `index` in view, then moves the page as the
    // wheel does (the focus stays) to `value`, clamped, which takes the stop out of view.
    QPointer<QWidget> focusThenScrollAway(std::size_t index, bool first, int value) const {
        scrollBar()->setValue(0);
        settle();
        for (int round = 0; round < 200; ++round) {
            if (EditableGestureRuleRow* card = customCard(index); card != nullptr && inView(card)) {
                QPointer<QWidget> stop = first ? card->tabStops().front() : card->tabStops().back();
                stop->setFocus(Qt::TabFocusReason);
                scrollBar()->setValue(value);
                settle();
                EXPECT_FALSE(inView(stop));
                return stop;
            }
            scrollBar()->setValue(scrollBar()->value() + viewport()->height() / 3);
            settle();
        }
        return nullptr;
    }

    std::unique_ptr<DashboardWindow> window;
};

TEST_F(DashboardKeyboard, TabReachesEveryCustomCardHoweverManyAreNotBuilt) {
    open(300);
    const std::size_t last = env.model->customMappings().size() - 1;
    ASSERT_EQ(customCard(last / 2), nullptr) << "cards out of view are not built";

    // Into the first card, through its five buttons into the next, and back.
    named("CustomGesture_OpenWizardButton")->setFocus(Qt::TabFocusReason);
    tab();
    expectFocusAt(customCard(0), 0);
    tab(5);
    expectFocusAt(customCard(1), 0);
    backtab();
    expectFocusAt(customCard(0), 4);

    // Back from the first preset: the last custom card, built and scrolled to.
    presetCard(0)->tabStops().front()->setFocus();
    backtab();
    ASSERT_NE(customCard(last), nullptr);
    expectFocusAt(customCard(last), 4);
    backtab(5);
    expectFocusAt(customCard(last - 1), 4);
    tab(6);
    EXPECT_TRUE(presetCard(0)->isAncestorOf(QApplication::focusWidget()));
    // From the sidebar's capture switch back to the log at the page's end, which comes into view.
    named("CaptureToggleControl")->setFocus(Qt::TabFocusReason);
    dashboard().scrollTo(DashboardSection::overview);
    backtab();
    ASSERT_EQ(QApplication::focusWidget(), named("OverlayDebugLogValue"));
    EXPECT_TRUE(inView(QApplication::focusWidget()));
}

TEST_F(DashboardKeyboard, ACycleOfTabVisitsEveryControlOnceInTheOrderShown) {
    // Tall enough that every card is built and on screen; a restored preset's card comes last.
    open(3, {1100, 3600});
    env.model->removeMapping(kUpDown);
    env.model->restoreBuiltInMapping(kUpDown);
    settle();

    QWidget* start = window->contentView()->sidebar()->row(DashboardSection::overview);
    std::vector<QWidget*> forward = tabCycleFrom(start);
    ASSERT_EQ(forward.back(), start);
    forward.pop_back();
    expectNamed(forward);

    std::set<QWidget*> expected;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus)) {
            expected.insert(widget);
        }
    }
    EXPECT_EQ(std::set<QWidget*>(forward.begin(), forward.end()), expected);
    EXPECT_EQ(forward.size(), expected.size()) << "a control was visited twice";
    // On the page, each control comes after those above it and, on one line, to its left.
    QWidget* page = dashboard().scrollArea()->widget();
    std::vector<std::pair<int, int>> places;
    for (QWidget* widget : forward) {
        if (page->isAncestorOf(widget)) {
            const QPoint at = widget->mapTo(page, QPoint(0, 0));
            places.emplace_back(at.y(), at.x());
        }
    }
    EXPECT_GT(places.size(), 3u * 5u);
    EXPECT_TRUE(std::is_sorted(places.begin(), places.end()));

    std::vector<QWidget*> backward{start};
    for (std::size_t i = 1; i < forward.size(); ++i) {
        backtab();
        backward.push_back(QApplication::focusWidget());
    }
    std::reverse(backward.begin() + 1, backward.end());
    EXPECT_EQ(backward, forward);
}

TEST_F(DashboardKeyboard, TabOutOfARenameGoesOnToTheSameCardsButtons) {
    open(0);
    EditableGestureRuleRow* row = presetCard(1);
    ASSERT_NE(row, nullptr);
    QWidget* firstButton = row->tabStops().front();
    for (const char* field : {"the field made", "the field made before"}) {
        SCOPED_TRACE(field);
        row->beginEditingName();
        settle();
        ASSERT_TRUE(row->isEditingName());
        tab();
        EXPECT_FALSE(row->isEditingName());
        EXPECT_EQ(QApplication::focusWidget(), firstButton);
        backtab();
        EXPECT_EQ(QApplication::focusWidget(), presetCard(0)->tabStops().back());
    }
}

// F2 on a control of a card, or the name's press action, starts a rename, in view although the
// wheel had taken the card out of it; Escape ends it keeping the name, Return stores the typed one,
// and both give the focus back to that control (the card's first button after the press action),
// in view although the new name made the card taller.
TEST_F(DashboardKeyboard, F2OrTheNamesPressActionRenamesAndEscapeKeepsTheName) {
    open(1);
    // The control F2 is pressed on, or -1 for the name's press action.
    const std::pair<std::function<EditableGestureRuleRow*()>, int> starts[] = {
        {[&] { return customCard(0); }, 0},
        {[&] { return presetCard(1); }, 4},
        {[&] { return presetCard(2); }, -1},
    };
    for (const auto& [cardOf, button] : starts) {
        for (const auto& [finish, away] :
             {std::pair{Qt::Key_Escape, false}, std::pair{Qt::Key_Escape, true},
              std::pair{Qt::Key_Return, false}, std::pair{Qt::Key_Return, true}}) {
            SCOPED_TRACE(::testing::Message()
                         << "button " << button << ", key " << finish << ", away " << away);
            EditableGestureRuleRow* card = cardOf();
            const GestureMapping before = card->mapping();
            const GestureRuleRowContent content = GestureRuleRowContent::make(before);
            QWidget* back = card->findChildren<QAbstractButton*>().at(std::max(button, 0));
            // At the bottom of the view.
            scrollBar()->setValue(back->mapTo(viewport(), QPoint(0, back->height())).y() -
                                  viewport()->height() + scrollBar()->value());
            settle();
            if (button >= 0) {
                back->setFocus(Qt::TabFocusReason);
            }
            if (away) {
                // As the wheel moves the page: the focus stays, the card goes out of view.
                QWidget* page = dashboard().scrollArea()->widget();
                const bool upperHalf = card->mapTo(page, QPoint()).y() < page->height() / 2;
                scrollBar()->setValue(upperHalf ? scrollBar()->maximum() : 0);
                settle();
                ASSERT_TRUE(card->visibleRegion().isEmpty());
            }
            if (button >= 0) {
                key(Qt::Key_F2);
            } else {
                pressName(*card);
            }
            settle();
            ASSERT_TRUE(card->isEditingName());
            auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            ASSERT_TRUE(field != nullptr && card->isAncestorOf(field));
            EXPECT_TRUE(inView(field)) << "typing goes into a field out of view";
            EXPECT_FALSE(
                QAccessible::queryAccessibleInterface(field)->text(QAccessible::Name).isEmpty());
            EXPECT_EQ(field->text(), content.renameStartText);
            const QString typed = content.title + QStringLiteral(
                                                      " renamed to open the weekly planning board "
                                                      "of the team with the filters of last month");
            QTest::keyClicks(field, typed);
            key(finish);

            EXPECT_FALSE(card->isEditingName() || field->isVisible());
            const bool kept = finish == Qt::Key_Escape;
            EXPECT_EQ(env.model->mapping(before.pattern())->name(),
                      kept ? before.name() : std::optional<QString>(typed));
            EXPECT_TRUE(!kept || card->accessibleName() == content.title);
            EXPECT_EQ(QApplication::focusWidget(), back);
            EXPECT_TRUE(inView(back));
        }
    }
}

// Deleting a card by keyboard hides the focused control while the list still takes the rule
// away; the focus must not stay on a card scrolled out of view.
TEST_F(DashboardKeyboard, DeletingTheFocusedCardLeavesTheFocusOnALiveControlInView) {
    open(60);
    // The first card, one in the middle and, two deletions later, the last.
    for (const std::size_t place : {std::size_t{0}, std::size_t{30}, std::size_t{57}}) {
        SCOPED_TRACE(place);
        const std::size_t before = env.model->customMappings().size();
        const GestureDescriptor pattern = env.model->customMappings().at(place).pattern();
        QPointer<QWidget> deleteButton =
            focusThenScrollAway(place, false, place < 10 ? INT_MAX : 0);
        ASSERT_FALSE(deleteButton.isNull());
        key(Qt::Key_Space);
        EXPECT_EQ(env.model->customMappings().size(), before - 1);
        EXPECT_FALSE(env.model->mapping(pattern).has_value());
        EXPECT_TRUE(QTest::qWaitFor([&] { return deleteButton.isNull(); }, 2000));
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        EXPECT_TRUE(window->isAncestorOf(focus) && focus->isVisible());
        if (dashboard().scrollArea()->widget()->isAncestorOf(focus)) {
            EXPECT_TRUE(inView(focus));
        }
    }
}

// Another window's activation leaves the application without a focus widget: the card holding
// the dashboard's focus stays built, and the focus is there on return.
TEST_F(DashboardKeyboard, AFocusedCardOutOfViewOutlivesAnotherWindowsActivation) {
    open(120);
    QPointer<QWidget> focused = focusThenScrollAway(60, true, 0);
    ASSERT_FALSE(focused.isNull());
    QWidget other;
    for (QWidget* active : {&other, static_cast<QWidget*>(window.get())}) {
        active->show();
        active->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(active, 5000));
        settle();
    }
    ASSERT_FALSE(focused.isNull());
    EXPECT_EQ(QApplication::focusWidget(), focused.data());
}

TEST_F(DashboardKeyboard, ReturnAndEnterPressTheFocusedButton) {
    open(1);
    QSignalSpy editorRequests(&dashboard(), &DashboardView::ruleEditorRequested);
    const GestureDescriptor custom = env.model->customMappings().front().pattern();
    const struct {
        const char* name;
        std::function<QWidget*()> button;
        std::function<bool()> pressed;
        std::function<void()> undo;
    } cases[] = {
        {"a card's Disable", [&] { return customList().row(custom)->tabStops().front(); },
         [&] { return !env.model->mapping(custom)->isEnabled(); },
         [&] { env.model->setGestureEnabled(true, custom); }},
        {"Create Rule", [&] { return named("CustomGesture_OpenWizardButton"); },
         [&] { return editorRequests.count() == 1; }, [&] { editorRequests.clear(); }},
        {"the capture switch", [&] { return named("CaptureToggleControl"); },
         [&] { return !env.model->isCaptureEnabled(); },
         [&] { env.model->setCaptureEnabled(true); }},
        {"a sidebar row",
         [&] { return window->contentView()->sidebar()->row(DashboardSection::debugging); },
         [&] { return dashboard().selectedSection() == DashboardSection::debugging; },
         [&] {
             dashboard().scrollTo(DashboardSection::overview);
             env.main.advance(DashboardView::scrollGuard);
         }},
    };
    for (const auto& [returnKey, modifiers] :
         {std::pair{Qt::Key_Return, Qt::KeyboardModifiers()},
          std::pair{Qt::Key_Enter, Qt::KeyboardModifiers(Qt::KeypadModifier)}}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (returnKey == Qt::Key_Enter ? ", Enter" : ""));
            QWidget* button = c.button();
            ASSERT_NE(button, nullptr);
            button->setFocus(Qt::TabFocusReason);
            ASSERT_FALSE(c.pressed());
            key(returnKey, modifiers);
            EXPECT_TRUE(c.pressed());
            EXPECT_EQ(QApplication::focusWidget(), button);
            c.undo();
            settle();
        }
    }

    // The onboarding's buttons take Return too: it walks the whole flow.
    OnboardingView* onboarding = OnboardingView::install(*window->contentView(), *env.model);
    env.model->completeOnboarding();
    env.model->reopenOnboarding();
    settle();
    ASSERT_TRUE(onboarding->isVisible());
    for (int step = 0; step < 3 && env.model->showOnboarding(); ++step) {
        ASSERT_EQ(QApplication::focusWidget(), onboarding->footer()->primaryButton());
        key(Qt::Key_Return);
    }
    EXPECT_FALSE(env.model->showOnboarding());
}

// Finished by keyboard, faded out or gone at once, the onboarding leaves the focus on the
// dashboard, where Tab goes on.
TEST_F(DashboardKeyboard, AfterTheOnboardingTheKeysMoveOnOverTheDashboard) {
    open(0);
    OnboardingView* onboarding = OnboardingView::install(*window->contentView(), *env.model);
    for (const bool animated : {false, true}) {
        SCOPED_TRACE(animated ? "faded out" : "gone at once");
        Theme::setAnimationsEnabled(animated);
        env.model->reopenOnboarding();
        for (int step = 0; step < 3; ++step) {
            onboarding->viewModel().nextStep();
        }
        settle();
        ASSERT_EQ(QApplication::focusWidget(), onboarding->footer()->primaryButton());
        key(Qt::Key_Return);
        ASSERT_TRUE(QTest::qWaitFor([&] { return onboarding->isHidden(); }, 2000));
        for (int press = 0; press < 2; ++press) {
            QWidget* focus = QApplication::focusWidget();
            ASSERT_TRUE(focus != nullptr && focus->isVisible() && !onboarding->isAncestorOf(focus));
            tab();
            EXPECT_NE(QApplication::focusWidget(), focus) << "Tab moved nothing";
        }
    }
}

TEST(InputConventions, ReturnInADialogWithADefaultButtonStaysTheDialogs) {
    InputConventions::install();
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* accept = new QPushButton(QStringLiteral("OK"));
    auto* other = new QPushButton(QStringLiteral("Other"));
    layout->addWidget(accept);
    layout->addWidget(other);
    accept->setDefault(true);
    other->setAutoDefault(false);
    QObject::connect(accept, &QPushButton::clicked, &dialog, &QDialog::accept);
    QSignalSpy otherPressed(other, &QPushButton::clicked);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog, 5000));
    other->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(otherPressed.count(), 0);
}

// A control with the focus takes the wheel as its own (without the focus, see ValueControls).
TEST_F(DashboardKeyboard, AControlWithTheFocusTakesTheWheel) {
    DashboardWindow& shown = open(0, {1100, 700});
    // `takesWheel`: whether the control itself takes the wheel when it has the focus.
    const auto check = [&](const char* name, QWidget* control,
                           const std::function<QVariant()>& value, bool takesWheel) {
        SCOPED_TRACE(name);
        QWidget* owner = control->window();
        owner->show();
        owner->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(owner, 5000));
        if (owner == &shown) {
            dashboard().scrollArea()->ensureWidgetVisible(control, 0, 250);
        }
        settle();
        QWidget* focusable =
            control->focusPolicy() == Qt::NoFocus ? control->parentWidget() : control;
        focusable->setFocus(Qt::MouseFocusReason);
        const QVariant before = value();
        const QPoint at = control->mapTo(owner, control->rect().center());
        turnWheel(*owner, at, 1);
        settle();
        EXPECT_EQ(value() != before, takesWheel) << "the value changed";
        EXPECT_TRUE(focusable->hasFocus());
    };
    const auto raw = [](auto value) { return QString::fromUtf8(rawValue(value).data()); };
    check(
        "threshold slider", named("Overview_MatchingThresholdSlider"),
        [&] { return env.model->matchingThreshold(); }, true);
    check(
        "language picker", named("Overview_LanguageOverridePicker"),
        [&] { return raw(env.model->languageOverride()); }, true);
    check(
        "theme picker", named<SegmentedPicker>("Overview_ThemeOverridePicker")->segment(1),
        [&] { return raw(env.model->themeOverride()); }, false);

    // The editors' pickers follow the same rule.
    QPointer<AppScopeEditorSheet> scopes =
        AppScopeEditorSheet::openFor(*env.model, kUpDown, &shown);
    auto* apps =
        scopes->findChild<QComboBox*>(QString::fromLatin1(AppScopeEditorSheet::pickerIdentifier));
    ASSERT_GT(apps->count(), 2);
    check(
        "scope editor's application picker", apps, [apps] { return apps->currentIndex(); }, true);
    delete scopes.data();

    QPointer<CustomGestureWizard> editor =
        new CustomGestureWizard(GestureRuleEditorContext::open(GestureRuleEditorMode::newRule),
                                *env.model, {env.workspace, nullptr}, &shown);
    editor->show();
    env.model->seedCapturedGestureDraft(kUpDown);
    settle();
    QTest::mouseClick(editor->nextButton(), Qt::LeftButton);
    SegmentedPicker* kinds = editor->actionStep()->kindPicker();
    QTest::mouseClick(kinds->segment(kinds->findData(raw(GestureActionEditorKind::predefined))),
                      Qt::LeftButton);
    settle();
    QComboBox* actions = editor->actionStep()->predefinedPicker();
    ASSERT_TRUE(actions->isVisible());
    check(
        "rule editor's action picker", actions, [actions] { return actions->currentIndex(); },
        true);
    delete editor.data();
}

TEST_F(DashboardKeyboard, SwitchesAndPickersChangeTheirSettingThroughAccessibilityActions) {
    open(0);
    auto* theme = named<SegmentedPicker>("Overview_ThemeOverridePicker");
    env.model->setThemeOverride(AppThemeOverride::dark);
    settle();
    const struct {
        const char* name;
        QAbstractButton* control;
        std::function<bool()> setting;
    } cases[] = {
        {"capture switch", named<QAbstractButton>("CaptureToggleControl"),
         [&] { return env.model->isCaptureEnabled(); }},
        {"Open at Login switch", named<QAbstractButton>("Overview_OpenAtLoginToggle"),
         [&] { return env.model->isOpenAtLoginEnabled(); }},
        {"theme picker's Light", theme->segment(1),
         [&] { return env.model->themeOverride() == AppThemeOverride::light; }},
        {"theme picker's Dark", theme->segment(2),
         [&] { return env.model->themeOverride() == AppThemeOverride::dark; }},
    };
    // A screen reader toggles a switch or a segment, or presses it.
    for (const QString& action :
         {QAccessibleActionInterface::toggleAction(), QAccessibleActionInterface::pressAction()}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name + std::string(" by ") + action.toStdString());
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(c.control);
            ASSERT_TRUE(accessible != nullptr && accessible->actionInterface() != nullptr);
            EXPECT_TRUE(accessible->actionInterface()->actionNames().contains(
                QAccessibleActionInterface::toggleAction()));
            const bool before = c.setting();
            accessible->actionInterface()->doAction(action);
            // A press clicks a moment later.
            EXPECT_TRUE(QTest::qWaitFor([&] { return c.setting() != before; }, 2000));
            settle();
            EXPECT_EQ(c.control->isChecked(), c.setting()) << "shows another state than it has";
        }
        env.model->setThemeOverride(AppThemeOverride::dark);
        settle();
    }
}

// The rule editor opens with the focus on its first step's first control, and Next and Back, by
// keyboard, put it on the first control of the step they show; Tab never stops where a screen
// reader finds no name.
TEST_F(DashboardKeyboard, TheRuleEditorFocusesTheFirstControlOfEachStep) {
    DashboardWindow& shown = open(0);
    QPointer<CustomGestureWizard> editor =
        new CustomGestureWizard(GestureRuleEditorContext::open(GestureRuleEditorMode::newRule),
                                *env.model, {env.workspace, nullptr}, &shown);
    editor->show();
    editor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor, 5000));
    env.model->seedCapturedGestureDraft(kUpDown);
    settle();
    const auto press = [&](QWidget* button) {
        button->setFocus(Qt::TabFocusReason);
        key(Qt::Key_Space);
    };
    const struct {
        const char* step;
        std::function<void()> move;
        QWidget* first;
    } steps[] = {
        {"opened", [] {}, editor->gestureStep()->captureButton()},
        {"Next to the action", [&] { press(editor->nextButton()); },
         editor->actionStep()->kindPicker()},
        {"Next to the review",
         [&] {
             editor->state().setActionKind(GestureActionEditorKind::predefined);
             press(editor->nextButton());
         },
         editor->reviewStep()->nameField()->lineEdit()},
        {"Back to the action", [&] { press(editor->backButton()); },
         editor->actionStep()->kindPicker()},
        {"Back to the gesture", [&] { press(editor->backButton()); },
         editor->gestureStep()->captureButton()},
    };
    for (const auto& [step, move, first] : steps) {
        SCOPED_TRACE(step);
        move();
        settle();
        EXPECT_EQ(QApplication::focusWidget(), first);
        expectNamed(tabCycleFrom(QApplication::focusWidget()));
    }
    delete editor.data();
}

// An assistive technology's actions reach widgets that a modal sheet blocks: behind the open scope
// editor, the name's press action starts no rename and a drop-down's row is not chosen; with the
// sheet closed, both act.
TEST_F(DashboardKeyboard, NothingBehindAnOpenSheetActsOnAnAssistiveTechnologysAction) {
    open(0);
    auto* language = named<QComboBox>("Overview_LanguageOverridePicker");
    const struct {
        const char* name;
        std::function<void()> act;
        std::function<QVariant()> state;
        std::function<void()> undo;
    } actions[] = {
        {"the name's press", [&] { pressName(*presetCard(0)); },
         [&] { return presetCard(0)->isEditingName(); }, [&] { key(Qt::Key_Escape); }},
        {"a drop-down's row",
         [&] {
             QAccessible::queryAccessibleInterface(language)->child(0)->tableInterface()->selectRow(
                 (language->currentIndex() + 1) % language->count());
         },
         [&] { return QString::fromUtf8(rawValue(env.model->languageOverride()).data()); },
         [&] { env.model->setLanguageOverride(AppLanguageOverride::english); }},
    };
    for (const bool sheetOpen : {true, false}) {
        QPointer<AppScopeEditorSheet> sheet =
            sheetOpen ? AppScopeEditorSheet::openFor(*env.model, kUpDown, window.get()) : nullptr;
        settle();
        for (const auto& c : actions) {
            SCOPED_TRACE(std::string(c.name) + (sheetOpen ? " behind the sheet" : ""));
            const QVariant before = c.state();
            c.act();
            settle();
            EXPECT_EQ(c.state() != before, !sheetOpen);
            if (c.state() != before) {
                c.undo();
                settle();
            }
        }
        if (sheet) {
            sheet->reject();
            window->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(window.get(), 5000));
            settle();
        }
        EXPECT_FALSE(presetCard(0)->isEditingName()) << "a rename stays open behind the sheet";
    }
}

}  // namespace
}  // namespace quillorbitex
