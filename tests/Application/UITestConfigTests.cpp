#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "Application/StorageLocations.h"
#include "Application/TestBaseDirectory.h"
#include "Application/UITestConfig.h"
#include "Platform/ProductFolder.h"

namespace quillorbitex {
namespace {

mode_t modeOf(const QString& path) {
    struct stat entry {};
    return ::lstat(QFile::encodeName(path).constData(), &entry) == 0 ? entry.st_mode & 07777 : 0;
}

QProcessEnvironment environment(std::initializer_list<std::pair<const char*, const char*>> vars) {
    QProcessEnvironment env;
    for (const auto& [name, value] : vars) {
        env.insert(QString::fromUtf8(name), QString::fromUtf8(value));
    }
    return env;
}

TEST(UITestConfig, SwitchesNeedTheArgumentOrExactlyOne) {
    const auto fromEnv = [](const char* name, const char* value) {
        return UITestConfig::fromProcessInfo({"quillorbitex"}, environment({{name, value}}));
    };
    for (const char* value : {"true", "yes", "0", "", " 1", "01"}) {
        EXPECT_FALSE(fromEnv("QUILLORBITEX_UITEST_MODE", value).isUITest) << value;
        EXPECT_FALSE(fromEnv("QUILLORBITEX_UITEST_RESET", value).resetOnLaunch) << value;
    }
    EXPECT_TRUE(fromEnv("QUILLORBITEX_UITEST_MODE", "1").isUITest);
    EXPECT_TRUE(fromEnv("QUILLORBITEX_UITEST_RESET", "1").resetOnLaunch);
    // Read independently of test mode.
    const auto onboarding = fromEnv("QUILLORBITEX_UITEST_SHOW_ONBOARDING", "1");
    EXPECT_TRUE(onboarding.forceShowOnboarding && !onboarding.isUITest);
    EXPECT_TRUE(fromEnv("QUILLORBITEX_UITEST_ONBOARDING_COMPLETED", "1").seedCompletedOnboarding);
    const auto nothing = UITestConfig::fromProcessInfo({"/usr/bin/quillorbitex"}, environment({}));
    EXPECT_FALSE(nothing.isUITest || nothing.resetOnLaunch || nothing.forceShowOnboarding ||
                 nothing.seedCompletedOnboarding);

    const auto arguments =
        UITestConfig::fromProcessInfo({"quillorbitex", "--uitest-mode", "--uitest-reset"},
                                      environment({{"QUILLORBITEX_UITEST_MODE", "0"}}));
    EXPECT_TRUE(arguments.isUITest && arguments.resetOnLaunch);
    EXPECT_FALSE(UITestConfig::fromProcessInfo({"--uitest-mode=1", "--UITEST-MODE"}, {}).isUITest);
}

TEST(UITestConfig, TheBaseFolderIsGivenOrPerUserInTheTemporaryFolder) {
    const QString perUser = "/QuillorbitexUITests-" + QString::number(::getuid());
    const std::pair<QProcessEnvironment, QString> cases[] = {
        {environment({}), "/tmp" + perUser},
        {environment({{"TMPDIR", "/var/tmp/"}}), "/var/tmp" + perUser},
        {environment({{"TMPDIR", "relative"}}), "/tmp" + perUser},
        {environment({{"QUILLORBITEX_UITEST_BASE_DIR", ""}}), "/tmp" + perUser},
        // A given folder is used as given, normalised: the folder every check and every file
        // of the run then share.
        {environment({{"QUILLORBITEX_UITEST_BASE_DIR", "/srv/run 1/"}}), "/srv/run 1"},
        {environment({{"QUILLORBITEX_UITEST_BASE_DIR", "/srv/link/../run//x/."}}), "/srv/run/x"},
        {environment({{"QUILLORBITEX_UITEST_BASE_DIR", "~/run"}}),
         QDir::current().absoluteFilePath("~/run")},
    };
    for (const auto& [variables, folder] : cases) {
        const auto config = UITestConfig::fromProcessInfo({}, variables);
        EXPECT_EQ(config.baseDirectory, folder);
        EXPECT_EQ(config.stateDumpPath, QDir::cleanPath(folder + "/state.json"));
    }
}

// Points the XDG folders and the home folder at a temporary folder for one test.
class IsolatedHome : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "TMPDIR"}) {
            saved_.emplace_back(name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name))
                                                                      : std::nullopt);
        }
        qputenv("HOME", home().toUtf8());
        qputenv("XDG_CONFIG_HOME", (home() + "/config").toUtf8());
        qputenv("XDG_DATA_HOME", (home() + "/data").toUtf8());
        QDir().mkpath(home());
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_) {
            if (value) {
                qputenv(name, *value);
            } else {
                qunsetenv(name);
            }
        }
    }
    QString home() const { return dir_.filePath("home"); }

    QTemporaryDir dir_;
    std::vector<std::pair<const char*, std::optional<QByteArray>>> saved_;
};

TEST_F(IsolatedHome, TestModeKeepsEveryFileInTheBaseFolder) {
    UITestConfig config;
    config.baseDirectory = dir_.filePath("base");
    const auto normal = StorageLocations::forConfig(config);
    EXPECT_EQ(normal.preferencesFile, home() + "/config/Quillorbitex/preferences.json");
    EXPECT_EQ(normal.usageDatabaseFile, home() + "/data/Quillorbitex/gesture_usage.sqlite");
    EXPECT_EQ(normal.autostartDirectory, home() + "/config/autostart");

    // Relative base folders are ignored, as the XDG specification requires, whatever the
    // working directory.
    qputenv("XDG_CONFIG_HOME", "config");
    qputenv("XDG_DATA_HOME", "./data");
    const auto relative = StorageLocations::forConfig(config);
    EXPECT_EQ(relative.preferencesFile, home() + "/.config/Quillorbitex/preferences.json");
    EXPECT_EQ(relative.usageDatabaseFile,
              home() + "/.local/share/Quillorbitex/gesture_usage.sqlite");
    EXPECT_EQ(relative.autostartDirectory, home() + "/.config/autostart");

    config.isUITest = true;
    const auto test = StorageLocations::forConfig(config);
    for (const QString& path :
         {test.preferencesFile, test.usageDatabaseFile, test.autostartDirectory}) {
        EXPECT_TRUE(path.startsWith(config.baseDirectory + "/")) << path.toStdString();
        EXPECT_FALSE(path.startsWith(home())) << path.toStdString();
    }
    EXPECT_NE(test.preferencesFile, test.usageDatabaseFile);
}

// Without a usable home folder the files go to a private folder in the temporary folder, never
// to "/.config" or "/.local/share", and there is no login item to keep.
TEST_F(IsolatedHome, WithoutAHomeFolderTheFilesGoToAPrivateTemporaryFolder) {
    QString temporary = dir_.filePath("tmp");
    QDir().mkpath(temporary);
    qputenv("TMPDIR", temporary.toUtf8());
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_DATA_HOME");
    QString own = temporary + "/Quillorbitex-" + QString::number(::getuid());
    for (const char* home :
         {static_cast<const char*>(nullptr), "", "/", "relative/home", "/nonexistent/home"}) {
        SCOPED_TRACE(home == nullptr ? "unset" : home);
        if (home == nullptr) {
            qunsetenv("HOME");
        } else {
            qputenv("HOME", home);
        }
        const auto locations = StorageLocations::forConfig(UITestConfig{});
        EXPECT_EQ(locations.preferencesFile, own + "/preferences.json");
        EXPECT_EQ(locations.usageDatabaseFile, own + "/gesture_usage.sqlite");
        EXPECT_TRUE(locations.autostartDirectory.isEmpty());
        EXPECT_EQ(modeOf(own), 0700u);
    }
    qunsetenv("HOME");
    QProcessEnvironment variables;
    variables.insert("TMPDIR", temporary);
    // A folder of that name someone else made, or may write in, is left alone: a new private one
    // serves the run, the same for every file.
    const auto takenOver = [&] {
        const QString replacement = temporaryProductFolder(variables);
        EXPECT_TRUE(replacement.startsWith(own + "-")) << replacement.toStdString();
        EXPECT_EQ(modeOf(replacement), 0700u);
        EXPECT_EQ(temporaryProductFolder(variables), replacement);
        EXPECT_TRUE(QDir(own).isEmpty());
    };
    ASSERT_EQ(::chmod(QFile::encodeName(own).constData(), 0777), 0);
    takenOver();
    if (::getuid() == 0) {  // giving a folder away needs root, as in CI
        temporary = dir_.filePath("tmp-given-away");
        own = temporary + "/Quillorbitex-0";
        variables.insert("TMPDIR", temporary);
        QDir().mkpath(own);
        ASSERT_EQ(::chown(QFile::encodeName(own).constData(), 65534, 65534), 0);
        takenOver();
    }
}

// What a test run may use as its base folder: nothing another user can change, nothing reached
// through a link (however the path is written), never home or above. A refused folder is left
// exactly as it was: nothing made in it, nothing removed.
TEST_F(IsolatedHome, ABaseFolderSomeoneElseCanChangeIsRefusedAndLeftAlone) {
    const QString victim = dir_.filePath("victim");
    QDir().mkpath(victim + "/sub");
    QFile(victim + "/preferences.json").open(QIODevice::WriteOnly);
    QFile(victim + "/keep").open(QIODevice::WriteOnly);
    QFile::link(victim, dir_.filePath("link"));
    const QString open = dir_.filePath("open");
    QDir().mkpath(open);
    ::chmod(QFile::encodeName(open).constData(), 0777);
    const QString groupWritable = dir_.filePath("group");
    QDir().mkpath(groupWritable);
    ::chmod(QFile::encodeName(groupWritable).constData(), 0770);
    const QString file = dir_.filePath("file");
    QFile(file).open(QIODevice::WriteOnly);

    const struct {
        QString path;
        uid_t user;
    } refused[] = {
        {dir_.filePath("link/"), ::getuid()},
        {dir_.filePath("link"), ::getuid()},
        {dir_.filePath("link/sub"), ::getuid()},
        {dir_.filePath("link/new"), ::getuid()},
        {open, ::getuid()},
        {open + "/new", ::getuid()},
        {groupWritable, ::getuid()},
        {file, ::getuid()},
        {victim, 4242},  // another user's folder, as that user sees it
        {home(), ::getuid()},
        {home() + "/", ::getuid()},
        {dir_.path(), ::getuid()},
        {QStringLiteral("/"), ::getuid()},
    };
    for (const auto& c : refused) {
        UITestConfig config;
        config.isUITest = true;
        config.resetOnLaunch = true;
        config.baseDirectory = c.path;
        config.stateDumpPath = c.path + "/state.json";
        EXPECT_FALSE(TestBaseDirectory::prepare(config, c.user)) << c.path.toStdString();
        EXPECT_FALSE(TestBaseDirectory::refusalNotice(c.path).isEmpty());
    }
    EXPECT_TRUE(QFileInfo::exists(victim + "/preferences.json"));
    EXPECT_TRUE(QFileInfo::exists(victim + "/keep"));
    EXPECT_FALSE(QFileInfo::exists(victim + "/new"));
    EXPECT_FALSE(QFileInfo::exists(open + "/new"));
    EXPECT_EQ(QFileInfo(open).permissions() & QFile::WriteOther, QFile::WriteOther);
}

// A reset removes what the program writes in its base folder, and nothing else.
TEST_F(IsolatedHome, AResetRemovesOnlyTheProgramsOwnFiles) {
    UITestConfig config;
    config.baseDirectory = dir_.filePath("runs/base");
    config.stateDumpPath = config.baseDirectory + "/state.json";
    EXPECT_TRUE(TestBaseDirectory::prepare(config));  // not in test mode
    EXPECT_FALSE(QFileInfo::exists(config.baseDirectory));

    config.isUITest = true;
    ASSERT_TRUE(TestBaseDirectory::prepare(config));
    for (const char* made : {"runs", "runs/base"}) {
        EXPECT_EQ(modeOf(dir_.filePath(made)), 0700u) << made;
    }
    const QString base = config.baseDirectory;
    const QString outside = dir_.filePath("outside");
    QDir().mkpath(outside + "/autostart");
    QFile(outside + "/target").open(QIODevice::WriteOnly);
    QFile(outside + "/autostart/org.quillorbitex.Quillorbitex.desktop").open(QIODevice::WriteOnly);
    const QStringList programs = {
        "preferences.json",
        "preferences.json.unreadable-20240101-000000",
        "gestureCustomMappings.unreadable-0123456789abcdef",
        "gesture_usage.sqlite",
        "gesture_usage.sqlite-journal",
        "gesture_usage.sqlite-wal",
        "gesture_usage.sqlite-shm",
        "gesture_usage.sqlite.unreadable-20240101-000000",
        "gesture_usage.sqlite.unreadable-20240101-000000-journal",
        "state.json",
        "autostart/org.quillorbitex.Quillorbitex.desktop",
    };
    const QStringList others = {
        "notes.txt",
        "state.json.bak",
        "nested/preferences.json",
        "results/state.json",
    };
    const auto populate = [&] {
        for (const QString& name : programs + others) {
            QDir().mkpath(QFileInfo(base + "/" + name).path());
            QFile(base + "/" + name).open(QIODevice::WriteOnly);
        }
    };
    populate();
    TestBaseDirectory::prepare(config);  // no reset asked for
    for (const QString& name : programs + others) {
        EXPECT_TRUE(QFileInfo::exists(base + "/" + name)) << name.toStdString();
    }

    config.resetOnLaunch = true;
    ASSERT_TRUE(TestBaseDirectory::prepare(config));
    for (const QString& name : programs) {
        EXPECT_FALSE(QFileInfo::exists(base + "/" + name)) << name.toStdString();
    }
    for (const QString& name : others) {
        EXPECT_TRUE(QFileInfo::exists(base + "/" + name)) << name.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(base + "/autostart"));  // made by the program, left empty

    // A link named like a file of the program goes as a link; a folder where a file is expected,
    // and a login folder that is a link or holds something else, stay.
    QDir(base + "/nested").removeRecursively();
    QFile::link(outside + "/target", base + "/preferences.json");
    QDir().mkpath(base + "/state.json");
    QFile::link(outside + "/autostart", base + "/autostart");
    ASSERT_TRUE(TestBaseDirectory::prepare(config));
    EXPECT_FALSE(QFileInfo(base + "/preferences.json").isSymLink());
    EXPECT_TRUE(QFileInfo::exists(outside + "/target"));
    EXPECT_TRUE(QFileInfo(base + "/state.json").isDir());
    EXPECT_TRUE(QFileInfo::exists(outside + "/autostart/org.quillorbitex.Quillorbitex.desktop"));
    QFile::remove(base + "/autostart");
    populate();
    QFile(base + "/autostart/mine.desktop").open(QIODevice::WriteOnly);
    ASSERT_TRUE(TestBaseDirectory::prepare(config));
    EXPECT_TRUE(QFileInfo::exists(base + "/autostart/mine.desktop"));
    EXPECT_FALSE(QFileInfo::exists(base + "/autostart/org.quillorbitex.Quillorbitex.desktop"));
}

}  // namespace
}  // namespace quillorbitex
