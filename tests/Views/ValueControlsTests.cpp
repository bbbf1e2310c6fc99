// The controls that hold a value (drop-downs, sliders, spin boxes, segmented pickers), found in
// every window the program builds: the wheel passes over them without the focus, an assistive
// technology can choose a drop-down's item, and an open drop-down shows its rows whole.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QComboBox>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <functional>

#include "Application/ThemeStyle.h"
#include "Services/Settings/GestureSettingsStore.h"
#include "Views/AppScopes/AppScopeEditorSheet.h"
#include "Views/Components/InputConventions.h"
#include "Views/Components/SegmentedPicker.h"
#include "Views/ContentView.h"
#include "Views/DashboardWindow.h"
#include "Views/Onboarding/OnboardingView.h"
#include "Views/Onboarding/OnboardingViewModel.h"
#include "Views/RuleEditor/CustomGestureWizard.h"
#include "Views/RuleEditor/GestureActionEditorKind.h"
#include "Views/RuleEditor/GestureRuleEditorState.h"
#include "Views/Theme/AccentButton.h"
#include "Views/UpdateDialog.h"
#include "support/ViewTestHelpers.h"
#include "support/WindowSystemInput.h"

namespace quillorbitex {
namespace {

using namespace testing;
using Kind = GestureActionEditorKind;

template <typename Option>
QString raw(Option option) {
    return QString::fromUtf8(rawValue(option).data());
}

// A control's value, or nothing for a widget that holds none.
QVariant valueOf(const QWidget* widget) {
    if (qobject_cast<const QScrollBar*>(widget) != nullptr) {
        return {};
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        return combo->currentIndex();
    }
    if (const auto* slider = qobject_cast<const QAbstractSlider*>(widget)) {
        return slider->value();
    }
    if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(widget)) {
        return spin->text();
    }
    if (const auto* picker = qobject_cast<const SegmentedPicker*>(widget)) {
        return picker->currentIndex();
    }
    return {};
}

template <typename T>
std::vector<T*> visibleIn(const QWidget& window, bool (*wanted)(const QWidget*) = nullptr) {
    std::vector<T*> found;
    for (T* widget : window.findChildren<T*>()) {
        if (widget->isVisible() && (wanted == nullptr || wanted(widget))) {
            found.push_back(widget);
        }
    }
    return found;
}

bool holdsValue(const QWidget* widget) {
    return valueOf(widget).isValid();
}

bool scrolls(const QWidget* widget) {
    return qobject_cast<const QAbstractScrollArea*>(widget) != nullptr;
}

// The nearest ancestor of `widget` inside `top` for which `is` holds.
QWidget* ancestor(const QWidget* widget, const QWidget* top, bool (*is)(const QWidget*)) {
    for (QWidget* above = widget->parentWidget(); above != nullptr && above != top;
         above = above->parentWidget()) {
        if (is(above)) {
            return above;
        }
    }
    return nullptr;
}

// Where the focus rests while the wheel turns: a button outside the scrolling page and outside
// every value control.
QWidget* restingPlace(const QWidget& window) {
    for (QAbstractButton* button : visibleIn<QAbstractButton>(window)) {
        if (button->isEnabled() && (button->focusPolicy() & Qt::TabFocus) != 0 &&
            ancestor(button, &window, scrolls) == nullptr &&
            ancestor(button, &window, holdsValue) == nullptr) {
            return button;
        }
    }
    return nullptr;
}

void activate(QWidget& window) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window, 5000));
    settle();
}

class ValueControls : public WidgetTest {
protected:
    ValueControls() {
        ThemeStyle::install();
        InputConventions::install();
        env.config.isUITest = true;
        // More applications than an open list shows at once.
        for (int i = 0; i < 14; ++i) {
            const QString name = QStringLiteral("App %1").arg(i, 2, 10, QLatin1Char('0'));
            env.workspace->addApplication(
                {QStringLiteral("org.example.app%1").arg(i), name, QString()});
        }
        env.build();
        dashboard = std::make_unique<DashboardWindow>(*env.model, false, &env.main);
        dashboard->resize(1100, 700);
    }

    // Calls `check` with every window the program builds, in turn, each shown and active: the
    // dashboard, each onboarding step over it (the onboarding, which covers the window), the rule
    // editor at each step and action kind, the scope editor and the update window. `name` says
    // which.
    void forEachWindow(const std::function<void(QWidget& shown, const std::string& name)>& check) {
        activate(*dashboard);
        check(*dashboard, "dashboard");

        OnboardingView* onboarding = OnboardingView::install(*dashboard->contentView(), *env.model);
        env.model->reopenOnboarding();
        for (int step = 1; step <= 3; ++step) {
            settle();
            check(*onboarding, "onboarding step " + std::to_string(step));
            onboarding->viewModel().nextStep();
        }
        env.model->completeOnboarding();
        settle();

        editor =
            new CustomGestureWizard(GestureRuleEditorContext::open(GestureRuleEditorMode::newRule),
                                    *env.model, {env.workspace, nullptr}, dashboard.get());
        activate(*editor);
        check(*editor, "rule editor's gesture step");
        env.model->seedCapturedGestureDraft(kUpDown);
        settle();
        QTest::mouseClick(editor->nextButton(), Qt::LeftButton);
        for (const Kind kind : allCases<Kind>()) {
            editor->state().setActionKind(kind);
            settle();
            check(*editor, "rule editor's action step, " + raw(kind).toStdString());
        }
        QTest::mouseClick(editor->nextButton(), Qt::LeftButton);
        settle();
        check(*editor, "rule editor's review step");
        delete editor.data();

        sheet = AppScopeEditorSheet::openFor(*env.model, kUpDown, dashboard.get());
        activate(*sheet);
        check(*sheet, "scope editor");
        delete sheet.data();

        UpdateCheckOutcome update{UpdateCheckOutcome::Kind::updateAvailable, "0.2.0",
                                  AppcastItem{"0.3.0", "0.3", "Faster.", QUrl()}};
        QPointer<UpdateDialog> updates = new UpdateDialog(update);
        activate(*updates);
        check(*updates, "update window");
        delete updates.data();
    }

    // What a drop-down sets, as its items' data names it.
    QString setting(const QComboBox& combo) const {
        const QString name = combo.objectName();
        if (name == QLatin1String("Overview_LanguageOverridePicker")) {
            // As stored: the model writes what it takes.
            return raw(GestureSettingsStore(env.defaults).languageOverride());
        }
        if (name == QLatin1String("CustomGesture_PredefinedActionPicker")) {
            return raw(editor->state().selectedPredefinedAction());
        }
        if (name == QLatin1String("CustomGesture_OpenAppPicker")) {
            return editor->state().runningAppSelection();
        }
        if (name == QLatin1String(AppScopeEditorSheet::pickerIdentifier)) {
            return sheet->state().selectedBundleIdentifier();
        }
        ADD_FAILURE() << "a drop-down of unknown setting: " << name.toStdString();
        return {};
    }

    std::unique_ptr<DashboardWindow> dashboard;
    QPointer<CustomGestureWizard> editor;
    QPointer<AppScopeEditorSheet> sheet;
};

// Wheels over each value control of `shown` (a window or what covers it) without the focus, both
// ways, with the page around it at its top, at its bottom and holding the control in view (where
// the control is under the pointer there): nothing changes, the focus stays, and the page scrolls
// exactly when it can. Returns how many controls it found.
int expectWheelsPassOver(QWidget& shown) {
    QWidget& window = *shown.window();
    QWidget* resting = restingPlace(shown);
    const std::vector<QWidget*> controls = visibleIn<QWidget>(shown, holdsValue);
    if (controls.empty()) {
        return 0;
    }
    EXPECT_NE(resting, nullptr) << "no place for the focus";
    for (QWidget* control : controls) {
        SCOPED_TRACE(control->objectName().isEmpty() ? control->metaObject()->className()
                                                     : control->objectName().toStdString());
        auto* page = qobject_cast<QScrollArea*>(ancestor(control, nullptr, scrolls));
        QScrollBar* bar = page != nullptr ? page->verticalScrollBar() : nullptr;
        const std::function<void()> placings[] = {
            [&] { bar->setValue(bar->minimum()); },
            [&] { bar->setValue(bar->maximum()); },
            [&] { page->ensureWidgetVisible(control, 0, 0); },
        };
        int wheeled = 0;
        for (const auto& place : placings) {
            for (const int notches : {-1, 1}) {
                if (page != nullptr) {
                    place();
                }
                settle();
                const QPoint at = control->mapTo(&window, control->rect().center());
                const QWidget* under = window.childAt(at);
                if (under != control && !control->isAncestorOf(under)) {
                    continue;
                }
                SCOPED_TRACE(::testing::Message() << "notches " << notches << ", page at "
                                                  << (bar != nullptr ? bar->value() : 0));
                resting->setFocus(Qt::TabFocusReason);
                settle();
                const QString before = valueOf(control).toString();
                const int scrolled = bar != nullptr ? bar->value() : 0;
                const bool canScroll = bar != nullptr && (notches < 0 ? scrolled > bar->minimum()
                                                                      : scrolled < bar->maximum());
                turnWheel(window, at, notches);
                settle();
                EXPECT_EQ(valueOf(control).toString(), before) << "the value changed";
                EXPECT_EQ(QApplication::focusWidget(), resting) << "the focus moved";
                if (bar != nullptr) {
                    EXPECT_EQ(bar->value() != scrolled, canScroll) << "the page scrolled or not";
                }
                ++wheeled;
            }
        }
        EXPECT_GT(wheeled, 0) << "never under the pointer";
    }
    return static_cast<int>(controls.size());
}

TEST_F(ValueControls, NoneTakesTheWheelOrTheFocusWithoutTheFocus) {
    int found = 0;
    forEachWindow([&](QWidget& shown, const std::string& name) {
        SCOPED_TRACE(name);
        found += expectWheelsPassOver(shown);
        if (&shown == dashboard.get()) {
            // Tall enough that the page cannot scroll at all.
            dashboard->resize(1100, 4000);
            settle();
            expectWheelsPassOver(shown);
            dashboard->resize(1100, 700);
            settle();
        }
    });
    EXPECT_GT(found, 0);
}

// A drop-down's list as an assistive technology sees it now. Qt keeps a list's row interfaces up to
// date only while an assistive technology is connected, which never happens offscreen, so a list
// whose rows were made anew (the scope editor's, each time it opens) is looked at afresh.
QAccessibleInterface* listOf(QComboBox& combo) {
    if (QAccessibleInterface* known = QAccessible::queryAccessibleInterface(combo.view())) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(known));
    }
    return QAccessible::queryAccessibleInterface(&combo)->child(0);
}

TEST_F(ValueControls, EveryDropDownTakesAnAssistiveTechnologysChoice) {
    // What an AT-SPI client's "select" on a row of the list comes to in Qt 6.4.
    const struct {
        const char* name;
        std::function<void(QAccessibleInterface& list, int row)> select;
    } ways[] = {
        {"the row's toggle action",
         [](QAccessibleInterface& list, int row) {
             list.child(row)->actionInterface()->doAction(
                 QAccessibleActionInterface::toggleAction());
         }},
        {"the list's row selection",
         [](QAccessibleInterface& list, int row) { list.tableInterface()->selectRow(row); }},
    };
    int found = 0;
    forEachWindow([&](QWidget& window, const std::string& name) {
        for (QComboBox* combo : visibleIn<QComboBox>(window)) {
            ++found;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(combo);
            ASSERT_NE(accessible, nullptr);
            for (const bool open : {false, true}) {
                for (const auto& way : ways) {
                    SCOPED_TRACE(name + ", " + combo->objectName().toStdString() +
                                 (open ? ", open, " : ", closed, ") + way.name);
                    if (open) {
                        accessible->actionInterface()->doAction(
                            QAccessibleActionInterface::showMenuAction());
                        settle();
                        ASSERT_TRUE(combo->view()->isVisible());
                    }
                    // An item that names something else than what is set.
                    int row = -1;
                    for (int i = 0; i < combo->count() && row < 0; ++i) {
                        const QString data = combo->itemData(i).toString();
                        if (!data.isEmpty() && data != setting(*combo)) {
                            row = i;
                        }
                    }
                    ASSERT_GE(row, 0);
                    QAccessibleInterface* list = listOf(*combo);
                    ASSERT_TRUE(list != nullptr && list->tableInterface() != nullptr);
                    way.select(*list, row);
                    settle();
                    EXPECT_EQ(combo->currentIndex(), row);
                    EXPECT_EQ(setting(*combo), combo->itemData(row).toString());
                    list = listOf(*combo);
                    const QAccessibleInterface* focused = list->focusChild();
                    EXPECT_EQ(focused != nullptr ? focused->text(QAccessible::Name) : QString(),
                              combo->itemText(row));
                    const QList<QAccessibleInterface*> selected =
                        list->tableInterface()->selectedCells();
                    EXPECT_EQ(selected.size(), 1);
                    if (selected.size() == 1) {
                        EXPECT_EQ(selected.front()->text(QAccessible::Name), combo->itemText(row));
                    }
                    combo->hidePopup();
                    settle();
                }
            }
        }
    });
    EXPECT_GT(found, 0);
}

TEST_F(ValueControls, AnOpenDropDownShowsItsRowsWholeUpToItsMostRows) {
    int found = 0;
    forEachWindow([&](QWidget& window, const std::string& name) {
        for (QComboBox* combo : visibleIn<QComboBox>(window)) {
            SCOPED_TRACE(name + ", " + combo->objectName().toStdString());
            ++found;
            // Room below the field for the whole list, whatever the screen and the fonts.
            QWidget* owner = combo->window();
            owner->move(owner->pos() + QPoint(0, combo->screen()->availableGeometry().top() -
                                                     combo->mapToGlobal(QPoint(0, 0)).y()));
            settle();
            combo->showPopup();
            settle();
            QAbstractItemView* list = combo->view();
            ASSERT_TRUE(list->isVisible());
            const int rows = std::min(combo->count(), combo->maxVisibleItems());
            int needed = 0;
            for (int row = 0; row < rows; ++row) {
                needed += list->sizeHintForRow(row);
            }
            EXPECT_GE(list->viewport()->height(), needed) << "a row is cut";
            EXPECT_EQ(list->verticalScrollBar()->maximum() > 0,
                      combo->count() > combo->maxVisibleItems())
                << "scrolls";
            combo->hidePopup();
            settle();
        }
    });
    EXPECT_GT(found, 0);
}

}  // namespace
}  // namespace quillorbitex
