#pragma once

#include "Models/PermissionState.h"

namespace quillorbitex {

// The permission global input needs, and the places where the user grants it. Main thread.
class PermissionServiceProtocol {
public:
    virtual ~PermissionServiceProtocol() = default;
    // granted or denied, read afresh; never unknown.
    virtual PermissionState accessibilityPermissionState() = 0;
    virtual void requestAccessibilityPrompt() = 0;
    // Whether the desktop has a settings application the two calls below can open.
    virtual bool canOpenSettings() = 0;
    virtual void openAccessibilitySettings() = 0;
    virtual void openInputMonitoringSettings() = 0;
};

}  // namespace quillorbitex
