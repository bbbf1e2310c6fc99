#pragma once

#include <qpa/qwindowsysteminterface.h>

#include <QPoint>
#include <QWidget>
#include <QWindow>

namespace quillorbitex::testing {

// A wheel turned by `notches` (positive: towards the user, which scrolls down) with the pointer at
// `point` of the top-level `window`, delivered as the window system delivers it: Qt finds the
// widget under the pointer, gives the focus to one that takes it by wheel, and hands a wheel that
// nobody takes on up the parents. (An event sent to a widget skips all of that.)
inline void turnWheel(QWidget& window, QPoint point, int notches) {
    QWindow* handle = window.windowHandle();
    QWindowSystemInterface::handleWheelEvent(handle, QPointF(point),
                                             QPointF(handle->mapToGlobal(point)), QPoint(),
                                             QPoint(0, -120 * notches), Qt::NoModifier);
    QWindowSystemInterface::flushWindowSystemEvents();
}

}  // namespace quillorbitex::testing
