// Not a test: draws one step of the rule editor over a model that has seen a stroke, and saves
// the sheet as a PNG. Started by scripts/screenshots:
//
//   qx_rule_editor_screenshot --output FILE --appearance light|dark
//       --step gesture-armed|gesture|action|action-app|action-url|review
//       [--language en|ja|de|...] [--scale 1|2] [--compositor yes|no]
//
// --scale sets Qt's scale factor; the compositor argument is accepted for the script's sake.

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QStringList>
#include <cstdio>

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

std::optional<QString> argument(const QStringList& arguments, const QString& name) {
    const auto index = arguments.indexOf(name);
    if (index < 0 || index + 1 >= arguments.size()) {
        return std::nullopt;
    }
    return arguments[index + 1];
}

std::optional<AppLanguageOverride> languageFor(const QString& code) {
    for (const AppLanguageOverride language : allCases<AppLanguageOverride>()) {
        if (localizationResource(language) == code) {
            return language;
        }
    }
    return std::nullopt;
}

void settle(int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

const std::vector<Point> kCircle = testing::circle({500, 500}, 80, 48);
const std::vector<Point> kRightThenDown =
    testing::polyline({{400, 400}, {520, 400}, {520, 520}}, 4);

int run(int argc, char** argv) {
    for (int i = 0; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "--scale") == 0) {
            qputenv("QT_SCALE_FACTOR", argv[i + 1]);
        }
    }
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const auto output = argument(arguments, QStringLiteral("--output"));
    const bool dark = argument(arguments, QStringLiteral("--appearance")) == QStringLiteral("dark");
    const QString step = argument(arguments, QStringLiteral("--step")).value_or("gesture");
    const auto language =
        languageFor(argument(arguments, QStringLiteral("--language")).value_or("en"));
    const QStringList steps = {"gesture-armed", "gesture",    "action",
                               "action-app",    "action-url", "review"};
    if (!output || !language || !steps.contains(step)) {
        std::fprintf(stderr,
                     "usage: %s --output FILE [--appearance light|dark] --step %s "
                     "[--language en|ja|...] [--scale 1|2]\n",
                     argv[0], qPrintable(steps.join(QLatin1Char('|'))));
        return 2;
    }
    QApplication::setPalette(ThemePalette::qtPalette(dark));
    Theme::setAnimationsEnabled(false);

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
    const auto context =
        review ? GestureRuleEditorContext::open(
                     GestureRuleEditorMode::overrideGesture,
                     model.mapping(GestureDescriptor::directional(GesturePattern::rightThenUp)))
               : GestureRuleEditorContext::open(GestureRuleEditorMode::newRule);
    auto keys = std::make_shared<testing::ManualKeyEventMonitor>();
    auto* wizard = new CustomGestureWizard(context, model, {env.workspace, keys});
    GestureRuleEditorState& state = wizard->state();
    wizard->show();
    settle(100);

    if (!review) {
        state.toggleGestureCapture();
    }
    if (step != QStringLiteral("gesture-armed")) {
        env.drawStroke(review ? kRightThenDown : kCircle);
    }
    if (step.startsWith(QStringLiteral("action")) || review) {
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
    } else if (review) {
        state.advance();
        state.setRuleName(QStringLiteral("Project docs  "));
    }
    wizard->resize(wizard->sizeHint());
    settle(300);
    if (!wizard->grab().save(*output)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(*output));
        return 1;
    }
    delete wizard;
    return 0;
}

}  // namespace
}  // namespace quillorbitex

int main(int argc, char** argv) {
    return quillorbitex::run(argc, argv);
}
