// Shows the dashboard window on $DISPLAY over a test-mode model and saves the window as a PNG.
// Started by scripts/screenshots:
//
//   qx_dashboard_screenshot --output FILE --appearance light|dark [--language english|japanese|…]
//                           [--section overview|customGestures|activeGestures|debugging]
//                           [--minimum] [--compositor yes|no]
//
// With --minimum the window is at its minimum size and the PNG is its whole page (every section,
// as the user scrolls through it), so that anything cut off at the right edge shows.
// The compositor argument is accepted for the script's sake; the window looks the same either way.

#include <QApplication>
#include <QScrollArea>
#include <QTemporaryDir>

#include "ScreenshotScene.h"
#include "ViewModels/AppModel.h"
#include "Views/ContentView.h"
#include "Views/Dashboard/DashboardView.h"
#include "Views/DashboardWindow.h"

namespace quillorbitex {
namespace {

int run(int argc, char** argv) {
    QApplication application(argc, argv);
    const ScreenshotScene scene;
    const auto language = scene.language();
    const auto section = fromRawValue<DashboardSection>(
        scene.valueOr("--section", QStringLiteral("overview")).toStdString());
    if (!scene.output() || !language || !section) {
        return ScreenshotScene::usage(
            argv[0],
            "[--language english|…] [--section overview|…] [--minimum] [--compositor yes|no]");
    }
    scene.applyAppearance();

    QTemporaryDir base;
    UITestConfig config = ScreenshotScene::testMode(base);
    config.seedCompletedOnboarding = true;
    AppModel model(config, nullptr, false, {});
    model.setLanguageOverride(*language);

    DashboardWindow window(model, true);
    const bool minimum = QCoreApplication::arguments().contains(QStringLiteral("--minimum"));
    window.resize(minimum ? window.minimumSizeHint() : QSize(1100, 780));
    window.show();
    ScreenshotScene::runFor(300);
    if (minimum) {
        // As wide as the view shows it: whatever lies past the right edge is cut off here too.
        QScrollArea& page = *window.contentView()->dashboard()->scrollArea();
        return ScreenshotScene::save(
            page.widget()->grab(QRect(0, 0, page.viewport()->width(), page.widget()->height())),
            *scene.output());
    }
    window.contentView()->scrollTo(*section);
    ScreenshotScene::runFor(500);
    return ScreenshotScene::save(window.grab(), *scene.output());
}

}  // namespace
}  // namespace quillorbitex

int main(int argc, char** argv) {
    return quillorbitex::run(argc, argv);
}
