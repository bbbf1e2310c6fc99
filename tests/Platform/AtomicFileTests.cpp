#include "Platform/AtomicFile.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QTemporaryDir>
#include <ctime>
#include <functional>
#include <memory>

#include "Diagnostics/TestDiagnostics.h"
#include "Platform/Freedesktop/LoginItem.h"
#include "Platform/JsonFileUserDefaults.h"
#include "Platform/TestFiles.h"
#include "Services/Settings/GestureSettingsStore.h"
#include "support/ChildProcess.h"

namespace quillorbitex {
namespace {

using testing::readFile;

mode_t modeOf(const QString& path) {
    struct stat entry {};
    return ::stat(QFile::encodeName(path).constData(), &entry) == 0 ? entry.st_mode & 07777 : 0;
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
        // Cut off at once, or after a few bytes (a short write, then a refused one); and without a
        // limit, to see that the same write does replace the file.
        for (const rlim_t limit : {rlim_t{0}, rlim_t{8}, RLIM_INFINITY}) {
            SCOPED_TRACE(limit);
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("files/")) + writer.file;
            // New files are not writable by others whatever the umask; replaced ones keep their
            // mode.
            const mode_t umask = ::umask(0);
            ASSERT_TRUE(AtomicFile::write(path, writer.old));
            ::umask(umask);
            EXPECT_EQ(modeOf(path), 0644);
            ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0600), 0);
            // The preferences' lock file is made to be left.
            const auto entries = [&] {
                QStringList names =
                    QDir(QFileInfo(path).path()).entryList(QDir::AllEntries | QDir::Hidden);
                names.removeAll(QString::fromLatin1(writer.file) + QStringLiteral(".lock"));
                return names;
            };
            const QStringList before = entries();
            const bool fits = limit == RLIM_INFINITY;

            // With SIGXFSZ ignored, a write beyond the limit fails with EFBIG as on a full disk.
            const auto status = testing::runInChild([&] {
                ::signal(SIGXFSZ, SIG_IGN);
                const rlimit sizes{limit, limit};
                return ::setrlimit(RLIMIT_FSIZE, &sizes) != 0 ? 3 : writer.write(path) ? 0 : 1;
            });

            EXPECT_EQ(status, std::optional(fits ? 0 : 1));
            EXPECT_EQ(readFile(path) == writer.old, !fits);
            EXPECT_EQ(modeOf(path), 0600);
            if (!fits) {  // neither a temporary file nor a cut-off copy is left behind
                EXPECT_EQ(entries(), before);
            }
        }
    }
}

// A link to a file has that file replaced and stays a link, also when the file is not there yet; a
// link to what is no file (a FIFO, or /dev/zero) is replaced by a file, what it led to left alone.
TEST(AtomicFile, ALinkKeepsLeadingToItsFileAndNeverTurnsSomethingElseIntoOne) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("kept/file"));
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("kept"))));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const auto& [name, target, staysALink] : {std::tuple{"to a file not made yet", file, true},
                                                   {"to a file", file, true},
                                                   {"to a FIFO", fifo, false}}) {
        const QString link = dir.filePath(QStringLiteral("link-") + QString::fromLatin1(name));
        ASSERT_TRUE(QFile::link(target, link));
        ASSERT_TRUE(AtomicFile::write(link, name));
        EXPECT_EQ(QFileInfo(link).isSymLink(), staysALink) << name;
        EXPECT_EQ(readFile(link), QByteArray(name));
    }
    EXPECT_EQ(readFile(file), QByteArray("to a file"));
    struct stat entry {};
    ASSERT_EQ(::lstat(QFile::encodeName(fifo).constData(), &entry), 0);
    EXPECT_TRUE(S_ISFIFO(entry.st_mode));
}

// A write killed before its rename leaves its new file behind; a later write of the same file
// removes it once it is a minute old, and nothing else: not a write under way, not what only looks
// like such a file, not another file's.
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
                                    : testing::writeFile(temporary(e), {}));
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
