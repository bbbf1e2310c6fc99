// Shows the scope editor or one onboarding step on $DISPLAY over a test-mode model and saves it as
// a PNG. Started by scripts/screenshots:
//
//   qx_onboarding_screenshot --scene scopes|welcome|permissions|customization
//                            --output FILE --appearance light|dark [--language english|japanese|…]
//                            [--compositor yes|no]
//
// The compositor argument is accepted for the script's sake; the windows look the same either way.

#include <QApplication>
#include <QTemporaryDir>
#include <memory>

#include "ScreenshotScene.h"
#include "ViewModels/AppModel.h"
#include "Views/AppScopes/AppScopeEditorSheet.h"
#include "Views/DashboardWindow.h"
#include "Views/Onboarding/OnboardingView.h"
#include "Views/Onboarding/OnboardingViewModel.h"
#include "Views/Theme/Theme.h"
#include "support/FakeWorkspace.h"

namespace quillorbitex {
namespace {

int run(int argc, char** argv) {
    QApplication application(argc, argv);
    const ScreenshotScene arguments;
    const auto scene = arguments.value("--scene");
    const auto language = arguments.language();
    const QStringList steps = {"welcome", "permissions", "customization"};
    if (!arguments.output() || !scene || !language ||
        (*scene != "scopes" && !steps.contains(*scene))) {
        return ScreenshotScene::usage(
            argv[0],
            "--scene scopes|welcome|permissions|customization [--language english|…] "
            "[--compositor yes|no]");
    }
    arguments.applyAppearance();

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
    const UITestConfig config = ScreenshotScene::testMode(base);
    AppModel::Platform platform;
    platform.workspace = workspace;
    AppModel model(config, nullptr, false, std::move(platform));
    model.setLanguageOverride(*language);

    DashboardWindow window(model, false);
    OnboardingView* onboarding = OnboardingView::install(*window.contentView(), model);
    window.resize(1100, 780);
    window.show();
    ScreenshotScene::runFor(200);

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
        ScreenshotScene::runFor(500);
        return ScreenshotScene::saveAsShown(*sheet, *arguments.output());
    }

    for (int i = 0; i < steps.indexOf(*scene); ++i) {
        onboarding->viewModel().nextStep();
    }
    ScreenshotScene::runFor(500);
    return ScreenshotScene::saveAsShown(window, *arguments.output());
}

}  // namespace
}  // namespace quillorbitex

int main(int argc, char** argv) {
    return quillorbitex::run(argc, argv);
}
