#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "Application/SingleInstance.h"
#include "support/SocketFile.h"
#include "support/WaitUntil.h"

namespace quillorbitex {
namespace {

using Role = SingleInstance::Role;
using Places = std::vector<SingleInstance::Place>;
using namespace std::chrono_literals;
constexpr int kWaitMs = 5000;

// The place of `places` in `folder`.
QString placeIn(const Places& places, const QString& folder) {
    const auto found = std::find_if(places.begin(), places.end(), [&](const auto& place) {
        return QFileInfo(place.path).path() == folder;
    });
    return found == places.end() ? QString() : found->path;
}

// A launch's end of a connection to `path`, or -1.
int connectTo(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_un address = testing::unixAddress(QFile::encodeName(path));
    if (fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address))) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The instance hung up on `fd` (it never sends anything).
bool closedByPeer(int fd) {
    char byte = 0;
    const ssize_t n = ::recv(fd, &byte, 1, MSG_DONTWAIT);
    return n == 0 || (n < 0 && errno != EAGAIN);
}

// A launch in a process of its own, as `user` (CI runs as root, whom no permission bit stops):
// it claims once `start` is closed and, as the running instance, runs its event loop (answering
// launches, binding again where its socket went) until `stop` is closed. Its exit status is the
// role its claim gave it.
void launchInChild(const Places& places, uid_t user, const int (&start)[2], const int (&stop)[2]) {
    std::fflush(nullptr);
    if (::fork() != 0) {
        return;
    }
    ::close(start[1]);
    ::close(stop[1]);
    char byte = 0;
    if ((::getuid() != user &&
         (::setgroups(0, nullptr) != 0 || ::setgid(user) != 0 || ::setuid(user) != 0)) ||
        ::read(start[0], &byte, 1) != 0) {
        ::_exit(125);
    }
    int role = 0;
    {
        SingleInstance instance(places);
        role = static_cast<int>(instance.claim());
        if (instance.role() == Role::primary) {
            QEventLoop running;
            QSocketNotifier stopped(stop[0], QSocketNotifier::Read);
            QObject::connect(&stopped, &QSocketNotifier::activated, &running, &QEventLoop::quit);
            running.exec();
        }
    }
    ::_exit(role);
}

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder_.isValid()); }
    QString name() const { return folder_.filePath("instance"); }
    // The program's places with the temporary (by default) and (unless left out) the cache folder
    // in the test's folder.
    Places places(const QString& runtime = {}, bool cache = true,
                  const QString& temporary = {}) const {
        QProcessEnvironment environment;
        environment.insert("TMPDIR", temporary.isEmpty() ? folder_.filePath("tmp") : temporary);
        environment.insert("XDG_RUNTIME_DIR", runtime);
        environment.insert("XDG_CACHE_HOME", cache ? folder_.filePath("cache") : QString());
        environment.insert("DISPLAY", ":5");
        return SingleInstance::defaultPlaces("org.example.App", UITestConfig{}, environment);
    }
    // "runtime-<uid>" in the temporary folder, or Qt's "runtime-<user name>".
    QString temporaryFolder(bool byName = false) const {
        return folder_.filePath("tmp/runtime-") +
               (byName ? QString::fromLocal8Bit(::getpwuid(::getuid())->pw_name)
                       : QString::number(::getuid()));
    }
    QString cacheFolder() const { return folder_.filePath("cache/Quillorbitex"); }
    // A later launch (with the program's places, or `name()` alone) defers to the running
    // instance, whose dashboard has then been shown `count` times.
    bool laterLaunchShows(const QSignalSpy& shown, int count, Places where = {}) const {
        SingleInstance later(where.empty() ? Places{{name()}} : std::move(where));
        return later.claim() == Role::secondary &&
               QTest::qWaitFor([&] { return shown.count() == count; }, kWaitMs);
    }

    QTemporaryDir folder_;
};

TEST_F(SingleInstanceTest, ALaterLaunchAsksTheRunningOneToShowItsDashboard) {
    for (const bool afterCrash : {false, true}) {
        SCOPED_TRACE(afterCrash ? "after a crash left the socket behind" : "clean start");
        ASSERT_TRUE(!afterCrash || testing::makeSocketFile(QFile::encodeName(name())));
        SingleInstance first(name());
        ASSERT_EQ(first.claim(), Role::primary);
        QSignalSpy shown(&first, &SingleInstance::showDashboardRequested);

        for (int launch = 1; launch <= 2; ++launch) {
            ASSERT_TRUE(laterLaunchShows(shown, launch));
        }
        // The running instance keeps its place.
        EXPECT_EQ(first.role(), Role::primary);
    }
    // Gone with the running instance: the next launch takes over.
    SingleInstance next(name());
    EXPECT_EQ(next.claim(), Role::primary);
}

TEST_F(SingleInstanceTest, OnlyTheShowRequestShowsTheDashboard) {
    SingleInstance first(name());
    ASSERT_EQ(first.claim(), Role::primary);
    QSignalSpy shown(&first, &SingleInstance::showDashboardRequested);

    for (const QByteArray& request :
         {QByteArray("hello\n"), QByteArray("show-dashboard"), QByteArray(200, 'x'),
          QByteArray("show-dashboard-now\n"), QByteArray("\n")}) {
        SCOPED_TRACE(request.left(30).toStdString());
        QLocalSocket socket;
        socket.connectToServer(name());
        ASSERT_TRUE(socket.waitForConnected(kWaitMs));
        socket.write(request);
        ASSERT_TRUE(socket.waitForBytesWritten(kWaitMs));
        if (request.endsWith('\n') || request.size() > 64) {
            // A whole line (or too much for one) is answered by hanging up.
            EXPECT_TRUE(QTest::qWaitFor(
                [&] { return socket.state() == QLocalSocket::UnconnectedState; }, kWaitMs));
        } else {
            socket.disconnectFromServer();
            QTest::qWait(50);
        }
    }
    EXPECT_EQ(shown.count(), 0);

    EXPECT_TRUE(laterLaunchShows(shown, 1));
}

// Whenever the name can be neither listened on nor asked, the program runs on its own and says
// why; whatever is on the name that is not a socket stays as it was.
TEST_F(SingleInstanceTest, AProgramLeftOnItsOwnSaysWhy) {
    const QString file = folder_.filePath("file");
    const QString link = folder_.filePath("link");
    QFile(file).open(QIODevice::WriteOnly);
    ASSERT_TRUE(QFile::link(folder_.filePath("nowhere"), link));
    // A missing folder, a path over the socket limit, a file and a link to nothing on the name.
    for (const QString& path : {folder_.filePath("missing/folder/instance"),
                                folder_.filePath(QString(120, u'x')), file, link}) {
        SingleInstance lone(path);
        EXPECT_EQ(lone.claim(), Role::unavailable) << path.toStdString();
        EXPECT_TRUE(lone.notice().contains(path)) << lone.notice().toStdString();
    }
    EXPECT_TRUE(QFileInfo(file).isFile());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
}

// An instance that quits between a launch's failed bind and its request takes its socket with
// it; the launch then takes the name and guards it, rather than running unguarded.
TEST_F(SingleInstanceTest, ALaunchTakesTheNameOfAnInstanceQuittingMeanwhile) {
    auto quitting = std::make_unique<SingleInstance>(name());
    ASSERT_EQ(quitting->claim(), Role::primary);
    SingleInstance launch(name(), {.beforeAsking = [&] { quitting.reset(); }});
    EXPECT_EQ(launch.claim(), Role::primary);
    EXPECT_EQ(quitting, nullptr);
    EXPECT_TRUE(launch.notice().isEmpty()) << launch.notice().toStdString();

    QSignalSpy shown(&launch, &SingleInstance::showDashboardRequested);
    EXPECT_TRUE(laterLaunchShows(shown, 1));
}

// Another user (or a link) can take "runtime-<uid>" and "runtime-<user name>" in the temporary
// folder, and another process can remove the socket file or its folder while the instance runs.
// The instance listens in the first place left to it, taking over a socket a crashed instance left
// there, and every later launch finds it there, also once a folder taken has gone again. Any other
// change in its folder leaves its socket as it is.
TEST_F(SingleInstanceTest, AnInstanceWhoseFolderIsTakenOrRemovedIsFoundByEveryLaunch) {
    const QString temporary = temporaryFolder();
    const QStringList temporaries = {temporary, temporaryFolder(true)};
    ASSERT_TRUE(QDir().mkpath(folder_.filePath("tmp")));
    for (const QString& folder : temporaries) {
        ASSERT_TRUE(QFile::link(folder_.path(), folder));
    }
    SingleInstance running(places());
    ASSERT_EQ(running.claim(), Role::primary) << running.notice().toStdString();
    QSignalSpy shown(&running, &SingleInstance::showDashboardRequested);
    // With `taken`, another's temporary folders take its place and a crashed instance's socket is
    // left in the cache folder.
    const auto removeFolder = [&](bool taken) {
        QFileInfo(running.serverName()).dir().removeRecursively();
        for (const QString& folder : taken ? temporaries : QStringList()) {
            QDir().mkpath(folder);
            ::chmod(QFile::encodeName(folder).constData(), 0777);
        }
        if (taken) {
            QDir().mkpath(cacheFolder());
            testing::makeSocketFile(QFile::encodeName(placeIn(places(), cacheFolder())));
        }
    };
    const auto removeSocket = [&] { QFile::remove(running.serverName()); };
    // A second name keeps the socket's inode number taken, so that a socket bound afresh differs.
    const auto touchBeside = [&] {
        const QDir folder = QFileInfo(running.serverName()).dir();
        ::link(QFile::encodeName(running.serverName()), QFile::encodeName(folder.filePath("pin")));
        QFile(folder.filePath("unrelated")).open(QIODevice::WriteOnly);
    };
    const struct {
        const char* change;
        std::function<void()> make;
        QString folder;
    } steps[] = {
        {"a link taken for the folder at the start", [] {}, cacheFolder()},
        {"the links removed",
         [&] {
             for (const QString& folder : temporaries) {
                 QFile::remove(folder);
             }
         },
         cacheFolder()},
        {"the socket file removed", removeSocket, temporary},
        {"again", removeSocket, temporary},
        {"an unrelated file touched beside it", touchBeside, temporary},
        {"its folder removed", [&] { removeFolder(false); }, temporary},
        {"its folder taken", [&] { removeFolder(true); }, cacheFolder()},
        {"again, a crashed instance's socket put where it was", [&] { removeFolder(true); },
         cacheFolder()},
    };
    for (int i = 0; i < int(std::size(steps)); ++i) {
        SCOPED_TRACE(steps[i].change);
        const auto inode = [&] {
            struct stat entry {};
            return ::lstat(QFile::encodeName(running.serverName()).constData(), &entry) == 0
                       ? entry.st_ino
                       : 0;
        };
        const ino_t before = inode();
        steps[i].make();
        const bool kept = inode() == before;
        // Listened on (not merely a socket file there).
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                const QString socket = running.serverName();
                const int fd = QFileInfo(socket).path() == steps[i].folder ? connectTo(socket) : -1;
                return fd >= 0 && ::close(fd) == 0;
            },
            kWaitMs));
        EXPECT_TRUE(laterLaunchShows(shown, i + 1, places()));
        // Bound afresh, it would be within a turn or two of the event loop.
        EXPECT_FALSE(kept && QTest::qWaitFor([&] { return inode() != before; }, 300));
    }
}

// Two launches at once: right after a crash both find the socket it left, with nobody on it, and
// one may find the other's socket between its bind and its listen, with nobody on it yet. However
// their steps interleave, one of them runs and the other asks it: the second launch here does all
// its steps while the first is about to remove the socket, or to listen on its own.
TEST_F(SingleInstanceTest, TwoLaunchesAtOnceEndWithOneRunningInstance) {
    for (const bool afterCrash : {true, false}) {
        SCOPED_TRACE(afterCrash ? "after a crash" : "between a bind and its listen");
        ASSERT_TRUE(!afterCrash || testing::makeSocketFile(QFile::encodeName(name())));
        std::atomic<int> secondRole{-1};
        std::atomic<bool> finish{false};
        std::unique_ptr<QThread> second;
        SingleInstance::Options options;
        (afterCrash ? options.beforeRemoving : options.beforeListening) = [&] {
            if (second != nullptr) {
                return;
            }
            second.reset(QThread::create([&] {
                SingleInstance launch(name());
                secondRole = static_cast<int>(launch.claim(2s));
                while (!finish) {
                    QThread::msleep(5);
                }
            }));
            second->start();
            // Time for the second launch to claim, unless it waits.
            static_cast<void>(QTest::qWaitFor([&] { return secondRole != -1; }, 300));
        };
        SingleInstance first(name(), options);
        EXPECT_EQ(first.claim(2s), Role::primary);
        ASSERT_NE(second, nullptr);
        EXPECT_TRUE(QTest::qWaitFor([&] { return secondRole != -1; }, kWaitMs));
        EXPECT_EQ(secondRole, static_cast<int>(Role::secondary));
        finish = true;
        EXPECT_TRUE(second->wait(kWaitMs));
    }
}

// One instance, however the launches meet: a user whose "runtime-<uid>" another user made first,
// and whose runtime or cache folder is read-only (the folder of the user's own, or the one it
// would be made in), launches four times at once and once more. The first place left to them
// serves them all; only with no folder of theirs left do they all run unguarded. When the running
// instance's folder is then swapped for an empty read-only one, it binds again in the next place
// left, where one more launch finds it.
TEST_F(SingleInstanceTest, LaunchesAtOnceEndWithOneInstanceInTheFirstFolderLeft) {
    const bool root = ::geteuid() == 0;
    const uid_t user = root ? 65534 : ::getuid();
    const uid_t other = root ? 65533 : ::getuid();
    ASSERT_EQ(::chown(QFile::encodeName(folder_.path()).constData(), user, -1), 0);
    const auto make = [](const QString& path, uid_t owner, mode_t mode) {
        const QByteArray bytes = QFile::encodeName(path);
        return QDir().mkpath(path) && ::chown(bytes.constData(), owner, -1) == 0 &&
               ::chmod(bytes.constData(), mode) == 0;
    };
    ASSERT_NE(::getpwuid(user), nullptr);
    const QString login = QString::fromLocal8Bit(::getpwuid(user)->pw_name);
    const struct {
        const char* folders;
        bool runtime;  // XDG_RUNTIME_DIR set, to a read-only folder of the user's
        bool qtTaken;
        const char* readOnlyCache;
        mode_t preferences;
        QString expected;    // empty: no instance
        QString afterwards;  // once its folder is read-only; empty: none left
    } cases[] = {
        {"Qt's runtime folder left", false, false, "cache", 0700, "tmp/runtime-" + login,
         "config/Quillorbitex"},
        {"that taken too", false, true, "cache", 0700, "config/Quillorbitex", ""},
        {"the preferences' folder read-only too", false, true, "cache", 0500, "", ""},
        {"XDG_RUNTIME_DIR read-only, Qt's folder left", true, false, "cache", 0700,
         "tmp/runtime-" + login, "config/Quillorbitex"},
        {"the cache's own folder read-only", false, true, "cache/Quillorbitex", 0700,
         "config/Quillorbitex", ""},
    };
    for (int i = 0; i < int(std::size(cases)); ++i) {
        SCOPED_TRACE(cases[i].folders);
        const QDir base(folder_.filePath(QString::number(i)));
        QProcessEnvironment environment;
        for (const auto& [variable, path] : {std::pair{"TMPDIR", "tmp"},
                                             {"XDG_CACHE_HOME", "cache"},
                                             {"XDG_CONFIG_HOME", "config"}}) {
            environment.insert(variable, base.filePath(path));
        }
        if (cases[i].runtime) {
            environment.insert("XDG_RUNTIME_DIR", base.filePath("runtime"));
        }
        environment.insert("DISPLAY", ":5");
        ASSERT_TRUE(
            make(base.filePath("tmp"), ::getuid(), 01777) &&
            make(base.filePath("tmp/runtime-%1").arg(user), other, 0777) &&
            (!cases[i].qtTaken || make(base.filePath("tmp/runtime-" + login), other, 0777)) &&
            (!cases[i].runtime || make(base.filePath("runtime"), user, 0500)) &&
            make(base.filePath("cache"), user, 0700) &&
            make(base.filePath(cases[i].readOnlyCache), user, 0500) &&
            make(base.filePath("config"), user, cases[i].preferences));
        const Places places =
            SingleInstance::defaultPlaces("org.example.App", UITestConfig{}, environment, user);
        int start[2];
        int stop[2];
        ASSERT_TRUE(::pipe2(start, O_CLOEXEC) == 0 && ::pipe2(stop, O_CLOEXEC) == 0);
        std::vector<Role> roles;
        const auto ended = [&roles] {
            for (int status = 0; ::waitpid(-1, &status, WNOHANG) > 0;) {
                roles.push_back(static_cast<Role>(WIFEXITED(status) ? WEXITSTATUS(status) : -1));
            }
            return roles.size();
        };
        const bool guarded = !cases[i].expected.isEmpty();
        for (int launch = 0; launch < 5; ++launch) {
            launchInChild(places, user, start, stop);
            if (launch == 3) {
                ::close(start[1]);  // the first four at once
                EXPECT_TRUE(testing::waitUntil([&] { return ended() >= 4u - guarded; }));
            }
        }
        EXPECT_TRUE(testing::waitUntil([&] { return ended() >= 5u - guarded; }));
        const auto socketIn = [&](const QString& folder) {
            struct stat socket {};
            const QByteArray place = QFile::encodeName(placeIn(places, base.filePath(folder)));
            return ::lstat(place.constData(), &socket) == 0 && S_ISSOCK(socket.st_mode);
        };
        const bool running = socketIn(cases[i].expected);
        EXPECT_EQ(running, guarded);
        std::vector<Role> expected(5, guarded ? Role::secondary : Role::unavailable);
        expected.front() = guarded ? Role::primary : Role::unavailable;
        if (running) {
            // An empty read-only folder takes the place of the instance's, then its socket is
            // removed from it (the folder it watches).
            const QString folder = base.filePath(cases[i].expected);
            const QString aside = folder + "-aside";
            ASSERT_TRUE(make(aside, user, 0500));
            ASSERT_EQ(::renameat2(AT_FDCWD, QFile::encodeName(folder).constData(), AT_FDCWD,
                                  QFile::encodeName(aside).constData(), RENAME_EXCHANGE),
                      0);
            ASSERT_TRUE(
                QFile::remove(QDir(aside).filePath(QFileInfo(placeIn(places, folder)).fileName())));
            const bool movedOn = !cases[i].afterwards.isEmpty();
            EXPECT_TRUE(!movedOn ||
                        testing::waitUntil([&] { return socketIn(cases[i].afterwards); }));
            launchInChild(places, user, start, stop);
            EXPECT_TRUE(testing::waitUntil([&] { return ended() >= 5u; }));
            expected.push_back(movedOn ? Role::secondary : Role::unavailable);
        }
        ::close(stop[1]);  // the running instance ends
        EXPECT_TRUE(testing::waitUntil([&] { return ended() == expected.size(); }));
        std::sort(roles.begin(), roles.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(roles, expected);
        ::close(start[0]);
        ::close(stop[0]);
    }
}

// One instance per user and X server, and one per test run's base folder, none in another's way.
TEST_F(SingleInstanceTest, EachDisplayAndEachTestFolderHasAnInstanceOfItsOwn) {
    // The first place, or with `last` the last one.
    const auto nameFor = [this](const QString& display, const QString& testBase = {},
                                bool last = false) {
        QProcessEnvironment environment;
        environment.insert("XDG_RUNTIME_DIR", folder_.path());
        environment.insert("DISPLAY", display);
        environment.insert("QUILLORBITEX_UITEST_BASE_DIR", testBase);
        const QStringList arguments = {"quillorbitex", testBase.isEmpty() ? "" : "--uitest-mode"};
        const Places places = SingleInstance::defaultPlaces(
            "org.example.App", UITestConfig::fromProcessInfo(arguments, environment), environment);
        return (last ? places.back() : places.front()).path;
    };
    const QString user = nameFor(":0");
    EXPECT_TRUE(user.startsWith(folder_.filePath("org.example.App-%1-").arg(::getuid())));
    const QString base = nameFor(":0", "/tmp/qx-base");
    // The last is the folder of the preferences, a test run's base folder.
    EXPECT_EQ(QFileInfo(nameFor(":0", "/tmp/qx-base", true)).path(), "/tmp/qx-base");
    // A test run is known by its base folder alone.
    const std::tuple<QString, QString, bool> cases[] = {
        {nameFor(":0.1"), user, true},
        {nameFor(":1"), user, false},
        {nameFor("host:0"), user, false},
        {base, user, false},
        {nameFor(":1", "/tmp/qx-base/"), base, true},
        {nameFor(":0", "/tmp/qx-other"), base, false},
    };
    for (const auto& [one, other, shared] : cases) {
        EXPECT_EQ(one == other, shared) << one.toStdString() << " vs " << other.toStdString();
    }
}

// Connections that send nothing go, after the request timeout or when more are open than the
// bound allows (the oldest first), and a real launch still gets through.
TEST_F(SingleInstanceTest, ConnectionsThatSendNothingAreClosedAndBounded) {
    const struct {
        std::chrono::milliseconds timeout;
        std::size_t bound;
        int closed;  // the oldest this many of ten
    } cases[] = {{200ms, 100, 10}, {60s, 4, 6}};
    for (const auto& c : cases) {
        SingleInstance first(name(), {.requestTimeout = c.timeout, .maximumConnections = c.bound});
        ASSERT_EQ(first.claim(), Role::primary);
        QSignalSpy shown(&first, &SingleInstance::showDashboardRequested);
        std::vector<int> idle;
        for (int i = 0; i < 10; ++i) {
            idle.push_back(connectTo(name()));
            QTest::qWait(5);  // accepted in this order
        }
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return std::all_of(idle.begin(), idle.begin() + c.closed, closedByPeer); },
            kWaitMs))
            << c.bound;
        EXPECT_TRUE(std::none_of(idle.begin() + c.closed, idle.end(), closedByPeer));
        EXPECT_TRUE(laterLaunchShows(shown, 1));
        std::for_each(idle.begin(), idle.end(), ::close);
    }
}

// With no file descriptor left the instance keeps its socket: a queued launch is answered once
// descriptors are free again, and no later launch becomes a second instance.
TEST_F(SingleInstanceTest, RunningOutOfFileDescriptorsKeepsTheInstanceListening) {
    SingleInstance first(name(), {.acceptRetryDelay = 20ms});
    ASSERT_EQ(first.claim(), Role::primary);
    QSignalSpy shown(&first, &SingleInstance::showDashboardRequested);
    QSignalSpy paused(&first, &SingleInstance::acceptingPaused);
    const int queued = connectTo(name());
    ASSERT_EQ(::send(queued, "show-dashboard\n", 15, MSG_NOSIGNAL), 15);

    // CTest runs each test in a process of its own; the limit is restored all the same.
    rlimit saved{};
    ::getrlimit(RLIMIT_NOFILE, &saved);
    const int lowestFree = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    ::close(lowestFree);
    const rlimit lowered{static_cast<rlim_t>(lowestFree) + 4, saved.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &lowered), 0);
    std::vector<int> taken;
    for (int fd; (fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC)) >= 0;) {
        taken.push_back(fd);
    }
    // The queued launch makes the instance accept, which fails for want of a descriptor.
    const bool acceptFailed = QTest::qWaitFor([&] { return paused.count() > 0; }, kWaitMs);
    const bool stillThere = QFileInfo::exists(name());
    std::for_each(taken.begin(), taken.end(), ::close);
    ::setrlimit(RLIMIT_NOFILE, &saved);
    EXPECT_TRUE(acceptFailed);
    EXPECT_TRUE(stillThere) << "the socket went with the failed accept";
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown.count() == 1; }, kWaitMs));
    EXPECT_TRUE(laterLaunchShows(shown, 2));
    ::close(queued);
}

// The instance answers only its own user's launches, and a launch asks only its own user's
// instance. Each side here takes itself for another user (CI runs as root).
TEST_F(SingleInstanceTest, OnlyTheSameUserIsAnsweredOrAsked) {
    const SingleInstance::Options asOther{.user = 4242};
    {
        SingleInstance theirs(name(), asOther);
        ASSERT_EQ(theirs.claim(), Role::primary);
        QSignalSpy shown(&theirs, &SingleInstance::showDashboardRequested);
        const int launch = connectTo(name());
        ::send(launch, "show-dashboard\n", 15, MSG_NOSIGNAL);
        EXPECT_TRUE(QTest::qWaitFor([&] { return closedByPeer(launch); }, kWaitMs));
        QCoreApplication::processEvents();
        EXPECT_EQ(shown.count(), 0);
        ::close(launch);
    }
    SingleInstance running(name());
    ASSERT_EQ(running.claim(), Role::primary);
    QSignalSpy shown(&running, &SingleInstance::showDashboardRequested);
    SingleInstance launch(name(), asOther);  // not spoken to: takes the name over, says so
    EXPECT_EQ(launch.claim(), Role::primary);
    EXPECT_TRUE(launch.notice().contains(name())) << launch.notice().toStdString();
    QTest::qWait(50);
    EXPECT_EQ(shown.count(), 0);
}

// The socket's folder is XDG_RUNTIME_DIR only when nobody else can change it and a socket fits
// there (under a short name when the whole one does not), else a private "runtime-<uid>" in the
// temporary folder, and so on; without any, no guard, and the notice tells whether paths too long
// for a socket were the reason.
TEST_F(SingleInstanceTest, TheSocketLivesOnlyInAFolderOfTheUsersOwn) {
    const QString open = folder_.filePath("open");
    QDir().mkpath(open);
    ::chmod(QFile::encodeName(open).constData(), 0777);
    // Room for the whole name but one byte, and none for any name.
    const qsizetype name = QFileInfo(places(folder_.path()).front().path).fileName().size();
    const QString tight = folder_.filePath(QString(106 - folder_.path().size() - name, u's'));
    const QString tooLong = folder_.filePath(QString(105 - folder_.path().size(), u'l'));
    ASSERT_TRUE(QDir().mkpath(tight) && QDir().mkpath(tooLong));
    for (const auto& [runtime, folder] : {std::pair{folder_.path(), folder_.path()},
                                          {QString(), temporaryFolder()},
                                          {open, temporaryFolder()},
                                          {open + "/../open/", temporaryFolder()},
                                          {tight, tight},
                                          {tooLong, temporaryFolder()}}) {
        SingleInstance instance(places(runtime));
        EXPECT_EQ(instance.claim(), Role::primary) << instance.notice().toStdString();
        EXPECT_EQ(QFileInfo(instance.serverName()).path(), folder) << runtime.toStdString();
    }
    EXPECT_EQ(QFileInfo(temporaryFolder()).permissions(), QFileInfo(folder_.path()).permissions());

    // Every place left is in the temporary folder, which anyone may now change; or every place
    // is too long for a socket, even under its short name.
    ::chmod(QFile::encodeName(folder_.filePath("tmp")).constData(), 0777);
    const QString limit = QString::number(sizeof(sockaddr_un::sun_path) - 1);
    const QString deep = folder_.filePath(QString(110, u'd'));
    for (const auto& [where, lonePlaces, tooLongSaid] :
         {std::tuple{"in a folder anyone may change", places(QString(), false), false},
          {"too long", places(deep, false, deep), true}}) {
        SCOPED_TRACE(where);
        SingleInstance lone(lonePlaces);
        EXPECT_EQ(lone.claim(), Role::unavailable);
        EXPECT_EQ(lone.serverName(), QString());
        EXPECT_FALSE(lone.notice().isEmpty());
        EXPECT_EQ(lone.notice().contains(limit), tooLongSaid) << lone.notice().toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(deep)) << "a folder made for a socket that cannot be bound";
}

}  // namespace
}  // namespace quillorbitex
