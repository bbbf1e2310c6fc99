// Draws a stroke with its HUD on $DISPLAY over a stand-in desktop and saves the screen as a PNG.
// Started by scripts/screenshots:
//
//   qx_overlay_screenshot --output FILE --appearance light|dark --state matched|analyzing
//                         [--compositor yes|no]
//
// With --compositor it first waits (bounded) until a compositing manager is, or is not, running,
// so that the picture shows what it claims to show.

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <cmath>
#include <cstdio>
#include <memory>

#include "Application/GestureOverlayController.h"
#include "Application/QtDisplayClock.h"
#include "Application/QtDisplayRegistry.h"
#include "Application/QtOverlayPanel.h"
#include "Application/ThemePalette.h"
#include "Platform/X11/X11CompositingManagerWatch.h"
#include "ScreenshotScene.h"

namespace quillorbitex {
namespace {

// A desktop with a light document window on the left and dark wallpaper elsewhere, so that the
// overlays are seen over both.
class Backdrop final : public QWidget {
public:
    Backdrop() : QWidget(nullptr, Qt::FramelessWindowHint | Qt::BypassWindowManagerHint) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QLinearGradient wallpaper(0, 0, width(), height());
        wallpaper.setColorAt(0, QColor(0x2c, 0x3e, 0x50));
        wallpaper.setColorAt(1, QColor(0x4c, 0xa1, 0xaf));
        painter.fillRect(rect(), wallpaper);
        const QRect document(60, 60, width() / 2 - 60, height() - 120);
        painter.fillRect(document, QColor(0xf7, 0xf7, 0xf5));
        painter.fillRect(QRect(document.topLeft(), QSize(document.width(), 28)),
                         QColor(0xdd, 0xdd, 0xe2));
        painter.setPen(QColor(0x88, 0x88, 0x90));
        for (int y = document.top() + 60; y < document.bottom() - 20; y += 26) {
            const int length = document.width() - 80 - (y * 37) % 160;
            painter.drawLine(document.left() + 30, y, document.left() + 30 + length, y);
        }
    }
};

// A hand-drawn "up, then down" hook.
std::vector<Point> strokePoints(const QRect& screen) {
    std::vector<Point> points;
    const double left = screen.width() * 0.34;
    const double right = screen.width() * 0.62;
    const double bottom = screen.height() * 0.58;
    const double top = screen.height() * 0.2;
    for (int i = 0; i <= 240; ++i) {
        const double t = i / 240.0;
        const double x = left + (right - left) * t + 18 * std::sin(t * 9);
        const double y = bottom - (bottom - top) * std::sin(t * M_PI) * (1 - 0.25 * t);
        points.push_back({x, y});
    }
    return points;
}

int run(int argc, char** argv) {
    QApplication application(argc, argv);
    const ScreenshotScene scene;
    const bool matched = scene.value("--state") != QStringLiteral("analyzing");
    const auto compositor = scene.value("--compositor");
    if (!scene.output()) {
        return ScreenshotScene::usage(argv[0], "[--state matched|analyzing] [--compositor yes|no]");
    }
    QApplication::setPalette(ThemePalette::qtPalette(scene.dark()));

    std::shared_ptr<const CompositingManagerWatch> compositing =
        x11::X11CompositingManagerWatch::connect();
    if (!compositing) {
        std::fprintf(stderr, "cannot watch the compositing manager on $DISPLAY\n");
        return 1;
    }
    if (compositor) {
        const bool wanted = *compositor == QStringLiteral("yes");
        QElapsedTimer waited;
        waited.start();
        while (compositing->isCompositing() != wanted && waited.elapsed() < 10000) {
            ScreenshotScene::runFor(20);
        }
        if (compositing->isCompositing() != wanted) {
            std::fprintf(stderr, "the compositing manager is %s running\n",
                         wanted ? "not" : "still");
            return 1;
        }
    }

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    Backdrop backdrop;
    backdrop.setGeometry(screen);
    backdrop.show();

    auto engine = std::make_shared<GestureCaptureEngine>();
    auto runtime = std::make_shared<GestureOverlayRuntime>(engine);
    GestureOverlayController controller({std::make_shared<QtDisplayRegistry>(),
                                         std::make_shared<QtDisplayClock>(),
                                         QtOverlayPanel::factory(compositing)});
    controller.configure(runtime, [](const QString&) {});
    const auto points = strokePoints(screen);
    engine->begin(points.front());
    for (std::size_t i = 1; i < points.size(); ++i) {
        engine->append(points[i]);
    }
    if (matched) {
        LiveHUDState state;
        state.directions = {GestureDirection::up, GestureDirection::down};
        state.detectedPattern = GestureDescriptor::directional(GesturePattern::upThenDown);
        state.matchedAction = GestureAction::predefined(PredefinedAction::refresh);
        runtime->liveHUDState.send(state);
    } else {
        runtime->liveHUDState.send(std::nullopt);
    }
    ScreenshotScene::runFor(600);

    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
    engine->cancel();
    return ScreenshotScene::save(shot, *scene.output());
}

}  // namespace
}  // namespace quillorbitex

int main(int argc, char** argv) {
    return quillorbitex::run(argc, argv);
}
