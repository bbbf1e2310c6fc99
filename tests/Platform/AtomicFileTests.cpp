#include "Platform/AtomicFile.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <ctime>
#include <functional>
#include <memory>

#include "Diagnostics/TestDiagnostics.h"
#include "Platform/Freedesktop/LoginItem.h"
#include "Platform/JsonFileUserDefaults.h"
#include "Services/Settings/GestureSettingsStore.h"
#include "support/ChildProcess.h"

namespace quillorbitex {
namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

mode_t modeOf(const QString& path) {
    struct stat entry {};
    return ::stat(QFile::encodeName(path).constData(), &entry) == 0 ? entry.st_mode & 07777 : 0;
}

// How a write went in a child process: said it was written, said it failed, or the child died
// (a signal, or no answer in time).
enum class Outcome { written, failed, died };

// Runs `write` in a child process whose files may grow to `sizeLimit` bytes at most; a write
// beyond that fails with EFBIG, as on a full disk, since SIGXFSZ is ignored.
Outcome runWithFileSizeLimit(const std::function<bool()>& write, rlim_t sizeLimit) {
    const auto status = testing::runInChild([&] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{sizeLimit, sizeLimit};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            return 3;
        }
        return write() ? 0 : 1;
    });
    if (!status || *status > 1) {
        return Outcome::died;
    }
    return *status == 0 ? Outcome::written : Outcome::failed;
}

TEST(AtomicFile, EveryWriterLeavesTheOldFileAsItWasAndSaysSoWhenTheDiskTakesNoMore) {
    using Keys = GestureSettingsStore::Keys;
    const struct {
        const char* name;
        const char* file;
        QByteArray old;
        // Replaces the file (in the child process); true when it says the new content is written.
        std::function<bool(const QString& path)> write;
    } writers[] = {
        {"preferences", "preferences.json",
         "{\n    \"gestureCustomMappings\": {\"data\": \"" + QByteArray(700, 'A') +
             "\"},\n    \"gestureOnboardingCompleted\": true\n}\n",
         [](const QString& path) {
             return JsonFileUserDefaults(path).setValue(Keys::captureEnabled, false);
         }},
        {"a preference that cannot be read, copied aside before it is replaced", "preferences.json",
         "{\"gestureLanguageOverride\": \"" + QByteArray(700, 'k') + "\"}",
         [](const QString& path) {
             auto defaults = std::make_shared<JsonFileUserDefaults>(path);
             GestureSettingsStore(defaults).setLanguageOverride(AppLanguageOverride::french);
             return !defaults->takeSetAsideFiles().empty() && !defaults->hasUnsavedChanges() &&
                    defaults->stringValue(Keys::languageOverride) == QStringLiteral("french");
         }},
        {"a preferences file that cannot be read, copied aside before it is replaced",
         "preferences.json", "{\"gestureOnboardingCompleted\": tr" + QByteArray(700, ' '),
         [](const QString& path) {
             JsonFileUserDefaults defaults(path);
             const bool copied = !defaults.takeSetAsideFiles().empty();
             return defaults.setValue(Keys::captureEnabled, false) && copied;
         }},
        {"the autostart entry", "org.quillorbitex.Quillorbitex.desktop",
         "[Desktop Entry]\nType=Application\nExec=/old/quillorbitex\n",
         [](const QString& path) {
             return !freedesktop::LoginItem(QFileInfo(path).path(), "/usr/bin/quillorbitex")
                         .setEnabled(true)
                         .has_value();
         }},
        {"the test state file", "state.json", "{\"triggerCount\": 1}",
         [](const QString& path) {
             AppDebugState state;
             state.overlayDebugLog = QString(600, u'x');
             return TestDiagnostics::write(state, path);
         }},
    };
    for (const auto& writer : writers) {
        SCOPED_TRACE(writer.name);
        // Cut off at once, or after a few bytes so that a write is first short, then refused; and
        // without a limit, to see that the same write does replace the file.
        for (const rlim_t limit : {rlim_t{0}, rlim_t{8}, RLIM_INFINITY}) {
            SCOPED_TRACE(limit);
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("files/")) + writer.file;
            // A new file is not writable by others, whatever the umask; a replaced one keeps its
            // mode.
            const mode_t umask = ::umask(0);
            ASSERT_TRUE(AtomicFile::write(path, writer.old));
            ::umask(umask);
            EXPECT_EQ(modeOf(path), 0644);
            ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0600), 0);
            const QStringList entries =
                QDir(QFileInfo(path).path()).entryList(QDir::AllEntries | QDir::Hidden);

            const Outcome outcome = runWithFileSizeLimit([&] { return writer.write(path); }, limit);

            if (limit == RLIM_INFINITY) {
                EXPECT_EQ(outcome, Outcome::written);
                EXPECT_NE(readFile(path), writer.old);
                EXPECT_EQ(modeOf(path), 0600);
                continue;
            }
            EXPECT_EQ(outcome, Outcome::failed);
            EXPECT_EQ(readFile(path), writer.old);
            // Neither a temporary file nor a cut-off copy is left behind.
            EXPECT_EQ(QDir(QFileInfo(path).path()).entryList(QDir::AllEntries | QDir::Hidden),
                      entries);
        }
    }
}

// Through a link: a link to a file has that file replaced and stays a link, also when the file is
// not there yet; a link to what is no file (a FIFO here, /dev/zero in the field) is replaced by the
// file itself and what it led to is left as it was.
TEST(AtomicFile, ALinkKeepsLeadingToItsFileAndNeverTurnsSomethingElseIntoOne) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("kept/file"));
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("kept"))));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const struct {
        const char* name;
        QString target;
        bool staysALink;
    } cases[] = {
        {"to a file not made yet", file, true},
        {"to a file", file, true},
        {"to a FIFO", fifo, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString link = dir.filePath(QStringLiteral("link-") + QString::fromLatin1(c.name));
        ASSERT_TRUE(QFile::link(c.target, link));
        ASSERT_TRUE(AtomicFile::write(link, c.name));
        EXPECT_EQ(QFileInfo(link).isSymLink(), c.staysALink);
        EXPECT_EQ(readFile(link), QByteArray(c.name));
    }
    EXPECT_EQ(readFile(file), QByteArray("to a file"));
    struct stat entry {};
    ASSERT_EQ(::lstat(QFile::encodeName(fifo).constData(), &entry), 0);
    EXPECT_TRUE(S_ISFIFO(entry.st_mode));
}

// A write killed before its rename leaves its new file behind; a later write of the same file
// removes it once it has not changed for a minute, and nothing else: not a write still under way,
// not what only looks like such a file, not another file's.
TEST(AtomicFile, AWriteRemovesWhatKilledWritesOfTheSameFileLeft) {
    QTemporaryDir dir;
    const struct {
        QString file;
        QString random;
        char kind;  // a file ('f', or 'n' new: a write under way), a folder, a link
        bool removed;
    } entries[] = {
        {"file", "1a2b3c4d", 'f', true},   {"file", "0", 'f', true},
        {"file", "3c4d", 'n', false},      {"file", "5e6f", 'd', false},
        {"file", "7a8b", 'l', false},      {"file", "notes", 'f', false},
        {"file", "123456789", 'f', false}, {"file.old", "9abc", 'f', false},
    };
    const auto temporary = [&](const auto& e) {
        return dir.filePath(AtomicFile::temporaryNamePattern(e.file).replace('*', e.random));
    };
    for (const auto& e : entries) {
        const QByteArray path = QFile::encodeName(temporary(e));
        ASSERT_TRUE(e.kind == 'd'   ? ::mkdir(path, 0700) == 0
                    : e.kind == 'l' ? ::symlink("file", path) == 0
                                    : QFile(temporary(e)).open(QIODevice::WriteOnly));
        const timespec old{std::time(nullptr) - 120, 0};
        const timespec times[] = {old, old};
        ASSERT_TRUE(e.kind == 'n' || ::utimensat(AT_FDCWD, path, times, AT_SYMLINK_NOFOLLOW) == 0);
    }

    ASSERT_TRUE(AtomicFile::write(dir.filePath("file"), "new"));

    for (const auto& e : entries) {
        EXPECT_EQ(QFileInfo(temporary(e)).exists() || QFileInfo(temporary(e)).isSymLink(),
                  !e.removed)
            << temporary(e).toStdString();
    }
    EXPECT_EQ(readFile(dir.filePath("file")), "new");
}

}  // namespace
}  // namespace quillorbitex
