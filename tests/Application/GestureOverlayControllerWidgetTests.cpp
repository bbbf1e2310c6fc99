#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QStringList>
#include <algorithm>

#include "Application/GestureOverlayController.h"
#include "Application/GestureOverlayLayout.h"
#include "Application/RasterGestureTraceRenderer.h"
#include "Application/ThemePalette.h"
#include "support/FakeDisplayRegistry.h"
#include "support/FakeOverlayPanel.h"
#include "support/GeometryPrinters.h"
#include "support/ManualDisplayClock.h"
#include "support/ManualExecutor.h"
#include "support/ScopedLanguageOverride.h"
#include "support/StrokeShapes.h"

namespace quillorbitex {
namespace {

using testing::FakeOverlayPanelState;

Rect rect(double x, double y, double w, double h) {
    return Rect{{x, y}, {w, h}};
}

const DisplayGeometry kLeft(QStringLiteral("left"), rect(0, 0, 1152, 800), std::nullopt, 1);
const DisplayGeometry kRight(QStringLiteral("right"), rect(1152, 0, 1152, 800), std::nullopt, 1);

LiveHUDState matchedState() {
    LiveHUDState state;
    state.matchedAction = GestureAction::predefined(PredefinedAction::refresh);
    state.matchedRuleName = QStringLiteral("Reload");
    return state;
}

LiveHUDState unmatchedState() {
    LiveHUDState state;
    state.directions = {GestureDirection::up};
    return state;
}

// Moves the active stroke through the points the way the tap writes them.
void extend(GestureCaptureEngine& engine, const std::vector<Point>& points) {
    for (const Point p : points) {
        engine.append(p);
    }
}

class TraceOverlayTest : public ::testing::Test {
protected:
    void SetUp() override {
        trace_.configure(runtime_);
        trace_.updateDisplays({kLeft, kRight});
    }

    const GestureTraceOverlayController::PanelRecord& recordOf(const DisplayGeometry& d) {
        const auto* record = trace_.record(d.id);
        EXPECT_NE(record, nullptr) << d.id.toStdString();
        return *record;
    }
    std::shared_ptr<FakeOverlayPanelState> panelOf(const DisplayGeometry& d) {
        const auto* record = trace_.record(d.id);
        for (std::size_t i = 0; i < maker_.contents.size(); ++i) {
            if (record != nullptr && maker_.contents[i] == record->view.get()) {
                return maker_.panels[i];
            }
        }
        return nullptr;
    }

    std::shared_ptr<GestureCaptureEngine> engine_ = std::make_shared<GestureCaptureEngine>();
    std::shared_ptr<GestureOverlayRuntime> runtime_ =
        std::make_shared<GestureOverlayRuntime>(engine_);
    testing::FakeOverlayPanelMaker<OverlayPanelContent> maker_;
    GestureTraceOverlayController trace_{maker_.factory()};
};

TEST_F(TraceOverlayTest, AStrokeAcrossTwoDisplaysIsDrawnOnEachAroundItsShare) {
    // From the right display to the left one: the displays are still listed in display order.
    engine_->begin({1500, 400});
    extend(*engine_, testing::polyline({{1500, 400}, {1200, 420}}, 5));
    const auto first = trace_.renderFrame();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->traceDisplayIDs, std::vector<QString>{kRight.id});
    extend(*engine_, testing::polyline({{1200, 420}, {700, 450}}, 5));
    const auto state = trace_.renderFrame();
    ASSERT_TRUE(state);
    EXPECT_EQ(state->traceDisplayIDs, (std::vector<QString>{kLeft.id, kRight.id}));
    EXPECT_EQ(state->hudDisplayID, kLeft.id);

    // Each display holds its own points, with a few of the other display's where the stroke
    // crosses over, and its panel stays on it, around them; where the panels meet and how far they
    // reach is seen on a real server by the end-to-end tests.
    for (const DisplayGeometry* d : {&kLeft, &kRight}) {
        const auto& record = recordOf(*d);
        const auto panel = panelOf(*d);
        ASSERT_TRUE(panel && panel->visible);
        ASSERT_FALSE(record.points.empty());
        std::size_t others = 0;
        for (const Point p : record.points) {
            if (GestureOverlayLayout::display(p, {kLeft, kRight})->id != d->id) {
                ++others;
                continue;
            }
            EXPECT_TRUE(panel->frame.insetBy(28, 28).contains(p) ||
                        !d->frameInPixels.insetBy(28, 28).contains(p))
                << "point too close to its panel's edge";
        }
        EXPECT_LE(others, GestureTraceOverlayController::kPointsBeforeShare +
                              GestureTraceOverlayController::kPointsAfterShare);
        EXPECT_GE(panel->frame.minX(), d->frameInPoints.minX());
        EXPECT_LE(panel->frame.maxX(), d->frameInPoints.maxX());
        EXPECT_EQ(record.view->globalPoints(), record.points);
    }
}

const DisplayGeometry& displayOf(Point p) {
    const std::vector<DisplayGeometry> displays{kLeft, kRight};
    return GestureOverlayLayout::display(p, displays)->id == kLeft.id ? kLeft : kRight;
}

// How strongly a panel covers the root pixel `p` (or one next to it): 0 where nothing is drawn.
int alphaAround(const GestureTraceViewportView& view, Point p) {
    const Size size = view.bounds();
    QImage image(int(size.width), int(size.height), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        const_cast<GestureTraceViewportView&>(view).paint(painter, image.rect(),
                                                          ThemePalette::qtPalette(true), false);
    }
    const Point local = view.convertToLocal(p);
    int alpha = 0;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint at(int(local.x) + dx, int(local.y) + dy);
            if (image.rect().contains(at)) {
                alpha = std::max(alpha, qAlpha(image.pixel(at)));
            }
        }
    }
    return alpha;
}

TEST_F(TraceOverlayTest, AStrokeRunsOnWithoutAGapFromOneDisplayToTheNext) {
    // Points 40 pixels apart, as a quick hand leaves them; the edge between the displays is at
    // x = 1152. `drawn` lie on the line on both sides of that edge, `blank` off it.
    const struct {
        const char* name;
        std::vector<Point> corners;
        std::vector<Point> drawn;
        std::vector<Point> blank;
    } cases[] = {
        {"left to right", {{900, 400}, {1400, 400}}, {{1150, 400}, {1154, 400}}, {}},
        {"right to left, slanting", {{1400, 300}, {900, 550}}, {{1149, 426.5}, {1155, 423.5}}, {}},
        // Over and back: the left display shows nothing between where the stroke left it and
        // where it came back.
        {"there and back",
         {{1000, 300}, {1400, 300}, {1400, 500}, {1000, 500}},
         {{1150, 300}, {1154, 300}, {1150, 500}, {1154, 500}},
         {{1120, 400}, {1146, 400}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto points = testing::polyline(c.corners, 40);
        engine_->begin(points.front());
        for (std::size_t i = 1; i < points.size(); ++i) {
            engine_->append(points[i]);
            if (i % 2 == 0 || i + 1 == points.size()) {
                ASSERT_TRUE(trace_.renderFrame());
            }
        }
        for (const Point p : c.drawn) {
            const DisplayGeometry& d = displayOf(p);
            EXPECT_GT(alphaAround(*recordOf(d).view, p), 128)
                << d.id.toStdString() << " shows no line at " << p.x << ", " << p.y;
        }
        for (const Point p : c.blank) {
            EXPECT_EQ(alphaAround(*recordOf(kLeft).view, p), 0) << p.x << ", " << p.y;
        }

        // One dot where the stroke began and one where it is now, each on its own display.
        for (const DisplayGeometry* d : {&kLeft, &kRight}) {
            const auto* renderer =
                dynamic_cast<RasterGestureTraceRenderer*>(recordOf(*d).view->renderer());
            ASSERT_NE(renderer, nullptr);
            EXPECT_EQ(renderer->startPoint().has_value(), &displayOf(points.front()) == d)
                << d->id.toStdString();
            EXPECT_EQ(renderer->endPoint().has_value(), &displayOf(points.back()) == d)
                << d->id.toStdString();
        }
        engine_->end(points.back());
        ASSERT_FALSE(trace_.renderFrame());
    }
}

TEST_F(TraceOverlayTest, AGrowingStrokeKeepsItsPanelOnMostFrames) {
    const struct {
        double step;
        int frames;
    } cases[] = {{2, 200}, {6, 150}, {16, 60}};
    for (const auto& c : cases) {
        engine_->begin({100, 100});
        int frames = 0;
        for (int i = 1; i <= c.frames; ++i) {
            extend(*engine_, {{100 + i * c.step * 0.8, 100 + i * c.step * 0.6}});
            ASSERT_TRUE(trace_.renderFrame());
            ++frames;
        }
        const auto panel = panelOf(kLeft);
        ASSERT_TRUE(panel);
        const auto& record = recordOf(kLeft);
        // A new layout only each time the stroke comes within the margin of its panel's edge.
        EXPECT_LE(panel->setFrameCount * 4, frames) << "step " << c.step;
        EXPECT_TRUE(panel->frame.insetBy(27, 27).contains(record.points.back()));
        auto* renderer = dynamic_cast<RasterGestureTraceRenderer*>(record.view->renderer());
        ASSERT_NE(renderer, nullptr);
        EXPECT_EQ(renderer->renderedPoints().size(), record.points.size());
        engine_->end({0, 0});
        EXPECT_FALSE(trace_.renderFrame());
        EXPECT_EQ(renderer->retainedBytes(), 0u) << "a finished stroke keeps its drawing's memory";
        panel->setFrameCount = 0;
    }
}

TEST_F(TraceOverlayTest, TheFirstFrameOfANewStrokeHidesThePreviousOne) {
    engine_->begin({1500, 300});
    extend(*engine_, testing::polyline({{1500, 300}, {1560, 300}}, 4));
    ASSERT_TRUE(trace_.renderFrame());
    extend(*engine_, testing::polyline({{1560, 300}, {1600, 300}}, 4));
    ASSERT_TRUE(trace_.renderFrame());
    ASSERT_TRUE(panelOf(kRight)->visible);
    EXPECT_EQ(recordOf(kRight).points.size(), 26u) << "points were fetched twice or not at all";
    // Released and pressed again between two frames; the new stroke already has more points
    // than the old one had, so the old stroke's place in the engine lies inside the new one.
    engine_->end({1600, 300});
    engine_->begin({300, 300});
    extend(*engine_, testing::polyline({{300, 300}, {500, 300}}, 4));
    const auto state = trace_.renderFrame();
    ASSERT_TRUE(state);
    EXPECT_EQ(state->traceDisplayIDs, std::vector<QString>{kLeft.id});
    EXPECT_FALSE(panelOf(kRight)->visible);
    EXPECT_TRUE(recordOf(kRight).view->globalPoints().empty());
    EXPECT_EQ(recordOf(kLeft).points.front(), (Point{300, 300}));
    EXPECT_EQ(recordOf(kLeft).points.size(), 51u);
}

TEST_F(TraceOverlayTest, ADisplayThatMovesMidStrokeGetsItsPanelLaidOutAgain) {
    engine_->begin({300, 300});
    extend(*engine_, testing::polyline({{300, 300}, {360, 320}}, 4));
    ASSERT_TRUE(trace_.renderFrame());
    const Rect before = panelOf(kLeft)->frame;

    // The same display, now placed 100 points further right on the desktop.
    DisplayGeometry moved = kLeft;
    moved.frameInPoints.origin.x += 100;
    trace_.updateDisplays({moved, kRight});
    ASSERT_TRUE(trace_.renderFrame());
    EXPECT_EQ(panelOf(kLeft)->frame, (Rect{{before.minX() + 100, before.minY()}, before.size}));
}

TEST_F(TraceOverlayTest, NothingIsShownWithoutAStrokeDisplaysOrEngine) {
    engine_->begin({300, 300});
    extend(*engine_, {{320, 300}});
    ASSERT_TRUE(trace_.renderFrame());
    trace_.updateDisplays({});
    EXPECT_FALSE(trace_.renderFrame());
    EXPECT_FALSE(panelOf(kLeft) && panelOf(kLeft)->visible);

    GestureTraceOverlayController unconfigured(maker_.factory());
    unconfigured.updateDisplays({kLeft});
    EXPECT_FALSE(unconfigured.renderFrame());

    trace_.updateDisplays({kLeft, kRight});
    ASSERT_TRUE(trace_.renderFrame());
    engine_->end({330, 300});
    EXPECT_FALSE(trace_.renderFrame());
    EXPECT_FALSE(panelOf(kLeft)->visible);
}

class HUDOverlayTest : public ::testing::Test {
protected:
    void SetUp() override { hud_.updateDisplays({kLeft, kRight}); }

    GestureCaptureEngine::StrokeHeader headerEndingAt(Point end) {
        GestureCaptureEngine::StrokeHeader header;
        header.strokeID = 1;
        header.endPoint = end;
        return header;
    }

    testing::FakeOverlayPanelMaker<OverlayPanelContent> maker_;
    GestureHUDOverlayController hud_{maker_.factory()};
    QPalette light_ = ThemePalette::qtPalette(false);
};

TEST_F(HUDOverlayTest, TheCardFollowsTheEndPointsDisplay) {
    hud_.renderFrame(std::nullopt, std::nullopt);
    EXPECT_EQ(hud_.panel(), nullptr) << "a panel was made before anything was shown";

    const struct {
        Point end;
        std::optional<QString> chosen;
        Rect expected;
    } cases[] = {
        {{1500, 300}, kRight.id, rect(1548, 531, 360, 81)},
        {{300, 300}, kLeft.id, rect(396, 531, 360, 81)},
        // A display that is gone: the one under the end point.
        {{1500, 300}, QStringLiteral("gone"), rect(1548, 531, 360, 81)},
        {{300, 300}, std::nullopt, rect(396, 531, 360, 81)},
    };
    for (const auto& c : cases) {
        hud_.renderFrame(headerEndingAt(c.end), c.chosen);
        ASSERT_EQ(maker_.panels.size(), 1u);
        EXPECT_TRUE(maker_.panels[0]->visible);
        EXPECT_EQ(maker_.panels[0]->frame, c.expected);
    }
    hud_.renderFrame(std::nullopt, kLeft.id);
    EXPECT_FALSE(maker_.panels[0]->visible);

    hud_.updateDisplays({});
    hud_.renderFrame(headerEndingAt({300, 300}), kLeft.id);
    EXPECT_FALSE(maker_.panels[0]->visible);
}

TEST_F(HUDOverlayTest, TextsAndColoursFollowTheState) {
    const auto accent = ThemePalette::color(ThemePalette::Token::accentText, light_);
    const auto primary = ThemePalette::color(ThemePalette::Token::textPrimary, light_);
    const auto secondary = ThemePalette::color(ThemePalette::Token::textSecondary, light_);
    testing::ScopedLanguageOverride english(AppLanguageOverride::english);
    const struct {
        std::optional<LiveHUDState> state;
        QString title;
        QString detail;
        QColor titleColour;
        QColor detailColour;
    } cases[] = {
        {std::nullopt, QStringLiteral("Tracing gesture"), QStringLiteral("Analyzing..."), primary,
         secondary},
        {unmatchedState(), QStringLiteral("No gesture match"), QStringLiteral("No action"), primary,
         secondary},
        {matchedState(), matchedState().overlayTitleLabel(), QStringLiteral("Reload"), accent,
         accent},
    };
    for (const auto& c : cases) {
        hud_.setLiveHUDState(c.state);
        hud_.renderFrame(headerEndingAt({300, 300}), kLeft.id);
        const GestureHUDView& view = *hud_.view();
        EXPECT_EQ(view.title(), c.title);
        EXPECT_EQ(view.detail(), c.detail);
        EXPECT_EQ(view.titleColor(light_), c.titleColour);
        EXPECT_EQ(view.detailColor(light_), c.detailColour);
    }
}

// The whole controller on virtual time: nothing runs on the "main thread" until the test says so.
class OverlayControllerTest : public ::testing::Test {
protected:
    GestureOverlayController::Environment environment() {
        return {registry_, clock_, maker_.factory(), &main_};
    }
    void configure(GestureOverlayController& controller) {
        controller.configure(runtime_, [this](const QString& text) { reports_.push_back(text); });
    }
    void start() {
        configure(controller_);
        main_.runUntilIdle();
    }
    // A new HUD state, and the main thread's work on it.
    void publish(std::optional<LiveHUDState> state) {
        runtime_->liveHUDState.send(state);
        main_.runUntilIdle();
    }
    void frame() {
        clock_->tick();
        main_.runUntilIdle();
    }
    QStringList linesOf(const QString& report) { return report.split(QLatin1Char('\n')); }

    testing::ManualExecutor main_;
    std::shared_ptr<testing::FakeDisplayRegistry> registry_ =
        std::make_shared<testing::FakeDisplayRegistry>(std::vector{kLeft, kRight});
    std::shared_ptr<testing::ManualDisplayClock> clock_ =
        std::make_shared<testing::ManualDisplayClock>();
    std::shared_ptr<GestureCaptureEngine> engine_ = std::make_shared<GestureCaptureEngine>();
    std::shared_ptr<GestureOverlayRuntime> runtime_ =
        std::make_shared<GestureOverlayRuntime>(engine_);
    testing::FakeOverlayPanelMaker<OverlayPanelContent> maker_;
    std::vector<QString> reports_;
    testing::ScopedLanguageOverride english_{AppLanguageOverride::english};
    GestureOverlayController controller_{environment()};
};

TEST_F(OverlayControllerTest, WakeUpsThatArriveTogetherShareOneRender) {
    start();
    engine_->begin({300, 300});
    publish(unmatchedState());
    ASSERT_TRUE(clock_->isRunning());

    const auto before = controller_.renderedFrameCount();
    extend(*engine_, {{310, 300}, {320, 300}});
    clock_->tick();
    clock_->tick();
    runtime_->liveHUDState.send(matchedState());
    registry_->change();
    frame();
    EXPECT_EQ(controller_.renderedFrameCount(), before + 1);
    EXPECT_EQ(controller_.hudController().currentState(), matchedState());
}

TEST_F(OverlayControllerTest, TheClockRunsOnlyWhileAStrokeIsShown) {
    start();
    EXPECT_FALSE(clock_->isRunning()) << "an idle program is woken by the display clock";
    EXPECT_EQ(clock_->startCount, 0);

    engine_->begin({300, 300});
    publish(std::nullopt);
    EXPECT_TRUE(clock_->isRunning());
    for (int i = 0; i < 5; ++i) {
        extend(*engine_, {{310.0 + i * 10, 300}});
        ASSERT_TRUE(clock_->tick());
        main_.runUntilIdle();
    }
    EXPECT_TRUE(clock_->isRunning());
    EXPECT_EQ(engine_->activeHeader()->endPoint, (Point{350, 300}));
    EXPECT_EQ(controller_.traceController().record(kLeft.id)->points.back(), (Point{350, 300}));

    engine_->end({360, 300});
    ASSERT_TRUE(clock_->tick());
    main_.runUntilIdle();
    EXPECT_FALSE(clock_->isRunning());
    EXPECT_FALSE(clock_->tick());
    EXPECT_EQ(main_.pendingCount(), 0u);
}

TEST_F(OverlayControllerTest, ReportsOncePerChangeAndOneHiddenEntryPerStrokeEnd) {
    start();
    EXPECT_TRUE(reports_.empty());

    for (int round = 0; round < 2; ++round) {
        reports_.clear();
        engine_->begin({300, 300});
        publish(unmatchedState());
        // A long stroke on one display with the same texts: one report.
        for (int i = 1; i <= 30; ++i) {
            extend(*engine_, {{300.0 + i * 5, 300}});
            frame();
        }
        ASSERT_EQ(reports_.size(), 1u) << "round " << round;
        EXPECT_EQ(linesOf(reports_[0]).front(), QStringLiteral("overlay: active"));

        publish(matchedState());
        ASSERT_EQ(reports_.size(), 2u);
        EXPECT_TRUE(linesOf(reports_[1]).contains(QStringLiteral("status: Reload")));

        extend(*engine_, testing::polyline({{450, 300}, {1300, 300}}, 10));
        frame();
        ASSERT_EQ(reports_.size(), 3u);
        EXPECT_TRUE(linesOf(reports_[2]).contains(QStringLiteral("trace displays: left, right")));
        EXPECT_TRUE(linesOf(reports_[2]).contains(QStringLiteral("hud display: right")));

        engine_->end({1300, 300});
        publish(std::nullopt);
        frame();
        publish(std::nullopt);
        ASSERT_EQ(reports_.size(), 4u);
        EXPECT_EQ(reports_[3], QStringLiteral("overlay: hidden"));
    }
}

TEST_F(OverlayControllerTest, AReportSpellsOutTheStroke) {
    start();
    engine_->begin({100.25, 200});
    extend(*engine_, {{110, 200}});
    publish(std::nullopt);
    ASSERT_EQ(reports_.size(), 1u);
    // The displays and the texts are read by the tests above; here the stroke's own lines.
    const QStringList first = linesOf(reports_[0]);
    ASSERT_EQ(first.size(), 9);
    EXPECT_EQ(first[1], QStringLiteral("stroke id: 1"));
    EXPECT_EQ(first[7], QStringLiteral("bounds: (x: 100.2, y: 200.0, w: 9.8, h: 0.0)"));
    EXPECT_EQ(first[8], QStringLiteral("end: (110.0, 200.0)"));

    // "true" and "false" are never translated; numbers keep their full stop.
    testing::ScopedLanguageOverride german(AppLanguageOverride::german);
    extend(*engine_, testing::polyline({{110, 200}, {1400, 200}}, 8));
    frame();
    ASSERT_EQ(reports_.size(), 2u);
    const QStringList lines = linesOf(reports_[1]);
    EXPECT_TRUE(lines[4].endsWith(QStringLiteral(": true"))) << lines[4].toStdString();
    EXPECT_TRUE(lines[8].endsWith(QStringLiteral("(1400.0, 200.0)"))) << lines[8].toStdString();
}

TEST_F(OverlayControllerTest, ASecondConfigurationChangesNothing) {
    start();
    auto otherRuntime =
        std::make_shared<GestureOverlayRuntime>(std::make_shared<GestureCaptureEngine>());
    std::vector<QString> otherReports;
    controller_.configure(otherRuntime, [&](const QString& text) { otherReports.push_back(text); });
    main_.runUntilIdle();
    EXPECT_EQ(registry_->handlerInstallCount, 1);
    EXPECT_EQ(clock_->handlerInstallCount, 1);

    otherRuntime->liveHUDState.send(matchedState());
    otherRuntime->captureEngine->begin({300, 300});
    main_.runUntilIdle();
    EXPECT_FALSE(controller_.hudController().currentState().has_value());

    engine_->begin({300, 300});
    publish(unmatchedState());
    EXPECT_EQ(controller_.hudController().currentState(), unmatchedState());
    EXPECT_EQ(reports_.size(), 1u);
    EXPECT_TRUE(otherReports.empty());
}

TEST_F(OverlayControllerTest, ScreenChangesAndHUDStatesRenderEvenWithoutAClock) {
    GestureOverlayController controller({registry_, nullptr, maker_.factory(), &main_});
    configure(controller);
    main_.runUntilIdle();
    engine_->begin({1500, 300});
    extend(*engine_, {{1520, 300}});
    publish(unmatchedState());
    ASSERT_TRUE(controller.lastDebugSignature());
    EXPECT_EQ(controller.lastDebugSignature()->hudDisplayID, kRight.id);

    // The right display goes away with its panel and what was drawn on it; the stroke goes on on
    // the left, the display nearest to it.
    registry_->setDisplays({kLeft});
    registry_->change();
    main_.runUntilIdle();
    EXPECT_EQ(std::count_if(maker_.panels.begin(), maker_.panels.end(),
                            [](const auto& panel) { return panel->destroyed && !panel->visible; }),
              1);
    EXPECT_EQ(controller.traceController().record(kRight.id), nullptr);
    EXPECT_TRUE(controller.lastDebugSignature()->traceDisplayIDs.empty());
    EXPECT_EQ(controller.lastDebugSignature()->hudDisplayID, kLeft.id);
    extend(*engine_, {{1540, 310}});
    publish(unmatchedState());
    EXPECT_EQ(controller.lastDebugSignature()->traceDisplayIDs, std::vector<QString>{kLeft.id});
    EXPECT_EQ(controller.traceController().record(kLeft.id)->points.back(), (Point{1540, 310}));
}

TEST_F(OverlayControllerTest, NothingHappensBeforeConfigurationOrAfterTheControllerIsGone) {
    {
        GestureOverlayController controller(environment());
        engine_->begin({300, 300});
        runtime_->liveHUDState.send(unmatchedState());
        registry_->change();
        EXPECT_EQ(main_.runUntilIdle(), 0u);
        configure(controller);
        controller.scheduleRenderCommit();
    }
    // The queued render and the clock's handler outlive the controller harmlessly.
    EXPECT_GE(main_.runUntilIdle(), 1u);
    EXPECT_FALSE(clock_->tick());
    EXPECT_TRUE(reports_.empty());
}

}  // namespace
}  // namespace quillorbitex
