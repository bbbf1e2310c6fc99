#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "Application/SingleInstance.h"

namespace quillorbitex {
namespace {

using Role = SingleInstance::Role;
constexpr int kWaitMs = 5000;

// Leaves a socket file behind the way a crashed instance does: bound, then closed unlinked.
bool leaveStaleSocket(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0) {
        return false;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray bytes = QFile::encodeName(path);
    if (static_cast<std::size_t>(bytes.size()) >= sizeof(address.sun_path)) {
        ::close(fd);
        return false;
    }
    std::copy(bytes.begin(), bytes.end(), address.sun_path);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
                       ::listen(fd, 1) == 0;
    ::close(fd);
    return bound && QFile::exists(path);
}

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

}  // namespace
}  // namespace quillorbitex
