#include "Services/Permissions/PermissionService.h"

namespace quillorbitex {

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
    open(accessibilitySettingsURL);
}

void PermissionService::openInputMonitoringSettings() {
    open(inputMonitoringSettingsURL);
}

void PermissionService::open(const char* address) {
    const QUrl url(QString::fromLatin1(address), QUrl::StrictMode);
    if (url.isValid()) {
        workspace_->openURL(url);
    }
}

}  // namespace quillorbitex
