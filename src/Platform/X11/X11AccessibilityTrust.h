#pragma once

#include <QString>

#include "Platform/AccessibilityTrust.h"

namespace quillorbitex::x11 {

// X11 asks no permission for global input: whoever can open the display and finds XTEST there may
// watch and post input. So trust is exactly that, and the prompt has nothing to show.
class X11AccessibilityTrust final : public AccessibilityTrust {
public:
    // Empty: $DISPLAY.
    explicit X11AccessibilityTrust(QString displayName = {});

    bool isTrusted() const override;
    bool requestTrust() override { return isTrusted(); }

private:
    QString displayName_;
};

}  // namespace quillorbitex::x11
