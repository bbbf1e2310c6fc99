#pragma once

#include <QObject>

class QKeyEvent;
class QWheelEvent;
class QWidget;
class QWindow;

namespace quillorbitex {

// How the program's windows take the keyboard, the wheel and an assistive technology's choices,
// the way desktop users expect, for every control at once (an event filter on the application):
//
// - A value control (slider, combo box, spin box, segmented picker) changes its value with the
//   wheel only while it has the keyboard focus, given by a click or by Tab. A wheel turned over it
//   otherwise scrolls whatever scrolls around it, changes nothing and leaves the focus where it is.
// - A row of a combo box's list selected by an assistive technology (the row's toggle action, the
//   list's row selection), closed or open, is chosen as a click on it would choose it; the list
//   reports the combo box's current item as its current and selected one.
// - Return and Enter press the focused button as the space bar does, unless the button's dialog
//   has a default button, which Return belongs to (Qt's own buttons that act as default buttons
//   keep their own handling). Keys typed into text fields are left alone.
// - A window that a modal window blocks hands its activation on to the modal window, so the
//   keyboard stays with the sheet wherever the window manager puts the focus.
// - An assistive technology changes nothing in a window that a modal window blocks
//   (refuseAssistiveChangesBehindModalWindows).
class InputConventions final : public QObject {
    Q_OBJECT

public:
    // Puts the conventions in force for the whole application; once, however often it is called.
    static void install();

    // Whether the wheel over `widget` would change a value (it is such a control).
    static bool isValueControl(const QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit InputConventions(QObject* parent);

    static bool isInstalled();

    // Readies a widget that is being shown: a value control takes no focus from the wheel, a combo
    // box follows its list's selection.
    static void adopt(QWidget* widget);

    bool wheelScrollsAround(QWidget* receiver, QWheelEvent* event);
    bool returnPresses(QWidget* receiver, const QKeyEvent* event) const;
    static void passActivationOn(QWindow* activated);
};

}  // namespace quillorbitex
