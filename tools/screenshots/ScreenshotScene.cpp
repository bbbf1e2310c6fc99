#include "ScreenshotScene.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QWidget>
#include <cstdio>

#include "Application/ThemePalette.h"
#include "Application/ThemeStyle.h"
#include "Views/Theme/Theme.h"

namespace quillorbitex {

void ScreenshotScene::applyScale(int argc, char** argv) {
    for (int i = 0; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "--scale") == 0) {
            qputenv("QT_SCALE_FACTOR", argv[i + 1]);
        }
    }
}

ScreenshotScene::ScreenshotScene()
    : arguments_(QCoreApplication::arguments()), output_(value("--output")) {}

std::optional<QString> ScreenshotScene::value(const char* name) const {
    const auto index = arguments_.indexOf(QLatin1String(name));
    if (index < 0 || index + 1 >= arguments_.size()) {
        return std::nullopt;
    }
    return arguments_[index + 1];
}

QString ScreenshotScene::valueOr(const char* name, const QString& fallback) const {
    return value(name).value_or(fallback);
}

bool ScreenshotScene::dark() const {
    return value("--appearance") == QStringLiteral("dark");
}

std::optional<AppLanguageOverride> ScreenshotScene::language() const {
    const QString name = valueOr("--language", QStringLiteral("english"));
    if (const auto stored = fromRawValue<AppLanguageOverride>(name.toStdString())) {
        return stored;
    }
    for (const AppLanguageOverride language : allCases<AppLanguageOverride>()) {
        if (localizationResource(language) == name) {
            return language;
        }
    }
    return std::nullopt;
}

void ScreenshotScene::applyAppearance() const {
    ThemeStyle::install();
    QApplication::setPalette(ThemePalette::qtPalette(dark()));
    Theme::setAnimationsEnabled(false);
}

int ScreenshotScene::usage(const char* program, const char* options) {
    std::fprintf(stderr, "usage: %s --output FILE [--appearance light|dark] %s\n", program,
                 options);
    return 2;
}

void ScreenshotScene::runFor(int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
}

int ScreenshotScene::save(const QPixmap& shot, const QString& file) {
    if (shot.isNull() || !shot.save(file, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return 1;
    }
    return 0;
}

int ScreenshotScene::saveAsShown(QWidget& widget, const QString& file) {
    QScreen* screen = widget.screen();
    const QRect frame(widget.mapToGlobal(QPoint(0, 0)), widget.size());
    return save(screen == nullptr
                    ? QPixmap()
                    : screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()),
                file);
}

UITestConfig ScreenshotScene::testMode(const QTemporaryDir& folder) {
    UITestConfig config;
    config.isUITest = true;
    config.baseDirectory = folder.path();
    config.stateDumpPath = folder.filePath(QStringLiteral("state.json"));
    return config;
}

}  // namespace quillorbitex
