// The program's entry point: checks for an X display, keeps to one instance per user and display,
// builds the X11 and freedesktop backends and hands them to the application, then runs the event
// loop until the tray menu's quit or a termination signal.
#include <QApplication>
#include <QObject>
#include <QProcessEnvironment>
#include <chrono>
#include <memory>
#include <thread>

#include "Application/BundleInfo.h"
#include "Application/ClipboardPasteboard.h"
#include "Application/DesktopAppearance.h"
#include "Application/QtDisplayClock.h"
#include "Application/QtDisplayRegistry.h"
#include "Application/QtKeyEventMonitor.h"
#include "Application/QtOverlayPanel.h"
#include "Application/QuillorbitexApp.h"
#include "Application/SingleInstance.h"
#include "Application/TeardownBound.h"
#include "Application/TerminationSignalWatcher.h"
#include "Application/TestBaseDirectory.h"
#include "Application/WaylandSession.h"
#include "Localization/L10n.h"
#include "Platform/Freedesktop/DesktopEntries.h"
#include "Platform/Freedesktop/LoginItem.h"
#include "Platform/StandardError.h"
#include "Platform/X11/ActiveWindow.h"
#include "Platform/X11/X11AccessibilityTrust.h"
#include "Platform/X11/X11CompositingManagerWatch.h"
#include "Platform/X11/X11ErrorTrap.h"
#include "Platform/X11/X11EventPoster.h"
#include "Platform/X11/X11EventTap.h"
#include "Platform/X11/X11PhysicalKeys.h"
#include "Platform/X11/X11Workspace.h"
#include "Views/AppScopes/AppScopeEditorSheet.h"
#include "Views/Components/Icons.h"
#include "Views/ContentView.h"
#include "Views/Dashboard/DashboardView.h"
#include "Views/DashboardWindow.h"
#include "Views/Onboarding/OnboardingView.h"
#include "Views/RuleEditor/RuleEditorPresenter.h"
#include "Views/UpdateDialog.h"
#include "Views/UpdateDialogPresenter.h"

namespace {

using namespace quillorbitex;

bool canOpenDisplay() {
    _XDisplay* display = x11::X11ErrorTrap::openDisplay({});
    if (display == nullptr) {
        return false;
    }
    x11::X11ErrorTrap::closeDisplay(display);
    return true;
}

BundleInfo programInformation() {
    BundleInfo bundle = BundleInfo::compiledIn();
#ifdef QX_FEED_URL_FROM_ENVIRONMENT
    // A build for the end-to-end tests only: they serve the feed on a port the system hands them
    // at that moment, so the address cannot be compiled in.
    bundle.feedURL = qEnvironmentVariable("QX_E2E_UPDATE_FEED_URL");
    bundle.publicEDKey = QStringLiteral(QX_FEED_URL_FROM_ENVIRONMENT);
#endif
    return bundle;
}

}  // namespace

int main(int argc, char* argv[]) {
    // The tap, the synthetic input and the overlays all speak X11, on the display Qt draws on.
    qputenv("QT_QPA_PLATFORM", "xcb");
    if (!canOpenDisplay()) {
        const QString message = L10n::format(
            "Quillorbitex cannot open the X display \"%@\". It runs in an X11 session only; "
            "start it from one, or set DISPLAY to the X server to use.",
            qEnvironmentVariable("DISPLAY"));
        tellOnStandardError(message);
        return 1;
    }

    QApplication application(argc, argv);
    // Quitting never waits long for what Qt tears down after everything of ours has gone.
    TeardownBound teardown(std::chrono::milliseconds(200));
    const BundleInfo bundle = programInformation();
    QApplication::setApplicationName(bundle.displayName);
    QApplication::setApplicationVersion(bundle.version);
    QGuiApplication::setDesktopFileName(bundle.identifier);
    QApplication::setWindowIcon(Icons::applicationIcon());

    // A second launch on the same X server (or of a test run in the same base folder) shows the
    // running instance's dashboard and ends here.
    const QProcessEnvironment processEnvironment = QProcessEnvironment::systemEnvironment();
    const UITestConfig testConfig =
        UITestConfig::fromProcessInfo(QCoreApplication::arguments(), processEnvironment);
    SingleInstance instance(
        SingleInstance::defaultPlaces(bundle.identifier, testConfig, processEnvironment));
    const SingleInstance::Role role = instance.claim();
    if (!instance.notice().isEmpty()) {
        tellOnStandardError(instance.notice());
    }
    if (role == SingleInstance::Role::secondary) {
        return 0;
    }
    // A test run's folder, checked before anything is read from it: one that another user can
    // change, or that is reached through a link, ends the run here rather than handing it files.
    if (!TestBaseDirectory::prepare(testConfig)) {
        tellOnStandardError(TestBaseDirectory::refusalNotice(testConfig.baseDirectory));
        return 1;
    }
    const bool waylandSession = WaylandSession::detected(processEnvironment);
    if (waylandSession) {
        tellOnStandardError(WaylandSession::notice());
    }
    TerminationSignalWatcher termination;
    QObject::connect(&termination, &TerminationSignalWatcher::terminationRequested, &application,
                     &QCoreApplication::quit);

    // Before anything installs a palette: it reads the one the platform gave the application.
    auto desktopAppearance = std::make_shared<DesktopAppearance>();
    // Lookups from this (the main) thread never wait for the desktop's folders to be read.
    auto entries = std::make_shared<freedesktop::DesktopEntries>(
        freedesktop::XdgLocations::fromEnvironment(), std::this_thread::get_id());
    std::shared_ptr<x11::ActiveWindow> activeWindow =
        x11::ActiveWindow::connect(entries, bundle.identifier);
    auto workspace = std::make_shared<x11::X11Workspace>(entries, activeWindow);

    QuillorbitexApp::Environment environment;
    environment.arguments = QCoreApplication::arguments();
    environment.processEnvironment = processEnvironment;
    environment.bundle = bundle;
    environment.platform.eventTap = std::make_shared<x11::X11EventTap>();
    environment.platform.eventPoster = std::make_shared<x11::X11EventPoster>();
    environment.platform.workspace = workspace;
    environment.platform.accessibilityTrust = std::make_shared<x11::X11AccessibilityTrust>();
    environment.platform.makeLoginItem =
        [](const QString& autostartDirectory) -> std::shared_ptr<LaunchAtLoginControlling> {
        // Without a config folder the desktop reads no entry; the model then has no login item.
        if (autostartDirectory.isEmpty()) {
            return nullptr;
        }
        return std::make_shared<freedesktop::LoginItem>(autostartDirectory,
                                                        QCoreApplication::applicationFilePath());
    };
    environment.platform.appearance = desktopAppearance;
    environment.platform.pasteboard = std::make_shared<ClipboardPasteboard>();
    environment.platform.waylandSession = waylandSession;
    environment.overlays = {std::make_shared<QtDisplayRegistry>(),
                            std::make_shared<QtDisplayClock>(),
                            QtOverlayPanel::factory(std::shared_ptr<const CompositingManagerWatch>(
                                x11::X11CompositingManagerWatch::connect())),
                            nullptr};
    environment.updatePresenter = std::make_shared<UpdateDialogPresenter>(workspace);
    environment.makeDashboard = [workspace](AppModel& model, bool offersUpdateCommand,
                                            QuillorbitexApp::DashboardHooks hooks) -> QWidget* {
        auto* window = new DashboardWindow(model, offersUpdateCommand);
        OnboardingView::install(*window->contentView(), model);
        AppScopeEditorSheet::openOnRequest(*window->contentView()->dashboard(), model);
        // The rule editor records shortcuts by the physical key, read from the X keyboard map.
        auto* editors = new RuleEditorPresenter(
            model, {workspace, std::make_shared<QtKeyEventMonitor>(x11::qtPhysicalKeyLookup())},
            *window);
        editors->followRequestsOf(*window->contentView()->dashboard());
        QObject::connect(window, &DashboardWindow::appeared, window, hooks.appeared);
        QObject::connect(window, &DashboardWindow::checkForUpdatesRequested, window,
                         hooks.checkForUpdates);
        return window;
    };
    environment.statusBarIcon = Icons::applicationIcon();

    QuillorbitexApp app(std::move(environment));
    QObject::connect(&instance, &SingleInstance::showDashboardRequested, &app,
                     &QuillorbitexApp::showDashboard);
    app.start();
    return teardown.exitWith(QApplication::exec());
}
