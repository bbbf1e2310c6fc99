// Draws the theme's controls enabled and disabled side by side on a card, and saves it as a PNG.
// Started by scripts/screenshots:
//
//   qx_buttons_screenshot --output FILE --appearance light|dark [--compositor yes|no]
//
// The compositor argument is accepted for the script's sake and changes nothing here.

#include <QApplication>
#include <QGridLayout>
#include <QPainter>

#include "ScreenshotScene.h"
#include "Views/Components/ToggleSwitch.h"
#include "Views/Theme/AccentButton.h"
#include "Views/Theme/DarkCardFrame.h"
#include "Views/Theme/GhostButton.h"
#include "Views/Theme/Theme.h"

namespace quillorbitex {
namespace {

// The dashboard's page background under the card.
class Page final : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), Theme::color(ThemePalette::Token::bgPrimary, *this));
    }
};

int run(int argc, char** argv) {
    QApplication application(argc, argv);
    const ScreenshotScene scene;
    if (!scene.output()) {
        return ScreenshotScene::usage(argv[0], "[--compositor yes|no]");
    }
    scene.applyAppearance();

    Page page;
    auto* card = new DarkCardFrame(&page);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(12);
    card->contentLayout()->addLayout(grid);
    for (const bool enabled : {true, false}) {
        const int column = enabled ? 0 : 1;
        QWidget* controls[] = {new AccentButton(QStringLiteral("Save Rule")),
                               new AccentButton(QStringLiteral("Delete"), true),
                               new GhostButton(QStringLiteral("Desktop Settings")),
                               new ToggleSwitch, new ToggleSwitch};
        static_cast<ToggleSwitch*>(controls[4])->setChecked(true);
        for (int row = 0; row < static_cast<int>(std::size(controls)); ++row) {
            controls[row]->setEnabled(enabled);
            grid->addWidget(controls[row], row, column, Qt::AlignLeft);
        }
    }
    auto* layout = new QGridLayout(&page);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addWidget(card);
    page.resize(420, 320);
    page.show();
    ScreenshotScene::runFor(300);
    return ScreenshotScene::save(page.grab(), *scene.output());
}

}  // namespace
}  // namespace quillorbitex

int main(int argc, char** argv) {
    return quillorbitex::run(argc, argv);
}
