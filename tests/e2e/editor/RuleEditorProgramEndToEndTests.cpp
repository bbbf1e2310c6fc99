// The built program on a private X server with a window manager: a rule made in the editor, from
// the dashboard's "Create Rule" to Save, with a circle drawn and Control+Shift+K pressed through
// XTest, then run by the same circle over another window.
//
// The test finds the sheet's buttons the way a user does, by looking: the theme's filled buttons
// are the only button-sized areas of the accent colour (the step bars are thinner, the gesture
// glyphs narrower, the trace taller), so the first from the top is the step's own button and the
// last is Next or Save.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <utility>

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

constexpr unsigned long kAccent = 0x7C5CFC;
// The accent text colour in the light and the dark appearance.
constexpr unsigned long kAccentTextLight = 0x5C43D8;
constexpr unsigned long kAccentTextDark = 0xA78BFA;
constexpr int kSidebarWidth = 220;

// What a window shows now, as 0xRRGGBB values.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<unsigned long> pixels;

    unsigned long at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
    int count(unsigned long colour) const {
        return static_cast<int>(std::count(pixels.begin(), pixels.end(), colour));
    }
};

Picture take(Display* display, Window window) {
    XWindowAttributes attributes{};
    Picture picture;
    if (XGetWindowAttributes(display, window, &attributes) == 0) {
        return picture;
    }
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (image == nullptr) {
        return picture;
    }
    picture.width = attributes.width;
    picture.height = attributes.height;
    picture.pixels.reserve(static_cast<std::size_t>(picture.width * picture.height));
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            picture.pixels.push_back(XGetPixel(image, x, y) & 0xFFFFFF);
        }
    }
    XDestroyImage(image);
    return picture;
}

struct Area {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
    ScreenPoint centre() const { return {(left + right) / 2, (top + bottom) / 2}; }
};

// Where `window`'s inside lies on the root window.
std::optional<Area> areaOnRoot(const testing::X11TestInput& input, Window window) {
    XWindowAttributes attributes{};
    const auto origin = input.toRoot(window, {0, 0});
    if (!origin || XGetWindowAttributes(input.display(), window, &attributes) == 0) {
        return std::nullopt;
    }
    return Area{origin->x, origin->y, origin->x + attributes.width - 1,
                origin->y + attributes.height - 1};
}

// Connected areas of the accent colour, from the top.
std::vector<Area> accentAreas(const Picture& picture) {
    std::vector<char> seen(picture.pixels.size(), 0);
    std::vector<Area> areas;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const auto index = static_cast<std::size_t>(y * picture.width + x);
            if (seen[index] || picture.pixels[index] != kAccent) {
                continue;
            }
            Area area{x, y, x, y};
            std::vector<std::pair<int, int>> pending = {{x, y}};
            seen[index] = 1;
            while (!pending.empty()) {
                const auto [px, py] = pending.back();
                pending.pop_back();
                area.left = std::min(area.left, px);
                area.right = std::max(area.right, px);
                area.top = std::min(area.top, py);
                area.bottom = std::max(area.bottom, py);
                for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                    const int nx = px + dx;
                    const int ny = py + dy;
                    if (nx < 0 || ny < 0 || nx >= picture.width || ny >= picture.height) {
                        continue;
                    }
                    const auto next = static_cast<std::size_t>(ny * picture.width + nx);
                    if (!seen[next] && picture.pixels[next] == kAccent) {
                        seen[next] = 1;
                        pending.emplace_back(nx, ny);
                    }
                }
            }
            areas.push_back(area);
        }
    }
    std::sort(areas.begin(), areas.end(),
              [](const Area& a, const Area& b) { return a.top < b.top; });
    return areas;
}

std::vector<Area> buttons(const Picture& picture, int minimumLeft = 0) {
    std::vector<Area> found;
    for (const Area& area : accentAreas(picture)) {
        if (area.width() >= 60 && area.height() >= 24 && area.height() <= 48 &&
            area.left >= minimumLeft) {
            found.push_back(area);
        }
    }
    return found;
}

// The step bars drawn as reached.
int reachedSteps(const Picture& picture) {
    int count = 0;
    for (const Area& area : accentAreas(picture)) {
        count += area.height() <= 6 && area.width() >= 100 ? 1 : 0;
    }
    return count;
}

int accentText(const Picture& picture) {
    return picture.count(kAccentTextLight) + picture.count(kAccentTextDark);
}

// Waits that read the screen poll it ten times a second.
template <typename Predicate>
bool watch(Predicate&& predicate,
           std::chrono::milliseconds timeout = testing::kDefaultWaitTimeout) {
    return waitUntil(std::forward<Predicate>(predicate), timeout, 100ms);
}

class RuleEditorProgramTest : public testing::X11SessionTest {
protected:
    explicit RuleEditorProgramTest(std::string focusModel = "click")
        : X11SessionTest({.focusModel = std::move(focusModel)},
                         testing::TestWindowOptions{.title = "Target",
                                                    .resourceName = "qx-editor-target",
                                                    .resourceClass = "QxEditorTarget",
                                                    .geometry = "520x460+40+40"}) {}

    void setUpSession() override {
        // No onboarding over the dashboard.
        fs::create_directories(preferences().parent_path());
        std::ofstream(preferences()) << R"({"gestureOnboardingCompleted": true})";
    }

    fs::path preferences() const {
        return session_.configHome() / "Quillorbitex" / "preferences.json";
    }

    QJsonArray storedCustomRules() const {
        QFile file(QString::fromStdString(preferences().string()));
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        const QJsonObject all = QJsonDocument::fromJson(file.readAll()).object();
        const QByteArray data = QByteArray::fromBase64(
            all.value("gestureCustomMappings").toObject().value("data").toString().toLatin1());
        return QJsonDocument::fromJson(data).array();
    }

    void click(Window window, ScreenPoint local) {
        input_->click(1, input_->toRoot(window, local).value_or(ScreenPoint{}));
    }

    // A closed loop over the target window, drawn densely as a hand would.
    void drawCircle() {
        input_->rightDrag(testing::translated(origin_, testing::circle({260, 240}, 110, 120)));
    }

    // Clicks the first (or last) filled button of `window` once one shows.
    ::testing::AssertionResult clickButton(Window window, bool last) {
        std::vector<Area> found;
        if (!watch([&] { return !(found = buttons(take(display(), window))).empty(); })) {
            return ::testing::AssertionFailure() << "no filled button shows";
        }
        click(window, last ? found.back().centre() : found.front().centre());
        return ::testing::AssertionSuccess();
    }

    bool waitForSteps(Window editor, int steps) {
        return watch([&] { return reachedSteps(take(display(), editor)) == steps; });
    }

    // Scrolls the dashboard down to "Create Rule" (the first filled button right of the sidebar),
    // with the wheel over the page's left margin where no control is, clicks it and waits for the
    // editor on its first step.
    std::optional<Window> openEditor(const testing::SpawnedProcess& program, Window dashboard) {
        const ScreenPoint margin{kSidebarWidth + 12, 400};
        std::optional<Area> create;
        for (int step = 0; step < 60 && !create; ++step) {
            const Picture page = take(display(), dashboard);
            const auto found = buttons(page, kSidebarWidth);
            if (!found.empty()) {
                create = found.front();
            } else {
                input_->click(5, input_->toRoot(dashboard, margin).value_or(ScreenPoint{}));
                watch([&] { return take(display(), dashboard).pixels != page.pixels; }, 2s);
            }
        }
        EXPECT_TRUE(create) << "no Create Rule button" << testing::outputOf(program);
        if (!create) {
            return std::nullopt;
        }
        click(dashboard, create->centre());
        std::optional<Window> editor;
        EXPECT_TRUE(waitUntil([&] {
            return (editor = testing::otherProgramWindow(display(), dashboard)).has_value();
        })) << "the editor did not open"
            << testing::outputOf(program);
        EXPECT_TRUE(editor && waitForSteps(*editor, 1)) << testing::outputOf(program);
        return editor;
    }

    // Presses the gesture step's "Capture Gesture" and waits for its armed text.
    void armCapture(const testing::SpawnedProcess& program, Window editor) {
        const int quiet = accentText(take(display(), editor));
        ASSERT_TRUE(clickButton(editor, false));
        ASSERT_TRUE(watch([&] { return accentText(take(display(), editor)) > quiet + 20; }))
            << "the capture did not arm" << testing::outputOf(program);
    }
};

TEST_F(RuleEditorProgramTest, ARuleMadeInTheEditorRunsOnTheNextStroke) {
    const auto program = session_.spawn({QX_PROGRAM_PATH});
    ASSERT_TRUE(program);
    const auto dashboard = testing::waitForDashboard(display());
    ASSERT_TRUE(dashboard) << "no dashboard" << testing::outputOf(program);
    ASSERT_TRUE(input_->activateWindow(*dashboard));
    ASSERT_TRUE(storedCustomRules().isEmpty());

    const auto editor = openEditor(*program, *dashboard);
    ASSERT_TRUE(editor);
    ASSERT_NO_FATAL_FAILURE(armCapture(*program, *editor));

    // Gesture: draw, see the trace.
    const int before = take(display(), *editor).count(kAccent);
    drawCircle();
    ASSERT_TRUE(watch([&] { return take(display(), *editor).count(kAccent) > before + 300; }))
        << "the stroke did not reach the editor" << testing::outputOf(program);
    ASSERT_TRUE(clickButton(*editor, true));
    ASSERT_TRUE(waitForSteps(*editor, 2)) << testing::outputOf(program);

    // Action: record Control+Shift+K.
    const int idle = accentText(take(display(), *editor));
    ASSERT_TRUE(clickButton(*editor, false));
    ASSERT_TRUE(watch([&] { return accentText(take(display(), *editor)) > idle + 20; }))
        << "the recorder did not start" << testing::outputOf(program);
    ASSERT_TRUE(input_->tapKey(XK_k, {XK_Control_L, XK_Shift_L}));
    // The listening text goes back to the plain colour once the keys are taken; Next moves on only
    // with a shortcut.
    ASSERT_TRUE(watch([&] { return accentText(take(display(), *editor)) <= idle + 5; }))
        << "the recording did not end" << testing::outputOf(program);
    ASSERT_TRUE(clickButton(*editor, true));
    ASSERT_TRUE(waitForSteps(*editor, 3))
        << "no shortcut was recorded" << testing::outputOf(program);

    // Review: save.
    ASSERT_TRUE(clickButton(*editor, true));
    ASSERT_TRUE(waitUntil([&] { return !testing::otherProgramWindow(display(), *dashboard); }))
        << "the editor did not close" << testing::outputOf(program);

    const QJsonArray rules = storedCustomRules();
    ASSERT_EQ(rules.size(), 1) << testing::outputOf(program);
    const QByteArray rule = QJsonDocument(rules.first().toObject()).toJson(QJsonDocument::Compact);
    EXPECT_TRUE(rule.contains("\"template\"")) << rule.toStdString();
    EXPECT_TRUE(rule.contains("\"k\"") && rule.contains("control") && rule.contains("shift"))
        << rule.toStdString();

    // The same circle over the target window sends it Control+Shift+K.
    ASSERT_TRUE(input_->activateWindow(window_->window));
    const auto mark = window_->log.events().size();
    drawCircle();
    EXPECT_TRUE(waitUntil([&] {
        return testing::keyPressCount(window_->log, mark, "k", ControlMask | ShiftMask) > 0;
    })) << "the target window received no Control+Shift+K"
        << testing::outputOf(program);
}

// Where a stroke drawn for the armed editor ends, under one of the window manager's focus models.
struct StrokeEnd {
    const char* name;
    const char* focusModel;
    bool overTheDashboard;  // else inside the editor, where it starts
};

void PrintTo(const StrokeEnd& row, std::ostream* out) {
    *out << row.name;
}

class CaptureStrokeKeyboardTest : public RuleEditorProgramTest,
                                  public ::testing::WithParamInterface<StrokeEnd> {
protected:
    CaptureStrokeKeyboardTest() : RuleEditorProgramTest(GetParam().focusModel) {}
};

// The stroke starts inside the editor. Released over the dashboard, it leaves the pointer there,
// and a window manager whose focus follows the pointer gives the focus to the dashboard beneath
// the open editor (as a click on it does under any focus model); the editor still takes the keys.
TEST_P(CaptureStrokeKeyboardTest, TheEditorKeepsTheKeyboardWhereverTheStrokeEnds) {
    const auto program = session_.spawn({QX_PROGRAM_PATH});
    ASSERT_TRUE(program);
    const auto dashboard = testing::waitForDashboard(display());
    ASSERT_TRUE(dashboard) << "no dashboard" << testing::outputOf(program);
    ASSERT_TRUE(input_->activateWindow(*dashboard));
    const auto editor = openEditor(*program, *dashboard);
    ASSERT_TRUE(editor);
    ASSERT_NO_FATAL_FAILURE(armCapture(*program, *editor));

    // The editor is narrower than the dashboard and centred over it: the dashboard shows beside it.
    const auto sheet = areaOnRoot(*input_, *editor);
    const auto page = areaOnRoot(*input_, *dashboard);
    ASSERT_TRUE(sheet && page);
    const bool leftIsWider = sheet->left - page->left > page->right - sheet->right;
    ASSERT_GT(leftIsWider ? sheet->left - page->left : page->right - sheet->right, 40)
        << "the editor covers the dashboard";
    const Point start{double(sheet->centre().x), double(sheet->centre().y)};
    const double turnX = !GetParam().overTheDashboard ? start.x - 150
                         : leftIsWider                ? (page->left + sheet->left) / 2.0
                                                      : (sheet->right + page->right) / 2.0;
    const int before = take(display(), *editor).count(kAccent);
    input_->rightDrag(testing::translated(
        ScreenPoint{}, testing::polyline({start, {turnX, start.y}, {turnX, start.y + 120}}, 4)));
    ASSERT_TRUE(watch([&] { return take(display(), *editor).count(kAccent) > before + 100; }))
        << "the stroke did not reach the editor" << testing::outputOf(program);

    // Tab moves the focus ring on the settled editor; Escape closes it.
    Picture settled = take(display(), *editor);
    ASSERT_TRUE(watch([&] {
        Picture now = take(display(), *editor);
        const bool steady = now.pixels == settled.pixels;
        settled = std::move(now);
        return steady;
    }));
    ASSERT_TRUE(input_->tapKey(XK_Tab));
    EXPECT_TRUE(watch([&] { return take(display(), *editor).pixels != settled.pixels; }))
        << "Tab did not reach the editor" << testing::outputOf(program);
    ASSERT_TRUE(input_->tapKey(XK_Escape));
    EXPECT_TRUE(waitUntil([&] { return !testing::otherProgramWindow(display(), *dashboard); }))
        << "Escape did not close the editor" << testing::outputOf(program);
}

INSTANTIATE_TEST_SUITE_P(
    StrokeEnds, CaptureStrokeKeyboardTest,
    ::testing::Values(StrokeEnd{"OverTheDashboardWithTheFocusFollowingThePointer", "sloppy", true},
                      StrokeEnd{"InsideTheEditorWithTheFocusFollowingThePointer", "sloppy", false},
                      StrokeEnd{"OverTheDashboardWithTheFocusGivenByClicks", "click", true}),
    [](const ::testing::TestParamInfo<StrokeEnd>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace quillorbitex
