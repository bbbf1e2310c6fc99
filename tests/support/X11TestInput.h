#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/X11TestSession.h"

// Xlib's own declaration, so that users of this header do not get Xlib's macros (None, Bool,
// Status, ...) that clash with Qt and gtest.
struct _XDisplay;

namespace quillorbitex::testing {

// X ids, as Xlib defines Window and KeySym on every platform we build for.
using XWindowId = unsigned long;
using XKeySymbol = unsigned long;

// Root-window coordinates unless stated otherwise.
struct ScreenPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

// `points` (anything with x and y, such as a stroke shape) moved by `origin`, as a path for
// rightDrag().
template <typename Points>
std::vector<ScreenPoint> translated(ScreenPoint origin, const Points& points) {
    std::vector<ScreenPoint> path;
    for (const auto& p : points) {
        path.push_back({origin.x + static_cast<int>(p.x), origin.y + static_cast<int>(p.y)});
    }
    return path;
}

// The 32-bit items of `window`'s property `name` of type `type`; empty when unset or of another
// type.
std::vector<unsigned long> windowProperty32(_XDisplay* display, XWindowId window, const char* name,
                                            unsigned long type);

// Drives a session's X server the way a user would, through XTest on a connection of its own.
// Every step is synchronised with the server (XSync) before it returns, so an event it caused
// has been delivered by the time the next line of the test runs. Close it before the session.
class X11TestInput {
public:
    explicit X11TestInput(const std::string& displayName);
    ~X11TestInput();
    X11TestInput(const X11TestInput&) = delete;
    X11TestInput& operator=(const X11TestInput&) = delete;

    // Whether the display opened and offers XTest.
    ::testing::AssertionResult connected() const;
    _XDisplay* display() const { return display_; }

    // Pacing between the steps of drags and key sequences, the way real input is spread out.
    void setStepPause(std::chrono::microseconds pause) { stepPause_ = pause; }

    void movePointer(ScreenPoint to);
    void pressButton(unsigned button);
    void releaseButton(unsigned button);
    void click(unsigned button, ScreenPoint at);
    // Presses the right button at the first point, moves through every following one and releases
    // at the last.
    void rightDrag(const std::vector<ScreenPoint>& path);

    // Keys go by keysym through the current keymap (a keysym on a shifted level still needs Shift
    // held). A keysym the keymap does not have is reported as a test failure.
    bool pressKey(XKeySymbol keysym);
    bool releaseKey(XKeySymbol keysym);
    // Presses the modifiers in order, taps the key, releases the modifiers in reverse order.
    bool tapKey(XKeySymbol keysym, const std::vector<XKeySymbol>& modifiers = {});

    std::optional<ScreenPoint> pointerPosition() const;
    // Where a point given relative to `window`'s inside lies on the root window.
    std::optional<ScreenPoint> toRoot(XWindowId window, ScreenPoint local) const;

    // _NET_ACTIVE_WINDOW of the root; 0 when unset.
    XWindowId activeWindow() const;
    // The window holding the keyboard focus; 0 when none.
    XWindowId focusedWindow() const;

    // Asks the window manager to activate `window` (as a pager would) and waits until it reports
    // it as the active window.
    ::testing::AssertionResult activateWindow(
        XWindowId window, std::chrono::milliseconds timeout = kDefaultWaitTimeout);

private:
    void finishStep();
    bool fakeKey(XKeySymbol keysym, bool press);

    _XDisplay* display_ = nullptr;
    bool hasXTest_ = false;
    std::string displayName_;
    std::chrono::microseconds stepPause_{1000};
};

// The common start of an end-to-end test: the session up, XTest input on it and, when window
// options are given, a test window whose inside starts at origin_. A fixture's own set-up goes in
// setUpSession(), which runs once all of that is up. Members of a derived fixture end before the
// input connection and the session, so tap threads are gone before another connection closes.
class X11SessionTest : public ::testing::Test {
protected:
    explicit X11SessionTest(X11TestSessionOptions options = {},
                            std::optional<TestWindowOptions> window = std::nullopt)
        : session_(std::move(options)), windowOptions_(std::move(window)) {}

    void SetUp() override;
    virtual void setUpSession() {}

    _XDisplay* display() const { return input_->display(); }
    ScreenPoint inWindow(int x, int y) const { return {origin_.x + x, origin_.y + y}; }

    X11TestSession session_;
    std::unique_ptr<X11TestInput> input_;
    std::optional<TestWindowProcess> window_;
    ScreenPoint origin_;

private:
    std::optional<TestWindowOptions> windowOptions_;
};

}  // namespace quillorbitex::testing
