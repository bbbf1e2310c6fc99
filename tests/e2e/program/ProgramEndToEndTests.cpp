// The built program, started as a user starts it, on a private X server whose window manager has a
// tray dock, with its home and XDG folders in the session's temporary folder.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "support/LocalHttpServer.h"
#include "support/StrokeShapes.h"
#include "support/X11ProgramWindows.h"
#include "support/X11TestInput.h"
#include "support/X11TestSession.h"

// Last: Xlib's macros (None, Bool, Status, ...) would clash with the headers above.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

namespace quillorbitex {
namespace {

using namespace std::chrono_literals;
using testing::ScreenPoint;
using testing::waitUntil;
namespace fs = std::filesystem;

// ---- Reading the X server's windows ------------------------------------------------------------

// A window of the program shown inside the tray: the XEmbed system tray's manager (the selection
// owner) has taken it in and it is visible.
bool trayIconShown(Display* display) {
    const std::string name = "_NET_SYSTEM_TRAY_S" + std::to_string(DefaultScreen(display));
    const Window manager = XGetSelectionOwner(display, XInternAtom(display, name.c_str(), False));
    if (manager == 0) {
        return false;
    }
    // The manager takes icons in as its own children.
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    bool shown = false;
    if (XQueryTree(display, manager, &root, &parent, &children, &count) == 0) {
        return false;
    }
    for (unsigned i = 0; i < count && !shown; ++i) {
        XWindowAttributes attributes{};
        shown = testing::windowClass(display, children[i]) == testing::kProgramWindowClass &&
                XGetWindowAttributes(display, children[i], &attributes) != 0 &&
                attributes.map_state == IsViewable;
    }
    XFree(children);
    return shown;
}

// A count in the usage database, read without writing: -1 while it cannot be read (no table yet,
// or another connection holding the file).
qint64 storedCount(const fs::path& database, const char* sql) {
    sqlite3* connection = nullptr;
    sqlite3_stmt* statement = nullptr;
    qint64 count = -1;
    if (sqlite3_open_v2(database.c_str(), &connection, SQLITE_OPEN_READONLY, nullptr) ==
            SQLITE_OK &&
        sqlite3_prepare_v2(connection, sql, -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW) {
        count = sqlite3_column_int64(statement, 0);
    }
    sqlite3_finalize(statement);
    sqlite3_close(connection);
    return count;
}

// ---- The fixture -----------------------------------------------------------------------------

class ProgramEndToEndTest : public testing::X11SessionTest {
protected:
    ProgramEndToEndTest()
        : X11SessionTest({.trayDock = true},
                         testing::TestWindowOptions{.title = "Program",
                                                    .resourceName = "qx-program-window",
                                                    .resourceClass = "QxProgramWindow",
                                                    .geometry = "500x420+60+60"}) {}

    std::optional<testing::SpawnedProcess> startProgram(
        std::vector<std::string> arguments = {}, std::vector<std::string> environment = {},
        const std::string& program = QX_PROGRAM_PATH) {
        arguments.insert(arguments.begin(), program);
        return session_.spawn(arguments, environment);
    }

    // While waiting, the test's own event loop runs too (a local feed server needs it).
    template <typename Predicate>
    bool waitWithEvents(Predicate&& predicate, std::chrono::milliseconds timeout = 20s) {
        return waitUntil(
            [&] {
                QCoreApplication::processEvents();
                return predicate();
            },
            timeout);
    }

    std::optional<Window> waitForDashboard() {
        std::optional<Window> found;
        waitWithEvents([&] { return (found = testing::dashboardWindow(display())).has_value(); });
        return found;
    }

    // A right-button stroke up, then down, over the test window, drawn densely as a hand would.
    std::vector<ScreenPoint> upThenDown() const {
        return testing::translated(origin_,
                                   testing::polyline({{250, 330}, {250, 170}, {250, 330}}, 3));
    }

    int argc_ = 1;
    char name_[24] = "qx_e2e_program_tests";
    char* argv_[2] = {name_, nullptr};
    QCoreApplication application_{argc_, argv_};
};

// A returning user's start (onboarding done, a tray to come back through) opens no window, and a
// stroke still shows its trace and the HUD while the button is held. A second launch shows the
// dashboard and exits; closed again, the program still captures, and SIGTERM ends it cleanly and
// gives the right button back.
TEST_F(ProgramEndToEndTest, AReturningUserSeesStrokesAndASecondLaunchAndEndsOnTermination) {
    testing::writeFile(session_.configHome() / "Quillorbitex" / "preferences.json",
                       R"({"gestureOnboardingCompleted": true})");
    const auto program = startProgram();
    ASSERT_TRUE(program);
    ASSERT_TRUE(waitWithEvents([&] { return trayIconShown(display()); }))
        << "no tray icon" << testing::outputOf(program);
    EXPECT_TRUE(testing::programWindows(display()).empty());
    ASSERT_TRUE(input_->activateWindow(window_->window));

    auto mark = window_->log.events().size();
    const auto stroke = upThenDown();
    input_->movePointer(stroke.front());
    input_->pressButton(3);
    for (const ScreenPoint p : stroke) {
        input_->movePointer(p);
    }
    // The trace panel and the HUD.
    EXPECT_TRUE(waitUntil([&] {
        return testing::shownUnmanagedProgramWindows(display()).size() == 2;
    })) << testing::outputOf(program);
    input_->releaseButton(3);
    EXPECT_TRUE(waitUntil([&] { return testing::shownUnmanagedProgramWindows(display()).empty(); }))
        << "panels stay on screen";
    EXPECT_TRUE(waitUntil([&] {
        return testing::keyPressCount(window_->log, mark, "r", ControlMask) > 0;
    })) << testing::outputOf(program);
    EXPECT_TRUE(testing::programWindows(display()).empty());

    const auto second = startProgram();
    ASSERT_TRUE(second);
    const auto status = session_.waitForExit(second->pid, 20s);
    ASSERT_TRUE(status) << "the second launch is still running" << testing::outputOf(second);
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << testing::outputOf(second);
    const auto dashboard = waitForDashboard();
    ASSERT_TRUE(dashboard) << testing::outputOf(program);
    testing::closeWindow(display(), *dashboard);
    ASSERT_TRUE(waitUntil([&] { return !testing::dashboardWindow(display()); }));
    ASSERT_TRUE(input_->activateWindow(window_->window));
    mark = window_->log.events().size();
    input_->rightDrag(upThenDown());
    ASSERT_TRUE(waitUntil([&] {
        return testing::keyPressCount(window_->log, mark, "r", ControlMask) > 0;
    })) << testing::outputOf(program);

    ASSERT_TRUE(testing::endsCleanlyOnTerm(session_, *program));
    // Nothing holds the button now: the window sees the whole drag and no shortcut.
    mark = window_->log.events().size();
    input_->rightDrag(upThenDown());
    ASSERT_TRUE(testing::waitForEvent(window_->log, mark, "ButtonRelease"));
    const auto presses = window_->log.eventsSince(mark, "ButtonPress");
    ASSERT_FALSE(presses.empty());
    EXPECT_EQ(presses.front().number("button"), 3);
    EXPECT_FALSE(window_->log.eventsSince(mark, "MotionNotify").empty());
    EXPECT_EQ(testing::keyPressCount(window_->log, mark, "r"), 0);
}

// Another program holds the usage database while three rules are counted, when SIGTERM comes and
// until the program has ended: the program ends, and the counts it could not write reach the
// database at a later start, once each, also when the start before was killed (kill -9) while the
// database was still held. How soon it ends is measured by hand (docs/architecture.md), not
// asserted here: a loaded machine can make any bound of time fail.
TEST_F(ProgramEndToEndTest, SigtermWhileTheUsageDatabaseIsHeldEndsAndLosesNoCount) {
    testing::writeFile(session_.configHome() / "Quillorbitex" / "preferences.json",
                       R"({"gestureOnboardingCompleted": true})");
    const fs::path database = session_.dataHome() / "Quillorbitex" / "gesture_usage.sqlite";
    const char* total = "SELECT value FROM usage_stats WHERE key = 'total_invocation_count';";
    const auto program = startProgram();
    ASSERT_TRUE(program);
    ASSERT_TRUE(waitWithEvents([&] { return trayIconShown(display()); }))
        << "no tray icon" << testing::outputOf(program);
    ASSERT_TRUE(waitUntil([&] {
        return storedCount(database, "SELECT count(*) FROM rule_trigger_counts;") == 0;
    })) << "no usage database"
        << testing::outputOf(program);

    sqlite3* holder = nullptr;
    ASSERT_EQ(sqlite3_open(database.c_str(), &holder), SQLITE_OK);
    // The program may be reading the file at that moment.
    sqlite3_busy_timeout(holder, 10000);
    ASSERT_EQ(sqlite3_exec(holder, "BEGIN EXCLUSIVE;", nullptr, nullptr, nullptr), SQLITE_OK);
    ASSERT_TRUE(input_->activateWindow(window_->window));
    struct Stroke {
        std::vector<ScreenPoint> points;
        const char* key;
    };
    const std::vector<Stroke> strokes = {
        {upThenDown(), "r"},
        {testing::translated(origin_, testing::polyline({{350, 300}, {150, 300}, {150, 120}}, 3)),
         "Tab"},
        {testing::translated(origin_, testing::polyline({{350, 120}, {150, 120}, {150, 300}}, 3)),
         "Tab"},
    };
    for (const Stroke& stroke : strokes) {
        const auto mark = window_->log.events().size();
        input_->rightDrag(stroke.points);
        ASSERT_TRUE(waitUntil([&] {
            return testing::keyPressCount(window_->log, mark, stroke.key, ControlMask) > 0;
        })) << stroke.key
            << testing::outputOf(program);
    }

    ASSERT_EQ(kill(program->pid, SIGTERM), 0);
    const auto status = session_.waitForExit(program->pid, 30s);
    ASSERT_TRUE(status) << "still running after SIGTERM" << testing::outputOf(program);
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << testing::outputOf(program);

    // A start that takes the counts in is killed before it could write them: once it has read
    // them (the file it read them from is gone), or after it had time to.
    const auto unwritten = [&] {
        return std::ranges::count_if(fs::directory_iterator(database.parent_path()), [](auto& e) {
            return e.path().filename().string().starts_with("gesture_usage.sqlite.unwritten");
        });
    };
    EXPECT_GT(unwritten(), 0);
    const auto killed = startProgram();
    ASSERT_TRUE(killed);
    waitUntil([&] { return unwritten() == 0; }, 5s);
    ASSERT_EQ(kill(killed->pid, SIGKILL), 0);
    ASSERT_TRUE(session_.waitForExit(killed->pid, 30s));

    ASSERT_EQ(sqlite3_exec(holder, "COMMIT;", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(holder);
    const auto next = startProgram();
    ASSERT_TRUE(next);
    EXPECT_TRUE(waitUntil([&] { return storedCount(database, total) == 3; }))
        << "stored total " << storedCount(database, total) << testing::outputOf(next);
    for (const char* rule :
         {"directional:up-down", "directional:left-up", "directional:left-down"}) {
        const std::string sql =
            std::string("SELECT count FROM rule_trigger_counts WHERE pattern_id = '") + rule + "';";
        EXPECT_EQ(storedCount(database, sql.c_str()), 1) << rule;
    }
    EXPECT_TRUE(waitUntil([&] { return unwritten() == 0; }));
    ASSERT_TRUE(testing::endsCleanlyOnTerm(session_, *next));
}

// While the program runs, its preferences file gets a trailing comma, is emptied or is replaced by
// a folder, and SIGTERM ends it before any value changes: it writes every value it holds over the
// file (setting aside what was in the way), so the next start is again a returning user's with
// their rules and theme.
TEST_F(ProgramEndToEndTest, EndingOverABrokenPreferencesFileWritesEveryValueItHolds) {
    const fs::path file = session_.configHome() / "Quillorbitex" / "preferences.json";
    // One rule of the user's own: up then down refreshes.
    const std::string rules =
        "W3sicGF0dGVybiI6eyJ0eXBlIjoiZGlyZWN0aW9uYWwiLCJkaXJlY3Rpb25zIjpbInVwIiwiZG93biJdfSwiYWN0aW"
        "9uIjp7ImtpbmQiOiJwcmVkZWZpbmVkIiwicHJlZGVmaW5lZEFjdGlvbiI6InJlZnJlc2gifSwibm90ZXMiOiJUcmln"
        "Z2VyIGEgcmVmcmVzaCBhY3Rpb24gaW4gdGhlIGZyb250bW9zdCBhcHAuIiwic291cmNlIjoiY3VzdG9tIiwiaXNFbm"
        "FibGVkIjp0cnVlLCJhcHBTY29wZVJ1bGVzIjpbXX1d";
    const std::string stored = R"({"gestureCustomMappings": {"data": ")" + rules +
                               R"("}, "gestureOnboardingCompleted": true,)"
                               R"( "gestureThemeOverride": "dark"})";
    const std::pair<const char*, std::function<void()>> damages[] = {
        {"a trailing comma",
         [&] { testing::writeFile(file, stored.substr(0, stored.size() - 1) + ",}"); }},
        {"emptied", [&] { testing::writeFile(file, ""); }},
        {"a folder",
         [&] {
             fs::remove(file);
             fs::create_directory(file);
         }},
    };
    for (const auto& [name, damage] : damages) {
        SCOPED_TRACE(name);
        fs::remove_all(file);
        testing::writeFile(file, stored);
        const auto program = startProgram();
        ASSERT_TRUE(program);
        ASSERT_TRUE(waitWithEvents([&] { return trayIconShown(display()); }))
            << "no tray icon" << testing::outputOf(program);
        damage();
        ASSERT_TRUE(testing::endsCleanlyOnTerm(session_, *program));
        ASSERT_TRUE(fs::is_regular_file(file)) << testing::outputOf(program);
        const QJsonObject written =
            QJsonDocument::fromJson(QByteArray::fromStdString(testing::readFile(file))).object();
        EXPECT_EQ(written.value("gestureCustomMappings").toObject().value("data").toString(),
                  QString::fromStdString(rules));
        EXPECT_EQ(written.value("gestureOnboardingCompleted"), QJsonValue(true));
        EXPECT_EQ(written.value("gestureThemeOverride"), QJsonValue("dark"));
    }
}

// SIGTERM ends the program within a bound also while the desktop entries are being read from data
// folders of crafted links (links to "/", loops, and desktop files that lead to a megabyte of short
// lines, which take a reading seconds). The bound is generous for a loaded machine and still well
// under the seconds that quitting took then.
TEST_F(ProgramEndToEndTest, SigtermEndsWithinABoundWhileCraftedFoldersAreRead) {
    constexpr auto kQuitBound = 1s;
    testing::writeFile(session_.configHome() / "Quillorbitex" / "preferences.json",
                       R"({"gestureOnboardingCompleted": true})");
    const fs::path lines = session_.tempDir() / "lines";
    testing::writeFile(lines, "[Desktop Entry]\nType=Application\n" + std::string(1000000, '\n'));
    std::string dataDirs = "XDG_DATA_DIRS=";
    for (int i = 0; i < 8; ++i) {
        const std::string folder = "crafted-" + std::to_string(i);
        const fs::path applications = session_.tempDir() / folder / "applications";
        fs::create_directories(applications);
        for (const auto& [target, name] : {std::pair{"/", "root"}, {".", "again"}, {"..", "up"}}) {
            fs::create_directory_symlink(target, applications / name);
        }
        // Beyond the byte budget of a data folder.
        for (int j = 0; j < 40; ++j) {
            fs::create_symlink(lines, applications / (folder + std::to_string(j) + ".desktop"));
        }
        dataDirs += (i == 0 ? "" : ":") + applications.parent_path().string();
    }
    const auto program = startProgram({}, {dataDirs});
    ASSERT_TRUE(program);
    ASSERT_TRUE(waitWithEvents([&] { return trayIconShown(display()); }))
        << "no tray icon" << testing::outputOf(program);
    // The dashboard opens, a window in front that the desktop entries are asked about.
    ASSERT_TRUE(startProgram());
    ASSERT_TRUE(waitForDashboard()) << testing::outputOf(program);

    ASSERT_EQ(kill(program->pid, SIGTERM), 0);
    const auto status = session_.waitForExit(program->pid, kQuitBound);
    ASSERT_TRUE(status) << "still running " << kQuitBound.count() << " s after SIGTERM"
                        << testing::outputOf(program);
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << testing::outputOf(program);
}

TEST_F(ProgramEndToEndTest, TestModeWritesItsStateFileInsideTheBaseFolder) {
    // Beside the user's own instance, which is not in its way. Its files go elsewhere, so that
    // the check of the user's folders below sees the test run's alone.
    const fs::path elsewhere = session_.tempDir() / "user";
    const auto user = startProgram({}, {"XDG_CONFIG_HOME=" + (elsewhere / "config").string(),
                                        "XDG_DATA_HOME=" + (elsewhere / "data").string()});
    ASSERT_TRUE(user);
    ASSERT_TRUE(waitWithEvents([&] { return trayIconShown(display()); }))
        << testing::outputOf(user);
    const fs::path base = session_.tempDir() / "uitest-base";
    const auto program =
        startProgram({"--uitest-mode"}, {"QUILLORBITEX_UITEST_BASE_DIR=" + base.string()});
    ASSERT_TRUE(program);

    QJsonObject state;
    ASSERT_TRUE(waitWithEvents([&] {
        QFile file(QString::fromStdString((base / "state.json").string()));
        if (!file.open(QIODevice::ReadOnly)) {
            return false;
        }
        state = QJsonDocument::fromJson(file.readAll()).object();
        return !state.isEmpty();
    })) << testing::outputOf(program);

    // Its fields are the diagnostics writer's; here, that they describe this run.
    EXPECT_EQ(state.value("monitorState").toString(), QStringLiteral("running"));
    EXPECT_TRUE(state.value("captureEnabled").toBool());
    EXPECT_FALSE(state.value("updateSupportAvailable").toBool());
    EXPECT_EQ(state.value("activeMappingCount").toInt(), 3);
    // Nothing of the run lands in the user's own folders.
    EXPECT_FALSE(fs::exists(session_.configHome() / "Quillorbitex"));
    EXPECT_FALSE(fs::exists(session_.dataHome() / "Quillorbitex"));
}

// A test folder given through a link, written with a trailing separator, is refused before
// anything is read, removed or written there: the program says so and ends, and the folder the
// link names keeps exactly what it held.
TEST_F(ProgramEndToEndTest, ATestFolderReachedThroughALinkIsRefusedAndLeftAlone) {
    const fs::path victim = session_.tempDir() / "victim";
    fs::create_directories(victim);
    testing::writeFile(victim / "preferences.json", R"({"gestureOnboardingCompleted": true})");
    testing::writeFile(victim / "keep.txt", "mine");
    const fs::path link = session_.tempDir() / "link";
    fs::create_directory_symlink(victim, link);

    const auto program = startProgram({"--uitest-mode", "--uitest-reset"},
                                      {"QUILLORBITEX_UITEST_BASE_DIR=" + link.string() + "/"});
    ASSERT_TRUE(program);
    const auto status = session_.waitForExit(program->pid, 20s);
    ASSERT_TRUE(status) << "it ran on" << testing::outputOf(program);
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 1) << testing::outputOf(program);
    EXPECT_NE(testing::readFile(program->outputPath).find("QUILLORBITEX_UITEST_BASE_DIR"),
              std::string::npos)
        << testing::outputOf(program);
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(victim)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"keep.txt", "preferences.json"}));
    EXPECT_EQ(testing::readFile(victim / "keep.txt"), "mine");
}

TEST_F(ProgramEndToEndTest, WithoutAnXDisplayItSaysSoAndFails) {
    const auto program = startProgram({}, {"DISPLAY=:4095"});
    ASSERT_TRUE(program);
    const auto status = session_.waitForExit(program->pid, 20s);
    ASSERT_TRUE(status);
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) != 0) << testing::outputOf(program);
    EXPECT_NE(testing::readFile(program->outputPath).find(":4095"), std::string::npos)
        << testing::outputOf(program);
}

// Through XWayland it works as on X11 but reaches only X11 windows, and says so once.
TEST_F(ProgramEndToEndTest, InAWaylandSessionItSaysOnceThatItReachesOnlyX11Windows) {
    const auto program = startProgram({}, {"WAYLAND_DISPLAY=wayland-0"});
    ASSERT_TRUE(program);
    ASSERT_TRUE(waitForDashboard()) << testing::outputOf(program);
    const std::string output = testing::readFile(program->outputPath);
    const auto said = output.find("Wayland session");
    EXPECT_NE(said, std::string::npos) << output;
    EXPECT_EQ(output.find("Wayland session", said + 1), std::string::npos) << output;
}

TEST_F(ProgramEndToEndTest, AnUpdateCheckOffersTheFeedsNewerVersion) {
    // The feed, and a browser stand-in that notes the address it is asked to open.
    testing::LocalHttpServer server;
    ASSERT_TRUE(server.isListening());
    const std::string download =
        server.url(QStringLiteral("/Quillorbitex-9.9.9.tar.gz")).toString().toStdString();
    server.respond(200, QByteArray(R"(<?xml version="1.0" encoding="utf-8"?>
<rss version="2.0" xmlns:sparkle="http://www.andymatuschak.org/xml-namespaces/sparkle"><channel>
<item><sparkle:version>9.9.9</sparkle:version><description>Faster strokes.</description>
<enclosure url=")") + QByteArray::fromStdString(download) +
                            R"("/></item></channel></rss>)");
    const fs::path opened = session_.tempDir() / "opened-url";
    session_.writeDesktopEntry("qx-browser",
                               "Name=Browser\nNoDisplay=true\nMimeType=x-scheme-handler/http;"
                               "x-scheme-handler/https;\nExec=" +
                                   session_.recorderScript(opened).string() + " %u");
    testing::writeFile(session_.configHome() / "mimeapps.list",
                       "[Default Applications]\nx-scheme-handler/http=qx-browser.desktop\n");
    // Past the onboarding, which keeps the window's menu out of reach while it shows.
    testing::writeFile(session_.configHome() / "Quillorbitex" / "preferences.json",
                       R"({"gestureOnboardingCompleted": true})");

    const std::vector<std::string> feed = {"QX_E2E_UPDATE_FEED_URL=" +
                                           server.url().toString().toStdString()};
    const auto program = startProgram({}, feed, QX_FEED_PROGRAM_PATH);
    ASSERT_TRUE(program);
    // With a tray, the dashboard comes from a second launch.
    ASSERT_TRUE(waitWithEvents([&] { return trayIconShown(display()); }))
        << "no tray icon" << testing::outputOf(program);
    ASSERT_TRUE(startProgram({}, feed, QX_FEED_PROGRAM_PATH));
    const auto dashboard = waitForDashboard();
    ASSERT_TRUE(dashboard) << testing::outputOf(program);

    // The window's menu: Alt+Q opens it on its first entry, "Check for Updates…".
    ASSERT_TRUE(input_->activateWindow(*dashboard));
    input_->tapKey(XK_q, {XK_Alt_L});
    ASSERT_TRUE(waitWithEvents([&] { return testing::programMenuShown(display()); }))
        << "the window menu did not open" << testing::outputOf(program);
    input_->tapKey(XK_Return);

    std::optional<Window> dialog;
    ASSERT_TRUE(waitWithEvents([&] {
        return (dialog = testing::otherProgramWindow(display(), *dashboard)).has_value();
    })) << "no update window appeared; feed requests: "
        << server.requestCount() << testing::outputOf(program);
    EXPECT_GE(server.requestCount(), 1);

    // Only a newer version gets a download button, and it has the focus.
    ASSERT_TRUE(input_->activateWindow(*dialog));
    input_->tapKey(XK_space);
    EXPECT_TRUE(waitWithEvents([&] { return testing::readFile(opened) == download + "\n"; }))
        << "opened: \"" << testing::readFile(opened) << "\"" << testing::outputOf(program);
}

}  // namespace
}  // namespace quillorbitex
