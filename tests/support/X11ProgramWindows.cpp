#include "support/X11ProgramWindows.h"

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

std::vector<Window> clientList(Display* display) {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::vector<Window> windows;
    if (XGetWindowProperty(display, DefaultRootWindow(display),
                           XInternAtom(display, "_NET_CLIENT_LIST", False), 0, 1024, False,
                           XA_WINDOW, &type, &format, &count, &remaining, &data) == Success &&
        data != nullptr) {
        const auto* ids = reinterpret_cast<const unsigned long*>(data);
        windows.assign(ids, ids + count);
        XFree(data);
    }
    return windows;
}

std::vector<Window> programWindows(Display* display) {
    std::vector<Window> windows;
    for (const Window window : clientList(display)) {
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

bool programMenuShown(Display* display) {
    const QuietXErrors quiet(display);
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) == 0) {
        return false;
    }
    bool found = false;
    for (unsigned i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes{};
        found = windowClass(display, children[i]) == kProgramWindowClass &&
                XGetWindowAttributes(display, children[i], &attributes) != 0 &&
                attributes.map_state == IsViewable && attributes.override_redirect;
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
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
