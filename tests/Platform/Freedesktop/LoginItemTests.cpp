#include "Platform/Freedesktop/LoginItem.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "Platform/Freedesktop/DesktopEntry.h"
#include "Platform/Freedesktop/DesktopExec.h"

namespace quillorbitex::freedesktop {
namespace {

bool writeFile(const QString& path, const QByteArray& contents) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

TEST(LoginItem, TheEntryStartsExactlyTheProgram) {
    // Paths a launcher must not split, expand or read field codes in.
    const QString paths[] = {
        QStringLiteral("/usr/bin/quillorbitex"),
        QStringLiteral("/opt/Quill Orbitex/bin/quillorbitex"),
        QStringLiteral("/home/a\"b/$HOME/`id`/back\\slash/100%done/%f"),
        QStringLiteral("/tmp/semi;colon/'quote'/ünï/tab\there"),
    };
    for (const QString& path : paths) {
        const QByteArray contents = LoginItem::entryContents(path);
        const auto entry =
            DesktopEntry::parse(contents, QStringLiteral("org.quillorbitex.Quillorbitex"),
                                QStringLiteral("/x.desktop"), QStringLiteral("C"));
        ASSERT_TRUE(entry.has_value()) << path.toStdString();
        EXPECT_TRUE(entry->isListed());
        EXPECT_EQ(DesktopExec::commandLine(*entry), QStringList{path}) << contents.toStdString();
    }
}

TEST(LoginItem, IsOnWhileItsEntryExistsAndIsNotHidden) {
    QTemporaryDir dir;
    const QString autostart = dir.filePath("config/autostart");
    LoginItem item(autostart, QStringLiteral("/usr/bin/quillorbitex"));
    EXPECT_FALSE(item.isEnabled());

    EXPECT_EQ(item.setEnabled(true), std::nullopt);
    EXPECT_TRUE(item.isEnabled());
    EXPECT_EQ(item.entryPath(), autostart + "/org.quillorbitex.Quillorbitex.desktop");

    // Switched off by the session's settings.
    ASSERT_TRUE(writeFile(item.entryPath(), "[Desktop Entry]\nType=Application\nHidden=true\n"));
    EXPECT_FALSE(item.isEnabled());
    // Turning it on again replaces that entry with ours.
    EXPECT_EQ(item.setEnabled(true), std::nullopt);
    EXPECT_TRUE(item.isEnabled());

    EXPECT_EQ(item.setEnabled(false), std::nullopt);
    EXPECT_FALSE(QFile::exists(item.entryPath()));
    EXPECT_EQ(item.setEnabled(false), std::nullopt);  // already off
}

TEST(LoginItem, FailuresAreReportedAndChangeNothing) {
    QTemporaryDir dir;
    const QString inTheWay = dir.filePath("autostart");
    ASSERT_TRUE(writeFile(inTheWay, "not a folder"));

    struct Case {
        const char* what;
        QString directory;
        QString executable;
    };
    const Case cases[] = {
        {"folder is a file", inTheWay, QStringLiteral("/usr/bin/quillorbitex")},
        {"below a file", inTheWay + "/deeper", QStringLiteral("/usr/bin/quillorbitex")},
        {"unknown program", dir.filePath("ok"), QString()},
        {"relative program", dir.filePath("ok"), QStringLiteral("bin/quillorbitex")},
    };
    std::vector<Case> all(std::begin(cases), std::end(cases));
    // Permissions do not stop the superuser, so a read-only folder only fails for others.
    const QString readOnly = dir.filePath("read-only");
    if (geteuid() != 0 && QDir().mkpath(readOnly) &&
        QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ExeOwner)) {
        all.push_back({"read-only folder", readOnly, QStringLiteral("/usr/bin/quillorbitex")});
    }
    for (const Case& c : all) {
        LoginItem item(c.directory, c.executable);
        EXPECT_TRUE(item.setEnabled(true).has_value()) << c.what;
        EXPECT_FALSE(item.isEnabled()) << c.what;
    }
    EXPECT_FALSE(QDir(dir.filePath("ok")).exists());
}

}  // namespace
}  // namespace quillorbitex::freedesktop
