#include <gtest/gtest.h>

#include <QCoreApplication>
#include <atomic>
#include <functional>
#include <mutex>

#include "Platform/ApplicationIdentifier.h"
#include "Platform/Freedesktop/DesktopEntries.h"
#include "Platform/SerialQueue.h"
#include "Platform/X11/ActiveWindow.h"
#include "Platform/X11/X11EventPoster.h"
#include "Platform/X11/X11EventTap.h"
#include "Platform/X11/X11Workspace.h"
#include "Services/Capture/GestureCaptureCoordinator.h"
#include "Services/Capture/TrackpadGestureMonitor.h"
#include "Services/Keyboard/KeyboardShortcutDispatcher.h"
#include "support/ManualExecutor.h"
#include "support/StrokeShapes.h"
#include "support/TestWindowLog.h"
#include "support/X11TestInput.h"
#include "support/X11TestSession.h"

// Last: Xlib's macros (None, Bool, Status, ...) would clash with the headers above.
#include <X11/Xlib.h>

namespace quillorbitex {
namespace {

using testing::ScreenPoint;
using testing::waitUntil;

constexpr const char* kTestWindowApp = "org.quillorbitex.TestWindow";
constexpr unsigned kControlMask = 0x4;

// What the coordinator reports from its final-recognition queue.
class Reports {
public:
    void wire(GestureCaptureCoordinator& coordinator) {
        coordinator.onRecognized = [this](const RecentGestureSnapshot& snapshot) {
            std::lock_guard lock(mutex_);
            snapshots_.push_back(snapshot);
        };
        coordinator.onSessionCompleted = [this](const GestureCaptureDebugResult& result) {
            std::lock_guard lock(mutex_);
            results_.push_back(result);
        };
    }
    auto snapshots() const { return read(snapshots_); }
    auto results() const { return read(results_); }

private:
    template <typename T>
    T read(const T& list) const {
        std::lock_guard lock(mutex_);
        return list;
    }

    mutable std::mutex mutex_;
    std::vector<RecentGestureSnapshot> snapshots_;
    std::vector<GestureCaptureDebugResult> results_;
};

// Runs its tasks one after the other on a thread of its own, each once `ready` holds (or a few
// seconds have passed): recognition that happens to finish after the window manager has acted on
// the release.
class WaitingQueue final : public Executor {
public:
    explicit WaitingQueue(std::function<bool()> ready) : ready_(std::move(ready)) {}
    void async(Task task) override { asyncAfter(Duration::zero(), std::move(task)); }
    void asyncAfter(Duration delay, Task task) override {
        queue_.asyncAfter(delay, [this, task = std::move(task)] {
            wasReady = waitUntil(ready_, std::chrono::seconds{5});
            task();
        });
    }
    std::atomic<bool> wasReady{false};

private:
    std::function<bool()> ready_;
    SerialQueue queue_{"test.final-recognition"};
};

class EngineEndToEndTest : public testing::X11SessionTest {
protected:
    explicit EngineEndToEndTest(std::string focusModel = "click")
        : X11SessionTest({.focusModel = std::move(focusModel)},
                         testing::TestWindowOptions{.title = "Engine",
                                                    .resourceName = "qx-engine-window",
                                                    .resourceClass = "QxEngineWindow",
                                                    .geometry = "700x600+50+50"}) {}

    void setUpSession() override {
        session_.applyToCurrentProcess();
        session_.writeDesktopEntry(kTestWindowApp,
                                   "Name=Test Window\nExec=true\nStartupWMClass=QxEngineWindow");
        entries_ = std::make_shared<freedesktop::DesktopEntries>();

        const QString display = QString::fromStdString(session_.displayName());
        activeWindow_ = x11::ActiveWindow::connect(
            entries_, QString::fromLatin1(kApplicationIdentifier), display);
        ASSERT_TRUE(activeWindow_);
        activateTestWindow();

        store_ = std::make_shared<GestureMappingStore>();
        GestureCaptureCoordinator::Configuration configuration;
        configuration.monitor = std::make_shared<TrackpadGestureMonitor>(
            std::make_shared<x11::X11EventTap>(session_.displayName()),
            x11::X11EventPoster(session_.displayName()).createSource());
        configuration.dispatcher = std::make_shared<KeyboardShortcutDispatcher>(
            x11::X11EventPoster(session_.displayName()).createSource());
        // As the application model wires it.
        auto workspace = std::make_shared<x11::X11Workspace>(entries_, activeWindow_);
        configuration.workspace = workspace;
        configuration.mappingStore = store_;
        configuration.mainExecutor = &main_;
        configuration.activeBundleIdentifierProvider = [workspace] {
            return workspace->frontmostApplicationIdentifier();
        };
        configuration.frontmostWindowProvider = [workspace] {
            return workspace->frontmostWindow();
        };
        configuration.finalRecognitionQueue = finalRecognitionQueue_;
        coordinator_ = GestureCaptureCoordinator::create(configuration);
        reports_.wire(*coordinator_);
        ASSERT_EQ(coordinator_->start(), GestureMonitorState::running());
    }

    void TearDown() override {
        if (coordinator_) {
            coordinator_->stop();
        }
    }

    // With the pointer over it, so that a focus following the pointer stays there too.
    void activateTestWindow() {
        input_->movePointer(inWindow(350, 300));
        ASSERT_TRUE(input_->activateWindow(window_->window));
        ASSERT_TRUE(pumpUntil([&] { return frontmostIs(kTestWindowApp); }))
            << "the test window never became the frontmost application";
    }
    bool frontmostIs(const char* application) const {
        return activeWindow_->frontmostApplicationIdentifier() == QLatin1String(application);
    }
    // The active window is followed through this thread's Qt event loop.
    static bool pumpUntil(const std::function<bool()>& done) {
        return waitUntil([&] {
            QCoreApplication::processEvents();
            return done();
        });
    }

    // Draws through window-relative corners, densely, as a hand on a mouse would.
    void draw(const std::vector<Point>& corners) {
        input_->rightDrag(testing::translated(origin_, testing::polyline(corners, 3)));
    }

    bool waitForResults(std::size_t count) {
        return waitUntil([&] { return reports_.results().size() >= count; });
    }

    bool keyArrives(std::size_t mark, const char* keysym) const {
        return waitUntil(
            [&] { return testing::keyPressCount(window_->log, mark, keysym, kControlMask) > 0; });
    }
    bool noKeySince(std::size_t mark) const {
        return window_->log.eventsSince(mark, "KeyPress").empty();
    }

    std::shared_ptr<freedesktop::DesktopEntries> entries_;
    int argc_ = 1;
    char name_[20] = "qx_e2e_engine_tests";
    char* argv_[2] = {name_, nullptr};
    QCoreApplication application_{argc_, argv_};
    std::shared_ptr<x11::ActiveWindow> activeWindow_;
    testing::ManualExecutor main_;
    std::shared_ptr<Executor> finalRecognitionQueue_;  // the coordinator's own when none
    std::shared_ptr<GestureMappingStore> store_;
    Reports reports_;  // outlives the coordinator, which reports to it
    std::shared_ptr<GestureCaptureCoordinator> coordinator_;
};

// Up-then-down refreshes the focused window unless its rule is blocked for the window's
// application. (Short clicks are replayed: the capture tests show that. A preset switched off
// sends nothing: the dashboard test switches one off.)
TEST_F(EngineEndToEndTest, APresetRunsUnlessBlocked) {
    const auto upDown = GestureDescriptor::directional(GesturePattern::upThenDown);
    auto mark = window_->log.events().size();
    draw({{300, 400}, {300, 250}, {300, 400}});
    ASSERT_TRUE(waitForResults(1));
    ASSERT_TRUE(keyArrives(mark, "r")) << "no Control+R reached the window";
    const auto snapshots = reports_.snapshots();
    ASSERT_EQ(snapshots.size(), 1u);
    EXPECT_TRUE(snapshots[0].dispatched);
    EXPECT_EQ(snapshots[0].pattern, upDown);
    EXPECT_EQ(snapshots[0].action, GestureAction::predefined(PredefinedAction::refresh));
    EXPECT_TRUE(reports_.results()[0].suppressedSystemClick);

    // Blocked in this application (named in another case): nothing runs.
    store_->replaceAppScopeRules(
        {GestureAppScopeRule(QString::fromLatin1(kTestWindowApp).toUpper(), "Test", false)},
        upDown);
    mark = window_->log.events().size();
    draw({{400, 400}, {400, 250}, {400, 400}});
    ASSERT_TRUE(waitForResults(2));
    EXPECT_EQ(reports_.snapshots().size(), 1u);
    EXPECT_EQ(reports_.results()[1].detectedPattern, upDown);
    EXPECT_FALSE(reports_.results()[1].matchedAction.has_value());
    EXPECT_TRUE(noKeySince(mark)) << "a key reached the window";
}

// The minimizing commands go to the window manager: no key reaches the window (Control+M would
// be Return in a terminal). Hide takes every window of the application, and only those.
TEST_F(EngineEndToEndTest, MinimizingAsksTheWindowManagerAndSendsNoKey) {
    auto sibling = session_.startTestWindow({.title = "Engine 2",
                                             .resourceName = "qx-engine-window",
                                             .resourceClass = "QxEngineWindow",
                                             .geometry = "200x150+800+50"});
    auto other = session_.startTestWindow({.title = "Other",
                                           .resourceName = "qx-other",
                                           .resourceClass = "QxOther",
                                           .geometry = "200x150+800+400"});
    ASSERT_TRUE(sibling && other);
    ASSERT_TRUE(input_->activateWindow(window_->window));
    const unsigned long wmState = XInternAtom(display(), "WM_STATE", False);
    const auto state = [&](unsigned long window) {
        const auto items = testing::windowProperty32(display(), window, "WM_STATE", wmState);
        return items.empty() ? 0ul : items.front();
    };
    constexpr unsigned long kNormal = 1;
    constexpr unsigned long kIconic = 3;
    ASSERT_TRUE(waitUntil([&] { return state(sibling->window) == kNormal; }));
    store_->upsertCustomMapping(GesturePattern::rightThenDown,
                                GestureAction::predefined(PredefinedAction::hideApp), {});
    store_->upsertCustomMapping(GesturePattern::rightThenUp,
                                GestureAction::predefined(PredefinedAction::minimizeWindow), {});

    const auto mark = window_->log.events().size();
    const auto otherMark = other->log.events().size();
    draw({{100, 100}, {400, 100}, {400, 400}});
    ASSERT_TRUE(waitForResults(1));
    EXPECT_TRUE(waitUntil([&] {
        return state(window_->window) == kIconic && state(sibling->window) == kIconic;
    })) << state(window_->window)
        << " " << state(sibling->window);
    EXPECT_EQ(state(other->window), kNormal);

    ASSERT_TRUE(input_->activateWindow(other->window));
    // A stroke acts on the window the program knows to be active as it begins.
    ASSERT_TRUE(
        pumpUntil([&] { return activeWindow_->frontmostWindow().window == other->window; }));
    draw({{100, 400}, {400, 400}, {400, 100}});
    ASSERT_TRUE(waitForResults(2));
    EXPECT_TRUE(waitUntil([&] { return state(other->window) == kIconic; }));
    const auto snapshots = reports_.snapshots();
    ASSERT_EQ(snapshots.size(), 2u);
    EXPECT_TRUE(snapshots[0].dispatched && snapshots[1].dispatched);
    EXPECT_TRUE(noKeySince(mark));
    EXPECT_TRUE(other->log.eventsSince(otherMark, "KeyPress").empty());
}

constexpr const char* kTerminalApp = "org.quillorbitex.Terminal";

// The test window plays a browser; a terminal stands beside it. The window manager's focus
// follows the pointer, or moves on clicks only.
class PointerFocusEndToEndTest : public EngineEndToEndTest,
                                 public ::testing::WithParamInterface<std::string> {
protected:
    PointerFocusEndToEndTest() : EngineEndToEndTest(GetParam()) {
        // Where the focus follows the pointer, recognition finishes once it has.
        finalRecognitionQueue_ = finalQueue_;
    }

    void setUpSession() override {
        session_.writeDesktopEntry(kTerminalApp,
                                   "Name=Terminal\nExec=true\nStartupWMClass=QxTerminal");
        EngineEndToEndTest::setUpSession();
        terminal_ = session_.startTestWindow({.title = "Terminal",
                                              .resourceName = "qx-terminal",
                                              .resourceClass = "QxTerminal",
                                              .geometry = "400x500+780+50"});
        ASSERT_TRUE(terminal_);
        activateTestWindow();
        // Up-then-down refreshes, except in the terminal.
        store_->replaceAppScopeRules({GestureAppScopeRule(kTerminalApp, "Terminal", false)},
                                     GestureDescriptor::directional(GesturePattern::upThenDown));
    }

    bool followsPointer() const { return GetParam() == "sloppy"; }

    std::shared_ptr<WaitingQueue> finalQueue_ = std::make_shared<WaitingQueue>(
        [this] { return !followsPointer() || frontmostIs(kTerminalApp); });
    std::optional<testing::TestWindowProcess> terminal_;
};

// An up-then-down begun over the browser and released over the terminal refreshes the browser:
// its rule is the browser's (the terminal blocks it) and the keys reach the browser, although a
// focus that follows the pointer has gone to the terminal by the time they are sent. The focus
// stays where the pointer took it.
TEST_P(PointerFocusEndToEndTest, AStrokeActsOnTheWindowItBeganOver) {
    const auto mark = window_->log.events().size();
    const auto terminalMark = terminal_->log.events().size();
    const auto terminalOrigin = input_->toRoot(terminal_->window, {0, 0});
    ASSERT_TRUE(terminalOrigin);
    draw({{600, 450}, {620, 150}, {terminalOrigin->x - origin_.x + 40.0, 450}});
    ASSERT_TRUE(pumpUntil([&] { return !reports_.results().empty(); }));
    EXPECT_TRUE(finalQueue_->wasReady) << "the focus never followed the pointer";

    ASSERT_EQ(reports_.snapshots().size(), 1u) << "the browser's rule did not run";
    EXPECT_TRUE(keyArrives(mark, "r")) << "no Control+R reached the browser";
    EXPECT_EQ(testing::keyPressCount(window_->log, mark, "r", kControlMask), 1);
    EXPECT_TRUE(terminal_->log.eventsSince(terminalMark, "KeyPress").empty())
        << "a key reached the terminal";
    EXPECT_TRUE(
        pumpUntil([&] { return frontmostIs(followsPointer() ? kTerminalApp : kTestWindowApp); }));
    EXPECT_EQ(input_->focusedWindow(), followsPointer() ? terminal_->window : window_->window);
}

INSTANTIATE_TEST_SUITE_P(FocusModel, PointerFocusEndToEndTest,
                         ::testing::Values(std::string("click"), std::string("sloppy")),
                         [](const ::testing::TestParamInfo<std::string>& param) {
                             return param.param == "sloppy" ? std::string("FollowsThePointer")
                                                            : std::string("OnClick");
                         });

}  // namespace
}  // namespace quillorbitex
