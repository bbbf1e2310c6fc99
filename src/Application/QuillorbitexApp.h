#pragma once

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QProcessEnvironment>
#include <QStringList>
#include <functional>
#include <memory>

#include "Application/BundleInfo.h"
#include "Application/GestureOverlayController.h"
#include "Application/UITestConfig.h"
#include "Application/UpdatePresenter.h"
#include "Platform/Updater.h"
#include "ViewModels/AppModel.h"

class QSystemTrayIcon;
class QWidget;

namespace quillorbitex {

class PinnableAppearance;
class StatusBarMenuContent;
class UpdateAppearanceCoordinator;
class UpdateIntegration;

// The program: builds every long-lived object in a fixed order at construction (so gestures are
// captured before any window exists), keeps running without a window, and shows the tray icon
// with its menu and the dashboard window. The window itself is made by a factory, since the
// window's views sit above this layer. Main thread.
class QuillorbitexApp final : public QObject {
    Q_OBJECT

public:
    // What the dashboard window reports back to the program.
    struct DashboardHooks {
        // Each time the window's content is shown.
        std::function<void()> appeared;
        // The window menu's "Check for Updates…".
        std::function<void()> checkForUpdates;
    };
    // Makes a dashboard window over the model; the program owns and deletes it.
    using DashboardFactory =
        std::function<QWidget*(AppModel& model, bool offersUpdateCommand, DashboardHooks hooks)>;

    struct Environment {
        // The launch arguments and environment; test mode is read from them.
        QStringList arguments;
        QProcessEnvironment processEnvironment;
        // The program's information; its feed and key decide whether updates are offered.
        BundleInfo bundle;
        // The backends. The appearance is wrapped so that update windows can pin it; without
        // user defaults the preferences file of the storage locations is used.
        AppModelPlatform platform;
        AppModelServices services;
        GestureOverlayController::Environment overlays;
        // Shows update check outcomes; without one, checks are made but not shown.
        std::shared_ptr<UpdatePresenter> updatePresenter;
        // Makes the updater, told about its windows through the given delegate; without it a
        // FeedUpdater of the bundle's feed is made, with the presenter above.
        std::function<std::shared_ptr<Updater>(std::shared_ptr<UpdaterWindowDelegate>)> makeUpdater;
        DashboardFactory makeDashboard;
        QIcon statusBarIcon;
        // Whether start() puts an icon in the tray.
        bool showsStatusBarIcon = true;
    };

    explicit QuillorbitexApp(Environment environment, QObject* parent = nullptr);
    ~QuillorbitexApp() override;
    QuillorbitexApp(const QuillorbitexApp&) = delete;
    QuillorbitexApp& operator=(const QuillorbitexApp&) = delete;

    // Wires the overlays, refreshes the model as on becoming active, puts the icon in the tray
    // and opens the dashboard when the onboarding is due or no tray exists to come back through.
    void start();

    const UITestConfig& uiTestConfig() const { return uiTestConfig_; }
    AppModel& model() { return *model_; }
    GestureOverlayController& overlayController() { return *overlays_; }
    UpdateIntegration& updateIntegration() { return *updateIntegration_; }
    UpdateAppearanceCoordinator& updateAppearanceCoordinator() { return *coordinator_; }
    // The build carries a usable update feed.
    bool updaterIsConfigured() const { return updaterIsConfigured_; }
    StatusBarMenuContent& statusBarMenu() { return *statusBarMenu_; }
    // Null before start() or without a tray icon.
    QSystemTrayIcon* statusBarIcon() const { return statusBarIcon_; }
    // The open dashboard window, or null.
    QWidget* dashboardWindow() const { return dashboard_; }

public Q_SLOTS:
    // Brings the dashboard window to the front, opening a new one when it was closed.
    void showDashboard();
    // The window's appear handler: refreshes the theme, the permission and the login item.
    void dashboardDidAppear();
    // The window menu's "Check for Updates…".
    void checkForUpdatesCommand();
    void quit();

private:
    void retranslate();

    const UITestConfig uiTestConfig_;
    std::unique_ptr<GestureOverlayController> overlays_;
    std::shared_ptr<PinnableAppearance> appearance_;
    std::shared_ptr<UpdateAppearanceCoordinator> coordinator_;
    std::shared_ptr<Updater> updater_;
    bool updaterIsConfigured_ = false;
    std::unique_ptr<UpdateIntegration> updateIntegration_;
    std::unique_ptr<AppModel> model_;
    std::unique_ptr<StatusBarMenuContent> statusBarMenu_;
    DashboardFactory makeDashboard_;
    QIcon statusBarIconImage_;
    bool showsStatusBarIcon_;
    QSystemTrayIcon* statusBarIcon_ = nullptr;
    QPointer<QWidget> dashboard_;
};

}  // namespace quillorbitex
