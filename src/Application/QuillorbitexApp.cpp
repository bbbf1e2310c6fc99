#include "Application/QuillorbitexApp.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QWidget>

#include "Application/FeedUpdater.h"
#include "Application/PinnableAppearance.h"
#include "Application/StatusBarMenuContent.h"
#include "Application/StorageLocations.h"
#include "Application/UpdateAppearanceCoordinator.h"
#include "Application/UpdateConfiguration.h"
#include "Application/UpdateIntegration.h"
#include "Localization/L10n.h"
#include "Platform/JsonFileUserDefaults.h"
#include "Platform/MainExecutor.h"
#include "Services/Settings/GestureSettingsStore.h"

namespace quillorbitex {

QuillorbitexApp::QuillorbitexApp(Environment environment, QObject* parent)
    : QObject(parent),
      uiTestConfig_(
          UITestConfig::fromProcessInfo(environment.arguments, environment.processEnvironment)),
      makeDashboard_(std::move(environment.makeDashboard)),
      statusBarIconImage_(std::move(environment.statusBarIcon)),
      showsStatusBarIcon_(environment.showsStatusBarIcon) {
    // The order is fixed: the model's construction already starts capturing.
    AppModelPlatform& platform = environment.platform;
    AppModelServices& services = environment.services;

    // The overlays, inert until start().
    overlays_ = std::make_unique<GestureOverlayController>(std::move(environment.overlays));
    // The program outlives its windows; only the tray menu's quit (or a signal) ends it.
    if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        application->setQuitOnLastWindowClosed(false);
    }

    // The preferences, and the automatic-check preference in them. A test run's are read from its
    // base folder, which the program's entry has checked and prepared before this object is built.
    if (!platform.userDefaults) {
        platform.userDefaults = std::make_shared<JsonFileUserDefaults>(
            StorageLocations::forConfig(uiTestConfig_).preferencesFile);
    }
    if (!services.settingsStore) {
        services.settingsStore = std::make_shared<GestureSettingsStore>(
            platform.userDefaults,
            platform.mainExecutor != nullptr ? platform.mainExecutor : &MainExecutor::shared());
    }
    const bool automaticChecks = services.settingsStore->isAutomaticUpdateCheckEnabled();

    // Updates: the configuration check, the window theming and the updater, started only with a
    // usable feed outside test runs.
    updaterIsConfigured_ = hasValidUpdateConfiguration(environment.bundle);
    appearance_ = std::make_shared<PinnableAppearance>(std::move(platform.appearance));
    platform.appearance = appearance_;
    coordinator_ = std::make_shared<UpdateAppearanceCoordinator>(appearance_.get());
    if (environment.makeUpdater) {
        updater_ = environment.makeUpdater(coordinator_);
    } else {
        Executor& mainExecutor =
            platform.mainExecutor != nullptr ? *platform.mainExecutor : MainExecutor::shared();
        const Clock& clock = platform.clock != nullptr ? *platform.clock : SteadyClock::shared();
        updater_ =
            std::make_shared<FeedUpdater>(environment.bundle, mainExecutor, clock,
                                          std::move(environment.updatePresenter), coordinator_);
    }
    updateIntegration_ =
        std::make_unique<UpdateIntegration>(updaterIsConfigured_, uiTestConfig_.isUITest,
                                            platform.userDefaults, updater_, coordinator_);
    updateIntegration_->startUp(automaticChecks);

    // The rule store with the presets, and the model, which loads the stored rules into it and
    // starts capturing.
    auto mappingStore = std::make_shared<GestureMappingStore>();
    model_ =
        std::make_unique<AppModel>(uiTestConfig_, std::move(mappingStore), updaterIsConfigured_,
                                   std::move(platform), std::move(services));
    // The model's two update actions.
    UpdateIntegration* integration = updateIntegration_.get();
    model_->configureUpdateActions(
        [integration] { integration->checkForUpdates(); },
        [integration](bool enabled) { integration->setAutomaticUpdateChecks(enabled); });

    statusBarMenu_ = std::make_unique<StatusBarMenuContent>(
        *model_, [this] { showDashboard(); }, [this] { quit(); });
    connect(model_.get(), &AppModel::languageOverrideChanged, this, &QuillorbitexApp::retranslate);
}

QuillorbitexApp::~QuillorbitexApp() {
    // The window and the tray read the model; they go first.
    delete dashboard_.data();
    delete statusBarIcon_;
    statusBarMenu_.reset();
    model_.reset();
}

void QuillorbitexApp::start() {
    // Most starts open no window (a login start with a tray), so the overlays and the refresh a
    // window's appearance would bring cannot wait for one.
    overlays_->configure(model_->overlayRuntime(),
                         [model = QPointer<AppModel>(model_.get())](const QString& text) {
                             if (model) {
                                 model->appendOverlayDebugLogEntry(text);
                             }
                         });
    model_->applicationDidBecomeActive();
    if (showsStatusBarIcon_ && statusBarIcon_ == nullptr) {
        statusBarIcon_ = new QSystemTrayIcon(statusBarIconImage_, this);
        statusBarIcon_->setContextMenu(statusBarMenu_->menu());
        // A click opens the same menu, as a menu-bar item would.
        connect(statusBarIcon_, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    if (reason == QSystemTrayIcon::Trigger) {
                        statusBarMenu_->menu()->popup(QCursor::pos());
                    }
                });
        retranslate();
        statusBarIcon_->show();
    }
    const bool trayAvailable =
        statusBarIcon_ != nullptr && QSystemTrayIcon::isSystemTrayAvailable();
    if (!trayAvailable || model_->showOnboarding()) {
        showDashboard();
    }
}

void QuillorbitexApp::showDashboard() {
    if (!dashboard_) {
        if (!makeDashboard_) {
            return;
        }
        DashboardHooks hooks;
        hooks.appeared = [this] { dashboardDidAppear(); };
        hooks.checkForUpdates = [this] { checkForUpdatesCommand(); };
        QWidget* window =
            makeDashboard_(*model_, updateIntegration_->offersUpdateCommand(), std::move(hooks));
        if (window == nullptr) {
            return;
        }
        // Closing the window ends it; the next request makes a fresh one.
        window->setAttribute(Qt::WA_DeleteOnClose);
        dashboard_ = window;
    }
    if (dashboard_->isMinimized()) {
        dashboard_->showNormal();
    } else {
        dashboard_->show();
    }
    dashboard_->raise();
    dashboard_->activateWindow();
}

void QuillorbitexApp::dashboardDidAppear() {
    model_->applicationDidBecomeActive();
}

void QuillorbitexApp::checkForUpdatesCommand() {
    updateIntegration_->checkForUpdates();
}

void QuillorbitexApp::quit() {
    QCoreApplication::quit();
}

void QuillorbitexApp::retranslate() {
    if (statusBarIcon_ != nullptr) {
        statusBarIcon_->setToolTip(L10n::string("Quillorbitex"));
    }
}

}  // namespace quillorbitex
