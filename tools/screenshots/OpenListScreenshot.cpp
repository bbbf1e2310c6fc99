// Shows a drop-down's open list on $DISPLAY over a test-mode model and saves what the screen shows
// of its window and the list as a PNG. Started by scripts/screenshots:
//
//   qx_open_list_screenshot --list language|preset-action|application
//                           --output FILE --appearance light|dark [--language english|japanese|…]
//                           [--compositor yes|no]
//
// language: the dashboard's language picker; preset-action: the rule editor's ready-made actions;
// application: the scope editor's application picker. The compositor argument is accepted for the
// script's sake.

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QScreen>
#include <QScrollArea>
#include <QTemporaryDir>
#include <memory>

#include "ScreenshotScene.h"
#include "ViewModels/AppModel.h"
#include "Views/AppScopes/AppScopeEditorSheet.h"
#include "Views/ContentView.h"
#include "Views/Dashboard/DashboardView.h"
#include "Views/DashboardWindow.h"
#include "Views/RuleEditor/ActionStepView.h"
#include "Views/RuleEditor/CustomGestureWizard.h"
#include "Views/RuleEditor/GestureRuleEditorState.h"
#include "support/FakeWorkspace.h"

namespace quillorbitex {
namespace {

// What the screen shows of `window` and of `combo`'s open list, which is a window of its own.
int saveWithOpenList(QWidget& window, QComboBox& combo, const QString& file) {
    combo.showPopup();
    ScreenshotScene::runFor(300);
    const QRect area = QRect(window.mapToGlobal(QPoint(0, 0)), window.size())
                           .united(combo.view()->window()->geometry());
    QScreen* screen = window.screen();
    return ScreenshotScene::save(
        screen == nullptr ? QPixmap()
                          : screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()),
        file);
}

int run(int argc, char** argv) {
    QApplication application(argc, argv);
    const ScreenshotScene arguments;
    const auto list = arguments.value("--list");
    const auto language = arguments.language();
    const QStringList lists = {"language", "preset-action", "application"};
    if (!arguments.output() || !list || !lists.contains(*list) || !language) {
        return ScreenshotScene::usage(
            argv[0],
            "--list language|preset-action|application [--language english|…] "
            "[--compositor yes|no]");
    }
    arguments.applyAppearance();

    auto workspace = std::make_shared<testing::FakeWorkspace>();
    for (const auto& [identifier, name] : {std::pair{"org.imagemagick.display", "ImageMagick"},
                                           {"vim", "Vim"},
                                           {"org.gnome.TextEditor", "Text Editor"}}) {
        workspace->addApplication(
            {QString::fromLatin1(identifier), QString::fromLatin1(name), QString()});
    }
    QTemporaryDir base;
    UITestConfig config = ScreenshotScene::testMode(base);
    config.seedCompletedOnboarding = true;
    AppModel::Platform platform;
    platform.workspace = workspace;
    AppModel model(config, nullptr, false, std::move(platform));
    model.setLanguageOverride(*language);

    DashboardWindow window(model, false);
    window.resize(1100, 780);
    window.show();
    ScreenshotScene::runFor(200);

    if (*list == QStringLiteral("language")) {
        auto* picker =
            window.findChild<QComboBox*>(QStringLiteral("Overview_LanguageOverridePicker"));
        window.contentView()->dashboard()->scrollArea()->ensureWidgetVisible(picker, 0, 200);
        ScreenshotScene::runFor(300);
        return saveWithOpenList(window, *picker, *arguments.output());
    }
    if (*list == QStringLiteral("preset-action")) {
        auto* editor =
            new CustomGestureWizard(GestureRuleEditorContext::open(GestureRuleEditorMode::newRule),
                                    model, {workspace}, &window);
        editor->show();
        model.seedCapturedGestureDraft(GestureDescriptor::directional(GesturePattern::upThenDown));
        editor->state().advance();
        editor->state().setActionKind(GestureActionEditorKind::predefined);
        ScreenshotScene::runFor(300);
        return saveWithOpenList(*editor, *editor->actionStep()->predefinedPicker(),
                                *arguments.output());
    }
    AppScopeEditorSheet* sheet = AppScopeEditorSheet::openFor(
        model, GestureDescriptor::directional(GesturePattern::upThenDown), &window);
    ScreenshotScene::runFor(300);
    return saveWithOpenList(
        *sheet,
        *sheet->findChild<QComboBox*>(QString::fromLatin1(AppScopeEditorSheet::pickerIdentifier)),
        *arguments.output());
}

}  // namespace
}  // namespace quillorbitex

int main(int argc, char** argv) {
    return quillorbitex::run(argc, argv);
}
