#pragma once

#include <memory>

#include "Platform/Freedesktop/DesktopEntries.h"
#include "Platform/Workspace.h"
#include "Platform/X11/ActiveWindow.h"

namespace quillorbitex::x11 {

// The workspace of an X11 desktop: applications are desktop entries, the frontmost one comes from
// the active window, applications start from their Exec line and URLs open through xdg-open.
class X11Workspace final : public Workspace {
public:
    // Without an active window (no display) nothing is frontmost and nothing is running.
    X11Workspace(std::shared_ptr<const freedesktop::DesktopEntries> entries,
                 std::shared_ptr<ActiveWindow> activeWindow);

    std::optional<QString> frontmostApplicationIdentifier() const override;
    FrontmostWindow frontmostWindow() const override;
    std::optional<QString> frontmostOtherApplicationIdentifier() const override;
    std::optional<WorkspaceApplication> application(const QString& identifier) const override;
    bool openApplication(const WorkspaceApplication& application) override;
    std::optional<WorkspaceApplication> applicationForURL(const QUrl& url) const override;
    // Only a URL whose scheme has a handler is passed on.
    bool openURL(const QUrl& url) override;
    bool minimizeWindow(std::uint64_t window) override;
    bool minimizeApplicationOf(std::uint64_t window) override;
    std::vector<WorkspaceApplication> runningApplications() const override;
    std::vector<WorkspaceApplication> installedApplications() const override;

private:
    std::shared_ptr<const freedesktop::DesktopEntries> entries_;
    std::shared_ptr<ActiveWindow> activeWindow_;
};

}  // namespace quillorbitex::x11
