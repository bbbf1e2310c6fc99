#include "Views/DashboardWindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>

#include "Localization/L10n.h"
#include "ViewModels/AppModel.h"
#include "Views/Components/AccessibilityIdentifier.h"
#include "Views/Components/InputConventions.h"
#include "Views/ContentView.h"

namespace quillorbitex {

DashboardWindow::DashboardWindow(AppModel& model, bool offersUpdateCommand, Executor* mainExecutor,
                                 QWidget* parent)
    : QMainWindow(parent),
      model_(model),
      content_(new ContentView(model, mainExecutor, this)),
      menu_(new QMenu(this)),
      reopenOnboarding_(new QAction(this)) {
    // The wheel and the Return key behave alike in this window and in what opens over it.
    InputConventions::install();
    setAccessibilityIdentifier(*this, QStringLiteral("dashboard"));
    // Window managers and tests tell the dashboard from the program's other windows by its role.
    setWindowRole(QStringLiteral("dashboard"));
    setCentralWidget(content_);
    resize(1100, 780);
    setLocale(quillorbitex::locale(model_.languageOverride()));

    menu_->setObjectName(QStringLiteral("DashboardApplicationMenu"));
    if (offersUpdateCommand) {
        checkForUpdates_ = new QAction(this);
        checkForUpdates_->setObjectName(QStringLiteral("CheckForUpdatesCommand"));
        connect(checkForUpdates_, &QAction::triggered, this,
                &DashboardWindow::checkForUpdatesRequested);
        menu_->addAction(checkForUpdates_);
    }
    reopenOnboarding_->setObjectName(QStringLiteral("ReopenOnboardingCommand"));
    connect(reopenOnboarding_, &QAction::triggered, this, [this] { model_.reopenOnboarding(); });
    menu_->addAction(reopenOnboarding_);
    menuBar()->addMenu(menu_);

    connect(&model_, &AppModel::languageOverrideChanged, this, [this] {
        setLocale(quillorbitex::locale(model_.languageOverride()));
        // Reaches every widget of the window, the open sheets included.
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(this, &change);
    });
    retranslate();
}

void DashboardWindow::retranslate() {
    setWindowTitle(L10n::string("Quillorbitex"));
    menu_->setTitle(QStringLiteral("&") + L10n::string("Quillorbitex"));
    if (checkForUpdates_ != nullptr) {
        checkForUpdates_->setText(L10n::string("Check for Updates…"));
    }
    reopenOnboarding_->setText(L10n::string("Reopen Onboarding"));
}

void DashboardWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    Q_EMIT appeared();
}

void DashboardWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
}

}  // namespace quillorbitex
