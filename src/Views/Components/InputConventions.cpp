#include "Views/Components/InputConventions.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>

#include "Views/Components/ModalWindows.h"
#include "Views/Components/SegmentedPicker.h"

namespace quillorbitex {

namespace {

const QString kObjectName = QStringLiteral("quillorbitex.InputConventions");
const QString kChoiceFollowerName = QStringLiteral("quillorbitex.ChoiceFollower");

// Qt 6.4 lets an assistive technology select a row of a combo box's list (a row's toggle action,
// the list's row selection), reports success, and leaves the combo box as it was. This takes such
// a selection as the user's choice, and an open list closes on it as on a click, the row that was
// already current included. Moving through the list (arrow keys, the pointer, opening it) makes a
// row current just before it is selected; a selection of any other row, or of the row that was
// current before, was made directly. A combo box in a window that a modal window blocks takes no
// choice: the list goes back to showing the combo box's.
class ChoiceFollower final : public QObject {
public:
    explicit ChoiceFollower(QComboBox& combo) : QObject(&combo), combo_(combo) {
        setObjectName(kChoiceFollowerName);
        connect(&combo_, &QComboBox::currentIndexChanged, this, &ChoiceFollower::showChoice);
        follow();
    }

    // Follows the selection of the list the combo box has now (a new model brings a new one).
    void follow() {
        QItemSelectionModel* selection = combo_.view()->selectionModel();
        if (selection != followed_) {
            if (followed_ != nullptr) {
                disconnect(followed_, nullptr, this, nullptr);
            }
            followed_ = selection;
            if (selection != nullptr) {
                connect(selection, &QItemSelectionModel::selectionChanged, this,
                        [this](const QItemSelection& selected) { takeSelection(selected); });
                // Emitted after the selection a move makes: until then, the row current before.
                connect(selection, &QItemSelectionModel::currentChanged, this,
                        [this](const QModelIndex& current) { settledCurrent_ = current; });
                settledCurrent_ = selection->currentIndex();
            }
        }
        showChoice();
    }

private:
    void takeSelection(const QItemSelection& selected) {
        if (selected.isEmpty() || followed_ == nullptr) {
            return;
        }
        const QModelIndex row = selected.indexes().front();
        const QModelIndex current = followed_->currentIndex();
        const bool open = combo_.view()->isVisible();
        if (isBlockedByModalWindow(combo_)) {
            showChoice();
            return;
        }
        if (row == current && (row != settledCurrent_ || !open)) {
            // A move through the list, or the chosen row of a closed list chosen again.
            return;
        }
        combo_.setCurrentIndex(row.row());
        showChoice();
        if (open) {
            combo_.hidePopup();
        }
        // What a click on the row emits, so that every view acting on the user's choice hears it.
        Q_EMIT combo_.activated(row.row());
        Q_EMIT combo_.textActivated(combo_.itemText(row.row()));
    }

    // The list's current and selected row is the combo box's current item, so that the list reports
    // what is chosen, closed as well as open.
    void showChoice() {
        QAbstractItemView* list = combo_.view();
        const QModelIndex chosen = combo_.model()->index(
            combo_.currentIndex(), combo_.modelColumn(), combo_.rootModelIndex());
        if (list->currentIndex() != chosen) {
            list->setCurrentIndex(chosen);
        } else if (followed_ != nullptr && !followed_->isSelected(chosen)) {
            followed_->select(chosen, QItemSelectionModel::ClearAndSelect);
        }
    }

    QComboBox& combo_;
    QPointer<QItemSelectionModel> followed_;
    QPersistentModelIndex settledCurrent_;
};

// The value control a wheel over `widget` reaches: the widget itself or the control it is part of
// (the line of a spin box, the segment of a picker). A scroll area in between takes the wheel
// itself, so the search stops there.
QWidget* valueControlAt(QWidget* widget) {
    for (QWidget* candidate = widget; candidate != nullptr; candidate = candidate->parentWidget()) {
        if (InputConventions::isValueControl(candidate)) {
            return candidate;
        }
        if (candidate->isWindow() || qobject_cast<QAbstractScrollArea*>(candidate) != nullptr) {
            return nullptr;
        }
    }
    return nullptr;
}

}  // namespace

InputConventions::InputConventions(QObject* parent) : QObject(parent) {
    setObjectName(kObjectName);
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(gui, &QGuiApplication::focusWindowChanged, this,
                &InputConventions::passActivationOn);
    }
    refuseAssistiveChangesBehindModalWindows(*this);
}

void InputConventions::install() {
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr || isInstalled()) {
        return;
    }
    application->installEventFilter(new InputConventions(application));
}

bool InputConventions::isInstalled() {
    const QCoreApplication* application = QCoreApplication::instance();
    return application != nullptr && application->findChild<InputConventions*>(
                                         kObjectName, Qt::FindDirectChildrenOnly) != nullptr;
}

bool InputConventions::isValueControl(const QWidget* widget) {
    if (widget == nullptr || qobject_cast<const QScrollBar*>(widget) != nullptr) {
        return false;
    }
    return qobject_cast<const QAbstractSlider*>(widget) != nullptr ||
           qobject_cast<const QComboBox*>(widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(widget) != nullptr ||
           qobject_cast<const SegmentedPicker*>(widget) != nullptr;
}

bool InputConventions::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Show:
            if (auto* widget = qobject_cast<QWidget*>(watched)) {
                adopt(widget);
            }
            break;
        case QEvent::Wheel:
            if (auto* widget = qobject_cast<QWidget*>(watched)) {
                return wheelScrollsAround(widget, static_cast<QWheelEvent*>(event));
            }
            break;
        case QEvent::KeyPress:
            if (auto* widget = qobject_cast<QWidget*>(watched)) {
                return returnPresses(widget, static_cast<QKeyEvent*>(event));
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void InputConventions::adopt(QWidget* widget) {
    // Qt focuses a control whose policy is Qt::WheelFocus before any filter sees the wheel, and the
    // control then takes the wheel as its own. Clicks and Tab still focus it.
    if (isValueControl(widget) && widget->focusPolicy() == Qt::WheelFocus) {
        widget->setFocusPolicy(Qt::StrongFocus);
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        // Found by its name: the class has no meta-object of its own.
        if (QObject* follower =
                combo->findChild<QObject*>(kChoiceFollowerName, Qt::FindDirectChildrenOnly)) {
            static_cast<ChoiceFollower*>(follower)->follow();
        } else {
            new ChoiceFollower(*combo);
        }
    }
}

bool InputConventions::wheelScrollsAround(QWidget* receiver, QWheelEvent* event) {
    QWidget* control = valueControlAt(receiver);
    if (control == nullptr || !control->isEnabled()) {
        return false;
    }
    const QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr && (focus == control || control->isAncestorOf(focus))) {
        return false;
    }
    // Handed up the parents as Qt hands on a wheel that nobody took, until one takes it: the
    // scroll area around the control scrolls, and the control never sees the wheel.
    QPointF position = receiver->mapTo(control, event->position());
    for (QWidget* widget = control;
         !widget->isWindow() && !widget->testAttribute(Qt::WA_NoMousePropagation);) {
        position = widget->mapToParent(position);
        widget = widget->parentWidget();
        QWheelEvent passed(position, event->globalPosition(), event->pixelDelta(),
                           event->angleDelta(), event->buttons(), event->modifiers(),
                           event->phase(), event->inverted(), event->source(),
                           event->pointingDevice());
        passed.setTimestamp(event->timestamp());
        if (QCoreApplication::sendEvent(widget, &passed) && passed.isAccepted()) {
            break;
        }
    }
    return true;
}

void InputConventions::passActivationOn(QWindow* activated) {
    // A window manager that gives the focus to the window under the pointer (the one where a right
    // button stroke ended, say) or to the one clicked activates the window behind an open sheet.
    // Qt 6.4 hands such an activation on to an application-modal window but not to a window-modal
    // one: it activates the window beneath, where it then drops every key.
    const auto windows = QApplication::topLevelWidgets();
    const auto shown = std::find_if(windows.begin(), windows.end(), [&](const QWidget* window) {
        return activated != nullptr && window->windowHandle() == activated;
    });
    QWidget* modal = shown != windows.end() ? modalWindowInFrontOf(**shown) : nullptr;
    if (modal != nullptr) {
        modal->activateWindow();
    }
}

bool InputConventions::returnPresses(QWidget* receiver, const QKeyEvent* event) const {
    const bool returnKey = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!returnKey || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    auto* button = qobject_cast<QAbstractButton*>(receiver);
    if (button == nullptr || !button->isEnabled() || !button->hasFocus()) {
        return false;
    }
    if (const auto* push = qobject_cast<const QPushButton*>(button);
        push != nullptr && (push->autoDefault() || push->isDefault())) {
        // Qt presses these itself.
        return false;
    }
    if (const auto* dialog = qobject_cast<const QDialog*>(button->window())) {
        for (const QPushButton* other : dialog->findChildren<QPushButton*>()) {
            if (other->isDefault() && other->isVisible()) {
                return false;
            }
        }
    }
    // Held down, the key presses once, as the space bar does.
    if (!event->isAutoRepeat()) {
        button->click();
    }
    return true;
}

}  // namespace quillorbitex
