#pragma once

#include <QWidget>
#include <vector>

#include "Models/GestureDescriptor.h"

class QHBoxLayout;

namespace quillorbitex {

class FlowLayout;

// The card both rule rows are drawn on: the elevated background inside a thin rounded outline
// (radius 10), contents padded 16 across and 14 up and down, a content line above a button line
// 12 apart. The buttons that do not fit beside each other go on to further lines. The card's
// accessibility identifier names the rule's gesture, the same for a rule and for the removed preset
// shown in its place.
class RuleCardFrame : public QWidget {
    Q_OBJECT

public:
    RuleCardFrame(const GestureDescriptor& pattern, QWidget* parent = nullptr);

    // The controls Tab reaches on the card, in the order they are shown (the rename field, while
    // there is one, before the buttons).
    std::vector<QWidget*> tabStops() const;

    // While a click may still be on its way (RuleListHold), the card keeps its height and every
    // control on it keeps its place and size: new values show in the controls where they are, a
    // text that no longer fits shortened. Released, the card lays itself out again.
    virtual void setHeld(bool held);
    bool isHeld() const { return held_; }

protected:
    QHBoxLayout* contentLine() const { return contentLine_; }
    FlowLayout* buttonLine() const { return buttonLine_; }

    void paintEvent(QPaintEvent* event) override;

private:
    QHBoxLayout* contentLine_;
    FlowLayout* buttonLine_;
    bool held_ = false;
    // The height limits the card had before it was held.
    int minimumHeightBeforeHold_ = 0;
    int maximumHeightBeforeHold_ = QWIDGETSIZE_MAX;
};

}  // namespace quillorbitex
