// Resident memory of a program whose overlays have drawn strokes: idle after the first short one,
// and idle after a hundred long ones that cross both monitors and fill most of them. The real
// controller, panels and renderer draw on a private Xorg server with two monitors, as the
// end-to-end tests use (root and the dummy video driver needed), with and without a compositor.
// What a finished stroke leaves behind should stay within 10 MB of what the first one left.
//   build/default/bench/bench_OverlayMemoryBenchmarks
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <cmath>
#include <memory>

#include "Application/GestureOverlayController.h"
#include "Application/QtDisplayRegistry.h"
#include "Application/QtOverlayPanel.h"
#include "Platform/X11/X11CompositingManagerWatch.h"
#include "Services/Capture/GestureCaptureEngine.h"
#include "support/X11TestSession.h"

namespace quillorbitex {
namespace {

// Resident set size in MiB, as the kernel counts it.
double residentMiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024;
        }
    }
    return -1;
}

void runEventsFor(int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

class StrokeDriver {
public:
    StrokeDriver(GestureCaptureEngine& engine, GestureOverlayController& controller)
        : engine_(engine), controller_(controller) {}

    // Draws the stroke through `count` points of `path`, a frame (render and paint) every
    // `perFrame` points, then releases it and lets the panels go.
    template <typename Path>
    void draw(Path path, int count, int perFrame) {
        engine_.begin(path(0));
        for (int i = 1; i < count; ++i) {
            engine_.append(path(i));
            if (i % perFrame == 0 || i + 1 == count) {
                frame();
            }
        }
        engine_.end(path(count - 1));
        frame();
    }

private:
    void frame() {
        controller_.scheduleRenderCommit();
        // The render, then the paint it asks for.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    GestureCaptureEngine& engine_;
    GestureOverlayController& controller_;
};

// Left to right over both monitors (1152 x 800 each), swinging over most of their height.
Point longStroke(int i) {
    return Point{40 + i * 1.1, 400 + 340 * std::sin(i * 0.01)};
}

Point shortStroke(int i) {
    return Point{300 + i * 2.0, 300};
}

void BM_ResidentMemoryAfterStrokes(benchmark::State& state) {
    const bool compositor = state.range(0) != 0;
    testing::X11TestSession session(
        {.windowManager = false,
         .compositor = compositor,
         .monitors = {{"qx-left", 0, 0, 1152, 800}, {"qx-right", 1152, 0, 1152, 800}}});
    if (!session.started()) {
        state.SkipWithError(session.started().message());
        return;
    }
    session.applyToCurrentProcess();
    qputenv("QT_QPA_PLATFORM", "xcb");
    int argc = 1;
    char name[] = "bench_OverlayMemoryBenchmarks";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);

    auto engine = std::make_shared<GestureCaptureEngine>();
    auto runtime = std::make_shared<GestureOverlayRuntime>(engine);
    {
        // Renders are asked for by the driver, one per frame, instead of by a display clock.
        GestureOverlayController controller(GestureOverlayController::Environment{
            std::make_shared<QtDisplayRegistry>(), nullptr,
            QtOverlayPanel::factory(x11::X11CompositingManagerWatch::connect())});
        controller.configure(runtime, {});
        StrokeDriver driver(*engine, controller);
        for (auto _ : state) {
            driver.draw(shortStroke, 20, 4);
            runEventsFor(300);
            const double afterShort = residentMiB();
            for (int stroke = 0; stroke < 100; ++stroke) {
                driver.draw(longStroke, 2000, 20);
            }
            runEventsFor(300);
            const double afterLong = residentMiB();
            state.counters["rss_after_first_short_MiB"] = afterShort;
            state.counters["rss_after_100_long_MiB"] = afterLong;
            state.counters["growth_MiB"] = afterLong - afterShort;
        }
    }
    runEventsFor(50);
}
BENCHMARK(BM_ResidentMemoryAfterStrokes)
    ->ArgName("compositor")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

}  // namespace
}  // namespace quillorbitex
