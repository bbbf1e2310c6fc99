#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "Application/StorageLocations.h"
#include "Application/TestBaseDirectory.h"
#include "Application/UITestConfig.h"

namespace quillorbitex {
namespace {

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
        // A given folder is used unchanged.
        {environment({{"QUILLORBITEX_UITEST_BASE_DIR", "/srv/run 1/"}}), "/srv/run 1/"},
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
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
            saved_.emplace_back(name, qgetenv(name));
        }
        qputenv("HOME", home().toUtf8());
        qputenv("XDG_CONFIG_HOME", (home() + "/config").toUtf8());
        qputenv("XDG_DATA_HOME", (home() + "/data").toUtf8());
        QDir().mkpath(home());
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_) {
            qputenv(name, value);
        }
    }
    QString home() const { return dir_.filePath("home"); }

    QTemporaryDir dir_;
    std::vector<std::pair<const char*, QByteArray>> saved_;
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

TEST_F(IsolatedHome, OnlyAnOwnedRealFolderAwayFromHomeIsRemoved) {
    const QString base = dir_.filePath("base");
    QDir().mkpath(base + "/nested");
    QFile(base + "/nested/file").open(QIODevice::WriteOnly);
    // A link inside is removed as a link; its target stays.
    const QString outside = dir_.filePath("outside");
    QDir().mkpath(outside);
    QFile::link(outside, base + "/link");
    EXPECT_TRUE(TestBaseDirectory::remove(base));
    EXPECT_FALSE(QFileInfo::exists(base));
    EXPECT_TRUE(QFileInfo(outside).isDir());
    EXPECT_TRUE(TestBaseDirectory::remove(base));  // nothing there: nothing to do

    const QString file = dir_.filePath("file");
    QFile(file).open(QIODevice::WriteOnly);
    const QString link = dir_.filePath("link");
    QFile::link(outside, link);
    for (const QString& refused : {QString(), QStringLiteral("/"), home(), dir_.path(), file, link,
                                   home() + "/..", home() + "/"}) {
        EXPECT_FALSE(TestBaseDirectory::remove(refused)) << refused.toStdString();
    }
    EXPECT_TRUE(QFileInfo(home()).isDir());
    EXPECT_TRUE(QFileInfo(file).isFile());
    EXPECT_TRUE(QFileInfo(outside).isDir());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    // Below home is fine.
    QDir().mkpath(home() + "/runs/1");
    EXPECT_TRUE(TestBaseDirectory::remove(home() + "/runs"));

    // A folder of another user stays (giving it away needs root).
    const QString foreign = dir_.filePath("foreign");
    QDir().mkpath(foreign);
    if (::getuid() == 0) {
        ASSERT_EQ(::chown(QFile::encodeName(foreign).constData(), 65534, 65534), 0);
        EXPECT_FALSE(TestBaseDirectory::remove(foreign));
        EXPECT_TRUE(QFileInfo(foreign).isDir());
    }
}

TEST_F(IsolatedHome, PreparingEmptiesTheFolderOnlyOnReset) {
    UITestConfig config;
    config.baseDirectory = dir_.filePath("base");
    TestBaseDirectory::prepare(config);
    EXPECT_FALSE(QFileInfo::exists(config.baseDirectory));  // not in test mode

    config.isUITest = true;
    TestBaseDirectory::prepare(config);
    ASSERT_TRUE(QFileInfo(config.baseDirectory).isDir());
    QFile(config.baseDirectory + "/state.json").open(QIODevice::WriteOnly);
    TestBaseDirectory::prepare(config);
    EXPECT_TRUE(QFileInfo::exists(config.baseDirectory + "/state.json"));

    config.resetOnLaunch = true;
    TestBaseDirectory::prepare(config);
    EXPECT_TRUE(QFileInfo(config.baseDirectory).isDir());
    EXPECT_TRUE(QDir(config.baseDirectory).isEmpty());

    // A base folder pointed at home is created if need be, never emptied.
    QFile(home() + "/keep").open(QIODevice::WriteOnly);
    config.baseDirectory = home();
    TestBaseDirectory::prepare(config);
    EXPECT_TRUE(QFileInfo::exists(home() + "/keep"));
}

}  // namespace
}  // namespace quillorbitex
