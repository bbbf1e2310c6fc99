#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "support/TestWindowLog.h"
#include "support/WaitUntil.h"

struct _XDisplay;

namespace quillorbitex::testing {

// A monitor of a session with several, in root-window pixels.
struct TestMonitor {
    std::string name = {};
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct X11TestSessionOptions {
    bool windowManager = true;
    // xcompmgr, for tests that need translucent windows to behave as on a composited desktop.
    bool compositor = false;
    // A panel along the bottom edge whose dock takes tray icons (the XEmbed system tray).
    bool trayDock = false;
    // jwm's focus model: "click", or "sloppy" (the focus follows the pointer into a window and
    // stays when it leaves for the desktop).
    std::string focusModel = "click";
    // Bounds every start-up wait (X server, window manager, compositor). Loaded CI machines can
    // take several seconds to start Xvfb, so this is generous on purpose.
    std::chrono::milliseconds startupTimeout{30000};
    // Empty: one 1280x800 screen on Xvfb. Otherwise the session runs Xorg with the dummy video
    // driver on one framebuffer that holds all of these, and defines each as a RandR monitor, so
    // that Qt lists one screen per monitor (Xvfb cannot show Qt more than one). Needs the packages
    // xserver-xorg-core and xserver-xorg-video-dummy, and root.
    std::vector<TestMonitor> monitors = {};
    // Added to Xvfb's command line, such as {"-extension", "XTEST"} to leave an extension out.
    std::vector<std::string> serverArguments = {};
};

struct SpawnedProcess {
    pid_t pid = -1;
    std::filesystem::path outputPath;
};

struct TestWindowOptions {
    std::string title = "Quillorbitex test window";
    std::string resourceName = "qx-test-window";
    std::string resourceClass = "QxTestWindow";
    // X geometry string. The position is user-specified, so jwm puts its frame's outer corner
    // there and the window's inside a title bar lower; use X11TestInput::toRoot() for exact
    // coordinates.
    std::string geometry = "400x300+200+150";
};

struct TestWindowProcess {
    pid_t pid = -1;
    unsigned long window = 0;
    TestWindowLog log;
};

// The first event since `mark` of `type` (any type when empty) for which `matches` holds, once it
// has arrived.
std::optional<TestWindowEvent> waitForEvent(
    const TestWindowLog& log, std::size_t mark, std::string_view type = {},
    const std::function<bool(const TestWindowEvent&)>& matches = {},
    std::chrono::milliseconds timeout = kDefaultWaitTimeout);

// How many KeyPress events since `mark` carried `keysym` with at least `modifiers` held.
int keyPressCount(const TestWindowLog& log, std::size_t mark, std::string_view keysym,
                  long long modifiers = 0);

// A private X server (Xvfb, or Xorg for several monitors) with an EWMH window manager (jwm) and,
// optionally, a compositor, plus a temporary folder that stands in for the user's home and XDG
// folders. Everything it starts, including processes spawned through it and their descendants, is
// killed and reaped when it is destroyed, and the folder is removed.
//
// Construct it on the test's own thread: helpers are tied to the creating thread's lifetime so
// that a test process killed by a timeout takes its X server down with it.
//
// Close every X connection to the server (X11TestInput, in-process backends) before the session
// is destroyed; Xlib ends the whole process when its server disappears under an open connection.
class X11TestSession {
public:
    explicit X11TestSession(X11TestSessionOptions options = {});
    ~X11TestSession();
    X11TestSession(const X11TestSession&) = delete;
    X11TestSession& operator=(const X11TestSession&) = delete;

    // Whether the server (and window manager, compositor when asked for) came up; the failure
    // carries the reason and the tail of the server's or window manager's output.
    ::testing::AssertionResult started() const;

    // ":N"
    const std::string& displayName() const { return displayName_; }
    // KEY=VALUE entries for child processes: the test's environment with DISPLAY, HOME and the
    // XDG folders pointed at this session, and connections to the real desktop removed.
    const std::vector<std::string>& environment() const { return environment_; }

    const std::filesystem::path& tempDir() const { return tempDir_; }
    std::filesystem::path homeDir() const { return tempDir_ / "home"; }
    std::filesystem::path configHome() const { return tempDir_ / "config"; }
    std::filesystem::path dataHome() const { return tempDir_ / "data"; }
    std::filesystem::path cacheHome() const { return tempDir_ / "cache"; }
    std::filesystem::path runtimeDir() const { return tempDir_ / "runtime"; }
    // The only entry of XDG_DATA_DIRS, so that installed-application lookups see just what a
    // test puts there.
    std::filesystem::path dataDirs() const { return tempDir_ / "data-dirs"; }
    std::filesystem::path configDirs() const { return tempDir_ / "config-dirs"; }
    std::filesystem::path logDir() const { return tempDir_ / "logs"; }

    // Writes dataDirs()/applications/<id>.desktop: an application entry with `lines` (one a line,
    // such as "Name=...\nExec=...") after its type.
    void writeDesktopEntry(const std::string& id, const std::string& lines) const;
    // A script (its path free of spaces) that writes its arguments, one a line, to `output`; the
    // file appears complete at once. For desktop entries that note how they were run.
    std::filesystem::path recorderScript(const std::filesystem::path& output) const;

    // Points this process at the session (setenv/unsetenv of every entry that differs), so that
    // in-process code calling XOpenDisplay(nullptr) or reading XDG folders uses it. The previous
    // values come back when the session is destroyed.
    void applyToCurrentProcess();

    // Starts `argv` (argv[0] looked up in PATH, no shell) in its own process group with the
    // session's environment, KEY=VALUE entries of `extraEnvironment` added or replaced. Reports a
    // test failure and returns nothing when it cannot start.
    std::optional<SpawnedProcess> spawn(const std::vector<std::string>& argv,
                                        const std::vector<std::string>& extraEnvironment = {});
    // Runs `argv` like spawn() and waits (bounded) until it has exited; fails unless it exited
    // with status 0, carrying its output.
    ::testing::AssertionResult run(const std::vector<std::string>& argv,
                                   std::chrono::milliseconds timeout = std::chrono::seconds{30});
    // Starts qx_test_window and waits until it has logged that its window is mapped.
    std::optional<TestWindowProcess> startTestWindow(const TestWindowOptions& options = {});

    // Reaps the child if it has exited; true while it is still running.
    bool isRunning(pid_t pid);
    // Waits (bounded) for a spawned child to exit and returns its wait status.
    std::optional<int> waitForExit(pid_t pid, std::chrono::milliseconds timeout);
    // SIGTERM to the child's process group, SIGKILL after `grace`, then reaps it.
    void terminate(pid_t pid, std::chrono::milliseconds grace = std::chrono::milliseconds{3000});

    pid_t serverPid() const { return server_.pid; }

private:
    struct Child {
        pid_t pid = -1;
        std::filesystem::path outputPath;
        bool reaped = false;
        int status = 0;
    };

    std::optional<Child> launch(const std::vector<std::string>& argv,
                                const std::vector<std::string>& environment,
                                const std::filesystem::path& outputPath, int inheritedFd,
                                std::string& error);
    bool startServer(std::chrono::milliseconds timeout);
    std::vector<std::string> dummyServerArguments(const std::string& displayFd);
    bool defineMonitors(std::chrono::milliseconds timeout);
    bool startWindowManager(std::chrono::milliseconds timeout);
    bool startCompositor(std::chrono::milliseconds timeout);
    // Launches a helper into `helper` and waits until `ready` holds on the display.
    bool startHelper(Child& helper, const std::vector<std::string>& argv,
                     const std::string& awaited, std::chrono::milliseconds timeout,
                     const std::function<bool(_XDisplay*)>& ready);
    void buildEnvironment();
    Child* findChild(pid_t pid);
    void stopChildren(std::vector<Child*> children, std::chrono::milliseconds grace);
    std::filesystem::path nextOutputPath(const std::string& stem);

    X11TestSessionOptions options_;
    std::filesystem::path tempDir_;
    std::string displayName_;
    std::vector<std::string> environment_;
    std::vector<std::pair<std::string, std::optional<std::string>>> savedProcessEnvironment_;
    bool appliedToProcess_ = false;
    std::string failure_;
    Child server_;
    Child windowManager_;
    Child compositor_;
    std::vector<Child> helpers_;
    unsigned outputCounter_ = 0;
};

}  // namespace quillorbitex::testing
