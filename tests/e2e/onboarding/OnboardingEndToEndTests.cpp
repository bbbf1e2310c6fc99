// The built program on a private X server with a tray dock: the first-run onboarding over the
// dashboard, its completion surviving a restart, the window menu bringing it back, and a preset
// blocked in one application while another still gets its shortcut.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>
#include <fstream>

#include "Platform/JsonFileUserDefaults.h"
#include "Services/Settings/GestureMappingStore.h"
#include "Services/Settings/GestureSettingsStore.h"
#include "support/StrokeShapes.h"
#include "support/X11ProgramWindows.h"
#include "support/X11TestInput.h"
#include "support/X11TestSession.h"

// Last: Xlib's macros (None, Bool, Status, ...) would clash with the headers above.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

namespace quillorbitex {
namespace {

using namespace std::chrono_literals;
using testing::ScreenPoint;
using testing::waitUntil;
namespace fs = std::filesystem;

constexpr unsigned kControlMask = 0x4;
// A point of the dashboard's content well beside the onboarding's card: the sidebar, or the dark
// backdrop over it.
constexpr int kProbeX = 30;
constexpr int kProbeY = 240;

// ---- Reading the X server's windows ------------------------------------------------------------

int channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0) {
        return 0;
    }
    int shift = 0;
    while (((mask >> shift) & 1UL) == 0) {
        ++shift;
    }
    const unsigned long value = (pixel & mask) >> shift;
    const unsigned long maximum = mask >> shift;
    return static_cast<int>(value * 255 / maximum);
}

// The brightness (0 to 255) of one pixel of `window`, as shown now; nothing while it cannot be
// read (not mapped yet).
std::optional<int> brightnessAt(Display* display, Window window, int x, int y) {
    XImage* image = nullptr;
    {
        const testing::QuietXErrors quiet(display);
        image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
    }
    if (image == nullptr) {
        return std::nullopt;
    }
    const unsigned long pixel = XGetPixel(image, 0, 0);
    const int r = channel(pixel, image->red_mask);
    const int g = channel(pixel, image->green_mask);
    const int b = channel(pixel, image->blue_mask);
    XDestroyImage(image);
    return (299 * r + 587 * g + 114 * b) / 1000;
}

// ---- The fixture -----------------------------------------------------------------------------

class OnboardingEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(session_.started());
        input_ = std::make_unique<testing::X11TestInput>(session_.displayName());
        ASSERT_TRUE(input_->connected());
    }

    void TearDown() override { input_.reset(); }

    Display* display() const { return input_->display(); }

    fs::path base() const { return session_.tempDir() / "uitest-base"; }

    // The program in test mode, storing everything in base(); the theme is light, so that the
    // onboarding's dark backdrop tells from the page beneath.
    std::optional<testing::SpawnedProcess> startInTestMode(
        std::vector<std::string> environment = {}) {
        if (!fs::exists(base() / "preferences.json")) {
            GestureSettingsStore settings(std::make_shared<JsonFileUserDefaults>(
                JsonFileUserDefaults::filePathIn(QString::fromStdString(base().string()))));
            settings.setThemeOverride(AppThemeOverride::light);
        }
        fs::remove(base() / "state.json");
        environment.push_back("QUILLORBITEX_UITEST_BASE_DIR=" + base().string());
        return session_.spawn({QX_PROGRAM_PATH, "--uitest-mode"}, {std::move(environment), {}});
    }

    std::optional<testing::SpawnedProcess> startProgram() {
        return session_.spawn({QX_PROGRAM_PATH});
    }

    template <typename Predicate>
    bool waitWithEvents(Predicate&& predicate, std::chrono::milliseconds timeout = 20s) {
        return waitUntil(
            [&] {
                QCoreApplication::processEvents();
                return predicate();
            },
            timeout);
    }

    // The state file once it says `key` is `value`.
    bool waitForState(const char* key, bool value) {
        return waitWithEvents([&] {
            QFile file(QString::fromStdString((base() / "state.json").string()));
            if (!file.open(QIODevice::ReadOnly)) {
                return false;
            }
            const QJsonObject state = QJsonDocument::fromJson(file.readAll()).object();
            return state.contains(QLatin1String(key)) &&
                   state.value(QLatin1String(key)).toBool() == value;
        });
    }

    std::optional<Window> waitForDashboard() {
        std::optional<Window> found;
        waitWithEvents([&] { return (found = testing::dashboardWindow(display())).has_value(); });
        return found;
    }

    // A second launch asks the running program for its dashboard.
    std::optional<Window> showDashboardOfRunningProgram() {
        const auto second = session_.spawn({QX_PROGRAM_PATH});
        if (!second || !session_.waitForExit(second->pid, 20s)) {
            return std::nullopt;
        }
        return waitForDashboard();
    }

    // Whether the onboarding covers the dashboard: its backdrop darkens the whole page.
    bool onboardingCovers(Window dashboard) {
        const auto brightness = brightnessAt(display(), dashboard, kProbeX, kProbeY);
        return brightness && *brightness < 150;
    }
    bool pageUncovered(Window dashboard) {
        const auto brightness = brightnessAt(display(), dashboard, kProbeX, kProbeY);
        return brightness && *brightness > 200;
    }

    ::testing::AssertionResult stop(const testing::SpawnedProcess& program) {
        if (kill(program.pid, SIGTERM) != 0) {
            return ::testing::AssertionFailure() << "cannot signal the program";
        }
        const auto status = session_.waitForExit(program.pid, 20s);
        if (!status || !WIFEXITED(*status) || WEXITSTATUS(*status) != 0) {
            return ::testing::AssertionFailure() << "the program did not end cleanly";
        }
        return ::testing::AssertionSuccess();
    }

    testing::X11TestSession session_{{.trayDock = true}};
    std::unique_ptr<testing::X11TestInput> input_;
    int argc_ = 1;
    char name_[28] = "qx_e2e_onboarding_tests";
    char* argv_[2] = {name_, nullptr};
    QCoreApplication application_{argc_, argv_};
};

TEST_F(OnboardingEndToEndTest, AFreshStartShowsTheOnboardingAndACompletedOneStaysDone) {
    auto program = startInTestMode();
    ASSERT_TRUE(program);
    ASSERT_TRUE(waitForState("showOnboarding", true)) << testing::outputOf(program);
    const auto dashboard = waitForDashboard();
    ASSERT_TRUE(dashboard) << "no dashboard on a fresh start" << testing::outputOf(program);
    ASSERT_TRUE(input_->activateWindow(*dashboard));
    ASSERT_TRUE(waitWithEvents([&] { return onboardingCovers(*dashboard); }))
        << "the onboarding does not cover the dashboard" << testing::outputOf(program);

    // The keyboard walks the flow: "Continue →" twice, then "Open Dashboard".
    for (int press = 0; press < 3; ++press) {
        ASSERT_TRUE(input_->tapKey(XK_space));
    }
    ASSERT_TRUE(waitForState("hasCompletedOnboarding", true)) << testing::outputOf(program);
    EXPECT_TRUE(waitForState("showOnboarding", false));
    EXPECT_TRUE(waitWithEvents([&] { return pageUncovered(*dashboard); }))
        << "the onboarding still covers the dashboard" << testing::outputOf(program);
    ASSERT_TRUE(stop(*program)) << testing::outputOf(program);

    // Started again: no onboarding, and the dashboard it shows on request is uncovered.
    program = startInTestMode();
    ASSERT_TRUE(program);
    ASSERT_TRUE(waitForState("showOnboarding", false)) << testing::outputOf(program);
    const auto again = showDashboardOfRunningProgram();
    ASSERT_TRUE(again) << testing::outputOf(program);
    ASSERT_TRUE(input_->activateWindow(*again));
    ASSERT_TRUE(waitWithEvents([&] { return pageUncovered(*again); }))
        << testing::outputOf(program);
    // It stays so: no onboarding fades in late.
    EXPECT_FALSE(waitWithEvents([&] { return onboardingCovers(*again); }, 1500ms));
}

TEST_F(OnboardingEndToEndTest, ReopenOnboardingInTheWindowMenuBringsItBack) {
    const auto program = startInTestMode({"QUILLORBITEX_UITEST_ONBOARDING_COMPLETED=1"});
    ASSERT_TRUE(program);
    ASSERT_TRUE(waitForState("showOnboarding", false)) << testing::outputOf(program);
    const auto dashboard = showDashboardOfRunningProgram();
    ASSERT_TRUE(dashboard) << testing::outputOf(program);
    ASSERT_TRUE(input_->activateWindow(*dashboard));
    ASSERT_TRUE(waitWithEvents([&] { return pageUncovered(*dashboard); }))
        << testing::outputOf(program);

    // Alt+Q opens the window's menu on its first entry, which without update support is
    // "Reopen Onboarding".
    ASSERT_TRUE(input_->tapKey(XK_q, {XK_Alt_L}));
    ASSERT_TRUE(waitWithEvents([&] { return testing::programMenuShown(display()); }))
        << "the window menu did not open" << testing::outputOf(program);
    ASSERT_TRUE(input_->tapKey(XK_Return));
    EXPECT_TRUE(waitForState("showOnboarding", true)) << testing::outputOf(program);
    EXPECT_TRUE(waitWithEvents([&] { return onboardingCovers(*dashboard); }))
        << "the onboarding did not come back" << testing::outputOf(program);
    // The flag stays: the next start would not show it.
    EXPECT_TRUE(waitForState("hasCompletedOnboarding", true));
}

// Two applications, each with a desktop entry that names its window class; a stroke over either
// window acts for that application.
class ScopedPresetEndToEndTest : public OnboardingEndToEndTest {
protected:
    void SetUp() override {
        OnboardingEndToEndTest::SetUp();
        for (const auto& [id, name, windowClass] :
             {std::tuple{"qx-blocked-app", "Blocked App", "QxBlockedWindow"},
              std::tuple{"qx-allowed-app", "Allowed App", "QxAllowedWindow"}}) {
            testing::writeFile(
                session_.dataDirs() / "applications" / (std::string(id) + ".desktop"),
                std::string("[Desktop Entry]\nType=Application\nName=") + name +
                    "\nExec=/bin/true\nStartupWMClass=" + windowClass + "\n");
        }
        blocked_ = session_.startTestWindow({.title = "Blocked",
                                             .resourceName = "qx-blocked-window",
                                             .resourceClass = "QxBlockedWindow",
                                             .geometry = "480x400+20+40"});
        allowed_ = session_.startTestWindow({.title = "Allowed",
                                             .resourceName = "qx-allowed-window",
                                             .resourceClass = "QxAllowedWindow",
                                             .geometry = "480x400+620+40"});
        ASSERT_TRUE(blocked_ && allowed_);
    }

    // Up, then down, over the middle of `window`, drawn densely as a hand would.
    void drawUpThenDown(const testing::TestWindowProcess& window) {
        const ScreenPoint origin = input_->toRoot(window.window, {0, 0}).value_or(ScreenPoint{});
        std::vector<ScreenPoint> path;
        for (const Point p : testing::polyline({{240, 330}, {240, 170}, {240, 330}}, 3)) {
            path.push_back({origin.x + static_cast<int>(p.x), origin.y + static_cast<int>(p.y)});
        }
        input_->rightDrag(path);
    }

    static int controlRCount(const testing::TestWindowProcess& window, std::size_t since) {
        int count = 0;
        for (const auto& event : window.log.eventsSince(since, "KeyPress")) {
            if (event.field("keysym") == "r" &&
                (event.number("state").value_or(0) & kControlMask) != 0) {
                ++count;
            }
        }
        return count;
    }

    std::optional<testing::TestWindowProcess> blocked_;
    std::optional<testing::TestWindowProcess> allowed_;
};

TEST_F(ScopedPresetEndToEndTest, ABlockedApplicationGetsNothingWhileAnotherStillRefreshes) {
    // What the scope editor's Save stores: the up-then-down preset, blocked in one application.
    {
        GestureMappingStore rules;
        rules.replaceAppScopeRules({GestureAppScopeRule(QStringLiteral("qx-blocked-app"),
                                                        QStringLiteral("Blocked App"), false)},
                                   GestureDescriptor::directional(GesturePattern::upThenDown));
        GestureSettingsStore settings(std::make_shared<JsonFileUserDefaults>(QString::fromStdString(
            (session_.configHome() / "Quillorbitex" / "preferences.json").string())));
        ASSERT_EQ(rules.customMappings().size(), 1U);
        settings.setCustomMappings(rules.customMappings());
        settings.setHasCompletedOnboarding(true);
    }
    const auto program = startProgram();
    ASSERT_TRUE(program);

    // Capture runs once the allowed window's stroke refreshes it.
    ASSERT_TRUE(input_->activateWindow(allowed_->window));
    ASSERT_TRUE(waitWithEvents([&] {
        const auto mark = allowed_->log.events().size();
        drawUpThenDown(*allowed_);
        return waitUntil([&] { return controlRCount(*allowed_, mark) > 0; }, 2s);
    })) << "the allowed window never received Control+R"
        << testing::outputOf(program);

    // The blocked application: the stroke is taken, but nothing is sent.
    const auto blockedMark = blocked_->log.events().size();
    ASSERT_TRUE(input_->activateWindow(blocked_->window));
    drawUpThenDown(*blocked_);
    EXPECT_FALSE(waitUntil([&] { return controlRCount(*blocked_, blockedMark) > 0; }, 1500ms))
        << testing::outputOf(program);

    // The other application still gets its shortcut from the very same stroke.
    ASSERT_TRUE(input_->activateWindow(allowed_->window));
    const auto allowedMark = allowed_->log.events().size();
    drawUpThenDown(*allowed_);
    EXPECT_TRUE(waitUntil([&] { return controlRCount(*allowed_, allowedMark) > 0; }))
        << testing::outputOf(program);
    EXPECT_EQ(controlRCount(*blocked_, blockedMark), 0);
}

}  // namespace
}  // namespace quillorbitex
