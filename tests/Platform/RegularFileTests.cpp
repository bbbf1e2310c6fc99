#include "Platform/RegularFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <cstdlib>

#include "Platform/TestFiles.h"
#include "support/ChildProcess.h"
#include "support/SocketFile.h"

namespace quillorbitex {
namespace {

using Status = RegularFile::Status;

// Whatever sits at the path, reading returns at once, with the file's bytes only when it is a
// regular file within the limit.
TEST(RegularFile, ReadsOnlyRegularFilesWithinTheLimitAndNeverBlocks) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray fifo = QFile::encodeName(dir.filePath("fifo"));
    const QByteArray socket = QFile::encodeName(dir.filePath("socket"));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    // A socket cannot be opened at all; it is still no file rather than one that cannot be read.
    ASSERT_TRUE(testing::makeSocketFile(socket));
    const struct {
        const char* name;
        Status status;
        QByteArray content = {};   // of a file made at the name
        const char* to = nullptr;  // or where a link at the name leads
    } cases[] = {
        {"small", Status::read, "[Group]\nKey=value\n"},
        {"at-limit", Status::read, QByteArray(64, 'x')},
        {"over-limit", Status::tooLarge, QByteArray(65, 'x')},
        {"empty", Status::read, {}},
        {"missing", Status::absent},
        {"fifo", Status::notRegular},
        {"to-fifo", Status::notRegular, {}, fifo.constData()},
        {"zero", Status::notRegular, {}, "/dev/zero"},
        {"dangling", Status::notRegular, {}, "nowhere"},
        {"loop", Status::notRegular, {}, "loop"},
        {".", Status::notRegular},
        {"socket", Status::notRegular},
        {"to-socket", Status::notRegular, {}, socket.constData()},
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath(c.name);
        if (c.to != nullptr) {
            ASSERT_EQ(::symlink(c.to, QFile::encodeName(path).constData()), 0) << c.name;
        } else if (c.status == Status::read || c.status == Status::tooLarge) {
            ASSERT_TRUE(testing::writeFile(path, c.content)) << c.name;
        }
        // In a child: with a blocking open the FIFO would wait for a writer for good.
        const auto result = testing::runInChild([&] {
            const RegularFile::Contents contents = RegularFile::read(path, 64);
            const QByteArray bytes = c.status == Status::read ? c.content : QByteArray();
            return contents.status == c.status && contents.bytes == bytes ? 0 : 1;
        });
        EXPECT_EQ(result, 0) << c.name;
    }
}

// Opening has effects of its own on what is not a file (a tape rewinds, a terminal becomes the
// controlling one of a session without one): such things are looked at, never opened.
TEST(RegularFile, OnlyRegularFilesAreOpened) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(dir.filePath("fifo"), dir.filePath("to-fifo")));
    ASSERT_TRUE(testing::writeFile(dir.filePath("file"), {}));
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, QFile::encodeName(dir.path()).constData(), IN_OPEN), 0);
    // The file is opened and seen to be, so the watch does see what is opened. In a child, so that
    // a FIFO opened after all fails the test instead of blocking it.
    EXPECT_EQ(testing::runInChild([&] {
                  for (const char* name : {"fifo", "to-fifo", "file"}) {
                      RegularFile::read(dir.filePath(name), 64);
                  }
                  return 0;
              }),
              0);
    QStringList opened;
    alignas(inotify_event) char events[4096];
    for (ssize_t size; (size = ::read(watch, events, sizeof events)) > 0;) {
        for (ssize_t at = 0; at < size;) {
            const auto* event = reinterpret_cast<const inotify_event*>(events + at);
            opened.append(QString::fromLocal8Bit(event->len > 0 ? event->name : ""));
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    ::close(watch);
    EXPECT_EQ(opened, QStringList{"file"});

    const int terminal = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(terminal, 0);
    ASSERT_TRUE(::grantpt(terminal) == 0 && ::unlockpt(terminal) == 0);
    const QString name = QString::fromLocal8Bit(::ptsname(terminal));
    ASSERT_TRUE(QFile::link(name, dir.filePath("to-terminal")));
    for (const QString& path : {name, dir.filePath("to-terminal")}) {
        const auto result = testing::runInChild([&] {
            // A new session has no controlling terminal until one of its terminals is opened.
            const bool notRegular =
                ::setsid() >= 0 && RegularFile::read(path, 64).status == Status::notRegular;
            return notRegular && ::open("/dev/tty", O_RDONLY | O_NOCTTY | O_CLOEXEC) < 0 ? 0 : 1;
        });
        EXPECT_EQ(result, 0) << path.toStdString();
    }
    ::close(terminal);
}

// The size a file states is not trusted: files under /proc say 0 and still have content.
TEST(RegularFile, ReadsUntilTheEndRatherThanTheStatedSize) {
    struct stat info {};
    ASSERT_EQ(::stat("/proc/self/status", &info), 0);
    ASSERT_EQ(info.st_size, 0);
    const RegularFile::Contents contents = RegularFile::read("/proc/self/status", 1 << 20);
    EXPECT_EQ(contents.status, Status::read);
    EXPECT_TRUE(contents.bytes.startsWith("Name:")) << contents.bytes.left(40).toStdString();
    EXPECT_EQ(RegularFile::read("/proc/self/status", 8).status, Status::tooLarge);
}

}  // namespace
}  // namespace quillorbitex
