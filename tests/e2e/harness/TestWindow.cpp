// A plain Xlib window that end-to-end tests aim input at. It appends one line per event it
// receives to a log file, written straight through so that a test polling the file never misses
// an event the window has already handled:
//
//   Ready window=0x200001
//   ButtonPress button=1 x=40 y=30 root_x=240 root_y=180 state=0x0
//   MotionNotify x=41 y=30 root_x=241 root_y=180 state=0x100
//   KeyPress keysym=r keycode=27 state=0x4
//   FocusIn mode=0 detail=3
//
// "Ready" comes first, once the window is mapped and exposed; events that arrive before that are
// written right after it. Keysyms are those of the key's unshifted level, states are X modifier
// masks, focus modes and details Xlib's numbers (NotifyNormal, NotifyNonlinear, ...).

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Arguments {
    std::string log;
    std::string title = "Quillorbitex test window";
    std::string resourceName = "qx-test-window";
    std::string resourceClass = "QxTestWindow";
    std::string geometry;
};

bool parseArguments(int argc, char** argv, Arguments& arguments) {
    for (int index = 1; index + 1 < argc; index += 2) {
        const std::string_view option = argv[index];
        const std::string value = argv[index + 1];
        if (option == "--log") {
            arguments.log = value;
        } else if (option == "--title") {
            arguments.title = value;
        } else if (option == "--class") {
            const auto comma = value.find(',');
            if (comma == std::string::npos) {
                return false;
            }
            arguments.resourceName = value.substr(0, comma);
            arguments.resourceClass = value.substr(comma + 1);
        } else if (option == "--geometry") {
            arguments.geometry = value;
        } else {
            return false;
        }
    }
    return argc % 2 == 1 && !arguments.log.empty();
}

class EventLog {
public:
    explicit EventLog(const std::string& path)
        : fd_(open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644)) {}
    ~EventLog() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    EventLog(const EventLog&) = delete;
    EventLog& operator=(const EventLog&) = delete;

    bool isOpen() const { return fd_ >= 0; }

    void markReady(const std::string& line) {
        ready_ = true;
        append(line);
        for (const auto& early : early_) {
            append(early);
        }
        early_.clear();
    }

    void add(std::string line) {
        if (ready_) {
            append(line);
        } else {
            early_.push_back(std::move(line));
        }
    }

private:
    // One write per line, so that a reader sees whole lines or nothing of a line.
    void append(std::string line) {
        line.push_back('\n');
        std::size_t written = 0;
        while (written < line.size()) {
            const auto result = write(fd_, line.data() + written, line.size() - written);
            if (result < 0 && errno == EINTR) {
                continue;
            }
            if (result <= 0) {
                return;
            }
            written += static_cast<std::size_t>(result);
        }
    }

    int fd_;
    bool ready_ = false;
    std::vector<std::string> early_;
};

std::string hex(unsigned long value) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%lx", value);
    return text;
}

std::string describeButton(const char* name, const XButtonEvent& event) {
    return std::string(name) + " button=" + std::to_string(event.button) +
           " x=" + std::to_string(event.x) + " y=" + std::to_string(event.y) +
           " root_x=" + std::to_string(event.x_root) + " root_y=" + std::to_string(event.y_root) +
           " state=" + hex(event.state);
}

std::string describeMotion(const XMotionEvent& event) {
    return "MotionNotify x=" + std::to_string(event.x) + " y=" + std::to_string(event.y) +
           " root_x=" + std::to_string(event.x_root) + " root_y=" + std::to_string(event.y_root) +
           " state=" + hex(event.state);
}

std::string describeKey(const char* name, XKeyEvent& event) {
    const KeySym keysym = XLookupKeysym(&event, 0);
    const char* keysymName = keysym != NoSymbol ? XKeysymToString(keysym) : nullptr;
    return std::string(name) + " keysym=" + (keysymName != nullptr ? keysymName : "NoSymbol") +
           " keycode=" + std::to_string(event.keycode) + " state=" + hex(event.state);
}

std::string describeFocus(const char* name, const XFocusChangeEvent& event) {
    return std::string(name) + " mode=" + std::to_string(event.mode) +
           " detail=" + std::to_string(event.detail);
}

void setUtf8Property(Display* display, Window window, const char* property,
                     const std::string& value) {
    XChangeProperty(display, window, XInternAtom(display, property, False),
                    XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(value.data()),
                    static_cast<int>(value.size()));
}

}  // namespace

int main(int argc, char** argv) {
    Arguments arguments;
    if (!parseArguments(argc, argv, arguments)) {
        std::fprintf(stderr,
                     "usage: %s --log <file> [--title <title>] [--class <name,class>] "
                     "[--geometry WxH+X+Y]\n",
                     argv[0]);
        return 2;
    }
    EventLog log(arguments.log);
    if (!log.isOpen()) {
        std::fprintf(stderr, "cannot open %s: %s\n", arguments.log.c_str(), std::strerror(errno));
        return 1;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "cannot open the display\n");
        return 1;
    }

    int x = 0;
    int y = 0;
    unsigned width = 400;
    unsigned height = 300;
    int geometryMask = 0;
    if (!arguments.geometry.empty()) {
        geometryMask = XParseGeometry(arguments.geometry.c_str(), &x, &y, &width, &height);
    }

    const int screen = DefaultScreen(display);
    XSetWindowAttributes attributes{};
    attributes.background_pixel = WhitePixel(display, screen);
    attributes.event_mask = ButtonPressMask | ButtonReleaseMask | PointerMotionMask | KeyPressMask |
                            KeyReleaseMask | FocusChangeMask | ExposureMask | StructureNotifyMask;
    const Window window =
        XCreateWindow(display, RootWindow(display, screen), x, y, width, height, 0, CopyFromParent,
                      InputOutput, CopyFromParent, CWBackPixel | CWEventMask, &attributes);

    XSizeHints* sizeHints = XAllocSizeHints();
    sizeHints->flags = ((geometryMask & (XValue | YValue)) != 0 ? USPosition : 0) |
                       ((geometryMask & (WidthValue | HeightValue)) != 0 ? USSize : 0);
    sizeHints->x = x;
    sizeHints->y = y;
    sizeHints->width = static_cast<int>(width);
    sizeHints->height = static_cast<int>(height);
    XWMHints* wmHints = XAllocWMHints();
    wmHints->flags = InputHint | StateHint;
    wmHints->input = True;
    wmHints->initial_state = NormalState;
    XClassHint* classHint = XAllocClassHint();
    classHint->res_name = arguments.resourceName.data();
    classHint->res_class = arguments.resourceClass.data();
    XTextProperty name{};
    char* title = arguments.title.data();
    Xutf8TextListToTextProperty(display, &title, 1, XUTF8StringStyle, &name);
    XSetWMProperties(display, window, &name, &name, argv, argc, sizeHints, wmHints, classHint);
    XFree(name.value);
    XFree(classHint);
    XFree(wmHints);
    XFree(sizeHints);
    setUtf8Property(display, window, "_NET_WM_NAME", arguments.title);
    const long pid = getpid();
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
    Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display, window, &deleteWindow, 1);
    XMapWindow(display, window);

    bool mapped = false;
    bool ready = false;
    while (true) {
        XEvent event;
        XNextEvent(display, &event);
        switch (event.type) {
            case MapNotify:
                mapped = true;
                break;
            case Expose:
                if (mapped && !ready) {
                    ready = true;
                    log.markReady("Ready window=" + hex(window));
                }
                break;
            case ButtonPress:
                log.add(describeButton("ButtonPress", event.xbutton));
                break;
            case ButtonRelease:
                log.add(describeButton("ButtonRelease", event.xbutton));
                break;
            case MotionNotify:
                log.add(describeMotion(event.xmotion));
                break;
            case KeyPress:
                log.add(describeKey("KeyPress", event.xkey));
                break;
            case KeyRelease:
                log.add(describeKey("KeyRelease", event.xkey));
                break;
            case FocusIn:
                log.add(describeFocus("FocusIn", event.xfocus));
                break;
            case FocusOut:
                log.add(describeFocus("FocusOut", event.xfocus));
                break;
            case ClientMessage:
                if (static_cast<Atom>(event.xclient.data.l[0]) == deleteWindow) {
                    log.add("Closed");
                    XDestroyWindow(display, window);
                    XCloseDisplay(display);
                    return 0;
                }
                break;
            default:
                break;
        }
    }
}
