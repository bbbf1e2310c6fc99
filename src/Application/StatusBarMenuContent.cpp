#include "Application/StatusBarMenuContent.h"

#include <QMenu>

#include "Localization/L10n.h"
#include "ViewModels/AppModel.h"

namespace quillorbitex {

StatusBarMenuContent::StatusBarMenuContent(AppModel& model, std::function<void()> openDashboard,
                                           std::function<void()> quit, QObject* parent)
    : QObject(parent), model_(model), menu_(std::make_unique<QMenu>()) {
    menu_->setObjectName(QStringLiteral("StatusBarMenu"));
    openDashboard_ = menu_->addAction(QString());
    openDashboard_->setObjectName(QStringLiteral("StatusBarMenu_OpenDashboard"));
    captureToggle_ = menu_->addAction(QString());
    captureToggle_->setObjectName(QStringLiteral("StatusBarMenu_CaptureToggle"));
    updatesSeparator_ = menu_->addSeparator();
    checkForUpdates_ = menu_->addAction(QString());
    checkForUpdates_->setObjectName(QStringLiteral("StatusBarMenu_CheckForUpdates"));
    menu_->addSeparator();
    quit_ = menu_->addAction(QString());
    quit_->setObjectName(QStringLiteral("StatusBarMenu_Quit"));

    connect(openDashboard_, &QAction::triggered, this, [openDashboard] {
        if (openDashboard) {
            openDashboard();
        }
    });
    connect(captureToggle_, &QAction::triggered, this,
            [this] { model_.setCaptureEnabled(!model_.isCaptureEnabled()); });
    connect(checkForUpdates_, &QAction::triggered, this, [this, openDashboard] {
        if (openDashboard) {
            openDashboard();
        }
        model_.checkForUpdates();
    });
    connect(quit_, &QAction::triggered, this, [quit] {
        if (quit) {
            quit();
        }
    });

    connect(menu_.get(), &QMenu::aboutToShow, this, &StatusBarMenuContent::refresh);
    connect(&model_, &AppModel::isCaptureEnabledChanged, this, &StatusBarMenuContent::refresh);
    connect(&model_, &AppModel::languageOverrideChanged, this, &StatusBarMenuContent::refresh);
    refresh();
}

StatusBarMenuContent::~StatusBarMenuContent() = default;

void StatusBarMenuContent::refresh() {
    openDashboard_->setText(L10n::string("Open Dashboard"));
    captureToggle_->setText(model_.isCaptureEnabled() ? L10n::string("Disable gesture capture")
                                                      : L10n::string("Enable gesture capture"));
    const bool canCheck = model_.canCheckForUpdates();
    updatesSeparator_->setVisible(canCheck);
    checkForUpdates_->setVisible(canCheck);
    checkForUpdates_->setText(L10n::string("Check for Updates…"));
    quit_->setText(L10n::string("Quit Quillorbitex"));
}

}  // namespace quillorbitex
