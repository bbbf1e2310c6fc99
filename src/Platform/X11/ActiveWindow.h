#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "Platform/Freedesktop/DesktopEntries.h"
#include "Platform/Workspace.h"

struct xcb_connection_t;
class QSocketNotifier;

namespace quillorbitex::x11 {

// Knows which application is in front: the application of the root window's _NET_ACTIVE_WINDOW
// (needs an EWMH window manager). A window names its application through _GTK_APPLICATION_ID, else
// _KDE_NET_WM_DESKTOP_FILE, else WM_CLASS matched to a desktop entry; windows of this process are
// this program. The main thread keeps the answer current from the root window's property changes
// (on a connection of its own); any thread may read it, and any thread may ask for iconifying
// (xcb serialises the requests).
class ActiveWindow {
public:
    // Connects to the display (empty: $DISPLAY); nothing when it cannot. Call on the main thread:
    // when a Qt application object exists, changes are followed through its event loop.
    static std::unique_ptr<ActiveWindow> connect(
        std::shared_ptr<const freedesktop::DesktopEntries> entries, QString ownIdentifier,
        const QString& displayName = {});
    ~ActiveWindow();
    ActiveWindow(const ActiveWindow&) = delete;
    ActiveWindow& operator=(const ActiveWindow&) = delete;

    // Any thread.
    std::optional<QString> frontmostApplicationIdentifier() const;
    // The active window (its client window) with its application. Any thread.
    FrontmostWindow frontmostWindow() const;
    // The frontmost application unless it is this program, else the last other one; nothing when
    // that window names no application. Any thread.
    std::optional<QString> frontmostOtherApplicationIdentifier() const;

    // Asks the window manager to iconify `window` (0: the active window) with the ICCCM
    // WM_CHANGE_STATE request, or with `wholeApplication` every window of _NET_CLIENT_LIST of the
    // same application. False when there is no such window or the display is gone. Any thread.
    bool iconify(std::uint32_t window, bool wholeApplication);

    // The applications of _NET_CLIENT_LIST, each once, in the window manager's order. Main thread.
    std::vector<QString> runningApplicationIdentifiers();
    // Reads the active window again now. Main thread.
    void refresh();

private:
    struct Atoms;
    ActiveWindow(xcb_connection_t* connection, std::uint32_t root,
                 std::shared_ptr<const freedesktop::DesktopEntries> entries, QString ownIdentifier);
    void processEvents();
    std::vector<std::optional<QString>> identify(const std::vector<std::uint32_t>& windows);

    xcb_connection_t* connection_;
    std::uint32_t root_;
    std::unique_ptr<Atoms> atoms_;
    std::shared_ptr<const freedesktop::DesktopEntries> entries_;
    QString ownIdentifier_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::shared_ptr<void> entriesObservation_;

    mutable std::mutex mutex_;
    std::uint32_t frontmostWindow_ = 0;
    std::optional<QString> frontmost_;
    std::optional<QString> lastOther_;
};

}  // namespace quillorbitex::x11
