#pragma once

#include <QObject>

class QKeyEvent;
class QWheelEvent;
class QWidget;

namespace quillorbitex {

// How the program's windows take the keyboard and the wheel, the way desktop users expect, for
// every control at once (an event filter on the application):
//
// - A value control (slider, combo box, spin box, segmented picker) changes its value with the
//   wheel only while it has the keyboard focus, given by a click or by Tab. A wheel turned over it
//   otherwise scrolls whatever scrolls around it, changes nothing and leaves the focus where it is.
// - Return and Enter press the focused button as the space bar does, unless the button's dialog
//   has a default button, which Return belongs to (Qt's own buttons that act as default buttons
//   keep their own handling). Keys typed into text fields are left alone.
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

    // Readies a widget that is being shown: a value control takes no focus from the wheel.
    static void adopt(QWidget* widget);

    bool wheelScrollsAround(QWidget* receiver, QWheelEvent* event);
    bool returnPresses(QWidget* receiver, const QKeyEvent* event) const;
};

}  // namespace quillorbitex
