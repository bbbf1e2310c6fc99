#include "Platform/RegularFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <functional>

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
    const auto put = [&](const char* name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    const auto link = [&](const char* target, const char* name) {
        return ::symlink(target, QFile::encodeName(dir.filePath(name)).constData()) == 0;
    };
    ASSERT_TRUE(put("small", "[Group]\nKey=value\n"));
    ASSERT_TRUE(put("at-limit", QByteArray(64, 'x')));
    ASSERT_TRUE(put("over-limit", QByteArray(65, 'x')));
    ASSERT_TRUE(put("empty", {}));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600), 0);
    ASSERT_TRUE(link("/dev/zero", "zero"));
    ASSERT_TRUE(link(QFile::encodeName(dir.filePath("fifo")).constData(), "to-fifo"));
    ASSERT_TRUE(link("nowhere", "dangling"));
    ASSERT_TRUE(link("loop", "loop"));
    // A socket cannot be opened at all; it is still no file rather than one that cannot be read.
    const QByteArray socketPath = QFile::encodeName(dir.filePath("socket"));
    ASSERT_TRUE(testing::makeSocketFile(socketPath));
    ASSERT_TRUE(link(socketPath.constData(), "to-socket"));

    const struct {
        const char* name;
        Status status;
        QByteArray bytes;
    } cases[] = {
        {"small", Status::read, "[Group]\nKey=value\n"},
        {"at-limit", Status::read, QByteArray(64, 'x')},
        {"over-limit", Status::tooLarge, {}},
        {"empty", Status::read, {}},
        {"missing", Status::absent, {}},
        {"fifo", Status::notRegular, {}},
        {"to-fifo", Status::notRegular, {}},
        {"zero", Status::notRegular, {}},
        {"dangling", Status::notRegular, {}},
        {"loop", Status::notRegular, {}},
        {".", Status::notRegular, {}},
        {"socket", Status::notRegular, {}},
        {"to-socket", Status::notRegular, {}},
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath(c.name);
        // In a child: with a blocking open the FIFO would wait for a writer for good.
        const auto result = testing::runInChild([&] {
            const RegularFile::Contents contents = RegularFile::read(path, 64);
            return contents.status == c.status && contents.bytes == c.bytes ? 0 : 1;
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
    QFile file(dir.filePath("file"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, QFile::encodeName(dir.path()).constData(), IN_OPEN), 0);
    // The file is opened and seen to be, so the watch does see what is opened.
    for (const char* name : {"fifo", "to-fifo", "file"}) {
        RegularFile::read(dir.filePath(name), 64);
    }
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
    ASSERT_EQ(::grantpt(terminal), 0);
    ASSERT_EQ(::unlockpt(terminal), 0);
    const QString name = QString::fromLocal8Bit(::ptsname(terminal));
    ASSERT_TRUE(QFile::link(name, dir.filePath("to-terminal")));
    for (const QString& path : {name, dir.filePath("to-terminal")}) {
        const auto result = testing::runInChild([&] {
            // A new session has no controlling terminal until one of its terminals is opened.
            if (::setsid() < 0) {
                return 2;
            }
            const bool notRegular = RegularFile::read(path, 64).status == Status::notRegular;
            const int controlling = ::open("/dev/tty", O_RDONLY | O_NOCTTY | O_CLOEXEC);
            return notRegular && controlling < 0 ? 0 : 1;
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
