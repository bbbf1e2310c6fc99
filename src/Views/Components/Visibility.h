#pragma once

#include <QWidget>

namespace quillorbitex {

// Shows or hides a child widget the cheap way. A child that was never hidden on purpose appears
// with its parent, so it is shown here only when it was hidden before or its parent is already on
// screen: show() on a child of a parent not yet shown polishes it and lays it out, at once, at a
// size it will not keep, which for a card holding hundreds of rows costs more than the rows.
inline void setShown(QWidget* widget, bool shown) {
    const bool hiddenOnPurpose =
        widget->isHidden() && widget->testAttribute(Qt::WA_WState_ExplicitShowHide);
    if (!shown) {
        if (!hiddenOnPurpose) {
            widget->hide();
        }
        return;
    }
    const QWidget* parent = widget->parentWidget();
    if (hiddenOnPurpose || (widget->isHidden() && parent != nullptr && parent->isVisible())) {
        widget->show();
    }
}

}  // namespace quillorbitex
