// The controls that hold a value (drop-downs, sliders, spin boxes, segmented pickers), found in
// every window the program builds: the wheel passes over them without the focus, an assistive
// technology can choose a drop-down's item, and an open drop-down shows its rows whole. What a
// screen reader announces of every control there: its label, never its identifier.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <functional>

#include "Application/ThemeStyle.h"
#include "Views/AppScopes/AppScopeEditorSheet.h"
#include "Views/Components/InputConventions.h"
#include "Views/Components/SegmentedPicker.h"
#include "Views/DashboardWindow.h"
#include "Views/RuleEditor/CustomGestureWizard.h"
#include "Views/RuleEditor/GestureActionEditorKind.h"
#include "Views/RuleEditor/GestureRuleEditorState.h"
#include "Views/Theme/AccentButton.h"
#include "support/AssistiveTechnology.h"
#include "support/ViewTestHelpers.h"
#include "support/WindowSystemInput.h"

namespace quillorbitex {
namespace {

using namespace testing;

// A control's value, or nothing for a widget that holds none.
QVariant valueOf(const QWidget* widget) {
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        return combo->currentIndex();
    }
    if (const auto* picker = qobject_cast<const SegmentedPicker*>(widget)) {
        return picker->currentIndex();
    }
    if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(widget)) {
        return spin->text();
    }
    const auto* slider = qobject_cast<const QAbstractSlider*>(widget);
    return slider != nullptr && qobject_cast<const QScrollBar*>(widget) == nullptr
               ? QVariant(slider->value())
               : QVariant();
}

class ValueControls : public WidgetTest {
protected:
    ValueControls() {
        ThemeStyle::install();
        InputConventions::install();
        env.config.isUITest = true;
        // More applications than an open list shows at once.
        for (int i = 10; i < 24; ++i) {
            env.workspace->addApplication({QStringLiteral("org.example.app%1").arg(i),
                                           QStringLiteral("App %1").arg(i), QString()});
        }
        env.build();
    }

    // Calls `check` with each visible value control of type T (each visible widget of type T, with
    // `valuesOnly` false) in the windows that have some, each shown and active: the dashboard, the
    // rule editor at each action kind and at its last step, and the scope editor.
    template <typename T>
    void forEachControl(const std::function<void(T& control)>& check, bool valuesOnly = true) {
        int found = 0;
        const auto checkAll = [&](QWidget& window, const std::string& name) {
            window.show();
            window.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&window, 5000));
            settle();
            for (T* control : window.findChildren<T*>()) {
                if (control->isVisible() && (!valuesOnly || valueOf(control).isValid())) {
                    SCOPED_TRACE(name + ", " + control->metaObject()->className() + " " +
                                 control->objectName().toStdString());
                    ++found;
                    check(*control);
                }
            }
        };
        DashboardWindow dashboard(*env.model, false, &env.main);
        dashboard.resize(1100, 700);
        checkAll(dashboard, "dashboard");
        QPointer<CustomGestureWizard> editor =
            new CustomGestureWizard(GestureRuleEditorContext::open(GestureRuleEditorMode::newRule),
                                    *env.model, {env.workspace, nullptr}, &dashboard);
        editor->show();
        env.model->seedCapturedGestureDraft(kUpDown);
        settle();
        QTest::mouseClick(editor->nextButton(), Qt::LeftButton);
        for (const GestureActionEditorKind kind : allCases<GestureActionEditorKind>()) {
            editor->state().setActionKind(kind);
            checkAll(*editor, "rule editor, " + std::string(rawValue(kind)));
        }
        // One that can go on.
        editor->state().setActionKind(GestureActionEditorKind::predefined);
        QTest::mouseClick(editor->nextButton(), Qt::LeftButton);
        checkAll(*editor, "rule editor's last step");
        delete editor.data();
        QPointer<AppScopeEditorSheet> sheet =
            AppScopeEditorSheet::openFor(*env.model, kUpDown, &dashboard);
        checkAll(*sheet, "scope editor");
        delete sheet.data();
        EXPECT_GT(found, 0);
    }
};

// Without the focus, both ways, with the page around it at its top, at its bottom, holding the
// control in view and too tall to scroll: the value stays, nothing takes the focus, and the page
// scrolls exactly when it can.
TEST_F(ValueControls, NoneTakesTheWheelOrTheFocusWithoutTheFocus) {
    forEachControl<QWidget>([](QWidget& control) {
        QWidget& window = *control.window();
        const QSize size = window.size();
        QScrollArea* page = nullptr;  // the innermost around the control
        for (QScrollArea* area : window.findChildren<QScrollArea*>()) {
            page = area->isAncestorOf(&control) ? area : page;
        }
        QScrollBar* bar = page != nullptr ? page->verticalScrollBar() : nullptr;
        std::vector<std::function<void()>> placings{[] {}};
        if (page != nullptr) {
            placings = {[&] { bar->setValue(bar->minimum()); },
                        [&] { bar->setValue(bar->maximum()); },
                        [&] { page->ensureWidgetVisible(&control, 0, 0); },
                        [&] { window.resize(size.width(), 4000); }};
        }
        int wheeled = 0;
        for (const auto& place : placings) {
            for (const int notches : {-1, 1}) {
                place();
                settle();
                const QPoint at = control.mapTo(&window, control.rect().center());
                if (!control.isAncestorOf(window.childAt(at)) && window.childAt(at) != &control) {
                    continue;
                }
                SCOPED_TRACE(::testing::Message() << "notches " << notches << ", page at "
                                                  << (bar != nullptr ? bar->value() : 0));
                if (QWidget* focus = QApplication::focusWidget()) {
                    focus->clearFocus();
                }
                const QVariant before = valueOf(&control);
                const int scrolled = bar != nullptr ? bar->value() : 0;
                turnWheel(window, at, notches);
                settle();
                EXPECT_EQ(valueOf(&control), before) << "the value changed";
                EXPECT_EQ(QApplication::focusWidget(), nullptr) << "the focus moved";
                if (bar != nullptr) {
                    EXPECT_EQ(bar->value() != scrolled,
                              notches < 0 ? scrolled > bar->minimum() : scrolled < bar->maximum())
                        << "the page scrolled or not";
                }
                ++wheeled;
            }
        }
        EXPECT_GT(wheeled, 0) << "never under the pointer";
        window.resize(size);
        settle();
    });
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

// Open, a drop-down shows its rows whole, with a scroll bar only for more than its most rows. An
// assistive technology's "select" on a row comes in Qt 6.4 as the row's toggle action or the
// list's row selection; closed or open, the row is chosen, and an open list closes on it, also on
// the row that is chosen already (Qt ignores a toggle of that row, the one selected).
TEST_F(ValueControls, EveryDropDownShowsItsRowsWholeAndTakesAnAssistiveTechnologysChoice) {
    forEachControl<QComboBox>([&](QComboBox& combo) {
        // Room below the field for the whole list, whatever the screen and the fonts.
        QWidget* owner = combo.window();
        owner->move(owner->pos() + QPoint(0, combo.screen()->availableGeometry().top() -
                                                 combo.mapToGlobal(QPoint(0, 0)).y()));
        const struct {
            bool open, byAction, sameRow;
        } choices[] = {{false, false, false},
                       {false, true, false},
                       {true, false, false},
                       {true, true, false},
                       {true, false, true}};
        for (const auto& [open, byAction, sameRow] : choices) {
            SCOPED_TRACE(::testing::Message() << "open " << open << ", by action " << byAction
                                              << ", same row " << sameRow);
            if (open) {
                QAccessible::queryAccessibleInterface(&combo)->actionInterface()->doAction(
                    QAccessibleActionInterface::showMenuAction());
                settle();
                QAbstractItemView* rows = combo.view();
                ASSERT_TRUE(rows->isVisible());
                int needed = 0;
                for (int row = 0; row < std::min(combo.count(), combo.maxVisibleItems()); ++row) {
                    needed += rows->sizeHintForRow(row);
                }
                EXPECT_GE(rows->viewport()->height(), needed) << "a row is cut";
                EXPECT_EQ(rows->verticalScrollBar()->maximum() > 0,
                          combo.count() > combo.maxVisibleItems());
            }
            const int row = (combo.currentIndex() + (sameRow ? 0 : 1)) % combo.count();
            QSignalSpy chosen(&combo, &QComboBox::activated);
            QAccessibleInterface* list = listOf(combo);
            ASSERT_TRUE(list != nullptr && list->tableInterface() != nullptr);
            if (byAction) {
                list->child(row)->actionInterface()->doAction(
                    QAccessibleActionInterface::toggleAction());
            } else {
                list->tableInterface()->selectRow(row);
            }
            settle();
            EXPECT_FALSE(combo.view()->isVisible()) << "the list stays open";
            EXPECT_EQ(combo.currentIndex(), row);
            EXPECT_EQ(chosen.size() == 1 ? chosen.front().front() : QVariant(), row)
                << "what acts on a click on the row heard nothing";
            list = listOf(combo);
            const QAccessibleInterface* focused = list->focusChild();
            EXPECT_EQ(focused != nullptr ? focused->text(QAccessible::Name) : QString(),
                      combo.itemText(row));
            const QList<QAccessibleInterface*> selected = list->tableInterface()->selectedCells();
            EXPECT_TRUE(selected.size() == 1 &&
                        selected.front()->text(QAccessible::Name) == combo.itemText(row));
            combo.hidePopup();
            settle();
        }
    });
}

// On Linux Qt names a drop-down by its value and announces its label through the labelled-by
// relation, which a shown label with the drop-down as buddy gives; a text field is announced by its
// name. A segmented picker, which takes the focus rather than its segments, is named by its label
// and described by its choice, and a choice made with a key is announced. Identifiers are for
// tests and automation: no name or description repeats one.
TEST_F(ValueControls, EachIsAnnouncedWithItsLabelAndNoneWithItsIdentifier) {
    // Qt sends the announcements only to a connected assistive technology.
    ConnectedAssistiveTechnology screenReader;
    int labelled = 0;
    int pickers = 0;
    forEachControl<QWidget>(
        [&](QWidget& widget) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget);
            ASSERT_NE(accessible, nullptr);
            const QString identifier = widget.objectName();
            if (!identifier.isEmpty()) {
                EXPECT_FALSE(accessible->text(QAccessible::Description).contains(identifier));
                EXPECT_NE(accessible->text(QAccessible::Name), identifier);
            }
            if (qobject_cast<QComboBox*>(&widget) != nullptr) {
                const auto labels = accessible->relations(QAccessible::Label);
                ASSERT_EQ(labels.size(), 1) << "announced by its value alone";
                const auto* label = qobject_cast<const QWidget*>(labels.front().first->object());
                EXPECT_TRUE(label != nullptr && label->isVisible());
                EXPECT_FALSE(labels.front().first->text(QAccessible::Name).isEmpty());
                ++labelled;
            } else if (qobject_cast<QLineEdit*>(&widget) != nullptr) {
                EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty()) << "a field unnamed";
                ++labelled;
            } else if (auto* picker = qobject_cast<SegmentedPicker*>(&widget)) {
                EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty()) << "a picker unnamed";
                EXPECT_EQ(accessible->text(QAccessible::Description),
                          picker->itemText(picker->currentIndex()));
                const int before = picker->currentIndex();
                const bool right = before + 1 < picker->count();
                picker->setFocus();
                screenReader.clearEvents();
                QTest::keyClick(picker, right ? Qt::Key_Right : Qt::Key_Left);
                settle();
                EXPECT_NE(picker->currentIndex(), before);
                EXPECT_TRUE(screenReader.heard(QAccessible::DescriptionChanged, picker))
                    << "the new choice is not announced";
                EXPECT_EQ(accessible->text(QAccessible::Description),
                          picker->itemText(picker->currentIndex()));
                // Back, for the windows still to be looked at.
                QTest::keyClick(picker, right ? Qt::Key_Left : Qt::Key_Right);
                settle();
                ++pickers;
            }
        },
        false);
    // The language, preset action and application pickers; the application, URL and name fields.
    EXPECT_GE(labelled, 6);
    // The theme and the action type.
    EXPECT_GE(pickers, 2);
}

}  // namespace
}  // namespace quillorbitex
