// The built program on a private X server with a tray dock: the first-run onboarding over the
// dashboard, its completion surviving a restart, the window menu bringing it back, and a preset
// blocked in one application while another still gets its shortcut.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>

#include "Platform/JsonFileUserDefaults.h"
#include "Services/Settings/GestureSettingsStore.h"
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

// A point of the dashboard's content well beside the onboarding's card: the sidebar, or the dark
// backdrop over it.
constexpr int kProbeX = 30;
constexpr int kProbeY = 240;

// ---- Reading the X server's windows ------------------------------------------------------------

// The brightness (0 to 255) of one pixel of `window` (depth 24), as shown now; nothing while it
// cannot be read (not mapped yet).
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
    XDestroyImage(image);
    return int(299 * ((pixel >> 16) & 0xFF) + 587 * ((pixel >> 8) & 0xFF) + 114 * (pixel & 0xFF)) /
           1000;
}

// ---- The fixture -----------------------------------------------------------------------------

class OnboardingEndToEndTest : public testing::X11SessionTest {
protected:
    OnboardingEndToEndTest() : X11SessionTest({.trayDock = true}) {}

    fs::path base() const { return session_.tempDir() / "uitest-base"; }

    // The program in test mode, storing everything in base(); the theme is light, so that the
    // onboarding's dark backdrop tells from the page beneath.
    std::optional<testing::SpawnedProcess> startInTestMode() {
        if (!fs::exists(base() / "preferences.json")) {
            GestureSettingsStore settings(std::make_shared<JsonFileUserDefaults>(
                JsonFileUserDefaults::filePathIn(QString::fromStdString(base().string()))));
            settings.setThemeOverride(AppThemeOverride::light);
        }
        fs::remove(base() / "state.json");
        return session_.spawn({QX_PROGRAM_PATH, "--uitest-mode"},
                              {"QUILLORBITEX_UITEST_BASE_DIR=" + base().string()});
    }

    // The state file once it says `key` is `value`.
    bool waitForState(const char* key, bool value) {
        return waitUntil([&] {
            QFile file(QString::fromStdString((base() / "state.json").string()));
            if (!file.open(QIODevice::ReadOnly)) {
                return false;
            }
            const QJsonObject state = QJsonDocument::fromJson(file.readAll()).object();
            return state.contains(QLatin1String(key)) &&
                   state.value(QLatin1String(key)).toBool() == value;
        });
    }

    // A second launch of the same test run asks the running program for its dashboard.
    std::optional<Window> showDashboardOfRunningProgram() {
        const auto second = session_.spawn({QX_PROGRAM_PATH, "--uitest-mode"},
                                           {"QUILLORBITEX_UITEST_BASE_DIR=" + base().string()});
        if (!second || !session_.waitForExit(second->pid, 20s)) {
            return std::nullopt;
        }
        return testing::waitForDashboard(display());
    }

    // Whether the onboarding's backdrop darkens the page, or the page shows uncovered.
    bool onboardingCovers(Window dashboard, bool covered = true) {
        const auto brightness = brightnessAt(display(), dashboard, kProbeX, kProbeY);
        return brightness && (covered ? *brightness < 150 : *brightness > 200);
    }
};

TEST_F(OnboardingEndToEndTest,
       AFreshStartShowsTheOnboardingACompletedOneStaysDoneAndTheMenuReopensIt) {
    auto program = startInTestMode();
    ASSERT_TRUE(program);
    ASSERT_TRUE(waitForState("showOnboarding", true)) << testing::outputOf(program);
    const auto dashboard = testing::waitForDashboard(display());
    ASSERT_TRUE(dashboard) << "no dashboard on a fresh start" << testing::outputOf(program);
    ASSERT_TRUE(input_->activateWindow(*dashboard));
    ASSERT_TRUE(waitUntil([&] { return onboardingCovers(*dashboard); }))
        << "the onboarding does not cover the dashboard" << testing::outputOf(program);

    // The keyboard walks the flow: "Continue →" twice, then "Open Dashboard".
    for (int press = 0; press < 3; ++press) {
        ASSERT_TRUE(input_->tapKey(XK_space));
    }
    ASSERT_TRUE(waitForState("hasCompletedOnboarding", true)) << testing::outputOf(program);
    EXPECT_TRUE(waitForState("showOnboarding", false));
    EXPECT_TRUE(waitUntil([&] { return onboardingCovers(*dashboard, false); }))
        << "the onboarding still covers the dashboard" << testing::outputOf(program);
    ASSERT_TRUE(testing::endsCleanlyOnTerm(session_, *program));

    // Started again: no onboarding, and the dashboard it shows on request is uncovered.
    program = startInTestMode();
    ASSERT_TRUE(program);
    ASSERT_TRUE(waitForState("showOnboarding", false)) << testing::outputOf(program);
    const auto again = showDashboardOfRunningProgram();
    ASSERT_TRUE(again) << testing::outputOf(program);
    ASSERT_TRUE(input_->activateWindow(*again));
    ASSERT_TRUE(waitUntil([&] { return onboardingCovers(*again, false); }))
        << testing::outputOf(program);
    // It stays so: no onboarding fades in late.
    EXPECT_FALSE(waitUntil([&] { return onboardingCovers(*again); }, 1500ms));

    // Alt+Q opens the window's menu on its first entry, which without update support is
    // "Reopen Onboarding"; it brings the onboarding back, and the completed flag stays.
    ASSERT_TRUE(input_->tapKey(XK_q, {XK_Alt_L}));
    ASSERT_TRUE(waitUntil([&] { return testing::programMenuShown(display()); }))
        << "the window menu did not open" << testing::outputOf(program);
    ASSERT_TRUE(input_->tapKey(XK_Return));
    EXPECT_TRUE(waitForState("showOnboarding", true)) << testing::outputOf(program);
    EXPECT_TRUE(waitUntil([&] { return onboardingCovers(*again); }))
        << "the onboarding did not come back" << testing::outputOf(program);
    EXPECT_TRUE(waitForState("hasCompletedOnboarding", true));
}

}  // namespace
}  // namespace quillorbitex
