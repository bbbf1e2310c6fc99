#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <vector>

#include "Application/GestureOverlayController.h"
#include "Application/GestureOverlayLayout.h"
#include "Application/QtDisplayClock.h"
#include "Application/QtDisplayRegistry.h"
#include "Application/QtOverlayPanel.h"
#include "Application/ThemePalette.h"
#include "Platform/X11/X11CompositingManagerWatch.h"
#include "Platform/X11/X11EventPoster.h"
#include "Platform/X11/X11EventTap.h"
#include "Services/Capture/GestureCaptureCoordinator.h"
#include "Services/Capture/TrackpadGestureMonitor.h"
#include "Services/Keyboard/KeyboardShortcutDispatcher.h"
#include "support/FakeWorkspace.h"
#include "support/StrokeShapes.h"
#include "support/TestWindowLog.h"
#include "support/X11TestInput.h"
#include "support/X11TestSession.h"

// Last: Xlib's macros must not reach the headers above.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>

namespace quillorbitex {
namespace {

using testing::ScreenPoint;
using testing::waitUntil;

const std::vector<testing::TestMonitor> kMonitors = {{"qx-left", 0, 0, 1152, 800},
                                                     {"qx-right", 1152, 0, 1152, 800}};

// One of this process's windows as the X server sees it.
struct ServerWindow {
    Window id = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool overrideRedirect = false;
    int inputRectangles = -1;
    int boundingRectangles = -1;
    long boundingArea = 0;

    bool contains(ScreenPoint p) const {
        return p.x >= x && p.x < x + width && p.y >= y && p.y < y + height;
    }
};

// The viewable top-level windows of this process, read straight from the server.
std::vector<ServerWindow> shownWindowsOfThisProcess(Display* display) {
    std::vector<ServerWindow> result;
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) == 0) {
        return result;
    }
    for (unsigned i = 0; i < count; ++i) {
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(display, children[i], &attributes) == 0 ||
            attributes.map_state != IsViewable ||
            testing::windowProperty32(display, children[i], "_NET_WM_PID", XA_CARDINAL) !=
                std::vector<unsigned long>{static_cast<unsigned long>(getpid())}) {
            continue;
        }
        ServerWindow window{children[i],      attributes.x,      attributes.y,
                            attributes.width, attributes.height, attributes.override_redirect != 0};
        int ordering = 0;
        if (XRectangle* input = XShapeGetRectangles(display, children[i], ShapeInput,
                                                    &window.inputRectangles, &ordering)) {
            XFree(input);
        }
        if (XRectangle* bounding = XShapeGetRectangles(display, children[i], ShapeBounding,
                                                       &window.boundingRectangles, &ordering)) {
            for (int r = 0; r < window.boundingRectangles; ++r) {
                window.boundingArea += long(bounding[r].width) * bounding[r].height;
            }
            XFree(bounding);
        }
        result.push_back(window);
    }
    XFree(children);
    return result;
}

QColor rootPixel(Display* display, ScreenPoint p) {
    XImage* image =
        XGetImage(display, DefaultRootWindow(display), p.x, p.y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) {
        return QColor();
    }
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return QColor(int((pixel >> 16) & 0xff), int((pixel >> 8) & 0xff), int(pixel & 0xff));
}

// Whether the line's colour shows near `p`: the accent, laid over what was there before at one of
// the line's opacities (fully, where no compositor blends it).
bool accentNear(Display* display, ScreenPoint p, const QColor& accent, const QColor& background) {
    const auto blends = [](int seen, int top, int under, double alpha) {
        return std::abs(seen - int(std::lround(top * alpha + under * (1 - alpha)))) <= 12;
    };
    for (int dy = -3; dy <= 3; ++dy) {
        for (int dx = -3; dx <= 3; ++dx) {
            const QColor seen = rootPixel(display, {p.x + dx, p.y + dy});
            for (const double alpha : {0.82, 0.95, 1.0}) {
                if (blends(seen.red(), accent.red(), background.red(), alpha) &&
                    blends(seen.green(), accent.green(), background.green(), alpha) &&
                    blends(seen.blue(), accent.blue(), background.blue(), alpha)) {
                    return true;
                }
            }
        }
    }
    return false;
}

void pump() {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

bool pumpUntil(const std::function<bool()>& done) {
    return waitUntil([&] {
        pump();
        return done();
    });
}

// One test window on each monitor (the window manager keeps a window on one monitor), so that
// every click and focus change has a witness.
class OverlaysEndToEndTest : public testing::X11SessionTest,
                             public ::testing::WithParamInterface<bool> {
protected:
    OverlaysEndToEndTest()
        : X11SessionTest({.compositor = GetParam(), .monitors = kMonitors},
                         testing::TestWindowOptions{.title = "Overlays left",
                                                    .resourceName = "qx-overlays-window",
                                                    .resourceClass = "QxOverlaysWindow",
                                                    .geometry = "1080x680+20+20"}) {}

    void setUpSession() override {
        session_.applyToCurrentProcess();
        qputenv("QT_QPA_PLATFORM", "xcb");
        application_ = std::make_unique<QApplication>(argc_, argv_);
        ASSERT_EQ(QGuiApplication::screens().size(), 2)
            << "Qt does not see the two monitors of the session";

        rightWindow_ = session_.startTestWindow({.title = "Overlays right",
                                                 .resourceName = "qx-overlays-window",
                                                 .resourceClass = "QxOverlaysWindow",
                                                 .geometry = "1080x680+1180+20"});
        ASSERT_TRUE(rightWindow_);
        ASSERT_TRUE(input_->activateWindow(window_->window));
        ASSERT_TRUE(waitUntil([&] { return input_->focusedWindow() == window_->window; }));

        const QString display = QString::fromStdString(session_.displayName());
        compositing_ = x11::X11CompositingManagerWatch::connect(display);
        ASSERT_TRUE(compositing_);
        ASSERT_EQ(compositing_->isCompositing(), GetParam());

        GestureCaptureCoordinator::Configuration configuration;
        configuration.monitor = std::make_shared<TrackpadGestureMonitor>(
            std::make_shared<x11::X11EventTap>(session_.displayName()),
            x11::X11EventPoster(session_.displayName()).createSource());
        configuration.dispatcher = std::make_shared<KeyboardShortcutDispatcher>(
            x11::X11EventPoster(session_.displayName()).createSource());
        configuration.workspace = std::make_shared<testing::FakeWorkspace>();
        configuration.mappingStore = std::make_shared<GestureMappingStore>();
        coordinator_ = GestureCaptureCoordinator::create(configuration);

        clock_ = std::make_shared<QtDisplayClock>();
        controller_ = std::make_unique<GestureOverlayController>(
            GestureOverlayController::Environment{std::make_shared<QtDisplayRegistry>(), clock_,
                                                  QtOverlayPanel::factory(compositing_)});
        controller_->configure(coordinator_->overlayRuntime(),
                               [this](const QString& text) { reports_.push_back(text); });
        ASSERT_EQ(coordinator_->start(), GestureMonitorState::running());
        pump();
    }

    void TearDown() override {
        if (coordinator_) {
            coordinator_->stop();
        }
    }

    // The test window beneath a point.
    const testing::TestWindowLog& logAt(ScreenPoint p) const {
        const auto right = input_->toRoot(rightWindow_->window, {0, 0});
        return right && p.x >= right->x ? rightWindow_->log : window_->log;
    }
    std::vector<ServerWindow> overlays() const { return shownWindowsOfThisProcess(display()); }

    // A stroke held in the engine, as if the button were down, without holding the button.
    void holdStroke() {
        GestureCaptureEngine& engine = *coordinator_->overlayRuntime()->captureEngine;
        engine.begin({600, 300});
        for (int x = 604; x <= 1400; x += 4) {
            engine.append({double(x), 300 + (x - 600) * 0.1});
        }
        controller_->scheduleRenderCommit();
    }

    QColor accent() const {
        return ThemePalette::color(ThemePalette::Token::accentText, QApplication::palette());
    }

    int argc_ = 1;
    char name_[24] = "qx_e2e_overlay_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> application_;
    std::vector<QString> reports_;  // outlives the controller, which reports to it
    std::optional<testing::TestWindowProcess> rightWindow_;
    std::shared_ptr<x11::X11CompositingManagerWatch> compositing_;
    std::shared_ptr<GestureCaptureCoordinator> coordinator_;
    std::shared_ptr<QtDisplayClock> clock_;
    std::unique_ptr<GestureOverlayController> controller_;
};

TEST_P(OverlaysEndToEndTest, ADragIsTracedOnEachMonitorWithTheHUDOnTheLastAndClicksPassThrough) {
    const ScreenPoint start{300, 400};
    const ScreenPoint end{1700, 470};
    // Points 40 pixels apart, as a quick hand leaves them: the line between them is sampled, and
    // on both sides of the edge between the monitors, which one of those stretches crosses.
    const auto stroke = testing::translated({}, testing::polyline({{300, 400}, {1700, 470}}, 40));
    const auto onLine = [&](int x) { return ScreenPoint{x, 400 + (x - 300) * 70 / 1400}; };
    const std::vector<ScreenPoint> acrossTheEdge{onLine(1149), onLine(1155)};
    std::vector<ScreenPoint> samples;
    for (std::size_t i = 0; i + 1 < stroke.size(); ++i) {
        samples.push_back(
            {(stroke[i].x + stroke[i + 1].x) / 2, (stroke[i].y + stroke[i + 1].y) / 2});
    }
    samples.insert(samples.end(), acrossTheEdge.begin(), acrossTheEdge.end());
    std::vector<QColor> before;
    for (const ScreenPoint p : samples) {
        before.push_back(rootPixel(display(), p));
    }
    const QColor underEnd = rootPixel(display(), end);
    const auto focusMark = window_->log.events().size();

    input_->movePointer(start);
    input_->pressButton(3);
    for (const ScreenPoint p : stroke) {
        input_->movePointer(p);
        pump();
    }
    ASSERT_TRUE(pumpUntil([&] { return overlays().size() == 3; }))
        << "expected two trace panels and the HUD, found " << overlays().size() << " windows";
    // Let the last frame reach the screen.
    pumpUntil(
        [&] { return !clock_->isRunning() || accentNear(display(), end, accent(), underEnd); });

    const auto shown = overlays();
    const ServerWindow* left = nullptr;
    const ServerWindow* right = nullptr;
    const ServerWindow* hud = nullptr;
    for (const auto& w : shown) {
        EXPECT_TRUE(w.overrideRedirect) << "window 0x" << std::hex << w.id << " is managed";
        EXPECT_EQ(w.inputRectangles, 0) << "window 0x" << std::hex << w.id << " takes clicks";
        if (w.width == 360) {
            hud = &w;
        } else if (w.contains(start)) {
            left = &w;
        } else if (w.contains(end)) {
            right = &w;
        }
    }
    ASSERT_TRUE(left && right && hud);
    // Listed from the bottom up: the right panel came up while the HUD was shown, beneath it.
    EXPECT_EQ(hud, &shown.back()) << "a trace panel lies above the HUD";
    // Each trace panel covers its monitor's share of the stroke and stops at the monitor's edge.
    EXPECT_EQ(left->x + left->width, 1152);
    EXPECT_EQ(right->x, 1152);
    EXPECT_LT(left->width, 1152);
    EXPECT_LE(right->x + right->width, 2304);
    for (const ServerWindow* w : {left, right}) {
        EXPECT_LE(w->y, 400 - 28);
        EXPECT_GE(w->y + w->height, 470 + 28);
    }
    // The HUD on the monitor of the end point.
    EXPECT_GE(hud->x, 1152);
    for (const ServerWindow* w : {left, right, hud}) {
        if (GetParam()) {
            EXPECT_EQ(w->boundingArea, long(w->width) * w->height) << "translucent panel cut";
        } else {
            EXPECT_GT(w->boundingArea, 0);
            EXPECT_LT(w->boundingArea, long(w->width) * w->height) << "a dark rectangle shows";
        }
    }

    int traced = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const bool lineShows = accentNear(display(), samples[i], accent(), before[i]);
        traced += lineShows ? 1 : 0;
        if (i + acrossTheEdge.size() >= samples.size()) {
            EXPECT_TRUE(lineShows) << "the line breaks at the monitors' edge, at " << samples[i].x
                                   << ", " << samples[i].y;
        }
    }
    EXPECT_GE(traced * 10, int(samples.size()) * 9)
        << traced << " of " << samples.size() << " points show the line";
    ASSERT_FALSE(reports_.empty());
    EXPECT_TRUE(reports_.back().contains(QStringLiteral("trace displays: qx-left, qx-right")))
        << reports_.back().toStdString();
    EXPECT_TRUE(reports_.back().contains(QStringLiteral("hud display: qx-right")));

    input_->releaseButton(3);
    ASSERT_TRUE(pumpUntil([&] { return overlays().empty(); })) << "panels stay on screen";
    ASSERT_TRUE(pumpUntil([&] { return !clock_->isRunning(); })) << "the display clock runs on";
    EXPECT_EQ(reports_.back(), QStringLiteral("overlay: hidden"));
    EXPECT_TRUE(window_->log.eventsSince(focusMark, "FocusOut").empty())
        << "the test window lost the focus during the stroke";
    EXPECT_EQ(input_->focusedWindow(), window_->window);

    // Clicks reach the windows beneath while the panels show: a stroke held in the engine, as if
    // the button were down, without holding the button.
    const auto rightFocusMark = rightWindow_->log.events().size();
    const QColor under = rootPixel(display(), {800, 320});
    holdStroke();
    ASSERT_TRUE(pumpUntil([&] { return overlays().size() == 3; }));
    // Shown again after their memory was given back, the panels are drawn in full.
    EXPECT_TRUE(pumpUntil([&] { return accentNear(display(), {800, 320}, accent(), under); }));
    pump();
    EXPECT_TRUE(window_->log.eventsSince(focusMark, "FocusOut").empty());
    EXPECT_TRUE(rightWindow_->log.eventsSince(rightFocusMark, "FocusOut").empty());
    for (const auto& w : overlays()) {
        const ScreenPoint where{w.x + w.width / 2, w.y + w.height / 2};
        const auto& log = logAt(where);
        const auto mark = log.events().size();
        input_->click(1, where);
        ASSERT_TRUE(testing::waitForEvent(log, mark, "ButtonRelease"))
            << "a click at " << where.x << ", " << where.y << " never reached the window beneath";
        const auto presses = log.eventsSince(mark, "ButtonPress");
        ASSERT_EQ(presses.size(), 1u);
        EXPECT_EQ(presses[0].number("button"), 1);
        EXPECT_EQ(presses[0].number("root_x"), where.x);
        EXPECT_EQ(presses[0].number("root_y"), where.y);
    }
    pump();
    EXPECT_EQ(overlays().size(), 3u);
    coordinator_->overlayRuntime()->captureEngine->cancel();
    controller_->scheduleRenderCommit();
    ASSERT_TRUE(pumpUntil([&] { return overlays().empty(); }));
}

// On a session without a compositor of its own: the test starts and stops one.
class OverlaysCompositorChangeTest : public OverlaysEndToEndTest {};

TEST_P(OverlaysCompositorChangeTest, ShownPanelsFollowACompositorThatStartsAndStopsMidStroke) {
    // A stroke held still: from here on the panels get no new content.
    holdStroke();
    // Whether all three panels are shown, each cut to its content or none.
    const auto shownCut = [&](bool cut) {
        return pumpUntil([&] {
            const auto shown = overlays();
            return shown.size() == 3 &&
                   std::all_of(shown.begin(), shown.end(), [&](const ServerWindow& w) {
                       return (w.boundingArea < long(w.width) * w.height) == cut;
                   });
        });
    };
    ASSERT_TRUE(shownCut(true));
    const auto compositor = session_.spawn({"xcompmgr"});
    ASSERT_TRUE(compositor);
    ASSERT_TRUE(pumpUntil([&] { return compositing_->isCompositing(); }));
    EXPECT_TRUE(shownCut(false)) << "panels stay cut under a compositor";
    session_.terminate(compositor->pid);
    ASSERT_TRUE(pumpUntil([&] { return !compositing_->isCompositing(); }));
    EXPECT_TRUE(shownCut(true)) << "panels show as dark rectangles";
    coordinator_->overlayRuntime()->captureEngine->cancel();
    controller_->scheduleRenderCommit();
    ASSERT_TRUE(pumpUntil([&] { return overlays().empty(); }));
}

INSTANTIATE_TEST_SUITE_P(OwnCompositor, OverlaysCompositorChangeTest, ::testing::Values(false));
INSTANTIATE_TEST_SUITE_P(Compositor, OverlaysEndToEndTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& param) {
                             return param.param ? std::string("WithCompositor")
                                                : std::string("WithoutCompositor");
                         });

}  // namespace
}  // namespace quillorbitex
