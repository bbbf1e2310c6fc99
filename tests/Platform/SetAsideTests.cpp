#include "Platform/SetAside.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>

namespace quillorbitex {
namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// What is at a path, without following a link: its inode and type, or nothing.
std::optional<std::pair<ino_t, mode_t>> identity(const QString& path) {
    struct stat entry {};
    if (::lstat(QFile::encodeName(path).constData(), &entry) != 0) {
        return std::nullopt;
    }
    return std::pair(entry.st_ino, entry.st_mode & S_IFMT);
}

// Things that may already have a name: each is made at a path and checked to be there unchanged.
struct Occupant {
    const char* name;
    std::function<bool(const QString& path)> make;
};

const Occupant kOccupants[] = {
    {"nothing", [](const QString&) { return true; }},
    {"a file", [](const QString& path) { return writeFile(path, "someone's"); }},
    {"a link that leads nowhere",
     [](const QString& path) { return QFile::link(path + ".missing", path); }},
    {"a folder", [](const QString& path) { return QDir().mkdir(path); }},
};

// The names a move made now (or within the next seconds, on a slow machine) tries first.
QStringList firstNames(const QString& path, const QString& suffix = {}) {
    QStringList names;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (int second = 0; second < 3; ++second) {
        names.append(path + ".unreadable-" +
                     now.addSecs(second).toString(QStringLiteral("yyyyMMdd-HHmmss")) + suffix);
    }
    return names;
}

// Whatever is at the path moves itself, unopened, to a name nobody had: a name taken by anything,
// a link that leads nowhere included, is left as it was.
TEST(SetAside, MovesTheEntryItselfToANameThatWasFree) {
    const Occupant moved[] = {
        {"a file", [](const QString& path) { return writeFile(path, "unreadable"); }},
        {"a folder", [](const QString& path) { return QDir().mkdir(path); }},
        {"a FIFO",
         [](const QString& path) { return ::mkfifo(QFile::encodeName(path), 0600) == 0; }},
        {"a link to a file",
         [](const QString& path) {
             return writeFile(path + ".target", "kept") && QFile::link(path + ".target", path);
         }},
        {"a link that leads nowhere",
         [](const QString& path) { return QFile::link(path + ".missing", path); }},
    };
    for (const Occupant& what : moved) {
        for (const Occupant& taken : kOccupants) {
            SCOPED_TRACE(std::string(what.name) + ", with " + taken.name + " at the first names");
            QTemporaryDir dir;
            const QString path = dir.filePath("file");
            ASSERT_TRUE(what.make(path));
            const auto before = identity(path);
            std::map<QString, std::optional<std::pair<ino_t, mode_t>>> blockers;
            for (const QString& name : firstNames(path)) {
                ASSERT_TRUE(taken.make(name));
                if (identity(name)) {
                    blockers[name] = identity(name);
                }
            }

            const auto target = SetAside::moveAside(path);

            ASSERT_TRUE(target.has_value());
            EXPECT_TRUE(target->startsWith(path + ".unreadable-")) << target->toStdString();
            EXPECT_EQ(identity(*target), before);
            EXPECT_EQ(identity(path), std::nullopt);
            for (const auto& [name, blocker] : blockers) {
                EXPECT_EQ(identity(name), blocker) << name.toStdString();
            }
            if (QFileInfo::exists(path + ".target")) {
                EXPECT_EQ(readFile(*target), "kept");
            }
        }
    }
    QTemporaryDir dir;
    EXPECT_EQ(SetAside::moveAside(dir.filePath("absent")), std::nullopt);
}

// A database's journals go with it, also a journal that is a link leading nowhere; the new name
// is one under which none of them replaces anything.
TEST(SetAside, CompanionsMoveAlongUnderTheSameName) {
    for (const Occupant& taken : kOccupants) {
        SCOPED_TRACE(std::string(taken.name) + " at the journal's first names");
        QTemporaryDir dir;
        const QString path = dir.filePath("db");
        ASSERT_TRUE(writeFile(path, "database"));
        ASSERT_TRUE(writeFile(path + "-journal", "journal"));
        ASSERT_TRUE(QFile::link(path + ".missing", path + "-wal"));
        const auto journal = identity(path + "-journal");
        const auto wal = identity(path + "-wal");
        std::map<QString, std::optional<std::pair<ino_t, mode_t>>> blockers;
        for (const QString& name : firstNames(path, "-journal")) {
            ASSERT_TRUE(taken.make(name));
            if (identity(name)) {
                blockers[name] = identity(name);
            }
        }

        const auto target = SetAside::moveAside(path, {"-journal", "-wal", "-shm"});

        ASSERT_TRUE(target.has_value());
        EXPECT_EQ(readFile(*target), "database");
        EXPECT_EQ(identity(*target + "-journal"), journal);
        EXPECT_EQ(identity(*target + "-wal"), wal);
        EXPECT_EQ(identity(*target + "-shm"), std::nullopt);
        for (const char* suffix : {"", "-journal", "-wal"}) {
            EXPECT_EQ(identity(path + suffix), std::nullopt) << suffix;
        }
        for (const auto& [name, blocker] : blockers) {
            EXPECT_EQ(identity(name), blocker) << name.toStdString();
        }
    }
}

// A copy is named after its content, so the same bytes are kept once. A name already taken by
// something other than such a copy is never written through nor replaced, except for a cut-off
// copy of the same bytes.
TEST(SetAside, CopiesAreKeptOnceAndNeverWrittenThroughWhatHasTheirName) {
    const QByteArray bytes = "{\"flag\": tr";
    // Where the links below lead: outside the names copies take.
    const auto elsewhere = [](const QString& path) { return QFileInfo(path).dir().filePath("x"); };
    const struct {
        const char* name;
        std::function<bool(const QString& path)> make;
        bool nameIsReused;
    } cases[] = {
        {"nothing", [](const QString&) { return true; }, true},
        {"a copy cut off", [](const QString& path) { return writeFile(path, "{\"fl"); }, true},
        {"a link that leads nowhere",
         [&](const QString& path) { return QFile::link(elsewhere(path), path); }, false},
        {"a link to a file",
         [&](const QString& path) {
             return writeFile(elsewhere(path), "someone's") && QFile::link(elsewhere(path), path);
         },
         false},
        {"a folder", [](const QString& path) { return QDir().mkdir(path); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        // The name a first copy of these bytes gets.
        const auto first = SetAside::keepCopy(dir.filePath("probe"), "stem", bytes);
        ASSERT_TRUE(first.has_value());
        const QString name = dir.filePath(QFileInfo(*first).fileName());
        ASSERT_TRUE(c.make(name));
        const auto occupant = identity(name);
        const auto linkedBefore = identity(elsewhere(name));
        const QByteArray linked = readFile(elsewhere(name));

        const auto copy = SetAside::keepCopy(dir.path(), "stem", bytes);

        ASSERT_TRUE(copy.has_value());
        EXPECT_EQ(readFile(*copy), bytes);
        EXPECT_EQ(identity(*copy)->second, mode_t{S_IFREG});
        EXPECT_EQ(*copy == name, c.nameIsReused);
        if (!c.nameIsReused) {
            EXPECT_EQ(identity(name), occupant);
            EXPECT_EQ(identity(elsewhere(name)), linkedBefore);
            EXPECT_EQ(readFile(elsewhere(name)), linked);
        }
        EXPECT_EQ(SetAside::keepCopy(dir.path(), "stem", bytes), copy);
        EXPECT_EQ(QDir(dir.path())
                      .entryList({"stem.unreadable-*"}, QDir::Files | QDir::NoSymLinks)
                      .size(),
                  1);
    }
}

}  // namespace
}  // namespace quillorbitex
