#include "support/X11TestInput.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace quillorbitex::testing {

std::vector<unsigned long> windowProperty32(_XDisplay* display, XWindowId window, const char* name,
                                            unsigned long type) {
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> items;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 1024, False, type,
                           &actualType, &format, &count, &remaining, &data) == Success &&
        data != nullptr) {
        // Format-32 items come back as longs, whatever the platform's width.
        if (actualType == type && format == 32) {
            const auto* values = reinterpret_cast<const unsigned long*>(data);
            items.assign(values, values + count);
        }
        XFree(data);
    }
    return items;
}

X11TestInput::X11TestInput(const std::string& displayName) : displayName_(displayName) {
    display_ = XOpenDisplay(displayName.c_str());
    if (display_ != nullptr) {
        int eventBase = 0;
        int errorBase = 0;
        int major = 0;
        int minor = 0;
        hasXTest_ = XTestQueryExtension(display_, &eventBase, &errorBase, &major, &minor) != 0;
    }
}

X11TestInput::~X11TestInput() {
    if (display_ != nullptr) {
        XCloseDisplay(display_);
    }
}

::testing::AssertionResult X11TestInput::connected() const {
    if (display_ == nullptr) {
        return ::testing::AssertionFailure() << "cannot open display " << displayName_;
    }
    if (!hasXTest_) {
        return ::testing::AssertionFailure() << displayName_ << " has no XTEST extension";
    }
    return ::testing::AssertionSuccess();
}

void X11TestInput::finishStep() {
    XSync(display_, False);
    if (stepPause_.count() > 0) {
        std::this_thread::sleep_for(stepPause_);
    }
}

void X11TestInput::movePointer(ScreenPoint to) {
    XTestFakeMotionEvent(display_, DefaultScreen(display_), to.x, to.y, CurrentTime);
    finishStep();
}

void X11TestInput::pressButton(unsigned button) {
    XTestFakeButtonEvent(display_, button, True, CurrentTime);
    finishStep();
}

void X11TestInput::releaseButton(unsigned button) {
    XTestFakeButtonEvent(display_, button, False, CurrentTime);
    finishStep();
}

void X11TestInput::click(unsigned button, ScreenPoint at) {
    movePointer(at);
    pressButton(button);
    releaseButton(button);
}

void X11TestInput::rightDrag(const std::vector<ScreenPoint>& path) {
    if (path.empty()) {
        return;
    }
    movePointer(path.front());
    pressButton(3);
    for (std::size_t index = 1; index < path.size(); ++index) {
        movePointer(path[index]);
    }
    releaseButton(3);
}

bool X11TestInput::fakeKey(XKeySymbol keysym, bool press) {
    const KeyCode code = XKeysymToKeycode(display_, keysym);
    if (code == 0) {
        const char* name = XKeysymToString(keysym);
        ADD_FAILURE() << "the keymap of " << displayName_ << " has no key for keysym "
                      << (name != nullptr ? name : std::to_string(keysym));
        return false;
    }
    XTestFakeKeyEvent(display_, code, press ? True : False, CurrentTime);
    finishStep();
    return true;
}

bool X11TestInput::pressKey(XKeySymbol keysym) {
    return fakeKey(keysym, true);
}

bool X11TestInput::releaseKey(XKeySymbol keysym) {
    return fakeKey(keysym, false);
}

bool X11TestInput::tapKey(XKeySymbol keysym, const std::vector<XKeySymbol>& modifiers) {
    std::size_t pressed = 0;
    while (pressed < modifiers.size() && pressKey(modifiers[pressed])) {
        ++pressed;
    }
    const bool ok = pressed == modifiers.size() && pressKey(keysym) && releaseKey(keysym);
    // Release what was pressed even after a failure, so no modifier stays stuck for later steps.
    while (pressed > 0) {
        releaseKey(modifiers[--pressed]);
    }
    return ok;
}

std::optional<ScreenPoint> X11TestInput::pointerPosition() const {
    Window root = 0;
    Window child = 0;
    ScreenPoint rootPoint;
    ScreenPoint local;
    unsigned mask = 0;
    if (XQueryPointer(display_, DefaultRootWindow(display_), &root, &child, &rootPoint.x,
                      &rootPoint.y, &local.x, &local.y, &mask) == 0) {
        return std::nullopt;
    }
    return rootPoint;
}

std::optional<ScreenPoint> X11TestInput::toRoot(XWindowId window, ScreenPoint local) const {
    ScreenPoint result;
    Window child = 0;
    if (XTranslateCoordinates(display_, window, DefaultRootWindow(display_), local.x, local.y,
                              &result.x, &result.y, &child) == 0) {
        return std::nullopt;
    }
    return result;
}

XWindowId X11TestInput::activeWindow() const {
    const auto ids =
        windowProperty32(display_, DefaultRootWindow(display_), "_NET_ACTIVE_WINDOW", XA_WINDOW);
    return ids.empty() ? 0 : ids.front();
}

XWindowId X11TestInput::focusedWindow() const {
    Window focus = 0;
    int revertTo = 0;
    XGetInputFocus(display_, &focus, &revertTo);
    // PointerRoot (1) is not a window.
    return focus == PointerRoot ? 0 : focus;
}

::testing::AssertionResult X11TestInput::activateWindow(XWindowId window,
                                                        std::chrono::milliseconds timeout) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display_, "_NET_ACTIVE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 2;  // source indication: a pager, which window managers obey
    event.xclient.data.l[1] = CurrentTime;
    event.xclient.data.l[2] = 0;
    XSendEvent(display_, DefaultRootWindow(display_), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XSync(display_, False);
    if (!waitUntil([&] { return activeWindow() == window; }, timeout)) {
        return ::testing::AssertionFailure()
               << "the window manager did not activate window 0x" << std::hex << window
               << "; the active window is 0x" << activeWindow();
    }
    return ::testing::AssertionSuccess();
}

void X11SessionTest::SetUp() {
    ASSERT_TRUE(session_.started());
    input_ = std::make_unique<X11TestInput>(session_.displayName());
    ASSERT_TRUE(input_->connected());
    if (windowOptions_) {
        window_ = session_.startTestWindow(*windowOptions_);
        ASSERT_TRUE(window_);
        origin_ = input_->toRoot(window_->window, {0, 0}).value_or(ScreenPoint{});
    }
    setUpSession();
}

}  // namespace quillorbitex::testing
