// Draws the bodies of the "Custom Rules" and "Preset Rules" sections over a model in test mode with
// a removed preset, an override, a disabled rule, application rules, a freeform gesture and a long
// URL, and saves the page as a PNG. Started by scripts/screenshots:
//
//   qx_dashboard_rules_screenshot --output FILE --appearance light|dark
//                                 [--language english|japanese|…] [--width PIXELS]
//                                 [--compositor yes|no]
//
// The page is rendered whole at the screen's device pixel ratio (QT_SCALE_FACTOR=2 for ratio 2);
// the compositor argument is accepted for the script's sake and changes nothing here.

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <cmath>
#include <memory>

#include "Application/StorageLocations.h"
#include "Localization/L10n.h"
#include "ScreenshotScene.h"
#include "Services/Stats/GestureUsageStatsStore.h"
#include "ViewModels/AppModel.h"
#include "Views/Components/ThemedTextLabel.h"
#include "Views/Dashboard/CustomRulesSectionContent.h"
#include "Views/Dashboard/PresetRulesSectionContent.h"
#include "Views/Dashboard/RuleListHold.h"
#include "Views/Theme/Theme.h"

namespace quillorbitex {
namespace {

// The dashboard's page background under the sections.
class Page final : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), Theme::color(ThemePalette::Token::bgPrimary, *this));
    }
};

std::vector<Point> loop() {
    std::vector<Point> points;
    for (int i = 0; i < 32; ++i) {
        const double t = 2 * M_PI * i / 31;
        points.push_back({std::sin(t) * 0.5, -std::sin(2 * t) * 0.3});
    }
    return points;
}

const auto upDown = GestureDescriptor::directional(GesturePattern::upThenDown);
const auto leftUp = GestureDescriptor::directional(GesturePattern::leftThenUp);
const auto rightDown = GestureDescriptor::directional(GesturePattern::rightThenDown);
const auto rightUp = GestureDescriptor::directional(GesturePattern::rightThenUp);

// Counts in the usage database at `path`, written before the model opens it: a store is used from
// one thread only, and once the model runs, its own store on its queue is the only one.
std::int64_t writeCounts(const QString& path) {
    GestureUsageStatsStore stats(path);
    for (int i = 0; i < 12; ++i) {
        stats.recordInvocation(upDown.id());
    }
    for (int i = 0; i < 3; ++i) {
        stats.recordInvocation(leftUp.id());
    }
    return stats.recordInvocation(rightDown.id());
}

void populate(AppModel& model) {
    GestureMappingStore& store = *model.mappingStore();
    const GestureTemplate freeform(std::nullopt, QStringLiteral("Loop"), loop());

    // An override of a preset, with application rules.
    store.upsertCustomMapping(
        GesturePattern::leftThenUp,
        GestureAction::keyboardShortcut(
            {KeyboardKeyToken::t, {ModifierKey::command, ModifierKey::shift}}),
        QStringLiteral("Reopen Closed Tab"));
    store.replaceAppScopeRules(
        {GestureAppScopeRule(QStringLiteral("firefox-esr"), QStringLiteral("Firefox ESR"), true),
         GestureAppScopeRule(QStringLiteral("org.gnome.Terminal"), QStringLiteral("Terminal"),
                             false)},
        leftUp);
    // A long URL.
    store.upsertCustomMapping(
        GesturePattern::rightThenDown,
        GestureAction::openURL(QStringLiteral(
            "https://intranet.example.com/projects/quillorbitex/dashboards/weekly-report?"
            "team=input&range=last-30-days&view=compact")),
        std::nullopt);
    // A disabled rule opening an application, with one application rule.
    store.upsertCustomMapping(GesturePattern::rightThenUp,
                              GestureAction::openApp(QStringLiteral("org.gnome.Nautilus")),
                              QStringLiteral("Files & Folders"));
    store.setMappingEnabled(false, rightUp);
    store.replaceAppScopeRules(
        {GestureAppScopeRule(QStringLiteral("code"), QStringLiteral("Visual Studio Code"), false)},
        rightUp);
    // A freeform gesture.
    store.upsertCustomTemplateMapping(
        freeform, GestureAction::predefined(PredefinedAction::newWindow), std::nullopt);
    // A removed preset keeps its count.
    store.removeMapping(upDown);
    model.syncMappingsFromStore();
}

int run(int argc, char** argv) {
    QApplication application(argc, argv);
    const ScreenshotScene scene;
    const auto language = scene.language();
    const int width = scene.valueOr("--width", QStringLiteral("880")).toInt();
    if (!scene.output() || !language || width < 200) {
        return ScreenshotScene::usage(
            argv[0], "[--language english|…] [--width PIXELS] [--compositor yes|no]");
    }
    scene.applyAppearance();

    // The folder is new: nothing to reset, and a reset would clear the counts written into it.
    QTemporaryDir folder;
    const UITestConfig config = ScreenshotScene::testMode(folder);
    const std::int64_t total = writeCounts(StorageLocations::forConfig(config).usageDatabaseFile);
    // The model opens the database as the program does, on its statistics queue, and shows the
    // counts once the queue has read them.
    AppModel model(config, std::make_shared<GestureMappingStore>(), false, AppModel::Platform{});
    model.setLanguageOverride(*language);
    populate(model);
    QElapsedTimer waited;
    waited.start();
    while (model.triggerCount() != total && waited.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }

    Page page;
    auto* layout = new QVBoxLayout(&page);
    layout->setContentsMargins(28, 24, 28, 24);
    layout->setSpacing(14);
    // Stand-ins for the sections' headers, which the window frame draws.
    auto* customTitle = new ThemedTextLabel(Theme::Font::heading1, ThemePalette::Token::textPrimary,
                                            ThemedTextLabel::Overflow::elideRight);
    customTitle->setText(L10n::string("Custom Rules"));
    layout->addWidget(customTitle);
    auto* hold = new RuleListHold(&page);
    layout->addWidget(new CustomRulesSectionContent(model, *hold));
    layout->addSpacing(10);
    auto* presetTitle = new ThemedTextLabel(Theme::Font::heading1, ThemePalette::Token::textPrimary,
                                            ThemedTextLabel::Overflow::elideRight);
    presetTitle->setText(L10n::string("Preset Rules"));
    layout->addWidget(presetTitle);
    layout->addWidget(new PresetRulesSectionContent(model, *hold));
    layout->addStretch(1);

    page.setFixedWidth(width);
    page.show();
    QCoreApplication::processEvents();
    page.setFixedHeight(layout->heightForWidth(width) > 0 ? layout->heightForWidth(width)
                                                          : page.sizeHint().height());
    QCoreApplication::processEvents();

    return ScreenshotScene::save(page.grab(), *scene.output());
}

}  // namespace
}  // namespace quillorbitex

int main(int argc, char** argv) {
    return quillorbitex::run(argc, argv);
}
