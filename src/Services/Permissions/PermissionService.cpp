#include "Services/Permissions/PermissionService.h"

namespace quillorbitex {

const QStringList& PermissionService::settingsApplicationIdentifiers() {
    static const QStringList identifiers = {
        QStringLiteral("org.gnome.Settings"),    QStringLiteral("gnome-control-center"),
        QStringLiteral("systemsettings"),        QStringLiteral("org.kde.systemsettings"),
        QStringLiteral("kdesystemsettings"),     QStringLiteral("xfce-settings-manager"),
        QStringLiteral("cinnamon-settings"),     QStringLiteral("matecc"),
        QStringLiteral("mate-control-center"),   QStringLiteral("lxqt-config"),
        QStringLiteral("budgie-control-center"), QStringLiteral("io.elementary.switchboard"),
        QStringLiteral("unity-control-center"),
    };
    return identifiers;
}

PermissionService::PermissionService(std::shared_ptr<AccessibilityTrust> trust,
                                     std::shared_ptr<Workspace> workspace)
    : trust_(std::move(trust)), workspace_(std::move(workspace)) {}

PermissionState PermissionService::accessibilityPermissionState() {
    return trust_->isTrusted() ? PermissionState::granted : PermissionState::denied;
}

void PermissionService::requestAccessibilityPrompt() {
    trust_->requestTrust();
}

void PermissionService::openAccessibilitySettings() {
    openSettingsApplication();
}

void PermissionService::openInputMonitoringSettings() {
    openSettingsApplication();
}

bool PermissionService::canOpenSettings() {
    return settingsApplication().has_value();
}

std::optional<WorkspaceApplication> PermissionService::settingsApplication() const {
    for (const QString& identifier : settingsApplicationIdentifiers()) {
        if (auto application = workspace_->application(identifier)) {
            return application;
        }
    }
    return std::nullopt;
}

void PermissionService::openSettingsApplication() {
    if (const auto application = settingsApplication()) {
        workspace_->openApplication(*application);
    }
}

}  // namespace quillorbitex
