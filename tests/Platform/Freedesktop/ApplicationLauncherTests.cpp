#include "Platform/Freedesktop/ApplicationLauncher.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "Platform/Freedesktop/DesktopEntries.h"
#include "Platform/X11/X11Workspace.h"
#include "support/WaitUntil.h"

namespace quillorbitex::freedesktop {
namespace {

// An entry whose Exec glues its name into a shell script between quotes, opened the way the
// open-application action opens it: the shell runs, but the name's command substitution does not.
TEST(ApplicationLauncher, AnEntrysNameNeverBecomesPartOfAShellScript) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir().mkpath(dir.filePath("data/applications")));
    ASSERT_TRUE(QDir().mkpath(dir.filePath("run")));
    QFile file(dir.filePath("data/applications/org.example.Evil.desktop"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "[Desktop Entry]\nType=Application\nName=Evil $(touch pwned)\n"
        "Exec=sh -c \"echo \"%c\" > out\"\nPath=" +
        QFile::encodeName(dir.filePath("run")) + "\n");
    file.close();
    XdgLocations locations;
    locations.dataHome = dir.filePath("data");
    locations.configHome = dir.filePath("config");
    locations.locale = QStringLiteral("C");
    x11::X11Workspace workspace(std::make_shared<DesktopEntries>(locations), nullptr);

    const auto application = workspace.application(QStringLiteral("org.example.Evil"));
    ASSERT_TRUE(application);
    ASSERT_TRUE(workspace.openApplication(*application));
    // The shell expands the words of its command before it opens "out" and echo writes to it.
    const QString out = dir.filePath("run/out");
    EXPECT_TRUE(testing::waitUntil([&] { return QFileInfo(out).size() > 0; }));
    EXPECT_FALSE(QFile::exists(dir.filePath("run/pwned")));
}

}  // namespace
}  // namespace quillorbitex::freedesktop
