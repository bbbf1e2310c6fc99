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
// Arguments: <log file> <title> <resource name> <resource class> <X geometry>.
//
// "Ready" is written once the window is mapped and exposed. Keysyms are those of the key's
// unshifted level, states are X modifier masks, focus modes and details Xlib's numbers
// (NotifyNormal, NotifyNonlinear, ...).

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string hex(unsigned long value) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%lx", value);
    return text;
}

// One write per line, so that a reader sees whole lines or nothing of a line.
void append(int fd, std::string line) {
    line.push_back('\n');
    [[maybe_unused]] const auto written = write(fd, line.data(), line.size());
}

// Buttons and motion alike: `head` names the event (and its button).
template <typename PointerEvent>
std::string describePointer(const std::string& head, const PointerEvent& event) {
    return head + " x=" + std::to_string(event.x) + " y=" + std::to_string(event.y) +
           " root_x=" + std::to_string(event.x_root) + " root_y=" + std::to_string(event.y_root) +
           " state=" + hex(event.state);
}

std::string describeKey(XKeyEvent& event) {
    const KeySym keysym = XLookupKeysym(&event, 0);
    const char* keysymName = keysym != NoSymbol ? XKeysymToString(keysym) : nullptr;
    return std::string(event.type == KeyPress ? "KeyPress" : "KeyRelease") +
           " keysym=" + (keysymName != nullptr ? keysymName : "NoSymbol") +
           " keycode=" + std::to_string(event.keycode) + " state=" + hex(event.state);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s <log> <title> <name> <class> <WxH+X+Y>\n", argv[0]);
        return 2;
    }
    const int log = open(argv[1], O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (log < 0) {
        std::fprintf(stderr, "cannot open %s: %s\n", argv[1], std::strerror(errno));
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
    const int geometryMask = XParseGeometry(argv[5], &x, &y, &width, &height);
    const int screen = DefaultScreen(display);
    XSetWindowAttributes attributes{};
    attributes.background_pixel = WhitePixel(display, screen);
    attributes.event_mask = ButtonPressMask | ButtonReleaseMask | PointerMotionMask | KeyPressMask |
                            KeyReleaseMask | FocusChangeMask | ExposureMask;
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
    classHint->res_name = argv[3];
    classHint->res_class = argv[4];
    XTextProperty name{};
    Xutf8TextListToTextProperty(display, &argv[2], 1, XUTF8StringStyle, &name);
    XSetWMProperties(display, window, &name, &name, argv, argc, sizeHints, wmHints, classHint);
    XFree(name.value);
    XFree(classHint);
    XFree(wmHints);
    XFree(sizeHints);
    const long pid = getpid();
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
    XMapWindow(display, window);

    bool ready = false;
    while (true) {
        XEvent event;
        XNextEvent(display, &event);
        switch (event.type) {
            case Expose:
                // Only a mapped window is exposed.
                if (!ready) {
                    ready = true;
                    append(log, "Ready window=" + hex(window));
                }
                break;
            case ButtonPress:
            case ButtonRelease:
                append(log,
                       describePointer(std::string(event.type == ButtonPress ? "ButtonPress"
                                                                             : "ButtonRelease") +
                                           " button=" + std::to_string(event.xbutton.button),
                                       event.xbutton));
                break;
            case MotionNotify:
                append(log, describePointer("MotionNotify", event.xmotion));
                break;
            case KeyPress:
            case KeyRelease:
                append(log, describeKey(event.xkey));
                break;
            case FocusIn:
            case FocusOut:
                append(log, std::string(event.type == FocusIn ? "FocusIn" : "FocusOut") +
                                " mode=" + std::to_string(event.xfocus.mode) +
                                " detail=" + std::to_string(event.xfocus.detail));
                break;
            default:
                break;
        }
    }
}
