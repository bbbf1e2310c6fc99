// Shows the dashboard window on $DISPLAY over a test-mode model and saves the window as a PNG.
// Started by scripts/screenshots:
//
//   qx_dashboard_screenshot --output FILE --appearance light|dark [--language english|japanese|…]
//                           [--section overview|customGestures|activeGestures|debugging]
//                           [--compositor yes|no]
//
// The compositor argument is accepted for the script's sake; the window looks the same either way.

#include <QApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <memory>

#include "Application/ThemePalette.h"
#include "Localization/L10n.h"
#include "ViewModels/AppModel.h"
#include "Views/ContentView.h"
#include "Views/DashboardWindow.h"
#include "Views/Theme/Theme.h"

namespace quillorbitex {
namespace {

std::optional<QString> argument(const QStringList& arguments, const QString& name) {
    const auto index = arguments.indexOf(name);
    if (index < 0 || index + 1 >= arguments.size()) {
        return std::nullopt;
    }
    return arguments[index + 1];
}

void runFor(int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
}

int run(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const auto output = argument(arguments, QStringLiteral("--output"));
    const bool dark = argument(arguments, QStringLiteral("--appearance")) == QStringLiteral("dark");
    const auto languageName = argument(arguments, QStringLiteral("--language"));
    const auto sectionName = argument(arguments, QStringLiteral("--section"));
    const auto language = fromRawValue<AppLanguageOverride>(
        languageName.value_or(QStringLiteral("english")).toStdString());
    const auto section = fromRawValue<DashboardSection>(
        sectionName.value_or(QStringLiteral("overview")).toStdString());
    if (!output || !language || !section) {
        std::fprintf(stderr,
                     "usage: %s --output FILE [--appearance light|dark] [--language english|…] "
                     "[--section overview|…] [--compositor yes|no]\n",
                     argv[0]);
        return 2;
    }
    QApplication::setPalette(ThemePalette::qtPalette(dark));
    Theme::setAnimationsEnabled(false);

    QTemporaryDir base;
    UITestConfig config;
    config.isUITest = true;
    config.seedCompletedOnboarding = true;
    config.baseDirectory = base.path();
    config.stateDumpPath = base.filePath(QStringLiteral("state.json"));
    AppModel model(config, nullptr, false, {});
    model.setLanguageOverride(*language);

    DashboardWindow window(model, true);
    window.resize(1100, 780);
    window.show();
    runFor(300);
    window.contentView()->scrollTo(*section);
    runFor(500);

    const QPixmap shot = window.grab();
    if (shot.isNull() || !shot.save(*output, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(*output));
        return 1;
    }
    return 0;
}

}  // namespace
}  // namespace quillorbitex

int main(int argc, char** argv) {
    return quillorbitex::run(argc, argv);
}
