#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>
#include <optional>

#include "Application/UITestConfig.h"
#include "Localization/AppLanguageOverride.h"

class QTemporaryDir;
class QWidget;

namespace quillorbitex {

// What every scene program shares: its `--name value` arguments (--output, --appearance,
// --language, --scale), the appearance it draws in, waiting for the window to settle and writing
// the PNG. scripts/screenshots passes --compositor to every scene; only the overlays look at it.
class ScreenshotScene {
public:
    // Before QApplication exists: `--scale N` becomes Qt's scale factor, so that 2 draws what a
    // high-density screen shows.
    static void applyScale(int argc, char** argv);

    // Reads QCoreApplication's arguments.
    ScreenshotScene();

    std::optional<QString> value(const char* name) const;
    QString valueOr(const char* name, const QString& fallback) const;
    const std::optional<QString>& output() const { return output_; }
    bool dark() const;
    // `--language` as a stored value ("japanese") or a translation's code ("ja"); English when
    // absent, nothing when neither.
    std::optional<AppLanguageOverride> language() const;

    // The appearance's palette, with animations off so that the picture shows where they end.
    void applyAppearance() const;
    // Prints "usage: PROGRAM --output FILE [--appearance light|dark] OPTIONS" and returns the
    // exit code for it.
    static int usage(const char* program, const char* options);

    // Lets the event loop run for a while, so that layouts settle and timers fire.
    static void runFor(int milliseconds);
    // Writes `shot` to `file`; returns the program's exit code.
    static int save(const QPixmap& shot, const QString& file);
    // What the X server shows of `widget`'s window (a widget's own grab() leaves out parts drawn
    // through nested graphics effects).
    static int saveAsShown(QWidget& widget, const QString& file);
    // A test-mode model's configuration with every file in `folder`.
    static UITestConfig testMode(const QTemporaryDir& folder);

private:
    QStringList arguments_;
    std::optional<QString> output_;
};

}  // namespace quillorbitex
