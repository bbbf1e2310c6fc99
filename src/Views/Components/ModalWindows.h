#pragma once

class QObject;
class QWidget;

namespace quillorbitex {

// Whether a modal window keeps the user from `widget`'s window, as Qt decides for the mouse and
// the keyboard: an application-modal window blocks every window but its own and those opened over
// it, a window-modal one the windows it was opened over. An assistive technology's actions reach
// a widget without that check, so the handlers of our own ask before acting.
bool isBlockedByModalWindow(const QWidget& widget);

// The modal window that the user has to finish with before `widget`'s window takes input again: the
// one blocking it, or the one blocking that in turn; nullptr when nothing blocks the window.
QWidget* modalWindowInFrontOf(const QWidget& widget);

// Stands between the accessibility bus and Qt's AT-SPI bridge for as long as `owner` lives (its
// child): a request that would change anything (an action such as press, toggle or focus, a value,
// text, a selection) addressed to an object of a window that a modal window blocks is refused with
// an error, before Qt carries it out; reading stays possible. Qt 6.4's bridge applies no modality
// to these requests, its buttons check only whether they are enabled, and its sliders set any value
// given; a window behind a sheet looks enabled and must stay so.
void refuseAssistiveChangesBehindModalWindows(QObject& owner);

}  // namespace quillorbitex
