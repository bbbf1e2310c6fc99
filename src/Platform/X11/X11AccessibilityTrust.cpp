#include "Platform/X11/X11AccessibilityTrust.h"

#include "Platform/X11/X11ErrorTrap.h"

namespace quillorbitex::x11 {

X11AccessibilityTrust::X11AccessibilityTrust(QString displayName)
    : displayName_(std::move(displayName)) {}

bool X11AccessibilityTrust::isTrusted() const {
    _XDisplay* display = X11ErrorTrap::openDisplayWithXTest(displayName_.toStdString());
    const bool trusted = display != nullptr;
    X11ErrorTrap::closeDisplay(display);
    return trusted;
}

}  // namespace quillorbitex::x11
