#pragma once

#include <memory>

#include "Platform/AccessibilityTrust.h"
#include "Platform/Workspace.h"
#include "Services/Permissions/PermissionServiceProtocol.h"

namespace quillorbitex {

// A thin layer over the desktop's trust and its settings pages; keeps no state.
class PermissionService final : public PermissionServiceProtocol {
public:
    static constexpr const char* accessibilitySettingsURL =
        "x-apple.systempreferences:com.apple.preference.security?Privacy_Accessibility";
    static constexpr const char* inputMonitoringSettingsURL =
        "x-apple.systempreferences:com.apple.preference.security?Privacy_ListenEvent";

    PermissionService(std::shared_ptr<AccessibilityTrust> trust,
                      std::shared_ptr<Workspace> workspace);

    PermissionState accessibilityPermissionState() override;
    void requestAccessibilityPrompt() override;
    // Where the desktop has no handler for the settings address, nothing happens.
    void openAccessibilitySettings() override;
    void openInputMonitoringSettings() override;

private:
    void open(const char* address);

    std::shared_ptr<AccessibilityTrust> trust_;
    std::shared_ptr<Workspace> workspace_;
};

}  // namespace quillorbitex
