// What a frame of the overlays costs on the main thread with a 2,000-point stroke, and how often
// the overlays wake an idle program. Runs offscreen: build/default/bench/bench_OverlayBenchmarks
//
// A frame is what the program does per display refresh: the trace controller copies the new
// points from the engine and lays them out, the view draws them, and the panel repaints the part
// that changed (here into an image, as the window's backing store would be painted).

#include <benchmark/benchmark.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <cmath>
#include <memory>
#include <optional>
#include <vector>

#include "Application/GestureOverlayController.h"
#include "Application/GestureTraceOverlayController.h"
#include "Application/QtDisplayClock.h"
#include "Application/QtDisplayRegistry.h"
#include "Application/ThemePalette.h"
#include "Services/Capture/GestureCaptureEngine.h"

namespace quillorbitex {
namespace {

void ensureApplication() {
    static std::unique_ptr<QApplication> application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "bench_OverlayBenchmarks";
        static char* argv[] = {name, nullptr};
        return std::make_unique<QApplication>(argc, argv);
    }();
}

// Paints what changed into an image of the panel's size, as a window's backing store would.
class ImagePanel final : public OverlayPanel {
public:
    ImagePanel(OverlayPanelContent& content, const Rect& frame)
        : content_(content), frame_(frame) {}

    Rect frame() const override { return frame_; }
    void setFrame(const Rect& frame) override {
        frame_ = frame;
        dirty_ = QRect(0, 0, int(frame.width()), int(frame.height()));
    }
    bool isVisible() const override { return visible_; }
    void orderFront() override { visible_ = true; }
    void bringToFront() override {}
    void orderOut() override { visible_ = false; }
    void setNeedsDisplay(const Rect& area) override {
        dirty_ = dirty_.united(
            QRectF(area.minX(), area.minY(), area.width(), area.height()).toAlignedRect());
    }

    void paint() {
        if (dirty_.isEmpty() || !visible_) {
            return;
        }
        // A backing store as large as the display, as a window system keeps one across resizes.
        if (backing_.isNull()) {
            backing_ = QImage(1920, 1080, QImage::Format_ARGB32_Premultiplied);
        }
        QPainter painter(&backing_);
        painter.setClipRect(dirty_);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(dirty_, Qt::transparent);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        content_.paint(painter, dirty_, palette_, false);
        dirty_ = QRect();
    }

private:
    OverlayPanelContent& content_;
    Rect frame_;
    bool visible_ = false;
    QRect dirty_;
    QImage backing_;
    QPalette palette_ = ThemePalette::qtPalette(true);
};

const DisplayGeometry kDisplay(QStringLiteral("bench"), Rect{{0, 0}, {1920, 1080}}, std::nullopt,
                               1);
// Two displays side by side, the spiral's centre on the edge between them.
const DisplayGeometry kLeftDisplay(QStringLiteral("left"), Rect{{-960, 0}, {960, 1080}},
                                   std::nullopt, 1);
const DisplayGeometry kRightDisplay(QStringLiteral("right"), Rect{{960, 0}, {960, 1080}},
                                    std::nullopt, 1);

// Two turns of a widening spiral around the display's centre: 2,000 render points.
Point spiralPoint(int i) {
    const double t = i * 0.0063;
    const double r = 150 + 40 * t;
    return Point{960 + r * std::cos(t), 540 + r * 0.8 * std::sin(t)};
}

struct Fixture {
    explicit Fixture(std::vector<DisplayGeometry> displays = {kDisplay}) {
        ensureApplication();
        trace.configure(runtime);
        trace.updateDisplays(std::move(displays));
    }

    void paint() {
        for (auto* panel : panels) {
            panel->paint();
        }
    }

    // A stroke of `count` render points, laid out and drawn.
    void startStroke(int count) {
        engine->begin(spiralPoint(0));
        for (int i = 1; i < count; ++i) {
            engine->append(spiralPoint(i));
        }
        next = count;
        trace.renderFrame();
        paint();
    }

    std::shared_ptr<GestureCaptureEngine> engine = std::make_shared<GestureCaptureEngine>();
    std::shared_ptr<GestureOverlayRuntime> runtime =
        std::make_shared<GestureOverlayRuntime>(engine);
    std::vector<ImagePanel*> panels;
    GestureTraceOverlayController trace{[this](OverlayPanelContent& content, const Rect& frame) {
        auto panel = std::make_unique<ImagePanel>(content, frame);
        panels.push_back(panel.get());
        return panel;
    }};
    int next = 0;
};

// A frame that adds two points well inside the panel: the common case. With two displays the
// spiral crosses the edge between them twice a turn, and each frame draws on both panels.
void BM_FrameOnTheAppendPath(benchmark::State& state) {
    Fixture fixture(state.range(0) == 2 ? std::vector{kLeftDisplay, kRightDisplay}
                                        : std::vector{kDisplay});
    fixture.startStroke(2000);
    int sinceStart = 0;
    for (auto _ : state) {
        if (++sinceStart == 500) {
            state.PauseTiming();
            fixture.startStroke(2000);
            sinceStart = 0;
            state.ResumeTiming();
        }
        // Back over the spiral's first turn, which stays well inside the panel.
        for (int k = 0; k < 2; ++k) {
            fixture.engine->append(spiralPoint((fixture.next++ % 900) + 50));
        }
        benchmark::DoNotOptimize(fixture.trace.renderFrame());
        fixture.paint();
    }
}
BENCHMARK(BM_FrameOnTheAppendPath)
    ->Arg(1)
    ->Arg(2)
    ->ArgName("displays")
    ->Unit(benchmark::kMicrosecond);

// A frame whose new point leaves the panel's margin: a new layout that keeps what is drawn.
void BM_FrameOnTheRebuildPath(benchmark::State& state) {
    Fixture fixture;
    for (auto _ : state) {
        state.PauseTiming();
        fixture.startStroke(2000);
        const Rect bounds = fixture.engine->activeHeader()->globalBounds;
        state.ResumeTiming();
        fixture.engine->append({bounds.maxX() + 60, bounds.midY()});
        benchmark::DoNotOptimize(fixture.trace.renderFrame());
        fixture.paint();
    }
}
BENCHMARK(BM_FrameOnTheRebuildPath)->Unit(benchmark::kMicrosecond)->Iterations(200);

// The first frame of a stroke that arrives whole: everything drawn from nothing.
void BM_FrameDrawingEverything(benchmark::State& state) {
    Fixture fixture;
    for (auto _ : state) {
        state.PauseTiming();
        fixture.engine->begin(spiralPoint(0));
        for (int i = 1; i < 2000; ++i) {
            fixture.engine->append(spiralPoint(i));
        }
        state.ResumeTiming();
        benchmark::DoNotOptimize(fixture.trace.renderFrame());
        fixture.paint();
    }
}
BENCHMARK(BM_FrameDrawingEverything)->Unit(benchmark::kMicrosecond)->Iterations(100);

// The engine copy each frame starts with: the points added since the previous frame.
void BM_RenderDeltaCopy(benchmark::State& state) {
    GestureCaptureEngine engine;
    engine.begin(spiralPoint(0));
    for (int i = 1; i < 2000; ++i) {
        engine.append(spiralPoint(i));
    }
    std::vector<Point> scratch;
    scratch.reserve(64);
    std::int64_t cursor = 0;
    engine.copyRenderDelta(cursor, scratch);
    int i = 2000;
    for (auto _ : state) {
        engine.append(spiralPoint(i++ % 2000));
        engine.append(spiralPoint(i++ % 2000));
        benchmark::DoNotOptimize(engine.copyRenderDelta(cursor, scratch));
    }
}
BENCHMARK(BM_RenderDeltaCopy);

// Event-loop wake-ups per second of a program whose overlays are configured, with the real
// display registry and clock: idle, while a stroke is held, and after it ended; and, to compare,
// of the same event loop without any overlays (-1). The measuring loop itself wakes up to end.
void BM_WakeUpsPerSecond(benchmark::State& state) {
    ensureApplication();
    const int phase = static_cast<int>(state.range(0));
    auto engine = std::make_shared<GestureCaptureEngine>();
    auto runtime = std::make_shared<GestureOverlayRuntime>(engine);
    std::vector<std::unique_ptr<ImagePanel>> unused;
    std::optional<GestureOverlayController> controller;
    if (phase >= 0) {
        controller.emplace(GestureOverlayController::Environment{
            std::make_shared<QtDisplayRegistry>(), std::make_shared<QtDisplayClock>(),
            [](OverlayPanelContent& content, const Rect& frame) {
                return std::make_unique<ImagePanel>(content, frame);
            }});
        controller->configure(runtime, [](const QString&) {});
    }
    QCoreApplication::processEvents();
    if (phase >= 1) {
        engine->begin({100, 100});
        engine->append({140, 120});
        runtime->liveHUDState.send(std::nullopt);
    }
    if (phase == 2) {
        QCoreApplication::processEvents();
        engine->end({150, 130});
        runtime->liveHUDState.send(std::nullopt);
    }
    // Let what was queued settle before counting.
    QEventLoop settle;
    QTimer::singleShot(100, &settle, &QEventLoop::quit);
    settle.exec();

    for (auto _ : state) {
        int wakeUps = 0;
        auto* dispatcher = QAbstractEventDispatcher::instance();
        const auto connection =
            QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, [&] { ++wakeUps; });
        QEventLoop loop;
        QTimer::singleShot(1000, &loop, &QEventLoop::quit);
        loop.exec();
        QObject::disconnect(connection);
        state.counters["wakeups_per_s"] = wakeUps;
        state.counters["frames"] = controller ? double(controller->renderedFrameCount()) : 0;
    }
}
BENCHMARK(BM_WakeUpsPerSecond)
    ->Arg(-1)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->ArgName("none_idle_stroke_after")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillorbitex
