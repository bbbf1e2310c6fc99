#include <algorithm>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "Platform/X11/X11EventPoster.h"
#include "Platform/X11/X11EventTap.h"
#include "Services/Capture/TrackpadGestureMonitor.h"
#include "Services/Keyboard/KeyboardShortcutDispatcher.h"
#include "support/TestWindowLog.h"
#include "support/X11TestInput.h"
#include "support/X11TestSession.h"

// Last: Xlib's macros must not reach the headers above.
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace quillorbitex {
namespace {

using Phase = GestureMonitorSessionPhase;
using testing::ScreenPoint;
using testing::TestWindowEvent;
using testing::waitUntil;

std::size_t threadCount() {
    const std::filesystem::directory_iterator tasks("/proc/self/task");
    return static_cast<std::size_t>(std::distance(begin(tasks), end(tasks)));
}

Point toPoint(ScreenPoint p) {
    return Point{double(p.x), double(p.y)};
}

bool isAt(const TestWindowEvent& event, ScreenPoint p) {
    return event.number("root_x") == p.x && event.number("root_y") == p.y;
}

// What the monitor reports, collected from its tap thread and delivery queue.
class Recorder {
public:
    TrackpadGestureMonitoring::CompletedStrokeHandler strokeHandler() {
        return [this](const CompletedStroke& stroke) {
            std::lock_guard lock(mutex_);
            strokes_.push_back(stroke);
        };
    }
    TrackpadGestureMonitoring::PhaseHandler phaseHandler() {
        return [this](Phase phase) {
            std::lock_guard lock(mutex_);
            phases_.push_back(phase);
        };
    }
    std::vector<CompletedStroke> strokes() const { return read(strokes_); }
    std::vector<Phase> phases() const { return read(phases_); }

private:
    template <typename T>
    T read(const T& list) const {
        std::lock_guard lock(mutex_);
        return list;
    }

    mutable std::mutex mutex_;
    std::vector<CompletedStroke> strokes_;
    std::vector<Phase> phases_;
};

class CaptureEndToEndTest : public testing::X11SessionTest {
protected:
    CaptureEndToEndTest()
        : X11SessionTest({}, testing::TestWindowOptions{.geometry = "400x300+100+100"}) {}
    void setUpSession() override {
        monitor_ = std::make_unique<TrackpadGestureMonitor>(
            std::make_shared<x11::X11EventTap>(session_.displayName()),
            x11::X11EventPoster(session_.displayName()).createSource());
    }

    // Moves the pointer and waits until the window has seen it get there, so that what the window
    // logs afterwards belongs to the next step. Returns the position in the log after the move.
    std::size_t movePointerAndSettle(ScreenPoint to) {
        const auto before = window_->log.events().size();
        input_->movePointer(to);
        EXPECT_TRUE(testing::waitForEvent(window_->log, before, "MotionNotify",
                                          [&](const TestWindowEvent& e) { return isAt(e, to); }))
            << "the window never saw the pointer at " << to.x << "," << to.y;
        return window_->log.events().size();
    }

    // A dispatcher posting through its own connection, to the focused test window.
    KeyboardShortcutDispatcher focusedKeyboard() {
        EXPECT_TRUE(input_->activateWindow(window_->window));
        EXPECT_TRUE(waitUntil([&] { return input_->focusedWindow() == window_->window; }));
        return KeyboardShortcutDispatcher(
            x11::X11EventPoster(session_.displayName()).createSource());
    }

    // The first key event of `type` after `mark` whose keysym is `keysym`, once it has arrived.
    std::optional<TestWindowEvent> firstKey(std::size_t mark, std::string_view type,
                                            const std::string& keysym) const {
        return testing::waitForEvent(window_->log, mark, type, [&](const TestWindowEvent& e) {
            return e.field("keysym") == keysym;
        });
    }

    Recorder recorder_;  // outlives the monitor, which reports to it as it ends
    std::unique_ptr<TrackpadGestureMonitor> monitor_;
};

// A drag is taken whole; a short click is replayed at its start point and the pointer goes back
// to where the button went up, unless the user moves it during the replay.
TEST_F(CaptureEndToEndTest, DragsAreCapturedAndShortClicksReplayedToTheWindow) {
    ASSERT_EQ(monitor_->start(recorder_.strokeHandler(), recorder_.phaseHandler()),
              GestureMonitorState::running());
    const std::vector<ScreenPoint> path = {inWindow(50, 50), inWindow(100, 50), inWindow(150, 50),
                                           inWindow(150, 120), inWindow(150, 200)};
    auto mark = movePointerAndSettle(path.front());
    input_->rightDrag(path);
    ASSERT_TRUE(waitUntil([&] { return recorder_.strokes().size() == 1; }));
    // Something the window does see, to be sure it has handled everything before it.
    const auto away = inWindow(10, 10);
    movePointerAndSettle(away);
    // The drag puts the pointer on its first point before pressing, which the window sees;
    // nothing of the drag itself reaches it.
    EXPECT_TRUE(window_->log.eventsSince(mark, "ButtonPress").empty());
    EXPECT_TRUE(window_->log.eventsSince(mark, "ButtonRelease").empty());
    const auto seen = window_->log.eventsSince(mark, "MotionNotify");
    ASSERT_EQ(seen.size(), 2u);
    for (const auto& [event, at] : {std::pair{seen[0], path.front()}, std::pair{seen[1], away}}) {
        EXPECT_TRUE(isAt(event, at));
        EXPECT_EQ(event.number("state"), 0);
    }
    std::vector<Point> expected;
    for (const auto p : path) {
        expected.push_back(toPoint(p));
    }
    EXPECT_EQ(recorder_.strokes()[0].rawPoints, expected);
    EXPECT_TRUE(recorder_.strokes()[0].suppressesSystemClick);
    std::vector<Phase> phases{Phase::began};
    phases.insert(phases.end(), path.size() - 1, Phase::changed);
    phases.push_back(Phase::ended);
    EXPECT_EQ(recorder_.phases(), phases);

    const auto start = inWindow(200, 150);
    const auto end = inWindow(205, 155);  // about 10 points of movement
    mark = movePointerAndSettle(start);
    input_->pressButton(3);
    input_->movePointer(inWindow(205, 150));
    input_->movePointer(end);
    input_->releaseButton(3);
    const auto replayEnded = [&] {
        return !window_->log.eventsSince(mark, "ButtonRelease").empty();
    };
    ASSERT_TRUE(testing::waitForEvent(window_->log, mark, "ButtonRelease"));
    ASSERT_TRUE(waitUntil([&] { return recorder_.strokes().size() == 2; }));
    const auto presses = window_->log.eventsSince(mark, "ButtonPress");
    const auto releases = window_->log.eventsSince(mark, "ButtonRelease");
    ASSERT_EQ(presses.size(), 1u);
    ASSERT_EQ(releases.size(), 1u);
    for (const auto& event : {presses[0], releases[0]}) {
        EXPECT_EQ(event.number("button"), 3);
        EXPECT_TRUE(isAt(event, start))
            << event.type << " at " << *event.number("root_x") << "," << *event.number("root_y");
    }
    EXPECT_FALSE(recorder_.strokes()[1].suppressesSystemClick);
    // The replayed press went to the window, not into another stroke.
    phases.insert(phases.end(), {Phase::began, Phase::changed, Phase::changed, Phase::ended});
    EXPECT_EQ(recorder_.phases(), phases);
    EXPECT_TRUE(waitUntil([&] { return input_->pointerPosition() == end; }))
        << "the pointer goes back to where the button went up";

    // The user moves on as soon as the replay has put the pointer back on the click point, while
    // the replayed button is down; had the replay ended unseen, the move comes after it.
    const auto moved = inWindow(320, 240);
    mark = movePointerAndSettle(start);
    input_->setStepPause(std::chrono::microseconds{0});
    input_->pressButton(3);
    input_->movePointer(inWindow(210, 150));
    input_->releaseButton(3);
    EXPECT_TRUE(waitUntil([&] { return input_->pointerPosition() == start || replayEnded(); },
                          testing::kDefaultWaitTimeout, std::chrono::microseconds{50}));
    input_->movePointer(moved);
    ASSERT_TRUE(waitUntil(replayEnded));
    // Joins the tap thread; its connection closes only after the server has handled every
    // request of the replay.
    monitor_.reset();
    EXPECT_EQ(input_->pointerPosition(), moved);
}

// A hotkey daemon's Super+right button, grabbed before the tap starts, stays the daemon's; every
// other stroke is captured, a plain one included.
TEST_F(CaptureEndToEndTest, AnotherProgramsSuperRightButtonLeavesTheRestCaptured) {
    testing::X11TestInput daemon(session_.displayName());
    ASSERT_TRUE(daemon.connected());
    XGrabButton(daemon.display(), Button3, Mod4Mask, DefaultRootWindow(daemon.display()), False,
                ButtonPressMask, GrabModeAsync, GrabModeAsync, None, None);
    XSync(daemon.display(), False);

    ASSERT_EQ(monitor_->start(recorder_.strokeHandler(), recorder_.phaseHandler()),
              GestureMonitorState::running());
    EXPECT_EQ(monitor_->skippedModifierCombinations(), std::vector<unsigned>{TapModifier::super});
    const std::vector<ScreenPoint> path = {inWindow(50, 50), inWindow(50, 150), inWindow(50, 50)};
    const auto mark = movePointerAndSettle(path.front());
    input_->rightDrag(path);
    ASSERT_TRUE(waitUntil([&] { return recorder_.strokes().size() == 1; }));
    EXPECT_EQ(recorder_.strokes()[0].rawPoints.size(), path.size());
    EXPECT_TRUE(window_->log.eventsSince(mark, "ButtonPress").empty());
}

// Exactly the shortcut's modifiers while the user holds another; keys that follow the keyboard
// layout as it changes; and a shortcut no key can make reported as not sent.
TEST_F(CaptureEndToEndTest, ShortcutsReachTheFocusedWindowWithExactlyTheirKeys) {
    auto dispatcher = focusedKeyboard();
    ASSERT_TRUE(input_->pressKey(XK_Alt_L));  // the user holds Alt meanwhile
    auto mark = window_->log.events().size();
    ASSERT_TRUE(
        dispatcher.dispatch({KeyboardKeyToken::tab, {ModifierKey::control, ModifierKey::shift}}));
    const auto tab = firstKey(mark, "KeyPress", "Tab");
    ASSERT_TRUE(tab) << "Tab never arrived";
    EXPECT_EQ(tab->number("state"), ControlMask | ShiftMask);
    // Alt goes down again after the shortcut, as the user still holds it.
    ASSERT_TRUE(firstKey(mark, "KeyRelease", "Tab"));
    const auto since = window_->log.eventsSince(mark);
    const auto tabUp = std::find_if(since.begin(), since.end(), [](const auto& event) {
        return event.type == "KeyRelease" && event.field("keysym") == "Tab";
    });
    EXPECT_TRUE(
        firstKey(mark + static_cast<std::size_t>(tabUp - since.begin()) + 1, "KeyPress", "Alt_L"));
    mark = window_->log.events().size();
    ASSERT_TRUE(dispatcher.dispatch(KeyboardShortcutDescriptor::refresh));
    const auto r = firstKey(mark, "KeyPress", "r");
    ASSERT_TRUE(r) << "r never arrived";
    EXPECT_EQ(r->number("state"), ControlMask) << "command presses Control";
    input_->releaseKey(XK_Alt_L);

    // Keys that the layouts put in different places: AZERTY swaps a/q and z/w and moves m,
    // QWERTZ swaps y/z, and the Russian layout has no Latin letters at all (they are bound to
    // free keys, which the next layout takes away).
    using K = KeyboardKeyToken;
    const std::vector<std::pair<K, std::string>> keys = {{K::q, "q"}, {K::a, "a"}, {K::w, "w"},
                                                         {K::z, "z"}, {K::y, "y"}, {K::m, "m"}};
    for (const char* layout : {"fr", "ru", "de", "ru", "us"}) {
        ASSERT_TRUE(session_.run({"setxkbmap", "-layout", layout}));
        for (const auto& [token, keysym] : keys) {
            mark = window_->log.events().size();
            ASSERT_TRUE(dispatcher.dispatch({token, {ModifierKey::command}}));
            const auto press = testing::waitForEvent(
                window_->log, mark, "KeyPress",
                [](const auto& e) { return e.field("keysym") != "Control_L"; });
            ASSERT_TRUE(press) << layout << ": no key arrived for " << keysym;
            ASSERT_EQ(press->field("keysym"), keysym) << layout;
            EXPECT_EQ(press->number("state"), ControlMask) << layout << " " << keysym;
        }
    }

    // The last key of the shortcut is up before the keymap changes.
    mark = window_->log.events().size();
    ASSERT_TRUE(dispatcher.dispatch(KeyboardShortcutDescriptor::refresh));
    ASSERT_TRUE(firstKey(mark, "KeyRelease", "Control_L"));
    // A keymap in which no key makes r and no key is free to be borrowed for it.
    Display* display = input_->display();
    int minKeycode = 0;
    int maxKeycode = 0;
    XDisplayKeycodes(display, &minKeycode, &maxKeycode);
    const int count = maxKeycode - minKeycode + 1;
    int perKeycode = 0;
    KeySym* mapping =
        XGetKeyboardMapping(display, static_cast<KeyCode>(minKeycode), count, &perKeycode);
    ASSERT_NE(mapping, nullptr);
    for (int row = 0; row < count; ++row) {
        KeySym* symbols = mapping + row * perKeycode;
        std::replace_if(
            symbols, symbols + perKeycode, [](KeySym s) { return s == XK_r || s == XK_R; },
            NoSymbol);
        if (std::all_of(symbols, symbols + perKeycode, [](KeySym s) { return s == NoSymbol; })) {
            symbols[0] = XK_F35;
        }
    }
    XChangeKeyboardMapping(display, minKeycode, perKeycode, mapping, count);
    XFree(mapping);
    XSync(display, False);
    mark = window_->log.events().size();
    EXPECT_FALSE(dispatcher.dispatch(KeyboardShortcutDescriptor::refresh));
    ASSERT_TRUE(dispatcher.dispatch({KeyboardKeyToken::t, {ModifierKey::command}}));
    ASSERT_TRUE(firstKey(mark, "KeyRelease", "t"));
    std::vector<std::string> pressed;
    for (const auto& event : window_->log.eventsSince(mark, "KeyPress")) {
        pressed.push_back(event.field("keysym").value_or("?"));
    }
    EXPECT_EQ(pressed, (std::vector<std::string>{"Control_L", "t"}));
}

// A tap that cannot be created (no server, no XTest, the button held by another client) blocks
// without leaving a thread behind; once created, losing its server ends its thread and the next
// start tries again.
TEST(CaptureEndToEnd, ATapBlocksWhenItCannotBeCreatedAndEndsWithItsServer) {
    testing::X11TestSession session({.windowManager = false});
    ASSERT_TRUE(session.started());
    testing::X11TestSession withoutXTest(
        {.windowManager = false, .serverArguments = {"-extension", "XTEST"}});
    ASSERT_TRUE(withoutXTest.started());
    auto other = std::make_unique<testing::X11TestInput>(session.displayName());
    ASSERT_TRUE(other->connected());
    const auto blocked = GestureMonitorState::blocked(TrackpadGestureMonitor::blockedMessage());

    for (const std::string& display : {std::string(":65000"), withoutXTest.displayName()}) {
        auto monitor = std::make_unique<TrackpadGestureMonitor>(
            std::make_shared<x11::X11EventTap>(display), nullptr);
        const auto threads = threadCount();
        EXPECT_EQ(monitor->start({}, {}), blocked) << display;
        EXPECT_EQ(threadCount(), threads) << display;
        EXPECT_EQ(x11::X11EventPoster(display).createSource(), nullptr) << display;
    }

    Display* display = other->display();
    XGrabButton(display, Button3, AnyModifier, DefaultRootWindow(display), False, ButtonPressMask,
                GrabModeAsync, GrabModeAsync, None, None);
    XSync(display, False);
    TrackpadGestureMonitor monitor(std::make_shared<x11::X11EventTap>(session.displayName()),
                                   x11::X11EventPoster(session.displayName()).createSource());
    const auto threads = threadCount();
    EXPECT_EQ(monitor.start({}, {}), blocked);
    EXPECT_EQ(threadCount(), threads);
    XUngrabButton(display, Button3, AnyModifier, DefaultRootWindow(display));
    XSync(display, False);
    ASSERT_EQ(monitor.start({}, {}), GestureMonitorState::running());
    EXPECT_EQ(threadCount(), threads + 1);

    // Closed first: Xlib ends a process whose server goes away under an open connection.
    other.reset();
    session.terminate(session.serverPid());
    // Starting a running monitor only swaps its handlers; once the dead tap is gone it tries to
    // create a new one, which the missing server refuses.
    EXPECT_TRUE(waitUntil(
        [&] { return monitor.start({}, {}).kind() == GestureMonitorState::Kind::blocked; }));
    EXPECT_TRUE(waitUntil([&] { return threadCount() == threads; })) << "the tap thread ended";
}

}  // namespace
}  // namespace quillorbitex
