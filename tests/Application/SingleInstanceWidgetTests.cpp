#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <memory>
#include <vector>

#include "Application/SingleInstance.h"

namespace quillorbitex {
namespace {

using Role = SingleInstance::Role;
using namespace std::chrono_literals;
constexpr int kWaitMs = 5000;
// Someone other than the user running the tests (root in CI): a process that takes itself for
// this user sees the test's own sockets as another user's.
constexpr uid_t kOtherUser = 4242;

sockaddr_un unixAddress(const QString& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray bytes = QFile::encodeName(path);
    if (static_cast<std::size_t>(bytes.size()) < sizeof(address.sun_path)) {
        std::copy(bytes.begin(), bytes.end(), address.sun_path);
    }
    return address;
}

// Leaves a socket file behind the way a crashed instance does: bound, then closed unlinked.
bool leaveStaleSocket(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0) {
        return false;
    }
    const sockaddr_un address = unixAddress(path);
    const bool bound =
        ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0 &&
        ::listen(fd, 1) == 0;
    ::close(fd);
    return bound && QFile::exists(path);
}

// One end of a connection to a running instance, made as a launch makes it, closed at the end.
class Connection {
public:
    explicit Connection(const QString& path)
        : fd_(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        const sockaddr_un address = unixAddress(path);
        if (fd_ >= 0 &&
            ::connect(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
            ::close(std::exchange(fd_, -1));
        }
    }
    Connection(Connection&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Connection(const Connection&) = delete;
    ~Connection() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    bool connected() const { return fd_ >= 0; }
    bool send(QByteArrayView bytes) const {
        return ::send(fd_, bytes.data(), static_cast<std::size_t>(bytes.size()), MSG_NOSIGNAL) ==
               bytes.size();
    }
    // The instance hung up (nothing is ever sent back).
    bool closedByPeer() const {
        char byte = 0;
        const ssize_t n = ::recv(fd_, &byte, 1, MSG_DONTWAIT);
        return n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK);
    }

private:
    int fd_;
};

// Lowers this process's soft limit on open files for a while. CTest runs every test in a process
// of its own; the limit is restored for whatever runs after in this one.
class FileLimit {
public:
    explicit FileLimit(rlim_t soft) {
        ::getrlimit(RLIMIT_NOFILE, &saved_);
        rlimit lowered = saved_;
        lowered.rlim_cur = std::min(soft, saved_.rlim_max);
        applied_ = ::setrlimit(RLIMIT_NOFILE, &lowered) == 0;
    }
    ~FileLimit() { ::setrlimit(RLIMIT_NOFILE, &saved_); }
    bool applied() const { return applied_; }

private:
    rlimit saved_{};
    bool applied_ = false;
};

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder_.isValid()); }
    QString name() const { return folder_.filePath(QStringLiteral("instance")); }

    QTemporaryDir folder_;
};

TEST_F(SingleInstanceTest, ALaterLaunchAsksTheRunningOneToShowItsDashboard) {
    const struct {
        const char* name;
        bool staleSocketFirst;
    } cases[] = {{"clean start", false}, {"after a crash left the socket behind", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.staleSocketFirst) {
            ASSERT_TRUE(leaveStaleSocket(name()));
        }
        SingleInstance first(name());
        ASSERT_EQ(first.claim(), Role::primary);
        QSignalSpy shown(&first, &SingleInstance::showDashboardRequested);

        for (int launch = 1; launch <= 2; ++launch) {
            SingleInstance later(name());
            EXPECT_EQ(later.claim(), Role::secondary);
            ASSERT_TRUE(QTest::qWaitFor([&] { return shown.count() == launch; }, kWaitMs));
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

    SingleInstance later(name());
    EXPECT_EQ(later.claim(), Role::secondary);
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown.count() == 1; }, kWaitMs));
}

TEST_F(SingleInstanceTest, AnUnusableFolderLeavesTheProgramOnItsOwn) {
    SingleInstance lone(folder_.filePath(QStringLiteral("missing/folder/instance")));
    EXPECT_EQ(lone.claim(), Role::unavailable);
}

// One instance per user and X server, and one per test run's base folder, none in another's way.
TEST_F(SingleInstanceTest, EachDisplayAndEachTestFolderHasAnInstanceOfItsOwn) {
    const auto nameFor = [this](const QString& display, const QString& testBase = {}) {
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder_.path());
        environment.insert(QStringLiteral("DISPLAY"), display);
        environment.insert(QStringLiteral("QUILLORBITEX_UITEST_BASE_DIR"), testBase);
        const QStringList arguments = {
            QStringLiteral("quillorbitex"),
            testBase.isEmpty() ? QString() : QStringLiteral("--uitest-mode")};
        return SingleInstance::defaultServerName(
            QStringLiteral("org.example.App"),
            UITestConfig::fromProcessInfo(arguments, environment), environment);
    };
    const QString user = nameFor(QStringLiteral(":0"));
    EXPECT_TRUE(
        user.startsWith(folder_.filePath(QStringLiteral("org.example.App-%1-").arg(::getuid()))));
    const struct {
        const char* name;
        QString other;
        bool shared;
    } cases[] = {
        {"another screen of the same server", nameFor(QStringLiteral(":0.1")), true},
        {"a second session", nameFor(QStringLiteral(":1")), false},
        {"a remote server", nameFor(QStringLiteral("host:0")), false},
        {"a test run", nameFor(QStringLiteral(":0"), QStringLiteral("/tmp/qx-base")), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.other == user, c.shared);
    }
    // A test run is known by its base folder alone.
    EXPECT_EQ(nameFor(QStringLiteral(":1"), QStringLiteral("/tmp/qx-base/")),
              nameFor(QStringLiteral(":0"), QStringLiteral("/tmp/qx-base")));
    EXPECT_NE(nameFor(QStringLiteral(":0"), QStringLiteral("/tmp/qx-other")),
              nameFor(QStringLiteral(":0"), QStringLiteral("/tmp/qx-base")));
}

// Connections that send nothing go, after the request timeout or when more are open than the
// bound allows (the oldest first), and a real launch still gets through.
TEST_F(SingleInstanceTest, ConnectionsThatSendNothingAreClosedAndBounded) {
    const struct {
        const char* name;
        std::chrono::milliseconds timeout;
        std::size_t bound;
        std::size_t closed;  // the oldest this many of ten
    } cases[] = {
        {"closed after the timeout", 200ms, 100, 10},
        {"the oldest closed beyond the bound", 60s, 4, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SingleInstance::Options options;
        options.requestTimeout = c.timeout;
        options.maximumConnections = c.bound;
        SingleInstance first(name(), options);
        ASSERT_EQ(first.claim(), Role::primary);
        QSignalSpy shown(&first, &SingleInstance::showDashboardRequested);

        std::vector<Connection> idle;
        for (int i = 0; i < 10; ++i) {
            idle.emplace_back(name());
            ASSERT_TRUE(idle.back().connected());
            // One at a time, so that they are accepted in this order.
            QTest::qWait(5);
        }
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                return std::all_of(idle.begin(), idle.begin() + c.closed,
                                   [](const Connection& k) { return k.closedByPeer(); });
            },
            kWaitMs));
        for (std::size_t i = c.closed; i < idle.size(); ++i) {
            EXPECT_FALSE(idle[i].closedByPeer()) << "connection " << i;
        }

        SingleInstance later(name());
        EXPECT_EQ(later.claim(), Role::secondary);
        EXPECT_TRUE(QTest::qWaitFor([&] { return shown.count() == 1; }, kWaitMs));
    }
}

// With no file descriptor left the running instance cannot take a launch, but keeps its socket:
// the launch waits in the queue and is answered once descriptors are free again, and no later
// launch becomes a second instance.
TEST_F(SingleInstanceTest, RunningOutOfFileDescriptorsKeepsTheInstanceListening) {
    SingleInstance::Options options;
    options.acceptRetryDelay = 20ms;
    SingleInstance first(name(), options);
    ASSERT_EQ(first.claim(), Role::primary);
    QSignalSpy shown(&first, &SingleInstance::showDashboardRequested);

    Connection queued(name());
    ASSERT_TRUE(queued.connected());
    ASSERT_TRUE(queued.send("show-dashboard\n"));
    {
        // The lowest free descriptor tells how many are in use; a few more are allowed, then
        // taken, so that accepting the queued launch fails with EMFILE.
        const int probe = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        ASSERT_GE(probe, 0);
        ::close(probe);
        FileLimit limit(static_cast<rlim_t>(probe) + 4);
        ASSERT_TRUE(limit.applied());
        std::vector<int> taken;
        for (int fd; (fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC)) >= 0;) {
            taken.push_back(fd);
        }
        ASSERT_EQ(errno, EMFILE);
        QTest::qWait(150);
        const bool stillThere = QFileInfo::exists(name());
        for (const int fd : taken) {
            ::close(fd);
        }
        EXPECT_TRUE(stillThere) << "the socket went with the failed accept";
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown.count() == 1; }, kWaitMs))
        << "the queued launch was never answered";

    SingleInstance later(name());
    EXPECT_EQ(later.claim(), Role::secondary);
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown.count() == 2; }, kWaitMs));
}

// The running instance answers only its own user's launches, and a launch speaks only to its own
// user's instance. Each side here takes itself for another user.
TEST_F(SingleInstanceTest, OnlyTheSameUserIsAnsweredOrAsked) {
    SingleInstance::Options asOther;
    asOther.user = kOtherUser;
    {
        SingleInstance theirs(name(), asOther);
        ASSERT_EQ(theirs.claim(), Role::primary);
        QSignalSpy shown(&theirs, &SingleInstance::showDashboardRequested);
        QLocalSocket socket;
        socket.connectToServer(name());
        ASSERT_TRUE(socket.waitForConnected(kWaitMs));
        socket.write("show-dashboard\n");
        ASSERT_TRUE(socket.waitForBytesWritten(kWaitMs));
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return socket.state() == QLocalSocket::UnconnectedState; }, kWaitMs));
        QCoreApplication::processEvents();
        EXPECT_EQ(shown.count(), 0);
    }
    SingleInstance running(name());
    ASSERT_EQ(running.claim(), Role::primary);
    QSignalSpy shown(&running, &SingleInstance::showDashboardRequested);
    SingleInstance launch(name(), asOther);
    // Not spoken to: the name is taken over, and the user is told.
    EXPECT_EQ(launch.claim(), Role::primary);
    EXPECT_TRUE(launch.notice().contains(name())) << launch.notice().toStdString();
    QTest::qWait(50);
    EXPECT_EQ(shown.count(), 0);
}

// The socket's folder is XDG_RUNTIME_DIR only when nobody else can change it, else a private
// "runtime-<uid>" in the temporary folder; when that too is someone else's, there is no guard.
TEST_F(SingleInstanceTest, TheSocketLivesOnlyInAFolderOfTheUsersOwn) {
    const auto make = [this](const QString& relative, mode_t mode) {
        const QString path = folder_.filePath(relative);
        EXPECT_TRUE(QDir().mkpath(path));
        EXPECT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
        return path;
    };
    const QString temporary = make(QStringLiteral("tmp"), 0755);
    const QString runtime = make(QStringLiteral("runtime"), 0700);
    const QString open = make(QStringLiteral("open"), 0777);
    const QString link = folder_.filePath(QStringLiteral("link"));
    ASSERT_TRUE(QFile::link(runtime, link));
    const QString fallback = QDir(temporary).filePath(QStringLiteral("runtime-%1").arg(::getuid()));
    const auto nameFor = [&](const QString& runtimeVariable) {
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("TMPDIR"), temporary);
        environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":0"));
        if (!runtimeVariable.isNull()) {
            environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeVariable);
        }
        return SingleInstance::defaultServerName(QStringLiteral("org.example.App"), UITestConfig{},
                                                 environment);
    };
    const auto folderOf = [&](const QString& runtimeVariable) {
        const QString name = nameFor(runtimeVariable);
        return name.isEmpty() ? QString() : QFileInfo(name).path();
    };
    const struct {
        const char* name;
        QString variable;
        QString folder;
    } cases[] = {
        {"a private runtime folder", runtime, runtime},
        {"no runtime folder", QString(), fallback},
        {"one others can write in", open, fallback},
        {"one reached through a link", link + QStringLiteral("/"), fallback},
        {"a relative one", QStringLiteral("runtime"), fallback},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(folderOf(c.variable), c.folder) << c.name;
    }
    struct stat made {};
    ASSERT_EQ(::lstat(QFile::encodeName(fallback).constData(), &made), 0);
    EXPECT_EQ(made.st_mode & 07777, 0700u);

    // Another user was there first: the program runs unguarded and says so.
    const auto refused = [&] {
        SingleInstance lone(nameFor(QString()));
        EXPECT_TRUE(lone.serverName().isEmpty()) << lone.serverName().toStdString();
        EXPECT_EQ(lone.claim(), Role::unavailable);
        EXPECT_FALSE(lone.notice().isEmpty());
    };
    ASSERT_EQ(::chmod(QFile::encodeName(fallback).constData(), 0777), 0);
    refused();
    if (::getuid() == 0) {
        ASSERT_EQ(::chmod(QFile::encodeName(fallback).constData(), 0700), 0);
        ASSERT_EQ(::chown(QFile::encodeName(fallback).constData(), 65534, 65534), 0);
        refused();
    }
}

}  // namespace
}  // namespace quillorbitex
