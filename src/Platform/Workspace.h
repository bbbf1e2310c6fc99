#pragma once

#include <QString>
#include <QUrl>
#include <cstdint>
#include <optional>
#include <vector>

namespace quillorbitex {

// An installed or running application as the desktop knows it.
struct WorkspaceApplication {
    // The application's identifier; on Linux its desktop-file ID ("org.gnome.Nautilus").
    QString identifier;
    // The localised name shown to the user.
    QString name;
    // Where the application is described (the desktop file's path); empty when it has none.
    QString location;

    friend bool operator==(const WorkspaceApplication&, const WorkspaceApplication&) = default;
};

// The active window and its application, as known at one moment.
struct FrontmostWindow {
    // The platform's handle of the window (an X window id); 0 when none is known.
    std::uint64_t window = 0;
    std::optional<QString> applicationIdentifier;

    friend bool operator==(const FrontmostWindow&, const FrontmostWindow&) = default;
};

// The desktop's applications: which one is in front, which are installed and running, and opening
// applications and URLs.
class Workspace {
public:
    virtual ~Workspace() = default;

    // The application of the active window, or nothing. Any thread.
    virtual std::optional<QString> frontmostApplicationIdentifier() const = 0;
    // The active window with its application, both of the same moment. Quick (a copy of what is
    // known), so that it can be read as a stroke begins. Any thread.
    virtual FrontmostWindow frontmostWindow() const {
        return FrontmostWindow{0, frontmostApplicationIdentifier()};
    }
    // The frontmost application if it is not this program, else the last one in front that was not;
    // nothing when that one is not known as an application. Any thread.
    virtual std::optional<QString> frontmostOtherApplicationIdentifier() const = 0;

    // The installed application with exactly this identifier, or nothing. Any thread.
    virtual std::optional<WorkspaceApplication> application(const QString& identifier) const = 0;
    // Asks the desktop to start the application; true when the start was requested. Any thread.
    virtual bool openApplication(const WorkspaceApplication& application) = 0;

    // The application that would open the URL (the handler of its scheme), or nothing. Any thread.
    virtual std::optional<WorkspaceApplication> applicationForURL(const QUrl& url) const = 0;
    // Hands the URL to the application that handles it; false when none does or it cannot be
    // started. Any thread.
    virtual bool openURL(const QUrl& url) = 0;

    // Asks the window manager to minimize (iconify) `window` (FrontmostWindow::window; 0: the
    // active window); true when asked. A desktop without one minimizes nothing. Any thread.
    virtual bool minimizeWindow(std::uint64_t window) {
        static_cast<void>(window);
        return false;
    }
    // Asks the window manager to minimize every top-level window of the application of `window`
    // (0: the active window); true when asked. Any thread.
    virtual bool minimizeApplicationOf(std::uint64_t window) {
        static_cast<void>(window);
        return false;
    }

    // Applications with a window on the desktop now, in the desktop's order. Main thread.
    virtual std::vector<WorkspaceApplication> runningApplications() const = 0;
    // Applications the desktop offers to the user (hidden entries left out). Any thread.
    virtual std::vector<WorkspaceApplication> installedApplications() const = 0;
};

}  // namespace quillorbitex
