// Not a test: draws one step of the rule editor over a model that has seen a stroke, and saves
// the sheet as a PNG. Started by scripts/screenshots:
//
//   qx_rule_editor_screenshot --output FILE --appearance light|dark
//       --step gesture-armed|gesture|action|action-app|action-url|review|review-long-url
//       [--language en|ja|de|...] [--scale 1|2] [--compositor yes|no]
//
// review-long-url is a new rule's review step opening a URL of 5,000 characters.
//
// --scale sets Qt's scale factor; the compositor argument is accepted for the script's sake.

#include <QApplication>
#include <QLineEdit>

#include "ScreenshotScene.h"
#include "ViewModels/AppModelTestEnvironment.h"
#include "Views/RuleEditor/ActionStepView.h"
#include "Views/RuleEditor/CustomGestureWizard.h"
#include "Views/RuleEditor/GestureRuleEditorState.h"
#include "Views/RuleEditor/ReviewStepView.h"
#include "Views/RuleEditor/RuleEditorTextField.h"
#include "Views/Theme/Theme.h"
#include "support/ManualKeyEventMonitor.h"
#include "support/StrokeShapes.h"

namespace quillorbitex {
namespace {

using testing::AppModelTestEnvironment;
using Kind = GestureActionEditorKind;

const std::vector<Point> kCircle = testing::circle({500, 500}, 80, 48);
const std::vector<Point> kRightThenDown =
    testing::polyline({{400, 400}, {520, 400}, {520, 520}}, 4);

int run(int argc, char** argv) {
    ScreenshotScene::applyScale(argc, argv);
    QApplication application(argc, argv);
    const ScreenshotScene scene;
    const QString step = scene.valueOr("--step", QStringLiteral("gesture"));
    const auto language = scene.language();
    const QStringList steps = {"gesture-armed", "gesture", "action",         "action-app",
                               "action-url",    "review",  "review-long-url"};
    if (!scene.output() || !language || !steps.contains(step)) {
        const QByteArray options = "--step " + steps.join(QLatin1Char('|')).toUtf8() +
                                   " [--language en|ja|...] [--scale 1|2]";
        return ScreenshotScene::usage(argv[0], options.constData());
    }
    scene.applyAppearance();

    AppModelTestEnvironment env;
    const std::string_view raw = rawValue(*language);
    env.defaults->values[QStringLiteral("gestureLanguageOverride")] =
        QString::fromLatin1(raw.data(), static_cast<qsizetype>(raw.size()));
    env.workspace->addApplication({"org.gnome.TextEditor", "Text Editor",
                                   "/usr/share/applications/org.gnome.TextEditor.desktop"});
    env.workspace->setRunningApplications(
        {{"org.gnome.TextEditor", "Text Editor", {}}, {"firefox-esr", "Firefox ESR", {}}});
    env.workspace->setSchemeHandler("https", {"firefox-esr", "Firefox ESR", {}});
    AppModel& model = env.build();
    // A rule with a name, for the sheet that moves a rule to another gesture.
    model.seedCapturedGestureDraft(GestureDescriptor::directional(GesturePattern::rightThenUp));
    model.saveCapturedCustomGesture(QStringLiteral("Project docs"), std::nullopt,
                                    GestureAction::openURL(QStringLiteral("https://example.org")));

    const bool review = step == QStringLiteral("review");
    const bool longURL = step == QStringLiteral("review-long-url");
    const auto context =
        review ? GestureRuleEditorContext::open(
                     GestureRuleEditorMode::overrideGesture,
                     model.mapping(GestureDescriptor::directional(GesturePattern::rightThenUp)))
               : GestureRuleEditorContext::open(GestureRuleEditorMode::newRule);
    auto keys = std::make_shared<testing::ManualKeyEventMonitor>();
    // On the model's virtual time, so the pause after typing can be skipped rather than waited for.
    auto* wizard = new CustomGestureWizard(context, model, {env.workspace, keys, &env.main});
    GestureRuleEditorState& state = wizard->state();
    wizard->show();
    ScreenshotScene::runFor(100);

    if (!review) {
        state.toggleGestureCapture();
    }
    if (step != QStringLiteral("gesture-armed")) {
        env.drawStroke(review ? kRightThenDown : kCircle);
    }
    if (step.startsWith(QStringLiteral("action")) || review || longURL) {
        state.advance();
    }
    if (step == QStringLiteral("action")) {
        state.startShortcutRecording();
        keys->press({40, EventFlag::control | EventFlag::shift});
    } else if (step == QStringLiteral("action-app")) {
        state.setActionKind(Kind::openApp);
        state.setRunningAppSelection(QStringLiteral("org.gnome.TextEditor"));
    } else if (step == QStringLiteral("action-url")) {
        state.setActionKind(Kind::openURL);
        state.setOpenURLString(QStringLiteral("example.org/docs"));
    } else if (longURL) {
        state.setActionKind(Kind::openURL);
        state.setOpenURLString(QStringLiteral("https://example.org/") +
                               QString(4980, QLatin1Char('x')));
        state.advance();
    } else if (review) {
        state.advance();
        state.setRuleName(QStringLiteral("Project docs  "));
    }
    // The fields are shown as they are once typing has paused.
    env.main.advance(GestureRuleEditorState::typingPause);
    wizard->resize(wizard->sizeHint());
    ScreenshotScene::runFor(300);
    const int saved = ScreenshotScene::save(wizard->grab(), *scene.output());
    delete wizard;
    return saved;
}

}  // namespace
}  // namespace quillorbitex

int main(int argc, char** argv) {
    return quillorbitex::run(argc, argv);
}
