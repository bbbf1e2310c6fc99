#pragma once

class QWidget;

namespace quillorbitex {

// Whether a modal window keeps the user from `widget`'s window, as Qt decides for the mouse and
// the keyboard: an application-modal window blocks every window but its own and those opened over
// it, a window-modal one the windows it was opened over. An assistive technology's actions reach
// a widget without that check, so the handlers of our own ask before acting.
bool isBlockedByModalWindow(const QWidget& widget);

}  // namespace quillorbitex
