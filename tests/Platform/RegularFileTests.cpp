#include "Platform/RegularFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "support/ChildProcess.h"

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
