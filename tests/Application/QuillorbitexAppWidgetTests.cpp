#include "Application/QuillorbitexApp.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QMenu>

#include "Application/StatusBarMenuContent.h"
#include "Application/UpdateIntegration.h"
#include "ViewModels/AppModelTestEnvironment.h"
#include "Views/DashboardWindow.h"
#include "Views/Theme/Theme.h"
#include "support/FakeDisplayRegistry.h"
#include "support/FakeOverlayPanel.h"
#include "support/ManualDisplayClock.h"
#include "support/RecordingUpdater.h"

namespace quillorbitex {
namespace {

const QString kAutomaticChecks = QString::fromLatin1(UpdateIntegration::automaticChecksKey);

// The program over the model's test doubles, with the dashboard windows it makes counted.
struct AppHarness {
    AppHarness(bool testMode, bool withFeed, std::optional<bool> storedAutomaticChecks = {}) {
        Theme::setAnimationsEnabled(false);
        if (storedAutomaticChecks) {
            env.defaults->values[QStringLiteral("gestureAutomaticUpdateChecks")] =
                *storedAutomaticChecks;
        }
        QuillorbitexApp::Environment environment;
        environment.arguments = {QStringLiteral("quillorbitex")};
        if (testMode) {
            environment.arguments << QStringLiteral("--uitest-mode");
        }
        environment.processEnvironment.insert(QStringLiteral("QUILLORBITEX_UITEST_BASE_DIR"),
                                              baseDirectory());
        environment.bundle = {"org.quillorbitex.Quillorbitex", "Quillorbitex", "0.1.0", {}, {}};
        if (withFeed) {
            environment.bundle.feedURL = "https://updates.example.org/appcast.xml";
            environment.bundle.publicEDKey = QByteArray(32, 'k').toBase64();
        }
        environment.platform = env.platform();
        if (!testMode) {
            environment.services.statsStore = env.stats();
        }
        environment.overlays = {displays, displayClock, panels.factory(), &env.main};
        environment.makeUpdater = [this](std::shared_ptr<UpdaterWindowDelegate>) {
            return updater;
        };
        environment.makeDashboard = [this](AppModel& model, bool offersUpdateCommand,
                                           QuillorbitexApp::DashboardHooks hooks) -> QWidget* {
            auto* window = new DashboardWindow(model, offersUpdateCommand, &env.main);
            QObject::connect(window, &DashboardWindow::appeared, window, hooks.appeared);
            QObject::connect(window, &DashboardWindow::checkForUpdatesRequested, window,
                             hooks.checkForUpdates);
            ++windowsMade;
            return window;
        };
        environment.showsStatusBarIcon = false;
        app = std::make_unique<QuillorbitexApp>(std::move(environment));
    }
    ~AppHarness() {
        app.reset();
        Theme::setAnimationsEnabled(true);
    }

    QString baseDirectory() const { return env.dir.filePath(QStringLiteral("base")); }
    DashboardWindow* dashboard() const {
        return qobject_cast<DashboardWindow*>(app->dashboardWindow());
    }
    testing::AppModelTestEnvironment env;
    std::shared_ptr<testing::FakeDisplayRegistry> displays =
        std::make_shared<testing::FakeDisplayRegistry>();
    std::shared_ptr<testing::ManualDisplayClock> displayClock =
        std::make_shared<testing::ManualDisplayClock>();
    testing::FakeOverlayPanelMaker<OverlayPanelContent> panels;
    std::shared_ptr<testing::RecordingUpdater> updater =
        std::make_shared<testing::RecordingUpdater>();
    int windowsMade = 0;
    std::unique_ptr<QuillorbitexApp> app;
};

TEST(QuillorbitexApp, StartsTheUpdaterOnlyWithAFeedAndOutsideTestRuns) {
    const struct {
        const char* name;
        bool testMode;
        bool withFeed;
        bool storedAutomaticChecks;
        std::optional<bool> writtenSetting;
        std::vector<std::string> updaterCalls;
        bool windowCommand;
    } cases[] = {
        // An absent setting reads as on, so only a preference that is off needs writing.
        {"feed, checks on", false, true, true, std::nullopt, {"start", "automatic=on"}, true},
        {"feed, checks off", false, true, false, false, {"start", "automatic=off"}, true},
        {"no feed: the setting is still mirrored", false, false, false, false, {}, false},
        {"feed in a test run", true, true, true, std::nullopt, {}, false},
        {"no feed in a test run", true, false, false, std::nullopt, {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AppHarness harness(c.testMode, c.withFeed, c.storedAutomaticChecks);
        AppModel& model = harness.app->model();
        EXPECT_EQ(model.uiTestConfig().isUITest, c.testMode);
        EXPECT_EQ(harness.app->updaterIsConfigured(), c.withFeed);
        EXPECT_EQ(model.updateSupportAvailable(), c.withFeed);
        // The action is installed in every mode; in a test run it does nothing.
        EXPECT_EQ(model.canCheckForUpdates(), c.withFeed);
        const auto written = [&]() -> std::optional<bool> {
            const auto found = harness.env.defaults->values.find(kAutomaticChecks);
            if (found == harness.env.defaults->values.end()) {
                return std::nullopt;
            }
            return std::get<bool>(found->second);
        };
        EXPECT_EQ(written(), c.writtenSetting);
        EXPECT_EQ(harness.updater->calls(), c.updaterCalls);

        harness.app->showDashboard();
        ASSERT_NE(harness.dashboard(), nullptr);
        EXPECT_EQ(harness.dashboard()->applicationMenu()->actions().size(),
                  c.windowCommand ? 2 : 1);
        EXPECT_EQ(harness.app->statusBarMenu().checkForUpdatesAction()->isVisible(), c.withFeed);

        // The window's command, the tray's entry and the header's button all check once each,
        // and the switch reaches the updater and its setting: with a feed outside test runs.
        const bool acts = c.withFeed && !c.testMode;
        model.checkForUpdates();
        harness.app->checkForUpdatesCommand();
        model.setAutomaticUpdateCheckEnabled(!c.storedAutomaticChecks);
        std::vector<std::string> calls = c.updaterCalls;
        if (acts) {
            calls.insert(calls.end(), {"check", "check",
                                       c.storedAutomaticChecks ? "automatic=off" : "automatic=on"});
        }
        EXPECT_EQ(harness.updater->calls(), calls);
        EXPECT_EQ(written(), acts ? std::optional(!c.storedAutomaticChecks) : c.writtenSetting);
        // A check pins the appearance before the updater's window can appear.
        EXPECT_EQ(harness.env.appearance->applied().back(),
                  acts ? AppThemeOverride::light : AppThemeOverride::system);
    }
}

// The folder is checked and reset before the program is built (its preferences are read from
// there); the program itself removes nothing in it, a file of someone else's least of all.
TEST(QuillorbitexApp, ATestRunDescribesItselfInItsBaseFolderAndRemovesNothingThere) {
    for (const bool reset : {false, true}) {
        SCOPED_TRACE(reset);
        testing::AppModelTestEnvironment probe;
        const QString base = probe.dir.filePath(QStringLiteral("base"));
        QDir().mkpath(base);
        const QString leftover = QDir(base).filePath(QStringLiteral("leftover"));
        QFile file(leftover);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.close();

        QuillorbitexApp::Environment environment;
        environment.arguments = {QStringLiteral("quillorbitex"), QStringLiteral("--uitest-mode")};
        if (reset) {
            environment.arguments << QStringLiteral("--uitest-reset");
        }
        environment.processEnvironment.insert(QStringLiteral("QUILLORBITEX_UITEST_BASE_DIR"), base);
        environment.platform = probe.platform();
        environment.showsStatusBarIcon = false;
        QuillorbitexApp app(std::move(environment));
        EXPECT_TRUE(QFile::exists(leftover));
        // The model described itself in the folder straight away.
        EXPECT_TRUE(QFile::exists(QDir(base).filePath(QStringLiteral("state.json"))));
    }
}

TEST(QuillorbitexApp, TheOverlaysAreWiredOnceAtStartAndTheDashboardIsOneWindow) {
    AppHarness harness(true, false);
    QuillorbitexApp& app = *harness.app;
    EXPECT_EQ(app.dashboardWindow(), nullptr);
    EXPECT_FALSE(app.overlayController().isConfigured());
    // Without a tray the window opens at start too, even once the onboarding is done.
    app.model().completeOnboarding();
    app.start();
    EXPECT_TRUE(app.overlayController().isConfigured());
    EXPECT_NE(app.dashboardWindow(), nullptr);
    const auto appliedBefore = harness.env.appearance->applied().size();

    app.showDashboard();
    EXPECT_EQ(harness.windowsMade, 1);

    // Closed, it is gone; the next request opens a new one, and the overlays stay as wired.
    QPointer<QWidget> first = app.dashboardWindow();
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(app.dashboardWindow(), nullptr);
    app.showDashboard();
    EXPECT_EQ(harness.windowsMade, 2);
    EXPECT_EQ(harness.displays->handlerInstallCount, 1);
    EXPECT_EQ(harness.displayClock->handlerInstallCount, 1);
    // Each new showing re-applied the theme (and refreshed the permission and the login item).
    EXPECT_EQ(harness.env.appearance->applied().size(), appliedBefore + 1);

    // The tray's entry brings the same window forward.
    app.statusBarMenu().openDashboardAction()->trigger();
    EXPECT_EQ(harness.windowsMade, 2);
}

}  // namespace
}  // namespace quillorbitex
