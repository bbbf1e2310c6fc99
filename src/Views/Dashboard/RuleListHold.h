#pragma once

#include <QObject>

class QTimer;

namespace quillorbitex {

// Keeps the dashboard's rule cards where they are while a click may still be on its way.
//
// A rename ends when the focus leaves its field, often with the first press of a double click on
// another name. What the rename changes in the rule store can add a card to the custom list (a
// renamed preset becomes a custom rule), take one away or move one, in either list, and so put
// another card under the second press, which would then rename that card instead. From the press
// that ended the rename until the double-click interval has passed with no mouse button held, the
// lists show new values in the cards where they are; cards come, go and move when the hold ends.
// A rename ended by a mouse press starts the hold.
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
    // The hold is over: the lists take what the rule store now holds.
    void ended();

private:
    QTimer* timer_;
};

}  // namespace quillorbitex
