#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "Platform/Executor.h"
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
// application, the pickers, scope rules and opening agree. Safe to use from any thread.
//
// The folders are read on a reader of their own, first when the object is made and then whenever
// a lookup finds that a folder it read has changed (its own time stamps, not its contents'), so a
// lookup never walks the folders itself. A reading lists again only the folders that changed and
// reads again only the desktop files that did, visits each real folder once, however many links
// lead to it, never enters the kernel's own file systems (/proc, /sys, ...), and stops at fixed
// limits of depth, folders, names, files and bytes per data directory; desktop files are read only
// when they are regular files of at most a megabyte.
class DesktopEntries {
public:
    // What the readings did: for diagnostics and tests.
    struct Reading {
        // Readings so far: the first, and one for each check that found a folder changed.
        std::size_t count = 0;
        // Folders the last one listed and desktop files it read: those that were new or had
        // changed since the reading before.
        std::size_t folders = 0;
        std::size_t files = 0;
        // The last one stopped at a limit, so some entries may be missing, or left unread (which
        // hides later files with their ID until a change of their folder has them read again).
        bool cutShort = false;

        friend bool operator==(const Reading&, const Reading&) = default;
    };

    // Lookups on `interactiveThread` (the main thread) answer at once from the entries read so
    // far; only before the first reading is done do they wait for it, at most a frame. Lookups on
    // any other thread wait until a check for changed folders made after they asked is done, and
    // for what changed to be read. `reader` runs the checks and readings (by default a queue of
    // its own); one that runs work only when told (a test's) must come with `interactiveThread`
    // set to the thread that tells it.
    explicit DesktopEntries(XdgLocations locations = XdgLocations::fromEnvironment(),
                            std::optional<std::thread::id> interactiveThread = std::nullopt,
                            std::shared_ptr<Executor> reader = nullptr);
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

    // Calls `observer` on the reader each time newly read entries take the place of those before
    // (the first reading included); a reading that finds the same entries calls nobody. The calls
    // stop when the returned token is destroyed: once its destruction returns, no call is under
    // way. An observer must not destroy its own token.
    std::shared_ptr<void> observeChanges(std::function<void()> observer) const;

    // After the check a lookup would wait for.
    Reading lastReading() const;

private:
    struct Index;
    struct State;
    std::shared_ptr<const Index> currentIndex() const;
    void requestCheck() const;
    std::optional<DesktopEntry> declaredHandler(const QString& mimeType) const;
    std::optional<DesktopEntry> alternativeWebBrowser() const;
    QStringList mimeappsFiles() const;

    XdgLocations locations_;
    std::optional<std::thread::id> interactiveThread_;
    std::shared_ptr<State> state_;
    // Last, so that its work ends before the rest goes.
    std::shared_ptr<Executor> reader_;
};

}  // namespace quillorbitex::freedesktop
