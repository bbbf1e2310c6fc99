#include "support/X11TestSession.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>

#include "support/X11TestInput.h"

#ifndef QX_TEST_WINDOW_PATH
#error "QX_TEST_WINDOW_PATH must name the qx_test_window binary"
#endif

extern char** environ;

namespace quillorbitex::testing {
namespace {

using Clock = std::chrono::steady_clock;

// Variables that would connect children to the desktop the tests run on instead of the session.
constexpr std::array kRemovedVariables = {
    "WAYLAND_DISPLAY",          "XAUTHORITY",         "DBUS_SESSION_BUS_ADDRESS",
    "SESSION_MANAGER",          "DESKTOP_STARTUP_ID", "XDG_CURRENT_DESKTOP",
    "XDG_SESSION_DESKTOP",      "XDG_SESSION_TYPE",   "DESKTOP_SESSION",
    "GNOME_DESKTOP_SESSION_ID", "KDE_FULL_SESSION",   "XDG_ACTIVATION_TOKEN",
};

constexpr const char* kWindowManagerConfig = R"(<?xml version="1.0"?>
<JWM>
    <FocusModel>%FOCUS%</FocusModel>
    <Desktops width="1" height="1"/>
    <SnapMode>none</SnapMode>
%TRAY%</JWM>
)";

// A 32 px panel along the bottom whose dock holds tray icons.
constexpr const char* kTrayConfig =
    "    <Tray x=\"0\" y=\"-1\" height=\"32\" autohide=\"off\"><Spacer/><Dock/></Tray>\n";

std::string variableName(const std::string& entry) {
    return entry.substr(0, entry.find('='));
}

void setVariable(std::vector<std::string>& environment, const std::string& entry) {
    const auto name = variableName(entry);
    std::erase_if(environment,
                  [&](const std::string& existing) { return variableName(existing) == name; });
    environment.push_back(entry);
}

std::string fileTail(const std::filesystem::path& path, std::size_t limit = 2000) {
    std::ifstream file(path, std::ios::binary);
    std::string content{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (content.size() > limit) {
        content = "..." + content.substr(content.size() - limit);
    }
    return content;
}

std::string describeStatus(int status) {
    if (WIFEXITED(status)) {
        return "exited with status " + std::to_string(WEXITSTATUS(status));
    }
    if (WIFSIGNALED(status)) {
        return std::string("killed by signal ") + strsignal(WTERMSIG(status));
    }
    return "stopped";
}

// The window a running EWMH window manager announces, once it has also taken over the root's
// substructure redirection (only then are newly mapped windows managed).
bool windowManagerRunning(Display* display) {
    const Window root = DefaultRootWindow(display);
    XWindowAttributes attributes{};
    return !windowProperty32(display, root, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW).empty() &&
           XGetWindowAttributes(display, root, &attributes) != 0 &&
           (attributes.all_event_masks & SubstructureRedirectMask) != 0;
}

bool selectionOwned(Display* display, const std::string& prefix) {
    const auto name = prefix + std::to_string(DefaultScreen(display));
    return XGetSelectionOwner(display, XInternAtom(display, name.c_str(), False)) != 0;
}

std::chrono::milliseconds until(Clock::time_point deadline) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
}

}  // namespace

std::optional<TestWindowEvent> waitForEvent(
    const TestWindowLog& log, std::size_t mark, std::string_view type,
    const std::function<bool(const TestWindowEvent&)>& matches, std::chrono::milliseconds timeout) {
    std::optional<TestWindowEvent> found;
    waitUntil(
        [&] {
            for (const auto& event : log.eventsSince(mark, type)) {
                if (!matches || matches(event)) {
                    found = event;
                    return true;
                }
            }
            return false;
        },
        timeout);
    return found;
}

int keyPressCount(const TestWindowLog& log, std::size_t mark, std::string_view keysym,
                  long long modifiers) {
    int count = 0;
    for (const auto& event : log.eventsSince(mark, "KeyPress")) {
        count += event.field("keysym") == keysym &&
                 (event.number("state").value_or(0) & modifiers) == modifiers;
    }
    return count;
}

X11TestSession::X11TestSession(X11TestSessionOptions options) : options_(options) {
    const char* base = std::getenv("TMPDIR");
    std::string pattern =
        std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/qx-e2e-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
        failure_ = "cannot create a temporary folder from " + pattern + ": " + strerror(errno);
        return;
    }
    tempDir_ = pattern;
    std::error_code error;
    for (const auto& directory : {homeDir(), configHome(), dataHome(), cacheHome(), runtimeDir(),
                                  dataDirs(), configDirs(), logDir()}) {
        std::filesystem::create_directories(directory, error);
    }
    // Programs refuse a runtime folder that others can read.
    chmod(runtimeDir().c_str(), 0700);
    buildEnvironment();

    const auto deadline = Clock::now() + options_.startupTimeout;
    if (startServer(until(deadline)) &&
        (!options_.windowManager || startWindowManager(until(deadline))) && options_.compositor) {
        startCompositor(until(deadline));
    }
}

X11TestSession::~X11TestSession() {
    if (appliedToProcess_) {
        for (const auto& [name, value] : savedProcessEnvironment_) {
            if (value) {
                setenv(name.c_str(), value->c_str(), 1);
            } else {
                unsetenv(name.c_str());
            }
        }
    }
    std::vector<Child*> helpers;
    for (auto& helper : helpers_) {
        helpers.push_back(&helper);
    }
    stopChildren(helpers, std::chrono::milliseconds{3000});
    stopChildren({&compositor_, &windowManager_}, std::chrono::milliseconds{3000});
    // Last, so that the server can still serve everything that shuts down before it.
    stopChildren({&server_}, std::chrono::milliseconds{5000});

    if (!tempDir_.empty()) {
        std::error_code error;
        std::filesystem::remove_all(tempDir_, error);
    }
}

::testing::AssertionResult X11TestSession::started() const {
    if (failure_.empty()) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "the X11 test session did not start: " << failure_;
}

void X11TestSession::writeDesktopEntry(const std::string& id, const std::string& lines) const {
    const auto path = dataDirs() / "applications" / (id + ".desktop");
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path) << "[Desktop Entry]\nType=Application\n" << lines << '\n';
}

std::filesystem::path X11TestSession::recorderScript(const std::filesystem::path& output) const {
    auto name = output.filename().string();
    std::replace(name.begin(), name.end(), ' ', '-');
    const auto path = tempDir_ / "bin" / ("record-" + name);
    std::filesystem::create_directories(path.parent_path());
    const auto quoted = "'" + output.string() + "'";
    std::ofstream(path) << "#!/bin/sh\nprintf '%s\\n' \"$@\" > " << quoted << ".tmp && mv "
                        << quoted << ".tmp " << quoted << '\n';
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    return path;
}

void X11TestSession::buildEnvironment() {
    environment_.clear();
    for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
        const std::string text = *entry;
        const auto name = variableName(text);
        if (std::find(kRemovedVariables.begin(), kRemovedVariables.end(), name) ==
            kRemovedVariables.end()) {
            environment_.push_back(text);
        }
    }
    setVariable(environment_, "HOME=" + homeDir().string());
    setVariable(environment_, "XDG_CONFIG_HOME=" + configHome().string());
    setVariable(environment_, "XDG_DATA_HOME=" + dataHome().string());
    setVariable(environment_, "XDG_CACHE_HOME=" + cacheHome().string());
    setVariable(environment_, "XDG_RUNTIME_DIR=" + runtimeDir().string());
    setVariable(environment_, "XDG_DATA_DIRS=" + dataDirs().string());
    setVariable(environment_, "XDG_CONFIG_DIRS=" + configDirs().string());
    // Qt programs started in a session belong on its X server even when the tests themselves run
    // with another platform plugin.
    setVariable(environment_, "QT_QPA_PLATFORM=xcb");
    if (!displayName_.empty()) {
        setVariable(environment_, "DISPLAY=" + displayName_);
    }
}

void X11TestSession::applyToCurrentProcess() {
    if (appliedToProcess_) {
        return;
    }
    appliedToProcess_ = true;
    const auto remember = [&](const std::string& name) {
        const char* value = std::getenv(name.c_str());
        savedProcessEnvironment_.emplace_back(
            name, value != nullptr ? std::optional<std::string>(value) : std::nullopt);
    };
    for (const char* name : kRemovedVariables) {
        remember(name);
        unsetenv(name);
    }
    for (const auto& entry : environment_) {
        const auto name = variableName(entry);
        const auto value = entry.substr(name.size() + 1);
        const char* current = std::getenv(name.c_str());
        if (current == nullptr || value != current) {
            remember(name);
            setenv(name.c_str(), value.c_str(), 1);
        }
    }
}

std::filesystem::path X11TestSession::nextOutputPath(const std::string& stem) {
    return logDir() / (stem + "-" + std::to_string(++outputCounter_) + ".log");
}

std::optional<X11TestSession::Child> X11TestSession::launch(
    const std::vector<std::string>& argv, const std::vector<std::string>& environment,
    const std::filesystem::path& outputPath, int inheritedFd, std::string& error) {
    if (argv.empty()) {
        error = "no program given";
        return std::nullopt;
    }
    const int output = open(outputPath.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    const int input = open("/dev/null", O_RDONLY | O_CLOEXEC);
    std::array<int, 2> execStatus{-1, -1};
    if (output < 0 || input < 0 || pipe2(execStatus.data(), O_CLOEXEC) != 0) {
        error = std::string("cannot prepare to start ") + argv.front() + ": " + strerror(errno);
        for (const int fd : {output, input, execStatus[0], execStatus[1]}) {
            if (fd >= 0) {
                close(fd);
            }
        }
        return std::nullopt;
    }

    // Everything the child touches is prepared here: between fork and exec only
    // async-signal-safe calls are allowed.
    std::vector<char*> arguments;
    for (const auto& argument : argv) {
        arguments.push_back(const_cast<char*>(argument.c_str()));
    }
    arguments.push_back(nullptr);
    std::vector<char*> variables;
    for (const auto& variable : environment) {
        variables.push_back(const_cast<char*>(variable.c_str()));
    }
    variables.push_back(nullptr);
    const pid_t parent = getpid();

    const pid_t pid = fork();
    if (pid == 0) {
        setpgid(0, 0);
        // A test process killed by its timeout must not leave an X server behind.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) {
            _exit(127);
        }
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        struct sigaction defaultAction {};
        defaultAction.sa_handler = SIG_DFL;
        for (const int number : {SIGPIPE, SIGTERM, SIGINT, SIGHUP, SIGCHLD}) {
            sigaction(number, &defaultAction, nullptr);
        }
        dup2(input, STDIN_FILENO);
        dup2(output, STDOUT_FILENO);
        dup2(output, STDERR_FILENO);
        close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
        if (inheritedFd >= 0) {
            fcntl(inheritedFd, F_SETFD, 0);
        }
        // argv[0] is looked up in the test's own PATH.
        execvpe(argv.front().c_str(), arguments.data(), variables.data());
        const int failure = errno;
        [[maybe_unused]] const auto written = write(execStatus[1], &failure, sizeof failure);
        _exit(127);
    }
    const int forkError = errno;
    close(output);
    close(input);
    close(execStatus[1]);
    if (pid < 0) {
        close(execStatus[0]);
        error = std::string("cannot fork: ") + strerror(forkError);
        return std::nullopt;
    }
    // Also here, so that the group exists before anyone signals it.
    setpgid(pid, pid);

    int execError = 0;
    ssize_t got = 0;
    do {
        got = read(execStatus[0], &execError, sizeof execError);
    } while (got < 0 && errno == EINTR);
    close(execStatus[0]);
    Child child;
    child.pid = pid;
    child.outputPath = outputPath;
    if (got == static_cast<ssize_t>(sizeof execError)) {
        waitpid(pid, &child.status, 0);
        error = "cannot execute " + argv.front() + ": " + strerror(execError);
        return std::nullopt;
    }
    return child;
}

bool X11TestSession::startServer(std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    // The display number is drawn at random from a wide range rather than left to -displayfd's
    // lowest free one: a number is then not handed to the next test starting in parallel the
    // moment its server ends, so a client still reconnecting by the old name (a test checking what
    // happens after its server went away) cannot land on, and grab buttons on, another test's
    // server. A number already taken makes the server exit at once; then another is drawn.
    // -displayfd still tells when the server listens; -noreset keeps atoms and properties alive
    // when the last client disconnects between two steps of a test.
    const bool dummy = !options_.monitors.empty();
    const std::string serverName = dummy ? "Xorg" : "Xvfb";
    std::mt19937 random(std::random_device{}() ^ static_cast<unsigned>(getpid()));
    std::uniform_int_distribution<int> numbers(1000, 60000);
    for (int attempt = 1; attempt <= 8; ++attempt) {
        const std::string requested = ":" + std::to_string(numbers(random));
        const auto numberFile = logDir() / ("display-number-" + std::to_string(attempt));
        const int numberFd =
            open(numberFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (numberFd < 0) {
            failure_ = "cannot create " + numberFile.string() + ": " + strerror(errno);
            return false;
        }
        auto argv =
            dummy ? dummyServerArguments(std::to_string(numberFd))
                  : std::vector<std::string>{"Xvfb",      "-displayfd", std::to_string(numberFd),
                                             "-screen",   "0",          "1280x800x24",
                                             "-nolisten", "tcp",        "-noreset"};
        if (!dummy) {
            argv.insert(argv.end(), options_.serverArguments.begin(),
                        options_.serverArguments.end());
        }
        if (!argv.empty()) {
            argv.insert(argv.begin() + 1, requested);
        }
        auto child = argv.empty()
                         ? std::nullopt
                         : launch(argv, environment_, nextOutputPath(dummy ? "xorg" : "xvfb"),
                                  numberFd, failure_);
        close(numberFd);
        if (!child) {
            return false;
        }
        server_ = *child;

        std::string number;
        waitUntil(
            [&] {
                number = fileTail(numberFile);
                return number.ends_with('\n') || !isRunning(server_.pid);
            },
            until(deadline));
        if (number.ends_with('\n') && number.size() >= 2) {
            number.pop_back();
            displayName_ = ":" + number;
            break;
        }
        failure_ = serverName + " " +
                   (isRunning(server_.pid) ? "did not report its display within " +
                                                 std::to_string(timeout.count()) + " ms"
                                           : describeStatus(server_.status)) +
                   " on " + requested + "; its output:\n" + fileTail(server_.outputPath);
        if (isRunning(server_.pid) || Clock::now() >= deadline) {
            return false;
        }
    }
    if (displayName_.empty()) {
        return false;
    }
    failure_.clear();
    setVariable(environment_, "DISPLAY=" + displayName_);

    // The display number is written once the server listens; make sure it also answers.
    Display* display = nullptr;
    waitUntil(
        [&] {
            display = XOpenDisplay(displayName_.c_str());
            return display != nullptr || !isRunning(server_.pid);
        },
        until(deadline));
    if (display == nullptr) {
        failure_ = "cannot connect to " + serverName + " on " + displayName_ + "; its output:\n" +
                   fileTail(server_.outputPath);
        return false;
    }
    XCloseDisplay(display);
    return !dummy || defineMonitors(until(deadline));
}

std::vector<std::string> X11TestSession::dummyServerArguments(const std::string& displayFd) {
    int width = 0;
    int height = 0;
    for (const auto& monitor : options_.monitors) {
        width = std::max(width, monitor.x + monitor.width);
        height = std::max(height, monitor.y + monitor.height);
    }
    if (width <= 0 || height <= 0) {
        failure_ = "the monitors of the session cover no area";
        return {};
    }
    // One mode as large as the framebuffer, at 60 Hz with ordinary blanking; the dummy driver
    // accepts any timing within the monitor's wide sync ranges (but takes short blanking for
    // reduced blanking, which the monitor does not declare).
    const int hsyncStart = width + (width / 16 + 7) / 8 * 8;
    const int hsyncEnd = hsyncStart + (width / 10 + 7) / 8 * 8;
    const int htotal = width + (width * 5 / 16 + 7) / 8 * 8;
    const int vtotal = height + 28;
    char clock[32];
    std::snprintf(clock, sizeof clock, "%.2f", htotal * double(vtotal) * 60 / 1e6);
    const std::string mode = std::to_string(width) + "x" + std::to_string(height);
    const auto kib = static_cast<long long>(width) * height * 4 / 1024;
    const auto config = tempDir_ / "xorg.conf";
    std::ofstream(config) << "Section \"ServerFlags\"\n"
                             "    Option \"AutoAddDevices\" \"false\"\n"
                             "    Option \"AutoEnableDevices\" \"false\"\n"
                             "    Option \"DontVTSwitch\" \"true\"\n"
                             "EndSection\n"
                             "Section \"Device\"\n"
                             "    Identifier \"qx-dummy\"\n"
                             "    Driver \"dummy\"\n"
                             "    VideoRam "
                          << std::max(65536LL, kib * 2)
                          << "\nEndSection\n"
                             "Section \"Monitor\"\n"
                             "    Identifier \"qx-monitor\"\n"
                             "    HorizSync 5.0 - 1000.0\n"
                             "    VertRefresh 5.0 - 200.0\n"
                             "    Modeline \""
                          << mode << "\" " << clock << ' ' << width << ' ' << hsyncStart << ' '
                          << hsyncEnd << ' ' << htotal << ' ' << height << ' ' << height + 1 << ' '
                          << height + 4 << ' ' << vtotal
                          << " -HSync +VSync\n"
                             "EndSection\n"
                             "Section \"Screen\"\n"
                             "    Identifier \"qx-screen\"\n"
                             "    Device \"qx-dummy\"\n"
                             "    Monitor \"qx-monitor\"\n"
                             "    DefaultDepth 24\n"
                             "    SubSection \"Display\"\n"
                             "        Depth 24\n"
                             "        Modes \""
                          << mode << "\"\n        Virtual " << width << ' ' << height
                          << "\n    EndSubSection\n"
                             "EndSection\n";
    const auto log = logDir() / "xorg-server.log";
    return {"Xorg",    "-config",   config.string(), "-logfile", log.string(),  "-displayfd",
            displayFd, "-nolisten", "tcp",           "-noreset", "-novtswitch", "-sharevts"};
}

bool X11TestSession::defineMonitors(std::chrono::milliseconds timeout) {
    Display* display = XOpenDisplay(displayName_.c_str());
    if (display == nullptr) {
        failure_ = "cannot connect to " + displayName_ + " to define its monitors";
        return false;
    }
    const Window root = DefaultRootWindow(display);
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (!XRRQueryExtension(display, &eventBase, &errorBase) ||
        !XRRQueryVersion(display, &major, &minor) || major * 100 + minor < 105) {
        XCloseDisplay(display);
        failure_ = "the X server offers no RandR 1.5 monitors";
        return false;
    }
    // The first monitor takes over the output the driver shows, so that the automatic monitor of
    // the whole framebuffer goes away; the others are outputs of nothing.
    RROutput output = 0;
    if (XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, root)) {
        for (int i = 0; i < resources->noutput && output == 0; ++i) {
            if (XRROutputInfo* info = XRRGetOutputInfo(display, resources, resources->outputs[i])) {
                if (info->connection == RR_Connected) {
                    output = resources->outputs[i];
                }
                XRRFreeOutputInfo(info);
            }
        }
        XRRFreeScreenResources(resources);
    }
    for (std::size_t i = 0; i < options_.monitors.size(); ++i) {
        const auto& monitor = options_.monitors[i];
        XRRMonitorInfo* info = XRRAllocateMonitor(display, i == 0 && output != 0 ? 1 : 0);
        info->name = XInternAtom(display, monitor.name.c_str(), False);
        info->primary = i == 0 ? True : False;
        info->x = monitor.x;
        info->y = monitor.y;
        info->width = monitor.width;
        info->height = monitor.height;
        // 96 dots per inch.
        info->mwidth = monitor.width * 254 / 960;
        info->mheight = monitor.height * 254 / 960;
        if (info->noutput == 1) {
            info->outputs[0] = output;
        }
        XRRSetMonitor(display, root, info);
        XRRFreeMonitors(info);
    }
    XSync(display, False);
    int count = 0;
    const bool defined = waitUntil(
        [&] {
            XRRMonitorInfo* monitors = XRRGetMonitors(display, root, True, &count);
            XRRFreeMonitors(monitors);
            return count == static_cast<int>(options_.monitors.size());
        },
        timeout);
    XCloseDisplay(display);
    if (!defined) {
        failure_ = "the X server lists " + std::to_string(count) + " monitors instead of " +
                   std::to_string(options_.monitors.size());
        return false;
    }
    return true;
}

bool X11TestSession::startWindowManager(std::chrono::milliseconds timeout) {
    const auto config = tempDir_ / "jwmrc";
    std::string text = kWindowManagerConfig;
    text.replace(text.find("%FOCUS%"), 7, options_.focusModel);
    text.replace(text.find("%TRAY%"), 6, options_.trayDock ? kTrayConfig : "");
    std::ofstream(config) << text;
    return startHelper(
        windowManager_, {"jwm", "-f", config.string()},
        "announce itself (and take the tray selection)", timeout, [this](Display* display) {
            return windowManagerRunning(display) &&
                   (!options_.trayDock || selectionOwned(display, "_NET_SYSTEM_TRAY_S"));
        });
}

bool X11TestSession::startCompositor(std::chrono::milliseconds timeout) {
    return startHelper(compositor_, {"xcompmgr"}, "take the compositing-manager selection", timeout,
                       [](Display* display) { return selectionOwned(display, "_NET_WM_CM_S"); });
}

bool X11TestSession::startHelper(Child& helper, const std::vector<std::string>& argv,
                                 const std::string& awaited, std::chrono::milliseconds timeout,
                                 const std::function<bool(Display*)>& ready) {
    auto child = launch(argv, environment_, nextOutputPath(argv.front()), -1, failure_);
    if (!child) {
        return false;
    }
    helper = *child;
    Display* display = XOpenDisplay(displayName_.c_str());
    const bool done =
        display != nullptr &&
        waitUntil([&] { return ready(display) || !isRunning(helper.pid); }, timeout) &&
        ready(display);
    if (display != nullptr) {
        XCloseDisplay(display);
    }
    if (!done) {
        failure_ = argv.front() + " did not " + awaited + " within " +
                   std::to_string(timeout.count()) + " ms; it " +
                   (isRunning(helper.pid) ? std::string("is still running")
                                          : describeStatus(helper.status)) +
                   ", its output:\n" + fileTail(helper.outputPath);
    }
    return done;
}

std::optional<SpawnedProcess> X11TestSession::spawn(
    const std::vector<std::string>& argv, const std::vector<std::string>& extraEnvironment) {
    if (displayName_.empty()) {
        ADD_FAILURE() << "cannot spawn a process: " << started().message();
        return std::nullopt;
    }
    auto environment = environment_;
    for (const auto& entry : extraEnvironment) {
        setVariable(environment, entry);
    }
    const auto stem = argv.empty() ? std::string("process")
                                   : std::filesystem::path(argv.front()).filename().string();
    std::string error;
    auto child = launch(argv, environment, nextOutputPath(stem), -1, error);
    if (!child) {
        ADD_FAILURE() << error;
        return std::nullopt;
    }
    helpers_.push_back(*child);
    return SpawnedProcess{child->pid, child->outputPath};
}

::testing::AssertionResult X11TestSession::run(const std::vector<std::string>& argv,
                                               std::chrono::milliseconds timeout) {
    const auto process = spawn(argv);
    if (!process) {
        return ::testing::AssertionFailure() << "cannot start it";
    }
    const auto status = waitForExit(process->pid, timeout);
    if (status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0) {
        return ::testing::AssertionSuccess();
    }
    if (!status) {
        terminate(process->pid);
    }
    return ::testing::AssertionFailure()
           << argv.front() << " " << (status ? describeStatus(*status) : "did not finish in time")
           << "; its output:\n"
           << fileTail(process->outputPath);
}

std::optional<TestWindowProcess> X11TestSession::startTestWindow(const TestWindowOptions& options) {
    const auto number = std::to_string(++outputCounter_);
    const auto eventLog = logDir() / ("test-window-" + number + ".events");
    auto process = spawn({QX_TEST_WINDOW_PATH, eventLog.string(), options.title,
                          options.resourceName, options.resourceClass, options.geometry});
    if (!process) {
        return std::nullopt;
    }
    TestWindowProcess result{process->pid, 0, TestWindowLog(eventLog)};
    waitUntil(
        [&] {
            result.window = result.log.readyWindow().value_or(0);
            return result.window != 0 || !isRunning(result.pid);
        },
        options_.startupTimeout);
    if (result.window == 0) {
        ADD_FAILURE() << "qx_test_window \"" << options.title
                      << "\" did not map its window; its output:\n"
                      << fileTail(process->outputPath);
        return std::nullopt;
    }
    return result;
}

X11TestSession::Child* X11TestSession::findChild(pid_t pid) {
    for (Child* child : {&server_, &windowManager_, &compositor_}) {
        if (child->pid == pid && pid > 0) {
            return child;
        }
    }
    for (auto& helper : helpers_) {
        if (helper.pid == pid) {
            return &helper;
        }
    }
    return nullptr;
}

bool X11TestSession::isRunning(pid_t pid) {
    Child* child = findChild(pid);
    if (child == nullptr || child->reaped) {
        return false;
    }
    int status = 0;
    const pid_t result = waitpid(pid, &status, WNOHANG);
    if (result == 0) {
        return true;
    }
    if (result == pid) {
        child->status = status;
    }
    // Anything else (ECHILD) means someone reaped it already: it is gone either way.
    child->reaped = true;
    return false;
}

std::optional<int> X11TestSession::waitForExit(pid_t pid, std::chrono::milliseconds timeout) {
    const Child* child = findChild(pid);
    if (child == nullptr) {
        return std::nullopt;
    }
    if (!waitUntil([&] { return !isRunning(pid); }, timeout)) {
        return std::nullopt;
    }
    return child->status;
}

void X11TestSession::terminate(pid_t pid, std::chrono::milliseconds grace) {
    if (Child* child = findChild(pid)) {
        stopChildren({child}, grace);
    }
}

void X11TestSession::stopChildren(std::vector<Child*> children, std::chrono::milliseconds grace) {
    std::erase_if(children, [](const Child* child) { return child->pid <= 0; });
    for (const Child* child : children) {
        if (!child->reaped) {
            kill(-child->pid, SIGTERM);
        }
    }
    const auto allGone = [&] {
        return std::all_of(children.begin(), children.end(),
                           [&](const Child* child) { return !isRunning(child->pid); });
    };
    waitUntil(allGone, grace);
    // Whatever is left in the groups, leaders that ignored SIGTERM as well as descendants the
    // leaders started, goes now.
    for (const Child* child : children) {
        kill(-child->pid, SIGKILL);
    }
    if (!waitUntil(allGone, std::chrono::seconds{10})) {
        ADD_FAILURE() << "a process started by the X11 test session survived SIGKILL";
    }
}

}  // namespace quillorbitex::testing
