#include "Platform/X11/X11CompositingManagerWatch.h"

#include <QSocketNotifier>
#include <string>
#include <utility>

#include "Platform/X11/X11ErrorTrap.h"

// Last: Xlib's macros must not reach the Qt headers.
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

namespace quillorbitex::x11 {

std::unique_ptr<X11CompositingManagerWatch> X11CompositingManagerWatch::connect(
    const QString& displayName) {
    Display* display = X11ErrorTrap::openDisplay(displayName.toStdString());
    if (display == nullptr) {
        return nullptr;
    }
    int eventBase = 0;
    int errorBase = 0;
    if (!XFixesQueryExtension(display, &eventBase, &errorBase)) {
        X11ErrorTrap::closeDisplay(display);
        return nullptr;
    }
    int major = 0;
    int minor = 0;
    XFixesQueryVersion(display, &major, &minor);
    const std::string name = "_NET_WM_CM_S" + std::to_string(DefaultScreen(display));
    const Atom selection = XInternAtom(display, name.c_str(), False);
    XFixesSelectSelectionInput(display, DefaultRootWindow(display), selection,
                               XFixesSetSelectionOwnerNotifyMask |
                                   XFixesSelectionWindowDestroyNotifyMask |
                                   XFixesSelectionClientCloseNotifyMask);
    return std::unique_ptr<X11CompositingManagerWatch>(
        new X11CompositingManagerWatch(display, selection, eventBase));
}

X11CompositingManagerWatch::X11CompositingManagerWatch(_XDisplay* display, unsigned long selection,
                                                       int eventBase)
    : display_(display), selection_(selection), eventBase_(eventBase) {
    readOwner();
    notifier_ =
        std::make_unique<QSocketNotifier>(ConnectionNumber(display_), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [this] { processEvents(); });
    // The owner query may have queued events already; they would not wake the notifier.
    processEvents();
}

X11CompositingManagerWatch::~X11CompositingManagerWatch() {
    notifier_.reset();
    X11ErrorTrap::closeDisplay(display_);
}

bool X11CompositingManagerWatch::readOwner() {
    const bool compositing = XGetSelectionOwner(display_, selection_) != 0;
    return std::exchange(compositing_, compositing) != compositing;
}

void X11CompositingManagerWatch::processEvents() {
    if (X11ErrorTrap::isBroken(display_)) {
        notifier_->setEnabled(false);
        return;
    }
    bool ownerChanged = false;
    // Reading the owner is a round trip that may queue further events; loop until none is left.
    while (XPending(display_) > 0) {
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
            if (event.type == eventBase_ + XFixesSelectionNotify) {
                ownerChanged = true;
            }
        }
        if (ownerChanged && readOwner()) {
            notifyChange();
        }
        ownerChanged = false;
    }
}

}  // namespace quillorbitex::x11
