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
    const QString path = dir.filePath(QStringLiteral("file"));
    const auto temporary = [](const QString& name, const QString& random) {
        return AtomicFile::temporaryNamePattern(name).replace(QLatin1Char('*'), random);
    };
    const auto make = [&](const QString& name, bool old, auto create) {
        const QByteArray entry = QFile::encodeName(dir.filePath(name));
        ASSERT_TRUE(create(entry)) << name.toStdString();
        if (old) {
            const timespec twoMinutesAgo{std::time(nullptr) - 120, 0};
            const timespec times[] = {twoMinutesAgo, twoMinutesAgo};
            ASSERT_EQ(::utimensat(AT_FDCWD, entry.constData(), times, AT_SYMLINK_NOFOLLOW), 0);
        }
    };
    const auto file = [](const QByteArray& entry) {
        return QFile(QFile::decodeName(entry)).open(QIODevice::WriteOnly);
    };
    const auto folder = [](const QByteArray& entry) { return ::mkdir(entry, 0700) == 0; };
    const auto link = [](const QByteArray& entry) { return ::symlink("file", entry) == 0; };
    const struct {
        QString name;
        bool old;
        std::function<bool(const QByteArray&)> create;
        bool removed;
    } entries[] = {
        {temporary("file", "1a2b3c4d"), true, file, true},
        {temporary("file", "0"), true, file, true},
        {temporary("file", "3c4d"), false, file, false},  // a write under way
        {temporary("file", "5e6f"), true, folder, false},
        {temporary("file", "7a8b"), true, link, false},
        {temporary("file", "notes"), true, file, false},
        {temporary("file", "123456789"), true, file, false},
        {temporary("other", "9abc"), true, file, false},
        {temporary("file.old", "9abc"), true, file, false},
    };
    for (const auto& entry : entries) {
        make(entry.name, entry.old, entry.create);
    }

    ASSERT_TRUE(AtomicFile::write(path, "new"));

    for (const auto& entry : entries) {
        struct stat found {};
        const bool present =
            ::lstat(QFile::encodeName(dir.filePath(entry.name)).constData(), &found) == 0;
        EXPECT_EQ(present, !entry.removed) << entry.name.toStdString();
    }
    EXPECT_EQ(readFile(path), "new");
}

}  // namespace
}  // namespace quillorbitex
