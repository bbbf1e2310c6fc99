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

// An Exec that glues the entry's name into a quoted shell script, opened as the open-application
// action opens it: the shell runs, the name's command substitution does not.
TEST(ApplicationLauncher, AnEntrysNameNeverBecomesPartOfAShellScript) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir().mkpath(dir.filePath("data/applications")) &&
                QDir().mkpath(dir.filePath("run")));
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
    locations.locale = "C";
    x11::X11Workspace workspace(std::make_shared<DesktopEntries>(locations), nullptr);

    const auto application = workspace.application("org.example.Evil");
    ASSERT_TRUE(application && workspace.openApplication(*application));
    // The shell expands its words before it opens "out" and echo writes to it.
    EXPECT_TRUE(testing::waitUntil([&] { return QFileInfo(dir.filePath("run/out")).size() > 0; }));
    EXPECT_FALSE(QFile::exists(dir.filePath("run/pwned")));
}

}  // namespace
}  // namespace quillorbitex::freedesktop
