#include "Platform/SetAside.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDateTime>
#include <QTemporaryDir>
#include <map>

#include "Platform/TestFiles.h"

namespace quillorbitex {
namespace {

using testing::readFile;
using Identity = std::optional<std::pair<ino_t, mode_t>>;

// What is at a path, without following a link: its inode and type, or nothing.
Identity identity(const QString& path) {
    struct stat entry {};
    if (::lstat(QFile::encodeName(path).constData(), &entry) != 0) {
        return std::nullopt;
    }
    return std::pair(entry.st_ino, entry.st_mode & S_IFMT);
}

// Puts something at `path`: a file holding `content`, a folder, a FIFO, a link that leads nowhere
// or a link to "elsewhere" in the same folder; nothing for "".
bool put(const std::string& what, const QString& path, const QByteArray& content = "x") {
    const QString elsewhere = QFileInfo(path).dir().filePath("elsewhere");
    if (what == "file" || what == "link to a file") {
        return testing::writeFile(what == "file" ? path : elsewhere, content) &&
               (what == "file" || QFile::link(elsewhere, path));
    }
    if (what == "folder") {
        return QDir().mkdir(path);
    }
    if (what == "FIFO") {
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    }
    return what.empty() || QFile::link(elsewhere + ".missing", path);
}

// Whatever is at the path moves itself, unopened, with its journals (one a link leading nowhere),
// to names nobody had: whatever held a name the move would take first (now or in the next seconds,
// on a slow machine), a link that leads nowhere included, is left as it was.
TEST(SetAside, MovesTheEntryAndItsCompanionsToNamesThatWereFree) {
    for (const std::string what :
         {"file", "folder", "FIFO", "link to a file", "link that leads nowhere"}) {
        for (const std::string taken : {"", "file", "link that leads nowhere", "folder"}) {
            for (const QString& takenSuffix : {QString(), QStringLiteral("-journal")}) {
                SCOPED_TRACE(what + ", with " + (taken.empty() ? "nothing" : "a " + taken) +
                             " at the first names" + takenSuffix.toStdString());
                QTemporaryDir dir;
                const QString path = dir.filePath("db");
                ASSERT_TRUE(put(what, path));
                ASSERT_TRUE(put("file", path + "-journal"));
                ASSERT_TRUE(put("link that leads nowhere", path + "-wal"));
                std::map<QString, Identity> before;
                const QDateTime now = QDateTime::currentDateTimeUtc();
                for (int second = 0; second < 3; ++second) {
                    const QString name = path + ".unreadable-" +
                                         now.addSecs(second).toString("yyyyMMdd-HHmmss") +
                                         takenSuffix;
                    ASSERT_TRUE(put(taken, name));
                    if (!taken.empty()) {
                        before[name] = identity(name);
                    }
                }
                for (const char* suffix : {"", "-journal", "-wal"}) {
                    before[path + suffix] = identity(path + suffix);
                }

                const auto target = SetAside::moveAside(path, {"-journal", "-wal", "-shm"});

                ASSERT_TRUE(target.has_value());
                EXPECT_TRUE(target->startsWith(path + ".unreadable-")) << target->toStdString();
                for (const char* suffix : {"", "-journal", "-wal"}) {
                    EXPECT_EQ(identity(*target + suffix), before[path + suffix]) << suffix;
                    EXPECT_EQ(identity(path + suffix), std::nullopt) << suffix;
                    before.erase(path + suffix);
                }
                for (const auto& [name, blocker] : before) {
                    EXPECT_EQ(identity(name), blocker) << name.toStdString();
                }
            }
        }
    }
    QTemporaryDir dir;
    EXPECT_EQ(SetAside::moveAside(dir.filePath("absent")), std::nullopt);
}

// A copy is named after its content, so the same bytes are kept once. A name held by anything
// else than such a copy is never written through nor replaced, except a cut-off copy.
TEST(SetAside, CopiesAreKeptOnceAndNeverWrittenThroughWhatHasTheirName) {
    const QByteArray bytes = "{\"flag\": tr";
    for (const std::string taken :
         {"", "cut-off copy", "link that leads nowhere", "link to a file", "folder"}) {
        SCOPED_TRACE(taken);
        QTemporaryDir dir;
        const auto probe = SetAside::keepCopy(dir.filePath("probe"), "stem", bytes);
        ASSERT_TRUE(probe.has_value());
        const QString name = dir.filePath(QFileInfo(*probe).fileName());
        const bool reusable = taken.empty() || taken == "cut-off copy";
        ASSERT_TRUE(reusable ? put(taken.empty() ? "" : "file", name, bytes.left(4))
                             : put(taken, name));
        const Identity occupant = identity(name);
        const QByteArray linked = readFile(dir.filePath("elsewhere"));

        const auto copy = SetAside::keepCopy(dir.path(), "stem", bytes);

        ASSERT_TRUE(copy.has_value());
        EXPECT_EQ(readFile(*copy), bytes);
        EXPECT_EQ(identity(*copy)->second, mode_t{S_IFREG});
        EXPECT_EQ(*copy == name, reusable);
        if (!reusable) {
            EXPECT_EQ(identity(name), occupant);
        }
        EXPECT_EQ(readFile(dir.filePath("elsewhere")), linked);
        EXPECT_EQ(SetAside::keepCopy(dir.path(), "stem", bytes), copy);
    }
}

}  // namespace
}  // namespace quillorbitex
