#include <sys/stat.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <regex>
#include <string>

#include <gtest/gtest.h>

#include "support/X11TestSession.h"

namespace quillorbitex::testing {
namespace {

// A reaped process is gone; one reparented to an init that is slow to reap it lingers as a
// zombie, which is just as dead.
bool processGone(pid_t pid) {
    if (kill(pid, 0) != 0 && errno == ESRCH) {
        return true;
    }
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string pidField;
    std::string name;
    std::string state;
    stat >> pidField >> name >> state;
    return !stat || state == "Z";
}

// The session stands in for the user's desktop completely: nothing a test starts may reach the
// real display or the real home folder, and nothing it starts may outlive it.
TEST(X11TestSessionTest, IsolatesTheEnvironmentAndStopsEverythingItStarted) {
    setenv("DISPLAY", ":outer", 1);
    unsetenv("XDG_DATA_HOME");
    auto session = std::make_unique<X11TestSession>();
    ASSERT_TRUE(session->started());
    EXPECT_TRUE(std::regex_match(session->displayName(), std::regex(":[0-9]+")));
    const std::pair<const char*, std::filesystem::path> folders[] = {
        {"HOME", session->homeDir()},           {"XDG_CONFIG_HOME", session->configHome()},
        {"XDG_DATA_HOME", session->dataHome()}, {"XDG_CACHE_HOME", session->cacheHome()},
        {"XDG_DATA_DIRS", session->dataDirs()}, {"XDG_RUNTIME_DIR", session->runtimeDir()},
    };
    setenv("WAYLAND_DISPLAY", "wayland-outer", 1);
    session->applyToCurrentProcess();
    for (const auto& [name, folder] : folders) {
        EXPECT_STREQ(std::getenv(name), folder.c_str()) << name;
        EXPECT_TRUE(std::filesystem::is_directory(folder)) << folder;
        EXPECT_EQ(folder.parent_path(), session->tempDir()) << folder;
    }
    EXPECT_EQ(std::getenv("WAYLAND_DISPLAY"), nullptr);
    struct stat runtime {};
    ASSERT_EQ(stat(session->runtimeDir().c_str(), &runtime), 0);
    EXPECT_EQ(runtime.st_mode & 0777, 0700u);
    EXPECT_EQ(std::string(std::getenv("DISPLAY")), session->displayName());

    // A helper that leaves a grandchild of its own behind, as a program launching another would.
    const auto pidFile = session->tempDir() / "grandchild.pid";
    const auto helper =
        session->spawn({"sh", "-c", "sleep 300 & echo $! > \"$0\"; wait", pidFile.string()});
    ASSERT_TRUE(helper);
    const auto window = session->startTestWindow();
    ASSERT_TRUE(window);
    ASSERT_TRUE(waitUntil([&] {
        std::error_code error;
        const auto size = std::filesystem::file_size(pidFile, error);
        return !error && size > 0;
    }));
    pid_t grandchild = 0;
    std::ifstream(pidFile) >> grandchild;
    ASSERT_GT(grandchild, 0);
    const pid_t server = session->serverPid();
    const auto folder = session->tempDir();
    const std::string display = session->displayName();

    session.reset();
    // The next server does not take the number at once: a client of the ended session that
    // reconnects by its name must find nothing rather than another test's server.
    X11TestSession next({.windowManager = false});
    ASSERT_TRUE(next.started());
    EXPECT_NE(next.displayName(), display);

    for (const pid_t pid : {server, helper->pid, window->pid, grandchild}) {
        EXPECT_TRUE(waitUntil([&] { return processGone(pid); })) << "process " << pid;
    }
    EXPECT_FALSE(std::filesystem::exists(folder));
    EXPECT_EQ(std::string(std::getenv("DISPLAY")), ":outer");
    EXPECT_EQ(std::getenv("XDG_DATA_HOME"), nullptr);
    EXPECT_STREQ(std::getenv("WAYLAND_DISPLAY"), "wayland-outer");
    unsetenv("WAYLAND_DISPLAY");
}

}  // namespace
}  // namespace quillorbitex::testing
