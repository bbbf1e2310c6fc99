#pragma once

#include <QObject>

class QTimer;

namespace quillorbitex {

// Keeps the dashboard's rule cards where they are while a click may still be on its way.
//
// A rename ends when the focus leaves its field, often with the first press of a double click on
// another name. What the rename changes in the rule store can add a card to the custom list (a
// renamed preset becomes a custom rule), take one away or move one, in either list, and so put
// another card under the second press, which would then rename that card instead; a new name
// that wraps over more lines makes its card taller, and one shown in both lists makes two cards
// taller, which moves every card below them, so the second press lands on a button of a grown
// card. From the press that ended the rename until the double-click interval has passed with no
// mouse button held, every card keeps its place and size and shows new values in the controls
// where they are (RuleCardFrame::setHeld); cards come, go, move and take their new sizes when the
// hold ends. A rename ended by a mouse press starts the hold.
// One hold serves both lists of a dashboard, since a change in one list moves the other. Main
// thread.
class RuleListHold final : public QObject {
    Q_OBJECT

public:
    explicit RuleListHold(QObject* parent = nullptr);

    // Starts the hold, or starts it again.
    void start();
    bool isActive() const;

Q_SIGNALS:
    // The hold starts or starts again: the lists hold their cards where they are now. Sent before
    // anything of the rename that started it reaches the lists.
    void started();
    // The hold is over: the lists take what the rule store now holds.
    void ended();

private:
    QTimer* timer_;
};

}  // namespace quillorbitex
