#pragma once

#include <QStringList>
#include <memory>

#include "Platform/AccessibilityTrust.h"
#include "Platform/Workspace.h"
#include "Services/Permissions/PermissionServiceProtocol.h"

namespace quillorbitex {

// A thin layer over the desktop's trust and its settings application; keeps no state.
class PermissionService final : public PermissionServiceProtocol {
public:
    // The settings applications of the common desktops, by desktop-file ID, in the order they are
    // tried: GNOME (current and older names), KDE Plasma, Xfce, Cinnamon, MATE, LXQt, Budgie,
    // elementary, Unity.
    static const QStringList& settingsApplicationIdentifiers();

    PermissionService(std::shared_ptr<AccessibilityTrust> trust,
                      std::shared_ptr<Workspace> workspace);

    PermissionState accessibilityPermissionState() override;
    void requestAccessibilityPrompt() override;
    // An X11 desktop has no page for either permission; both open the desktop's settings
    // application, the first installed one of settingsApplicationIdentifiers(). Where none is
    // installed, nothing happens.
    bool canOpenSettings() override;
    void openAccessibilitySettings() override;
    void openInputMonitoringSettings() override;

private:
    std::optional<WorkspaceApplication> settingsApplication() const;
    void openSettingsApplication();

    std::shared_ptr<AccessibilityTrust> trust_;
    std::shared_ptr<Workspace> workspace_;
};

}  // namespace quillorbitex
