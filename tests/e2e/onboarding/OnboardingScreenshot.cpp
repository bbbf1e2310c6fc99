// Shows the scope editor or one onboarding step on $DISPLAY over a test-mode model and saves it as
// a PNG. Started by scripts/screenshots:
//
//   qx_onboarding_screenshot --scene scopes|welcome|permissions|customization
//                            --output FILE --appearance light|dark [--language english|japanese|…]
//                            [--compositor yes|no]
//
// The compositor argument is accepted for the script's sake; the windows look the same either way.

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <memory>

#include "Application/ThemePalette.h"
#include "Localization/L10n.h"
#include "ViewModels/AppModel.h"
#include "Views/AppScopes/AppScopeEditorSheet.h"
#include "Views/DashboardWindow.h"
#include "Views/Onboarding/OnboardingView.h"
#include "Views/Onboarding/OnboardingViewModel.h"
#include "Views/Theme/Theme.h"
#include "support/FakeWorkspace.h"

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

// What the X server shows of `widget`'s window, so that everything is drawn as on screen (a
// widget's own grab() leaves out parts drawn through nested graphics effects).
bool save(QWidget& widget, const QString& file) {
    QScreen* screen = widget.screen();
    const QRect frame(widget.mapToGlobal(QPoint(0, 0)), widget.size());
    const QPixmap shot = screen == nullptr ? QPixmap()
                                           : screen->grabWindow(0, frame.x(), frame.y(),
                                                                frame.width(), frame.height());
    if (shot.isNull() || !shot.save(file, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    return true;
}

int run(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const auto output = argument(arguments, QStringLiteral("--output"));
    const auto scene = argument(arguments, QStringLiteral("--scene"));
    const bool dark = argument(arguments, QStringLiteral("--appearance")) == QStringLiteral("dark");
    const auto language =
        fromRawValue<AppLanguageOverride>(argument(arguments, QStringLiteral("--language"))
                                              .value_or(QStringLiteral("english"))
                                              .toStdString());
    const QStringList steps = {"welcome", "permissions", "customization"};
    if (!output || !scene || !language || (*scene != "scopes" && !steps.contains(*scene))) {
        std::fprintf(stderr,
                     "usage: %s --scene scopes|welcome|permissions|customization --output FILE "
                     "[--appearance light|dark] [--language english|…] [--compositor yes|no]\n",
                     argv[0]);
        return 2;
    }
    QApplication::setPalette(ThemePalette::qtPalette(dark));
    Theme::setAnimationsEnabled(false);

    auto workspace = std::make_shared<testing::FakeWorkspace>();
    for (const auto& [identifier, name] : {std::pair{"org.mozilla.firefox", "Firefox"},
                                           {"org.gnome.Nautilus", "Files"},
                                           {"org.gnome.TextEditor", "Text Editor"},
                                           {"org.kde.konsole", "Konsole"},
                                           {"thunderbird", "Thunderbird"}}) {
        workspace->addApplication(
            {QString::fromLatin1(identifier), QString::fromLatin1(name), QString()});
    }
    QTemporaryDir base;
    UITestConfig config;
    config.isUITest = true;
    config.baseDirectory = base.path();
    config.stateDumpPath = base.filePath(QStringLiteral("state.json"));
    AppModel::Platform platform;
    platform.workspace = workspace;
    AppModel model(config, nullptr, false, std::move(platform));
    model.setLanguageOverride(*language);

    DashboardWindow window(model, false);
    OnboardingView* onboarding = OnboardingView::install(*window.contentView(), model);
    window.resize(1100, 780);
    window.show();
    runFor(200);

    if (*scene == QStringLiteral("scopes")) {
        const GestureDescriptor pattern =
            GestureDescriptor::directional(GesturePattern::upThenDown);
        model.replaceAppScopeRules({GestureAppScopeRule(QStringLiteral("org.mozilla.firefox"),
                                                        QStringLiteral("Firefox"), false),
                                    GestureAppScopeRule(QStringLiteral("org.kde.konsole"),
                                                        QStringLiteral("Konsole"), true)},
                                   pattern);
        model.completeOnboarding();
        AppScopeEditorSheet* sheet = AppScopeEditorSheet::openFor(model, pattern, &window);
        runFor(500);
        return save(*sheet, *output) ? 0 : 1;
    }

    for (int i = 0; i < steps.indexOf(*scene); ++i) {
        onboarding->viewModel().nextStep();
    }
    runFor(500);
    return save(window, *output) ? 0 : 1;
}

}  // namespace
}  // namespace quillorbitex

int main(int argc, char** argv) {
    return quillorbitex::run(argc, argv);
}
