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
        // Normalised: the folder every check and every file of the run then share.
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
            value ? qputenv(name, *value) : qunsetenv(name);
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
    const QString temporary = dir_.filePath("tmp");
    QDir().mkpath(temporary);
    qputenv("TMPDIR", temporary.toUtf8());
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_DATA_HOME");
    const QString own = temporary + "/Quillorbitex-" + QString::number(::getuid());
    for (const char* home : {"", "/", "relative/home", "/nonexistent/home"}) {
        qputenv("HOME", home);
        const auto locations = StorageLocations::forConfig(UITestConfig{});
        EXPECT_EQ(locations.preferencesFile, own + "/preferences.json") << home;
        EXPECT_EQ(locations.usageDatabaseFile, own + "/gesture_usage.sqlite") << home;
        EXPECT_EQ(locations.autostartDirectory, QString()) << home;
        EXPECT_EQ(modeOf(own), 0700u);
    }
    // One that others may write in is left alone; a new private one serves every file of the run.
    ::chmod(QFile::encodeName(own).constData(), 0777);
    QProcessEnvironment variables;
    variables.insert("TMPDIR", temporary);
    const QString replacement = temporaryProductFolder(variables);
    EXPECT_TRUE(replacement.startsWith(own + "-")) << replacement.toStdString();
    EXPECT_EQ(modeOf(replacement), 0700u);
    EXPECT_EQ(temporaryProductFolder(variables), replacement);
}

// A temporary folder reached through a link yields no private folder; standard error says so and
// nothing made on the way is left.
TEST_F(IsolatedHome, WithNoPrivateTemporaryFolderNothingIsLeftAndStandardErrorSaysSo) {
    const QString real = dir_.filePath("real-tmp");
    QDir().mkpath(real);
    ASSERT_TRUE(QFile::link(real, dir_.filePath("tmp-link")));
    QProcessEnvironment variables;
    variables.insert("TMPDIR", dir_.filePath("tmp-link"));

    ::testing::internal::CaptureStderr();
    const QString folder = temporaryProductFolder(variables);
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(folder, QString());
    EXPECT_EQ(QDir(real).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList());
    const std::string own =
        QFile::encodeName(dir_.filePath("tmp-link/Quillorbitex-") + QString::number(::getuid()))
            .toStdString();
    EXPECT_NE(said.find(own), std::string::npos) << said;
}

// A base folder that someone else can change, or that is reached through a link however the path
// is written, is refused and left as it was; so are home, what holds it, and "/".
TEST_F(IsolatedHome, ABaseFolderSomeoneElseCanChangeIsRefusedAndLeftAlone) {
    const QString victim = dir_.filePath("victim");
    QDir().mkpath(victim);
    QFile(victim + "/preferences.json").open(QIODevice::WriteOnly);
    QFile::link(victim, dir_.filePath("link"));
    // The victim is seen as another user's (CI runs as root).
    const std::pair<QString, uid_t> refused[] = {{dir_.filePath("link/"), ::getuid()},
                                                 {dir_.filePath("link/new"), ::getuid()},
                                                 {victim, 4242},
                                                 {home() + "/", ::getuid()},
                                                 {dir_.path(), ::getuid()},
                                                 {"/", ::getuid()}};
    for (const auto& [path, user] : refused) {
        UITestConfig config;
        config.isUITest = config.resetOnLaunch = true;
        config.baseDirectory = path;
        EXPECT_FALSE(TestBaseDirectory::prepare(config, user)) << path.toStdString();
    }
    EXPECT_TRUE(QFileInfo::exists(victim + "/preferences.json"));
    EXPECT_FALSE(QFileInfo::exists(victim + "/new"));
    EXPECT_TRUE(QFileInfo(home()).isDir());
}

// A reset removes what the program writes in its base folder, and nothing else.
TEST_F(IsolatedHome, AResetRemovesOnlyTheProgramsOwnFiles) {
    UITestConfig config;
    config.baseDirectory = dir_.filePath("runs/base");
    config.stateDumpPath = config.baseDirectory + "/state.json";
    EXPECT_TRUE(TestBaseDirectory::prepare(config));  // not in test mode: nothing to do
    EXPECT_FALSE(QFileInfo::exists(config.baseDirectory));
    config.isUITest = true;
    ASSERT_TRUE(TestBaseDirectory::prepare(config));
    EXPECT_EQ(modeOf(dir_.filePath("runs")), 0700u);
    EXPECT_EQ(modeOf(config.baseDirectory), 0700u);

    const QString base = config.baseDirectory;
    const QString outside = dir_.filePath("outside");
    QFile(outside).open(QIODevice::WriteOnly);
    // With what cut-off writes of these files left (".*.tmp-*").
    const QStringList programs = {"preferences.json",
                                  "preferences.json.unreadable-20240101-000000",
                                  "preferences.json.lock",
                                  "gesture_usage.sqlite",
                                  "gestureCustomMappings.unreadable-0123456789abcdef",
                                  "state.json",
                                  "gesture_usage.sqlite-wal",
                                  "autostart/org.quillorbitex.Quillorbitex.desktop",
                                  "gesture_usage.sqlite.unreadable-20240101-000000-journal",
                                  "gesture_usage.sqlite.unwritten.json",
                                  "gesture_usage.sqlite.unwritten-0123456789abcdef.json",
                                  ".preferences.json.tmp-1a2b3c4d",
                                  ".gestureCustomMappings.unreadable-0123456789abcdef.tmp-ff",
                                  ".state.json.tmp-e",
                                  "autostart/.org.quillorbitex.Quillorbitex.desktop.tmp-5"};
    const QStringList others = {"notes.txt",        "state.json.bak",   "nested/preferences.json",
                                "Preferences.json", ".notes.txt.tmp-1", "preferences.json.tmp-1"};
    for (const QString& name : programs + others) {
        QDir().mkpath(QFileInfo(base + "/" + name).path());
        QFile(base + "/" + name).open(QIODevice::WriteOnly);
    }
    QFile::link(outside, base + "/gesture_usage.sqlite-shm");
    QDir().mkpath(base + "/gesture_usage.sqlite-journal");  // a folder where a file is expected
    ASSERT_TRUE(TestBaseDirectory::prepare(config));        // no reset asked for
    EXPECT_TRUE(QFileInfo::exists(base + "/state.json"));

    config.resetOnLaunch = true;
    ASSERT_TRUE(TestBaseDirectory::prepare(config));
    for (const QString& name : programs + QStringList{"autostart", "gesture_usage.sqlite-shm"}) {
        EXPECT_FALSE(QFileInfo(base + "/" + name).exists() ||
                     QFileInfo(base + "/" + name).isSymLink())
            << name.toStdString();
    }
    for (const QString& name : others + QStringList{"gesture_usage.sqlite-journal"}) {
        EXPECT_TRUE(QFileInfo::exists(base + "/" + name)) << name.toStdString();
    }
    EXPECT_TRUE(QFileInfo::exists(outside));
}

}  // namespace
}  // namespace quillorbitex
