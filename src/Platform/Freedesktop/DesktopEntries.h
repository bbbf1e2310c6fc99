#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "Platform/Freedesktop/DesktopEntry.h"

namespace quillorbitex::freedesktop {

// Where the XDG base directories point, and what the desktop session says about itself.
struct XdgLocations {
    QString dataHome;
    QStringList dataDirs;
    QString configHome;
    QStringList configDirs;
    // XDG_CURRENT_DESKTOP, lower-cased, most specific first.
    QStringList currentDesktops;
    // The POSIX locale names are shown in (LC_ALL, LC_MESSAGES or LANG).
    QString locale;
    // Debian's x-www-browser alternative, the system's browser when no list names one; empty for
    // none.
    QString webBrowserAlternative;

    // The process environment, with the XDG base-directory defaults filled in.
    static XdgLocations fromEnvironment();

    friend bool operator==(const XdgLocations&, const XdgLocations&) = default;
};

// The installed applications: every desktop entry under the data directories' "applications"
// folders. The one place that answers what an application identifier means, so that the frontmost
// application, the pickers, scope rules and opening agree. Safe to use from any thread; the entries
// are read again when a folder's contents change.
class DesktopEntries {
public:
    explicit DesktopEntries(XdgLocations locations = XdgLocations::fromEnvironment());
    ~DesktopEntries();
    DesktopEntries(const DesktopEntries&) = delete;
    DesktopEntries& operator=(const DesktopEntries&) = delete;

    const XdgLocations& locations() const { return locations_; }

    // The installed application with exactly this desktop-file ID (without ".desktop"); entries the
    // menus hide (NoDisplay) count, deleted ones (Hidden) do not. Identifiers that are empty or
    // contain "/" or ".." are refused, so nothing outside the applications folders is reached.
    std::optional<DesktopEntry> application(const QString& identifier) const;
    // Every application the menus show, in the order of the data directories.
    std::vector<DesktopEntry> listedApplications() const;
    // The default application for x-scheme-handler/<scheme>: the first installed one named in the
    // mimeapps.list files (the desktop's own ones first, in the freedesktop.org lookup order), else
    // the first application that declares the type. For http and https, where neither names one,
    // the default web browser as xdg-settings finds it: the http handler, else the application that
    // runs the x-www-browser alternative.
    std::optional<DesktopEntry> handlerForScheme(const QString& scheme) const;
    // The application of a window by its WM_CLASS, as desktops match them: an entry whose
    // StartupWMClass, else whose identifier, else the identifier's last dotted part
    // ("org.xfce.mousepad"), else whose Exec program's file name equals the class or else the
    // instance name, ignoring letter case.
    std::optional<DesktopEntry> applicationForWindowClass(const QString& instanceName,
                                                          const QString& className) const;

private:
    struct Index;
    std::shared_ptr<const Index> currentIndex() const;
    std::optional<DesktopEntry> declaredHandler(const QString& mimeType) const;
    std::optional<DesktopEntry> alternativeWebBrowser() const;
    QStringList mimeappsFiles() const;

    XdgLocations locations_;
    mutable std::mutex mutex_;
    mutable std::shared_ptr<const Index> index_;
};

}  // namespace quillorbitex::freedesktop
