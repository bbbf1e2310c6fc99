// Draws the overview or the debugging section over a model filled as after some use, and saves the
// window as a PNG at the screen's device pixel ratio. Started by scripts/screenshots:
//
//   qx_dashboard_sections_screenshot --output FILE --appearance light|dark
//       --section overview|debugging [--language en|ja|de|...] [--scale 1|2] [--compositor yes|no]
//
// --scale sets Qt's scale factor, so that 2 draws what a high-density screen shows. The compositor
// plays no part in these windows; the argument is accepted so the script can pass it.

#include <QApplication>
#include <QPainter>
#include <QVBoxLayout>

#include "ScreenshotScene.h"
#include "ViewModels/AppModelTestEnvironment.h"
#include "Views/Dashboard/GestureDebugSectionView.h"
#include "Views/Dashboard/OverviewSectionContent.h"
#include "Views/Theme/Theme.h"
#include "support/StrokeShapes.h"

namespace quillorbitex {
namespace {

using testing::AppModelTestEnvironment;

// The dashboard page behind a section: its background and its 28 px side padding.
class Page final : public QWidget {
public:
    explicit Page(QWidget* content) {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(28, 24, 28, 24);
        layout->addWidget(content);
        layout->addStretch(1);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), Theme::color(ThemePalette::Token::bgPrimary, *this));
    }
};

// A model after a few strokes, with two custom rules, a failed login-item change and, for the
// overview, capture no longer permitted; for the debugging section a stroke is being drawn.
void fill(AppModelTestEnvironment& env, bool forDebugging, AppLanguageOverride language) {
    // The language from the start, so that the model's own messages are in it too.
    const std::string_view raw = rawValue(language);
    env.defaults->values[QStringLiteral("gestureLanguageOverride")] =
        QString::fromLatin1(raw.data(), static_cast<qsizetype>(raw.size()));
    AppModel& model = env.build();
    model.seedCapturedGestureDraft(GestureDescriptor::directional(GesturePattern::leftThenUp));
    model.saveCapturedCustomGesture(QStringLiteral("Project docs"), std::nullopt,
                                    GestureAction::openURL(QStringLiteral("https://example.org")));
    model.beginGestureCapture();
    env.drawStroke(testing::circle({500, 500}, 80, 48));
    model.saveCapturedCustomGesture(QStringLiteral("Circle"), std::nullopt,
                                    GestureAction::predefined(PredefinedAction::newTab));
    model.setMatchingThreshold(0.22);
    const auto upThenDown = testing::polyline({{400, 400}, {400, 300}, {400, 400}}, 4);
    for (int i = 0; i < 3; ++i) {
        env.drawStroke(upThenDown);
    }
    env.drawStroke(testing::polyline({{200, 300}, {380, 300}, {380, 420}}, 5));
    env.loginItem->failWith(QStringLiteral("read-only folder"));
    model.setOpenAtLoginEnabled(true);
    for (const char* entry :
         {"HUD display=DP-1 frame=(0,0 1920x1080) scale=1 point=(412.0,318.5)",
          "trace display=DP-1 viewport=(320,220 260x280) points=48 local=(92.0,98.5)",
          "trace display=HDMI-1 moved=(1920,0 2560x1440) scale=2 keep=28"}) {
        model.appendOverlayDebugLogEntry(QString::fromLatin1(entry));
    }
    if (forDebugging) {
        // A stroke still being drawn: left, then a long way down.
        const auto live = testing::polyline({{700, 200}, {560, 210}, {570, 420}}, 6);
        env.tap->send(testing::buttonDown(live.front()));
        for (std::size_t i = 1; i < live.size(); ++i) {
            env.tap->send(testing::drag(live[i]));
        }
        env.timeline->runUntilIdle();
    } else {
        env.trust->setTrusted(false);
        model.refreshPermissions();
    }
}

int run(int argc, char** argv) {
    ScreenshotScene::applyScale(argc, argv);
    QApplication application(argc, argv);
    const ScreenshotScene scene;
    const bool debugging = scene.value("--section") == QStringLiteral("debugging");
    const auto language = scene.language();
    if (!scene.output() || !language) {
        return ScreenshotScene::usage(
            argv[0], "[--section overview|debugging] [--language en|ja|...] [--scale 1|2]");
    }
    scene.applyAppearance();

    AppModelTestEnvironment env;
    fill(env, debugging, *language);
    AppModel& model = *env.model;

    QWidget* content = nullptr;
    if (debugging) {
        content = new GestureDebugSectionView(*env.model, *model.overlayDebugStore(),
                                              [&model] { model.copyOverlayDebugLog(); });
    } else {
        content = new OverviewSectionContent(model);
    }
    Page page(content);
    // The page's width in a dashboard window of its minimum width, beside the sidebar; as tall as
    // the section needs at that width.
    constexpr int kWidth = 740;
    const auto fit = [&page] {
        const int height = page.heightForWidth(kWidth);
        page.resize(kWidth, height > 0 ? height : page.sizeHint().height());
    };
    fit();
    page.show();
    ScreenshotScene::runFor(300);
    fit();
    ScreenshotScene::runFor(300);
    return ScreenshotScene::save(page.grab(), *scene.output());
}

}  // namespace
}  // namespace quillorbitex

int main(int argc, char** argv) {
    return quillorbitex::run(argc, argv);
}
