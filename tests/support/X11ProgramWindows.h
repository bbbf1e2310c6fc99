#pragma once

// What the end-to-end tests of the built program read back: its windows on the test server, and
// the files it wrote.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/X11TestInput.h"
#include "support/X11TestSession.h"

// Last: Xlib's macros (None, Bool, Status, ...) would clash with the headers above.
#include <X11/Xlib.h>

namespace quillorbitex::testing {

// The class part of WM_CLASS of every window of the program.
inline constexpr const char* kProgramWindowClass = "Quillorbitex";

// While it lives, a request about a window that has just gone (a program ending, a window
// closing) fails quietly instead of ending the test through Xlib's default error handler.
class QuietXErrors {
public:
    explicit QuietXErrors(Display* display);
    ~QuietXErrors();
    QuietXErrors(const QuietXErrors&) = delete;
    QuietXErrors& operator=(const QuietXErrors&) = delete;

private:
    Display* display_;
    int (*previous_)(Display*, XErrorEvent*) = nullptr;
};

// Both read nothing (an empty text) from a window that is gone.
std::string windowClass(Display* display, Window window);
std::string windowRole(Display* display, Window window);

// The window manager's managed windows (_NET_CLIENT_LIST) that are the program's: the dashboard,
// the update dialog, the sheets.
std::vector<Window> programWindows(Display* display);
// The program's dashboard window (its role is "dashboard"), when one is open.
std::optional<Window> dashboardWindow(Display* display);
std::optional<Window> waitForDashboard(Display* display);

// A managed window of the program other than `known` (a dialog or sheet over the dashboard).
std::optional<Window> otherProgramWindow(Display* display, Window known);
// What the window manager's close button does: WM_DELETE_WINDOW to the client.
void closeWindow(Display* display, Window window);
// SIGTERM to a spawned program; succeeds when it exits with status 0 in time.
::testing::AssertionResult endsCleanlyOnTerm(X11TestSession& session,
                                             const SpawnedProcess& program);

// The program's unmanaged top-level windows on screen: its open menus, its overlay panels.
std::vector<Window> shownUnmanagedProgramWindows(Display* display);
// Whether a menu of the program is open.
bool programMenuShown(Display* display);

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& content);
// What a spawned program printed, for failure messages.
std::string outputOf(const std::optional<SpawnedProcess>& process);

}  // namespace quillorbitex::testing
