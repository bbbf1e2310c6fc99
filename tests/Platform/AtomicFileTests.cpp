#include "Platform/AtomicFile.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "Diagnostics/TestDiagnostics.h"
#include "Platform/Freedesktop/LoginItem.h"
#include "Platform/JsonFileUserDefaults.h"
#include "Services/Settings/GestureSettingsStore.h"
#include "support/RuleFactory.h"
#include "support/WaitUntil.h"

namespace quillorbitex {
namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writePlainFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// How a write went in a child process: said it was written, said it failed, or the child died
// (a signal, or no answer in time).
enum class Outcome { written, failed, died };

// Runs `write` in a child process whose files may grow to `sizeLimit` bytes at most; a write
// beyond that fails with EFBIG, as on a full disk, since SIGXFSZ is ignored.
Outcome runWithFileSizeLimit(const std::function<bool()>& write, rlim_t sizeLimit) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{sizeLimit, sizeLimit};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            ::_exit(3);
        }
        ::_exit(write() ? 0 : 1);
    }
    if (child < 0) {
        return Outcome::died;
    }
    int status = 0;
    const bool ended =
        testing::waitUntil([&] { return ::waitpid(child, &status, WNOHANG) == child; });
    if (!ended) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        return Outcome::died;
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) > 1) {
        return Outcome::died;
    }
    return WEXITSTATUS(status) == 0 ? Outcome::written : Outcome::failed;
}

// Two custom rules, as a user's file holds them.
QByteArray preferencesWithTwoRules(const QString& folder) {
    const QString path = JsonFileUserDefaults::filePathIn(folder);
    {
        GestureSettingsStore store(std::make_shared<JsonFileUserDefaults>(path));
        store.setCustomMappings(
            {testing::customRule(GestureDescriptor::directional(GesturePattern::upThenDown),
                                 GestureAction::predefined(PredefinedAction::refresh),
                                 QStringLiteral("Reload")),
             testing::customRule(GestureDescriptor::directional(GesturePattern::leftThenUp),
                                 GestureAction::openURL(QStringLiteral("https://example.com/")))});
        store.setHasCompletedOnboarding(true);
    }
    return readFile(path);
}

TEST(AtomicFile, EveryWriterLeavesTheOldFileAsItWasAndSaysSoWhenTheDiskTakesNoMore) {
    struct Writer {
        const char* name;
        // Puts the file to be replaced in `folder`; returns its path.
        std::function<QString(const QString& folder)> prepare;
        // Replaces it (in the child process); true when it says the new content is written.
        std::function<bool(const QString& folder)> write;
    };
    const Writer writers[] = {
        {"preferences",
         [](const QString& folder) {
             preferencesWithTwoRules(folder);
             return JsonFileUserDefaults::filePathIn(folder);
         },
         [](const QString& folder) {
             JsonFileUserDefaults defaults(JsonFileUserDefaults::filePathIn(folder));
             return defaults.setValue(GestureSettingsStore::Keys::captureEnabled, false);
         }},
        {"a preference that cannot be read, copied aside before it is replaced",
         [](const QString& folder) {
             const QString path = JsonFileUserDefaults::filePathIn(folder);
             JsonFileUserDefaults(path).setValue(GestureSettingsStore::Keys::languageOverride,
                                                 QStringLiteral("klingon ").repeated(80));
             return path;
         },
         [](const QString& folder) {
             auto defaults =
                 std::make_shared<JsonFileUserDefaults>(JsonFileUserDefaults::filePathIn(folder));
             GestureSettingsStore(defaults).setLanguageOverride(AppLanguageOverride::french);
             return !defaults->takeSetAsideFiles().empty() && !defaults->hasUnsavedChanges() &&
                    defaults->stringValue(GestureSettingsStore::Keys::languageOverride) ==
                        QStringLiteral("french");
         }},
        {"a preferences file that cannot be read, copied aside before it is replaced",
         [](const QString& folder) {
             const QString path = JsonFileUserDefaults::filePathIn(folder);
             writePlainFile(path, "{\"gestureCustomMappings\": {\"data\": \"W3si" +
                                      QByteArray(700, 'x') + "\"}, \"gestureOnb");
             return path;
         },
         [](const QString& folder) {
             JsonFileUserDefaults defaults(JsonFileUserDefaults::filePathIn(folder));
             const bool copied = !defaults.takeSetAsideFiles().empty();
             return defaults.setValue(GestureSettingsStore::Keys::captureEnabled, false) && copied;
         }},
        {"the autostart entry",
         [](const QString& folder) {
             const QString path = freedesktop::LoginItem(folder, QStringLiteral("/x")).entryPath();
             writePlainFile(path, "[Desktop Entry]\nType=Application\nExec=/old/quillorbitex\n");
             return path;
         },
         [](const QString& folder) {
             return !freedesktop::LoginItem(folder, QStringLiteral("/usr/bin/quillorbitex"))
                         .setEnabled(true)
                         .has_value();
         }},
        {"the test state file",
         [](const QString& folder) {
             const QString path = QDir(folder).filePath(QStringLiteral("state.json"));
             AppDebugState state;
             state.triggerCount = 1;
             EXPECT_TRUE(TestDiagnostics::write(state, path));
             return path;
         },
         [](const QString& folder) {
             AppDebugState state;
             state.triggerCount = 2;
             state.overlayDebugLog = QString(600, u'x');
             return TestDiagnostics::write(state,
                                           QDir(folder).filePath(QStringLiteral("state.json")));
         }},
    };
    for (const Writer& writer : writers) {
        SCOPED_TRACE(writer.name);
        // Cut off after a few bytes, so that a write is first short, then refused; and without a
        // limit, to see that the same write does replace the file.
        for (const rlim_t limit : {rlim_t{0}, rlim_t{8}, RLIM_INFINITY}) {
            SCOPED_TRACE(limit);
            QTemporaryDir dir;
            const QString folder = dir.filePath(QStringLiteral("files"));
            const QString path = writer.prepare(folder);
            const QByteArray before = readFile(path);
            ASSERT_GT(before.size(), 8);
            const QStringList entriesBefore =
                QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

            const Outcome outcome =
                runWithFileSizeLimit([&] { return writer.write(folder); }, limit);

            if (limit == RLIM_INFINITY) {
                EXPECT_EQ(outcome, Outcome::written);
                EXPECT_NE(readFile(path), before);
                continue;
            }
            EXPECT_EQ(outcome, Outcome::failed);
            EXPECT_EQ(readFile(path), before);
            // Neither a temporary file nor a cut-off copy is left behind.
            EXPECT_EQ(
                QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                entriesBefore);
        }
    }
}

mode_t modeOf(const QString& path) {
    struct stat entry {};
    return ::stat(QFile::encodeName(path).constData(), &entry) == 0 ? entry.st_mode & 07777 : 0;
}

TEST(AtomicFile, NewFilesAreWritableByTheOwnerAloneAndReplacedFilesKeepTheirMode) {
    const struct {
        const char* name;
        mode_t umask;
        std::optional<mode_t> existing;
        mode_t expected;
    } cases[] = {
        {"new, no umask", 0000, std::nullopt, 0644},
        {"new, the usual umask", 0022, std::nullopt, 0644},
        {"new, a strict umask", 0077, std::nullopt, 0600},
        {"replacing a private file", 0000, 0600, 0600},
        {"replacing a shared file", 0077, 0664, 0664},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sub/file"));
        if (c.existing) {
            writePlainFile(path, "old");
            ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), *c.existing), 0);
        }
        const mode_t previous = ::umask(c.umask);
        const FileWriteResult result = AtomicFile::write(path, "new");
        ::umask(previous);

        EXPECT_TRUE(result.written) << result.error.toStdString();
        EXPECT_EQ(readFile(path), "new");
        EXPECT_EQ(modeOf(path), c.expected);
    }
}

TEST(AtomicFile, ALinkedFileIsReplacedWhereTheLinkLeadsAndTheLinkStays) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("dotfiles/quillorbitex/preferences.json"));
    const QString folder = dir.filePath(QStringLiteral("config/Quillorbitex"));
    const QString link = JsonFileUserDefaults::filePathIn(folder);
    QDir().mkpath(folder);
    // A relative link through a second one, as dotfile managers make them.
    ASSERT_TRUE(QFile::link(QStringLiteral("../dotfiles/quillorbitex/preferences.json"),
                            dir.filePath(QStringLiteral("config/middle.json"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("../middle.json"), link));
    {
        JsonFileUserDefaults defaults(link);
        EXPECT_TRUE(defaults.setValue(QStringLiteral("flag"), true));
        // What cannot be written there is told by the folder the file is in.
        EXPECT_EQ(defaults.storageDirectory(), QFileInfo(target).absolutePath());
    }
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(QFileInfo(target).isFile());
    EXPECT_EQ(JsonFileUserDefaults(link).value(QStringLiteral("flag")), UserDefaults::Value(true));
}

}  // namespace
}  // namespace quillorbitex
