#include <gtest/gtest.h>

#include <QCoreApplication>
#include <filesystem>
#include <memory>
#include <thread>

#include "Platform/ApplicationIdentifier.h"
#include "Platform/Freedesktop/DesktopEntries.h"
#include "Platform/X11/ActiveWindow.h"
#include "Platform/X11/X11AccessibilityTrust.h"
#include "Platform/X11/X11EventPoster.h"
#include "Platform/X11/X11Workspace.h"
#include "Services/Actions/GestureActionDispatcher.h"
#include "Services/Keyboard/KeyboardShortcutDispatcher.h"
#include "Services/Permissions/PermissionService.h"
#include "support/ManualExecutor.h"
#include "support/X11TestInput.h"
#include "support/X11TestSession.h"

// Last: Xlib's macros (None, Bool, Status, ...) would clash with the headers above.
#include "support/X11ProgramWindows.h"

namespace quillorbitex {
namespace {

using testing::waitUntil;
namespace fs = std::filesystem;

constexpr const char* kOwnIdentifier = kApplicationIdentifier;

// A private desktop session whose data folders hold only the test's desktop entries: an
// application that records its arguments, one in a vendor subfolder, and the handler of the
// "qxtest" scheme.
class ActionsEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(session_.started());
        session_.applyToCurrentProcess();
        markers_ = session_.tempDir() / "markers";
        fs::create_directories(markers_);
        const auto record = [&](const char* marker) {
            return "Exec=" + session_.recorderScript(markers_ / marker).string();
        };
        session_.writeDesktopEntry(
            "org.quillorbitex.TestApp",
            "Name=Test App\n" + record("app launched") + " \"first arg\" %U --flag");
        session_.writeDesktopEntry("sub/tool", "Name=Tool\n" + record("tool"));
        session_.writeDesktopEntry("qxtest-handler",
                                   "Name=Test Handler\nNoDisplay=true\n"
                                   "MimeType=x-scheme-handler/qxtest;\n" +
                                       record("url") + " %u");
        session_.writeDesktopEntry("org.quillorbitex.FrontA",
                                   "Name=Front A\nExec=true\nStartupWMClass=qxfronta");
        session_.writeDesktopEntry("qxfrontb", "Name=Front B\nExec=true");
        testing::writeFile(
            session_.configHome() / "mimeapps.list",
            "[Default Applications]\nx-scheme-handler/qxtest=qxtest-handler.desktop\n");
        entries_ = std::make_shared<freedesktop::DesktopEntries>();
    }

    std::shared_ptr<x11::X11Workspace> makeWorkspace(
        std::shared_ptr<x11::ActiveWindow> active = {}) {
        return std::make_shared<x11::X11Workspace>(entries_, std::move(active));
    }

    testing::X11TestSession session_;
    fs::path markers_;
    std::shared_ptr<freedesktop::DesktopEntries> entries_;
};

// Applications start from their desktop entries and URLs go to their scheme's handler, with their
// arguments whole; identifiers and URLs that name nothing or reach outside the data folders start
// nothing. Keyboard actions fail once the display is gone; launches do not need it.
TEST_F(ActionsEndToEndTest, LaunchesReachOnlyTheirOwnProgramsAndKeysNeedTheDisplay) {
    // Wired as the program wires it: keys go through XTest on the session's display.
    GestureActionDispatcher dispatcher(
        std::make_shared<KeyboardShortcutDispatcher>(
            x11::X11EventPoster(session_.displayName()).createSource()),
        makeWorkspace());
    const struct {
        GestureAction action;
        bool dispatched;
    } cases[] = {
        // Installed, but in a subfolder of the applications folder.
        {GestureAction::openApp("sub/tool"), false},
        {GestureAction::openURL("qxnone:item?id=7"), false},
        {GestureAction::openApp("  org.quillorbitex.TestApp \n"), true},
        // Characters a shell would act on arrive as part of the one argument.
        {GestureAction::openURL(" qxtest:item?id=7&mode=a;b$(id)\n"), true},
        {GestureAction::predefined(PredefinedAction::refresh), true},
    };
    for (std::size_t row = 0; row < std::size(cases); ++row) {
        EXPECT_EQ(dispatcher.dispatch(cases[row].action), cases[row].dispatched) << "row " << row;
    }
    // Quoted arguments stay whole, the file field code is gone.
    const std::pair<const char*, const char*> markers[] = {
        {"app launched", "first arg\n--flag\n"}, {"url", "qxtest:item?id=7&mode=a;b$(id)\n"}};
    for (const auto& [marker, content] : markers) {
        EXPECT_TRUE(waitUntil([&] { return testing::readFile(markers_ / marker) == content; }))
            << marker << ": " << testing::readFile(markers_ / marker);
    }
    EXPECT_FALSE(fs::exists(markers_ / "tool"));

    session_.terminate(session_.serverPid());
    EXPECT_FALSE(dispatcher.dispatch(GestureAction::predefined(PredefinedAction::refresh)));
    EXPECT_FALSE(dispatcher.dispatch(
        GestureAction::keyboardShortcut({KeyboardKeyToken::t, {ModifierKey::command}})));
    EXPECT_TRUE(dispatcher.dispatch(GestureAction::openApp("org.quillorbitex.TestApp")));
}

TEST_F(ActionsEndToEndTest, FrontmostApplicationFollowsTheActiveWindow) {
    int argc = 1;
    char name[] = "qx_e2e_actions_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);

    auto first = session_.startTestWindow(
        {.title = "Front A", .resourceName = "qx-front-a", .resourceClass = "QxFrontA"});
    auto second = session_.startTestWindow({.title = "Front B",
                                            .resourceName = "qxfrontb",
                                            .resourceClass = "QxFrontB",
                                            .geometry = "300x200+650+150"});
    ASSERT_TRUE(first && second);
    std::shared_ptr<x11::ActiveWindow> active = x11::ActiveWindow::connect(
        entries_, kOwnIdentifier, QString::fromStdString(session_.displayName()));
    ASSERT_TRUE(active);
    const auto workspace = makeWorkspace(active);
    testing::X11TestInput input(session_.displayName());
    ASSERT_TRUE(input.connected());

    const auto frontmostBecomes = [&](const QString& identifier) {
        return waitUntil([&] {
            QCoreApplication::processEvents();
            return workspace->frontmostApplicationIdentifier() == identifier;
        });
    };
    // Matched through StartupWMClass, ignoring case.
    ASSERT_TRUE(input.activateWindow(first->window));
    EXPECT_TRUE(frontmostBecomes("org.quillorbitex.FrontA"))
        << workspace->frontmostApplicationIdentifier().value_or("(none)").toStdString();
    // Matched through the desktop file's name, ignoring case.
    ASSERT_TRUE(input.activateWindow(second->window));
    EXPECT_TRUE(frontmostBecomes("qxfrontb"))
        << workspace->frontmostApplicationIdentifier().value_or("(none)").toStdString();
    EXPECT_EQ(workspace->frontmostOtherApplicationIdentifier(), "qxfrontb");
    // A window no desktop entry describes is in front: no application, not the one before it.
    auto unknown = session_.startTestWindow({.title = "Unknown",
                                             .resourceName = "qx-unknown",
                                             .resourceClass = "QxUnknown",
                                             .geometry = "200x150+650+450"});
    ASSERT_TRUE(unknown && input.activateWindow(unknown->window));
    EXPECT_TRUE(waitUntil([&] {
        QCoreApplication::processEvents();
        return !workspace->frontmostOtherApplicationIdentifier().has_value();
    }));

    const auto running = workspace->runningApplications();
    EXPECT_EQ(running.size(), 2u);  // the unknown window names no application
    for (const auto& app : {WorkspaceApplication{"org.quillorbitex.FrontA", "Front A", ""},
                            WorkspaceApplication{"qxfrontb", "Front B", ""}}) {
        EXPECT_TRUE(std::any_of(running.begin(), running.end(), [&](const auto& r) {
            return r.identifier == app.identifier && r.name == app.name;
        })) << app.identifier.toStdString();
    }
}

// The program's main thread never waits for the desktop entries to be read: a window in front
// before they are names no application, and is named as soon as they are.
TEST_F(ActionsEndToEndTest, TheWindowInFrontIsNamedOnceTheEntriesAreRead) {
    int argc = 1;
    char name[] = "qx_e2e_actions_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    auto window = session_.startTestWindow(
        {.title = "Front A", .resourceName = "qx-front-a", .resourceClass = "QxFrontA"});
    ASSERT_TRUE(window);
    testing::X11TestInput input(session_.displayName());
    ASSERT_TRUE(input.connected() && input.activateWindow(window->window));

    const auto reader = std::make_shared<testing::ManualExecutor>();
    entries_ = std::make_shared<freedesktop::DesktopEntries>(
        freedesktop::XdgLocations::fromEnvironment(), std::this_thread::get_id(), reader);
    const auto active = x11::ActiveWindow::connect(entries_, kOwnIdentifier,
                                                   QString::fromStdString(session_.displayName()));
    ASSERT_TRUE(active);
    EXPECT_EQ(active->frontmostApplicationIdentifier(), std::nullopt);

    reader->runUntilIdle();
    EXPECT_TRUE(waitUntil([&] {
        QCoreApplication::processEvents();
        return active->frontmostApplicationIdentifier() == "org.quillorbitex.FrontA";
    })) << active->frontmostApplicationIdentifier().value_or("(none)").toStdString();
}

TEST_F(ActionsEndToEndTest, PermissionFollowsTheDisplayAndSettingsOpenTheSettingsApplication) {
    const QString display = QString::fromStdString(session_.displayName());
    PermissionService service(std::make_shared<x11::X11AccessibilityTrust>(display),
                              makeWorkspace());
    EXPECT_EQ(service.accessibilityPermissionState(), PermissionState::granted);
    PermissionService unreachable(std::make_shared<x11::X11AccessibilityTrust>(":4093"),
                                  makeWorkspace());
    EXPECT_EQ(unreachable.accessibilityPermissionState(), PermissionState::denied);

    // A desktop with a settings application gets it started.
    session_.writeDesktopEntry(
        "xfce-settings-manager",
        "Name=Settings\nExec=" + session_.recorderScript(markers_ / "settings").string() +
            " opened");
    entries_ = std::make_shared<freedesktop::DesktopEntries>();
    PermissionService withSettings(std::make_shared<x11::X11AccessibilityTrust>(display),
                                   makeWorkspace());
    withSettings.openInputMonitoringSettings();
    EXPECT_TRUE(waitUntil([&] { return testing::readFile(markers_ / "settings") == "opened\n"; }))
        << testing::readFile(markers_ / "settings");
    EXPECT_FALSE(fs::exists(markers_ / "url"));
}

}  // namespace
}  // namespace quillorbitex
