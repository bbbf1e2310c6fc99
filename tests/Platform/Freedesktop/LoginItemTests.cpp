#include "Platform/Freedesktop/LoginItem.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "Platform/Freedesktop/DesktopEntry.h"
#include "Platform/Freedesktop/DesktopExec.h"
#include "support/ChildProcess.h"
#include "support/SocketFile.h"

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

    // Switched off by the session's settings, in either of their ways.
    for (const char* off : {"Hidden=true", "X-GNOME-Autostart-enabled=false"}) {
        ASSERT_TRUE(writeFile(item.entryPath(),
                              QByteArray("[Desktop Entry]\nType=Application\n") + off + "\n"));
        EXPECT_FALSE(item.isEnabled()) << off;
    }
    // Turning it on again replaces that entry with ours.
    EXPECT_EQ(item.setEnabled(true), std::nullopt);
    EXPECT_TRUE(item.isEnabled());

    EXPECT_EQ(item.setEnabled(false), std::nullopt);
    EXPECT_FALSE(QFile::exists(item.entryPath()));
    EXPECT_EQ(item.setEnabled(false), std::nullopt);  // already off
}

// The entry names the command when PATH finds this very program under its name, so that a moved
// or upgraded install still starts; the absolute path otherwise.
TEST(LoginItem, TheEntryNamesTheInstalledCommand) {
    QTemporaryDir dir;
    const QString installed = dir.filePath("bin/quillorbitex");
    const QString elsewhere = dir.filePath("build/quillorbitex");
    const QString linked = dir.filePath("link/quillorbitex");
    for (const QString& path : {installed, elsewhere}) {
        ASSERT_TRUE(writeFile(path, "#!/bin/sh\n"));
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    QDir().mkpath(dir.filePath("link"));
    ASSERT_TRUE(QFile::link(installed, linked));
    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", dir.filePath("bin").toUtf8());
    const std::pair<QString, QString> cases[] = {
        {installed, "quillorbitex"},
        {linked, "quillorbitex"},  // the same file through a link
        {elsewhere, elsewhere},    // another file of that name
        {"/nowhere/quillorbitex", "/nowhere/quillorbitex"},
    };
    for (const auto& [executable, command] : cases) {
        EXPECT_EQ(LoginItem::launchCommand(executable), command) << executable.toStdString();
    }
    LoginItem item(dir.filePath("autostart"), installed);
    ASSERT_EQ(item.setEnabled(true), std::nullopt);
    qputenv("PATH", savedPath);
    QFile entry(item.entryPath());
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    EXPECT_TRUE(entry.readAll().contains("\nExec=\"quillorbitex\"\n"));
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

// Read at start-up, so it answers at once whatever sits at the entry's path (in a child, killed
// if it hangs); what is no file starts nothing at login, so it counts as off.
TEST(LoginItem, WhatIsNotAnEntryIsOffWithoutBlocking) {
    QTemporaryDir dir;
    const QString autostart = dir.filePath("autostart");
    ASSERT_TRUE(QDir().mkpath(autostart));
    LoginItem item(autostart, "/usr/bin/quillorbitex");
    const QByteArray entry = QFile::encodeName(item.entryPath());
    const std::pair<const char*, std::function<bool()>> cases[] = {
        {"a FIFO", [&] { return ::mkfifo(entry.constData(), 0600) == 0; }},
        {"a link to /dev/zero", [&] { return ::symlink("/dev/zero", entry.constData()) == 0; }},
        {"a dangling link", [&] { return ::symlink("nowhere", entry.constData()) == 0; }},
        {"a socket", [&] { return testing::makeSocketFile(entry); }},
    };
    for (const auto& [what, make] : cases) {
        SCOPED_TRACE(what);
        ASSERT_TRUE(make());
        EXPECT_EQ(testing::runInChild([&] { return item.isEnabled() ? 1 : 0; }), 0);
        ASSERT_EQ(::unlink(entry.constData()), 0);
    }
}

}  // namespace
}  // namespace quillorbitex::freedesktop
