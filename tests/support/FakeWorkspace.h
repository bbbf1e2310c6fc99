#pragma once

#include <QHash>
#include <mutex>

#include "Platform/Workspace.h"

namespace quillorbitex::testing {

// An in-memory desktop: a table of installed applications and scheme handlers, a settable frontmost
// application, and a record of every look-up and open.
class FakeWorkspace final : public Workspace {
public:
    void addApplication(WorkspaceApplication application);
    void setSchemeHandler(const QString& scheme, WorkspaceApplication handler);
    void removeSchemeHandler(const QString& scheme);
    void setFrontmostApplicationIdentifier(std::optional<QString> identifier);
    void setFrontmostOtherApplicationIdentifier(std::optional<QString> identifier);
    void setRunningApplications(std::vector<WorkspaceApplication> applications);

    std::vector<QString> lookedUpIdentifiers() const;
    // How often the handler of a URL was asked for (openURL asks too).
    int urlHandlerLookUps() const;
    std::vector<WorkspaceApplication> openedApplications() const;
    // Every URL passed to openURL, whether it had a handler or not.
    std::vector<QUrl> openURLRequests() const;
    // How often the window manager was asked to minimize a window, and an application's windows;
    // the windows named, in order (0: the active one).
    int minimizedWindows() const;
    int minimizedApplications() const;
    std::vector<std::uint64_t> minimizeTargets() const;

    std::optional<QString> frontmostApplicationIdentifier() const override;
    std::optional<QString> frontmostOtherApplicationIdentifier() const override;
    std::optional<WorkspaceApplication> application(const QString& identifier) const override;
    bool openApplication(const WorkspaceApplication& application) override;
    std::optional<WorkspaceApplication> applicationForURL(const QUrl& url) const override;
    // True when the URL's scheme has a handler.
    bool openURL(const QUrl& url) override;
    bool minimizeWindow(std::uint64_t window) override;
    bool minimizeApplicationOf(std::uint64_t window) override;
    std::vector<WorkspaceApplication> runningApplications() const override;
    std::vector<WorkspaceApplication> installedApplications() const override;

private:
    mutable std::mutex mutex_;
    std::vector<WorkspaceApplication> installed_;
    QHash<QString, WorkspaceApplication> schemeHandlers_;
    std::optional<QString> frontmost_;
    std::optional<QString> frontmostOther_;
    std::vector<WorkspaceApplication> running_;
    mutable std::vector<QString> lookedUp_;
    mutable int urlHandlerLookUps_ = 0;
    std::vector<WorkspaceApplication> opened_;
    std::vector<QUrl> urlRequests_;
    int minimizedWindows_ = 0;
    int minimizedApplications_ = 0;
    std::vector<std::uint64_t> minimizeTargets_;
};

}  // namespace quillorbitex::testing
