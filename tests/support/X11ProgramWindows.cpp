#include "support/X11ProgramWindows.h"

#include <signal.h>
#include <sys/wait.h>

#include <fstream>
#include <iterator>

#include <X11/Xatom.h>
#include <X11/Xutil.h>

namespace quillorbitex::testing {

namespace {

int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

}  // namespace

QuietXErrors::QuietXErrors(Display* display) : display_(display) {
    XSync(display_, False);
    previous_ = XSetErrorHandler(ignoreErrors);
}

QuietXErrors::~QuietXErrors() {
    XSync(display_, False);
    XSetErrorHandler(previous_);
}

std::string windowClass(Display* display, Window window) {
    const QuietXErrors quiet(display);
    XClassHint hint{};
    if (XGetClassHint(display, window, &hint) == 0) {
        return {};
    }
    std::string result = hint.res_class != nullptr ? hint.res_class : "";
    XFree(hint.res_name);
    XFree(hint.res_class);
    return result;
}

std::string windowRole(Display* display, Window window) {
    const QuietXErrors quiet(display);
    XTextProperty property{};
    std::string role;
    if (XGetTextProperty(display, window, &property,
                         XInternAtom(display, "WM_WINDOW_ROLE", False)) != 0 &&
        property.value != nullptr) {
        role.assign(reinterpret_cast<const char*>(property.value), property.nitems);
        XFree(property.value);
    }
    return role;
}

std::vector<Window> programWindows(Display* display) {
    std::vector<Window> windows;
    for (const Window window :
         windowProperty32(display, DefaultRootWindow(display), "_NET_CLIENT_LIST", XA_WINDOW)) {
        if (windowClass(display, window) == kProgramWindowClass) {
            windows.push_back(window);
        }
    }
    return windows;
}

std::optional<Window> dashboardWindow(Display* display) {
    for (const Window window : programWindows(display)) {
        if (windowRole(display, window) == "dashboard") {
            return window;
        }
    }
    return std::nullopt;
}

std::optional<Window> waitForDashboard(Display* display) {
    std::optional<Window> found;
    waitUntil([&] { return (found = dashboardWindow(display)).has_value(); });
    return found;
}

std::optional<Window> otherProgramWindow(Display* display, Window known) {
    for (const Window window : programWindows(display)) {
        if (window != known) {
            return window;
        }
    }
    return std::nullopt;
}

void closeWindow(Display* display, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
}

::testing::AssertionResult endsCleanlyOnTerm(X11TestSession& session,
                                             const SpawnedProcess& program) {
    if (kill(program.pid, SIGTERM) != 0) {
        return ::testing::AssertionFailure() << "cannot signal the program";
    }
    const auto status = session.waitForExit(program.pid, kDefaultWaitTimeout);
    if (!status || !WIFEXITED(*status) || WEXITSTATUS(*status) != 0) {
        return ::testing::AssertionFailure()
               << "the program did not end cleanly after SIGTERM" << outputOf(program);
    }
    return ::testing::AssertionSuccess();
}

std::vector<Window> shownUnmanagedProgramWindows(Display* display) {
    const QuietXErrors quiet(display);
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    std::vector<Window> found;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) == 0) {
        return found;
    }
    for (unsigned i = 0; i < count; ++i) {
        XWindowAttributes attributes{};
        if (windowClass(display, children[i]) == kProgramWindowClass &&
            XGetWindowAttributes(display, children[i], &attributes) != 0 &&
            attributes.map_state == IsViewable && attributes.override_redirect) {
            found.push_back(children[i]);
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

bool programMenuShown(Display* display) {
    return !shownUnmanagedProgramWindows(display).empty();
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void writeFile(const std::filesystem::path& path, const std::string& content) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

std::string outputOf(const std::optional<SpawnedProcess>& process) {
    return process ? "\n--- program output ---\n" + readFile(process->outputPath) : std::string();
}

}  // namespace quillorbitex::testing
