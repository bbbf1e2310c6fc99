#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <regex>
#include <string>

#include <gtest/gtest.h>

#include "support/TestWindowLog.h"
#include "support/X11TestInput.h"
#include "support/X11TestSession.h"

// Last: Xlib's macros must not reach the headers above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

namespace quillorbitex::testing {
namespace {

// A reaped process is gone; one reparented to an init that is slow to reap it lingers as a
// zombie, which is just as dead.
bool processGone(pid_t pid) {
    if (kill(pid, 0) != 0 && errno == ESRCH) {
        return true;
    }
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string pidField;
    std::string name;
    std::string state;
    stat >> pidField >> name >> state;
    return !stat || state == "Z";
}

std::optional<TestWindowEvent> firstEvent(const TestWindowLog& log, std::string_view type,
                                          std::size_t since = 0) {
    auto events = log.eventsSince(since, type);
    if (events.empty()) {
        return std::nullopt;
    }
    return events.front();
}

// Replaces PATH for one test, so that a stand-in can take the place of an installed program.
class ScopedPathPrefix {
public:
    explicit ScopedPathPrefix(const std::string& directory) {
        const char* current = std::getenv("PATH");
        if (current != nullptr) {
            saved_ = current;
        }
        setenv("PATH", (directory + ":" + saved_.value_or("/usr/bin:/bin")).c_str(), 1);
    }
    ~ScopedPathPrefix() {
        if (saved_) {
            setenv("PATH", saved_->c_str(), 1);
        } else {
            unsetenv("PATH");
        }
    }
    ScopedPathPrefix(const ScopedPathPrefix&) = delete;
    ScopedPathPrefix& operator=(const ScopedPathPrefix&) = delete;

private:
    std::optional<std::string> saved_;
};

std::filesystem::path writeScript(const std::filesystem::path& directory, const std::string& name,
                                  const std::string& body) {
    std::filesystem::create_directories(directory);
    const auto path = directory / name;
    std::ofstream(path) << "#!/bin/sh\n" << body << '\n';
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    return path;
}

TEST(TestWindowLogTest, ReadsCompleteLinesOnlyAndParsesTheirFields) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("qx-window-log-" + std::to_string(getpid()) + ".events");
    std::ofstream(path) << "Ready window=0x2a00001\n"
                        << "KeyPress keysym=Tab keycode=23 state=0x5\n"
                        << "ButtonPress button=3 x=-4 y=1";
    const TestWindowLog log(path);

    const auto events = log.events();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(log.readyWindow(), 0x2a00001u);
    EXPECT_EQ(events[1].type, "KeyPress");
    EXPECT_EQ(events[1].field("keysym"), "Tab");
    EXPECT_EQ(events[1].number("state"), 5);
    EXPECT_EQ(events[1].number("keysym"), std::nullopt);
    EXPECT_EQ(events[1].number("absent"), std::nullopt);
    EXPECT_TRUE(log.eventsSince(2).empty());

    std::ofstream(path, std::ios::app) << " state=0x400\n";
    const auto press = log.eventsSince(2, "ButtonPress");
    ASSERT_EQ(press.size(), 1u);
    EXPECT_EQ(press[0].number("x"), -4);
    EXPECT_EQ(press[0].number("state"), 0x400);
    std::filesystem::remove(path);
}

TEST(X11TestSessionTest, StartsServerAndWindowManagerWithIsolatedFolders) {
    X11TestSession session;
    ASSERT_TRUE(session.started());
    EXPECT_TRUE(std::regex_match(session.displayName(), std::regex(":[0-9]+")))
        << session.displayName();
    EXPECT_TRUE(session.waitForWindowManager(kDefaultWaitTimeout));

    EXPECT_EQ(session.environmentValue("DISPLAY"), session.displayName());
    EXPECT_EQ(session.environmentValue("HOME"), session.homeDir().string());
    EXPECT_EQ(session.environmentValue("XDG_CONFIG_HOME"), session.configHome().string());
    EXPECT_EQ(session.environmentValue("XDG_DATA_HOME"), session.dataHome().string());
    EXPECT_EQ(session.environmentValue("XDG_CACHE_HOME"), session.cacheHome().string());
    EXPECT_EQ(session.environmentValue("XDG_DATA_DIRS"), session.dataDirs().string());
    EXPECT_EQ(session.environmentValue("XDG_RUNTIME_DIR"), session.runtimeDir().string());
    EXPECT_EQ(session.environmentValue("WAYLAND_DISPLAY"), std::nullopt);
    for (const auto& folder : {session.homeDir(), session.configHome(), session.dataHome(),
                               session.cacheHome(), session.dataDirs()}) {
        EXPECT_TRUE(std::filesystem::is_directory(folder)) << folder;
        EXPECT_EQ(folder.parent_path(), session.tempDir()) << folder;
    }
    struct stat runtime {};
    ASSERT_EQ(stat(session.runtimeDir().c_str(), &runtime), 0);
    EXPECT_EQ(runtime.st_mode & 0777, 0700u);

    session.applyToCurrentProcess();
    EXPECT_EQ(std::string(std::getenv("DISPLAY")), session.displayName());
    EXPECT_EQ(std::string(std::getenv("XDG_CONFIG_HOME")), session.configHome().string());
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(std::string(DisplayString(display)), session.displayName());
    // A compositor only runs when asked for.
    EXPECT_EQ(XGetSelectionOwner(display, XInternAtom(display, "_NET_WM_CM_S0", False)),
              static_cast<Window>(None));
    XCloseDisplay(display);
}

TEST(X11TestSessionTest, RunsACompositorWhenAskedFor) {
    X11TestSession session({.compositor = true});
    ASSERT_TRUE(session.started());
    X11TestInput input(session.displayName());
    ASSERT_TRUE(input.connected());
    Display* display = input.display();
    EXPECT_NE(XGetSelectionOwner(display, XInternAtom(display, "_NET_WM_CM_S0", False)),
              static_cast<Window>(None));
    EXPECT_TRUE(session.startTestWindow());
}

TEST(X11TestSessionTest, TeardownStopsEverythingItStartedAndRestoresTheEnvironment) {
    setenv("DISPLAY", ":outer", 1);
    unsetenv("XDG_DATA_HOME");
    auto session = std::make_unique<X11TestSession>();
    ASSERT_TRUE(session->started());
    session->applyToCurrentProcess();
    const auto pidFile = session->tempDir() / "grandchild.pid";
    // The helper leaves a grandchild of its own behind, as a program launching another would.
    const auto helper =
        session->spawn({"sh", "-c", "sleep 300 & echo $! > \"$0\"; wait", pidFile.string()});
    ASSERT_TRUE(helper);
    const auto window = session->startTestWindow();
    ASSERT_TRUE(window);
    ASSERT_TRUE(waitUntil([&] { return std::filesystem::file_size(pidFile) > 0; }));
    pid_t grandchild = 0;
    std::ifstream(pidFile) >> grandchild;
    ASSERT_GT(grandchild, 0);
    const pid_t server = session->serverPid();
    const auto folder = session->tempDir();

    session.reset();

    for (const pid_t pid : {server, helper->pid, window->pid, grandchild}) {
        EXPECT_TRUE(waitUntil([&] { return processGone(pid); })) << "process " << pid;
    }
    EXPECT_FALSE(std::filesystem::exists(folder));
    EXPECT_EQ(std::string(std::getenv("DISPLAY")), ":outer");
    EXPECT_EQ(std::getenv("XDG_DATA_HOME"), nullptr);
}

TEST(X11TestSessionTest, ServerThatFailsToStartIsReportedWithItsOutput) {
    const auto stand_ins =
        std::filesystem::temp_directory_path() / ("qx-fake-xvfb-" + std::to_string(getpid()));
    writeScript(stand_ins, "Xvfb", "echo 'no screens found' >&2\nexit 1");
    ScopedPathPrefix path(stand_ins.string());

    X11TestSession session;
    const auto result = session.started();
    EXPECT_FALSE(result);
    EXPECT_NE(std::string(result.message()).find("exited with status 1"), std::string::npos)
        << result.message();
    EXPECT_NE(std::string(result.message()).find("no screens found"), std::string::npos)
        << result.message();
    std::filesystem::remove_all(stand_ins);
}

TEST(X11TestSessionTest, ServerThatNeverAnswersIsGivenUpOnWithinTheStartupTimeout) {
    const auto stand_ins =
        std::filesystem::temp_directory_path() / ("qx-silent-xvfb-" + std::to_string(getpid()));
    writeScript(stand_ins, "Xvfb", "exec sleep 300");
    ScopedPathPrefix path(stand_ins.string());

    auto session = std::make_unique<X11TestSession>(
        X11TestSessionOptions{.startupTimeout = std::chrono::milliseconds{500}});
    const auto result = session->started();
    EXPECT_FALSE(result);
    EXPECT_NE(std::string(result.message()).find("did not report its display"), std::string::npos)
        << result.message();
    const pid_t server = session->serverPid();
    session.reset();
    EXPECT_TRUE(waitUntil([&] { return processGone(server); }));
    std::filesystem::remove_all(stand_ins);
}

TEST(X11TestSessionTest, ParallelSessionsRunOnTheirOwnDisplays) {
    X11TestSession first;
    X11TestSession second;
    ASSERT_TRUE(first.started());
    ASSERT_TRUE(second.started());
    EXPECT_NE(first.displayName(), second.displayName());
    EXPECT_NE(first.tempDir(), second.tempDir());

    const auto window = first.startTestWindow();
    ASSERT_TRUE(window);
    X11TestInput onFirst(first.displayName());
    X11TestInput onSecond(second.displayName());
    ASSERT_TRUE(onFirst.connected());
    ASSERT_TRUE(onSecond.connected());
    ASSERT_TRUE(onFirst.activateWindow(window->window));
    EXPECT_EQ(onSecond.activeWindow(), 0u);
}

class X11TestWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(session_.started());
        input_ = std::make_unique<X11TestInput>(session_.displayName());
        ASSERT_TRUE(input_->connected());
    }
    void TearDown() override { input_.reset(); }

    X11TestSession session_;
    std::unique_ptr<X11TestInput> input_;
};

TEST_F(X11TestWindowTest, AnnouncesItsWindowWithTheRequestedIdentity) {
    const auto window = session_.startTestWindow(
        {.title = "Harness Ünïcode", .resourceName = "harness-probe", .resourceClass = "Probe"});
    ASSERT_TRUE(window);
    const auto first = window->log.events();
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first.front().type, "Ready");

    Display* display = input_->display();
    XClassHint hint{};
    ASSERT_NE(XGetClassHint(display, window->window, &hint), 0);
    EXPECT_STREQ(hint.res_name, "harness-probe");
    EXPECT_STREQ(hint.res_class, "Probe");
    XFree(hint.res_name);
    XFree(hint.res_class);

    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    ASSERT_EQ(
        XGetWindowProperty(display, window->window, XInternAtom(display, "_NET_WM_NAME", False), 0,
                           256, False, XInternAtom(display, "UTF8_STRING", False), &type, &format,
                           &count, &remaining, &data),
        Success);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(data), count), "Harness Ünïcode");
    XFree(data);

    const auto frame = input_->frame(window->window);
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->width, 400);
    EXPECT_EQ(frame->height, 300);
}

TEST_F(X11TestWindowTest, LeftClickIsLoggedAtWindowRelativeCoordinates) {
    const auto window = session_.startTestWindow({.geometry = "300x200+150+120"});
    ASSERT_TRUE(window);
    const auto target = input_->toRoot(window->window, {40, 30});
    ASSERT_TRUE(target);
    const auto mark = window->log.events().size();

    input_->click(1, *target);

    ASSERT_TRUE(waitUntil([&] { return firstEvent(window->log, "ButtonRelease", mark); }));
    const auto press = firstEvent(window->log, "ButtonPress", mark);
    const auto release = firstEvent(window->log, "ButtonRelease", mark);
    ASSERT_TRUE(press);
    EXPECT_EQ(press->number("button"), 1);
    EXPECT_EQ(press->number("x"), 40);
    EXPECT_EQ(press->number("y"), 30);
    EXPECT_EQ(press->number("root_x"), target->x);
    EXPECT_EQ(press->number("root_y"), target->y);
    EXPECT_EQ(press->number("state"), 0);
    EXPECT_EQ(release->number("button"), 1);
    EXPECT_EQ(release->number("state"), Button1Mask);
}

TEST_F(X11TestWindowTest, RightDragPressesMovesThroughEveryPointAndReleasesAtTheEnd) {
    const auto window = session_.startTestWindow({.geometry = "400x300+100+100"});
    ASSERT_TRUE(window);
    const auto origin = input_->toRoot(window->window, {0, 0});
    ASSERT_TRUE(origin);
    const std::vector<ScreenPoint> path = {{origin->x + 200, origin->y + 220},
                                           {origin->x + 200, origin->y + 160},
                                           {origin->x + 200, origin->y + 100},
                                           {origin->x + 200, origin->y + 160}};
    input_->movePointer({origin->x + 10, origin->y + 10});
    const auto mark = window->log.events().size();

    input_->rightDrag(path);

    ASSERT_TRUE(waitUntil([&] { return firstEvent(window->log, "ButtonRelease", mark); }));
    const auto press = firstEvent(window->log, "ButtonPress", mark);
    ASSERT_TRUE(press);
    EXPECT_EQ(press->number("button"), 3);
    EXPECT_EQ(press->number("x"), 200);
    EXPECT_EQ(press->number("y"), 220);
    std::vector<std::pair<long long, long long>> dragged;
    for (const auto& motion : window->log.eventsSince(mark, "MotionNotify")) {
        if (motion.number("state") == Button3Mask) {
            dragged.emplace_back(*motion.number("x"), *motion.number("y"));
        }
    }
    const std::vector<std::pair<long long, long long>> expected = {
        {200, 160}, {200, 100}, {200, 160}};
    EXPECT_EQ(dragged, expected);
    const auto release = firstEvent(window->log, "ButtonRelease", mark);
    EXPECT_EQ(release->number("button"), 3);
    EXPECT_EQ(release->number("y"), 160);
    EXPECT_EQ(release->number("state"), Button3Mask);
}

TEST_F(X11TestWindowTest, KeyWithControlAndShiftHeldIsLoggedWithExactlyThoseModifiers) {
    const auto window = session_.startTestWindow();
    ASSERT_TRUE(window);
    ASSERT_TRUE(input_->clickToFocus(window->window));
    const auto mark = window->log.events().size();

    ASSERT_TRUE(input_->tapKey(XK_t, {XK_Control_L, XK_Shift_L}));

    ASSERT_TRUE(waitUntil([&] {
        const auto releases = window->log.eventsSince(mark, "KeyRelease");
        return releases.size() == 3;
    }));
    std::optional<TestWindowEvent> press;
    for (const auto& event : window->log.eventsSince(mark, "KeyPress")) {
        if (event.field("keysym") == "t") {
            press = event;
        }
    }
    ASSERT_TRUE(press);
    EXPECT_EQ(press->number("state"), ControlMask | ShiftMask);
    // All modifiers were let go again.
    const auto releases = window->log.eventsSince(mark, "KeyRelease");
    EXPECT_EQ(releases.back().field("keysym"), "Control_L");
    EXPECT_EQ(releases.back().number("state"), ControlMask);
}

TEST_F(X11TestWindowTest, ActivatingAWindowGivesItTheFocus) {
    const auto left = session_.startTestWindow({.title = "left", .geometry = "300x200+50+50"});
    const auto right = session_.startTestWindow({.title = "right", .geometry = "300x200+600+50"});
    ASSERT_TRUE(left);
    ASSERT_TRUE(right);
    // The requested positions are those of the window manager's frames, which are alike for both.
    const auto leftFrame = input_->frame(left->window);
    const auto rightFrame = input_->frame(right->window);
    ASSERT_TRUE(leftFrame && rightFrame);
    EXPECT_EQ(rightFrame->origin.x - leftFrame->origin.x, 550);
    EXPECT_EQ(rightFrame->origin.y, leftFrame->origin.y);

    ASSERT_TRUE(input_->activateWindow(right->window));
    ASSERT_TRUE(waitUntil([&] { return input_->focusedWindow() == right->window; }));
    const auto mark = left->log.events().size();

    ASSERT_TRUE(input_->activateWindow(left->window));

    EXPECT_TRUE(waitUntil([&] {
        for (const auto& event : left->log.eventsSince(mark, "FocusIn")) {
            if (event.field("mode") == "Normal") {
                return true;
            }
        }
        return false;
    }));
    EXPECT_EQ(input_->activeWindow(), left->window);
    EXPECT_EQ(input_->focusedWindow(), left->window);
    EXPECT_TRUE(waitUntil([&] { return !right->log.eventsOfType("FocusOut").empty(); }));
}

}  // namespace
}  // namespace quillorbitex::testing
