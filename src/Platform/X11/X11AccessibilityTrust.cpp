#include "Platform/X11/X11AccessibilityTrust.h"

#include <X11/Xlib.h>

namespace quillorbitex::x11 {

X11AccessibilityTrust::X11AccessibilityTrust(QString displayName)
    : displayName_(std::move(displayName)) {}

bool X11AccessibilityTrust::isTrusted() const {
    const QByteArray name = displayName_.toLocal8Bit();
    Display* display = XOpenDisplay(name.isEmpty() ? nullptr : name.constData());
    if (display == nullptr) {
        return false;
    }
    int opcode = 0;
    int firstEvent = 0;
    int firstError = 0;
    const bool hasXTest = XQueryExtension(display, "XTEST", &opcode, &firstEvent, &firstError);
    XCloseDisplay(display);
    return hasXTest;
}

}  // namespace quillorbitex::x11
