#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <thread>
#include <vector>

#include "Platform/Freedesktop/DesktopEntries.h"
#include "Platform/Freedesktop/KeyFile.h"
#include "support/ChildProcess.h"
#include "support/ManualExecutor.h"

namespace quillorbitex::freedesktop {
namespace {

class DesktopEntriesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root_.isValid());
        locations_.dataHome = path("data-home");
        locations_.dataDirs = {path("data-a"), path("data-b")};
        locations_.configHome = path("config-home");
        locations_.configDirs = {path("config-a")};
        locations_.locale = "C";
    }

    QString path(const QString& relative) const { return root_.filePath(relative); }

    void write(const QString& relative, const QByteArray& contents) const {
        const QString file = path(relative);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(contents);
    }

    void writeApp(const QString& relative, const QByteArray& extraLines = {}) const {
        write(relative, "[Desktop Entry]\nType=Application\nName=" +
                            QFileInfo(relative).baseName().toUtf8() + "\nExec=true\n" + extraLines);
    }

    void link(const QString& target, const QString& relative) const {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path(relative)).path()));
        ASSERT_EQ(::symlink(QFile::encodeName(target).constData(),
                            QFile::encodeName(path(relative)).constData()),
                  0);
    }

    static QStringList identifiers(const std::vector<DesktopEntry>& entries) {
        QStringList result;
        for (const auto& entry : entries) {
            result << entry.identifier;
        }
        return result;
    }

    QTemporaryDir root_;
    XdgLocations locations_;
};

TEST_F(DesktopEntriesTest, IdentifiersFollowTheDataDirectoriesInOrder) {
    writeApp("data-b/applications/org.example.Editor.desktop");
    writeApp("data-a/applications/org.example.Editor.desktop", "Name=First\n");
    writeApp("data-a/applications/vendor/tool.desktop");
    writeApp("data-b/applications/org.example.Gone.desktop");
    write("data-home/applications/org.example.Gone.desktop", "[Desktop Entry]\nHidden=true\n");
    writeApp("data-b/applications/org.example.Helper.desktop", "NoDisplay=true\n");
    write("data-b/applications/org.example.Link.desktop", "[Desktop Entry]\nType=Link\n");
    write("data-b/applications/notes.txt", "[Desktop Entry]\nType=Application\n");
    const DesktopEntries entries(locations_);

    EXPECT_EQ(entries.application("org.example.Editor")->filePath,
              path("data-a/applications/org.example.Editor.desktop"));
    EXPECT_EQ(entries.application("vendor-tool")->name, "tool");
    // Hidden in an earlier directory deletes the application everywhere.
    EXPECT_FALSE(entries.application("org.example.Gone"));
    EXPECT_TRUE(entries.application("org.example.Helper"));
    EXPECT_FALSE(entries.application("org.example.Link"));
    EXPECT_FALSE(entries.application("notes"));
    EXPECT_FALSE(entries.application("org.example.editor"));

    EXPECT_EQ(identifiers(entries.listedApplications()),
              QStringList({"org.example.Editor", "vendor-tool"}));
}

// Relative base folders are ignored for the defaults, whatever the working directory.
TEST(XdgLocations, RelativeBaseFoldersAreIgnored) {
    const char* names[] = {"HOME", "XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_HOME",
                           "XDG_CONFIG_DIRS"};
    std::vector<QByteArray> saved;
    for (const char* name : names) {
        saved.push_back(qgetenv(name));
    }
    const char* values[] = {"/home/u", "data", "rel:/opt/share/:./x", "./config", "etc:/xdg/a"};
    for (std::size_t i = 0; i < std::size(names); ++i) {
        qputenv(names[i], values[i]);
    }
    const XdgLocations locations = XdgLocations::fromEnvironment();
    EXPECT_EQ(locations.dataHome, "/home/u/.local/share");
    EXPECT_EQ(locations.dataDirs, QStringList{"/opt/share"});
    EXPECT_EQ(locations.configHome, "/home/u/.config");
    EXPECT_EQ(locations.configDirs, QStringList{"/xdg/a"});
    qputenv("XDG_DATA_DIRS", "a:b");
    EXPECT_EQ(XdgLocations::fromEnvironment().dataDirs,
              QStringList({"/usr/local/share", "/usr/share"}));
    for (std::size_t i = 0; i < std::size(names); ++i) {
        saved[i].isNull() ? qunsetenv(names[i]) : qputenv(names[i], saved[i]);
    }
}

TEST_F(DesktopEntriesTest, IdentifiersThatCouldLeaveTheApplicationsFoldersAreRefused) {
    writeApp("data-a/evil.desktop");
    writeApp("data-a/applications/sub/app.desktop");
    writeApp("data-a/applications/a..b.desktop");
    const DesktopEntries entries(locations_);

    ASSERT_TRUE(entries.application("sub-app"));
    for (const char* identifier : {"../evil", "sub/app", "a..b", "", "/abs"}) {
        EXPECT_FALSE(entries.application(identifier)) << identifier;
    }
}

TEST_F(DesktopEntriesTest, NoticesApplicationsInstalledAndRemovedLater) {
    const DesktopEntries entries(locations_);
    EXPECT_FALSE(entries.application("org.example.New"));

    writeApp("data-home/applications/org.example.New.desktop");
    EXPECT_TRUE(entries.application("org.example.New"));

    ASSERT_TRUE(QFile::remove(path("data-home/applications/org.example.New.desktop")));
    EXPECT_FALSE(entries.application("org.example.New"));
}

TEST_F(DesktopEntriesTest, SchemeHandlerComesFromTheMimeappsListsInOrder) {
    writeApp("data-a/applications/browser.desktop", "MimeType=x-scheme-handler/https;\n");
    writeApp("data-a/applications/mail.desktop");
    writeApp("data-a/applications/kmail.desktop");
    writeApp("data-a/applications/viewer.desktop");
    write("data-a/applications/mimeapps.list",
          "[Default Applications]\nx-scheme-handler/mailto=viewer.desktop\n"
          "x-scheme-handler/docs=viewer.desktop\n");
    // The user's list names an application that is not installed first.
    write("config-home/mimeapps.list",
          "[Added Associations]\nx-scheme-handler/mailto=viewer.desktop;\n"
          "[Default Applications]\nx-scheme-handler/mailto=missing.desktop;mail.desktop;\n");
    const DesktopEntries entries(locations_);

    EXPECT_EQ(entries.handlerForScheme("mailto")->identifier, "mail");
    EXPECT_EQ(entries.handlerForScheme("MAILTO")->identifier, "mail");
    EXPECT_EQ(entries.handlerForScheme("docs")->identifier, "viewer");
    // Without a default, an application that declares the type.
    EXPECT_EQ(entries.handlerForScheme("https")->identifier, "browser");
    EXPECT_FALSE(entries.handlerForScheme("qxnone"));
    EXPECT_FALSE(entries.handlerForScheme(""));

    // The desktop's own list comes before the general one of the same folder.
    auto kde = locations_;
    kde.currentDesktops = {"kde"};
    write("config-home/kde-mimeapps.list",
          "[Default Applications]\nx-scheme-handler/mailto=kmail.desktop\n");
    EXPECT_EQ(DesktopEntries(kde).handlerForScheme("mailto")->identifier, "kmail");
    EXPECT_EQ(entries.handlerForScheme("mailto")->identifier, "mail");
}

// A browser that declares no scheme (Dillo) is still the system's browser for web addresses.
TEST_F(DesktopEntriesTest, WebAddressesFallBackToTheSystemBrowser) {
    write("data-a/applications/dillo.desktop",
          "[Desktop Entry]\nType=Application\nName=Dillo\nExec=dillo %u\n");
    write("bin/dillo", "");
    ASSERT_TRUE(QDir().mkpath(path("alternatives")));
    ASSERT_TRUE(QFile::link(path("bin/dillo"), path("alternatives/x-www-browser")));
    EXPECT_FALSE(DesktopEntries(locations_).handlerForScheme("https"));

    locations_.webBrowserAlternative = path("alternatives/x-www-browser");
    const DesktopEntries entries(locations_);
    EXPECT_EQ(entries.handlerForScheme("https")->identifier, "dillo");
    EXPECT_EQ(entries.handlerForScheme("HTTP")->identifier, "dillo");
    EXPECT_FALSE(entries.handlerForScheme("ftp"));

    // The http handler a list names comes first.
    writeApp("data-a/applications/netsurf.desktop");
    write("config-home/mimeapps.list",
          "[Default Applications]\nx-scheme-handler/http=netsurf.desktop\n");
    EXPECT_EQ(entries.handlerForScheme("https")->identifier, "netsurf");
}

TEST_F(DesktopEntriesTest, WindowClassesMatchEntriesIgnoringCase) {
    writeApp("data-a/applications/org.example.Terminal.desktop", "StartupWMClass=xterm-256\n");
    writeApp("data-a/applications/XTerm-256.desktop");
    writeApp("data-a/applications/gimp.desktop", "StartupWMClass=Gimp-2.10\n");
    writeApp("data-a/applications/navigator.desktop");
    writeApp("data-a/applications/org.xfce.mousepad.desktop");
    write("data-a/applications/org.example.Viewer.desktop",
          "[Desktop Entry]\nType=Application\nExec=\"/opt/viewer/qx-viewer\" %U\n");
    const DesktopEntries entries(locations_);

    // A StartupWMClass match wins over an entry named like the class.
    EXPECT_EQ(entries.applicationForWindowClass("xterm", "XTERM-256")->identifier,
              "org.example.Terminal");
    EXPECT_EQ(entries.applicationForWindowClass("gimp", "GIMP-2.10")->identifier, "gimp");
    // The class first, then the instance name.
    EXPECT_EQ(entries.applicationForWindowClass("Navigator", "Firefox-esr")->identifier,
              "navigator");
    // The identifier's last dotted part, then the Exec program's file name.
    EXPECT_EQ(entries.applicationForWindowClass("mousepad", "Mousepad")->identifier,
              "org.xfce.mousepad");
    EXPECT_EQ(entries.applicationForWindowClass("QX-VIEWER", "")->identifier, "org.example.Viewer");
    EXPECT_FALSE(entries.applicationForWindowClass("unknown", "Unknown"));
    EXPECT_FALSE(entries.applicationForWindowClass("", ""));
}

// A FIFO or a device in place of an entry or a list is passed over, never opened in a way that
// waits for a writer or reads without end (in a child, killed if it hangs).
TEST_F(DesktopEntriesTest, WhatIsNotARegularFileIsPassedOverWithoutBlocking) {
    writeApp("data-a/applications/org.example.Editor.desktop", "StartupWMClass=qx-editor\n");
    writeApp("data-a/applications/mail.desktop");
    write("data-a/applications/mimeapps.list",
          "[Default Applications]\nx-scheme-handler/mailto=mail.desktop\n");
    for (const QString fifo :
         {"data-home/applications/org.example.Fifo.desktop", "data-home/applications/mimeapps.list",
          "config-home/mimeapps.list"}) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path(fifo)).path()));
        ASSERT_EQ(::mkfifo(QFile::encodeName(path(fifo)).constData(), 0600), 0);
    }
    link("/dev/zero", "data-home/applications/org.example.Zero.desktop");
    link("/dev/zero", "data-a/applications/org.example.Later.desktop");
    writeApp("data-b/applications/org.example.Later.desktop");

    const auto result = testing::runInChild([&] {
        const DesktopEntries entries(locations_);
        const auto editor = entries.applicationForWindowClass("", "QX-EDITOR");
        const auto mail = entries.handlerForScheme("mailto");
        // Like an unreadable file, a device still hides a later directory's entry.
        return (!editor || editor->identifier != "org.example.Editor") +
               (!mail || mail->identifier != "mail") +
               entries.application("org.example.Fifo").has_value() +
               entries.application("org.example.Zero").has_value() +
               entries.application("org.example.Later").has_value();
    });
    EXPECT_EQ(result, 0);
}

// Links back up the tree would make a lookup walk paths exponential in their count; each real
// folder is read once, under its shortest path (in a child: followed, this takes minutes).
TEST_F(DesktopEntriesTest, LinksToFoldersAlreadyReadAreNotFollowedAgain) {
    writeApp("data-a/applications/app.desktop");
    writeApp("data-a/applications/vendor/tool.desktop");
    for (int i = 0; i < 4; ++i) {
        link(".", QStringLiteral("data-a/applications/l%1").arg(i));
    }
    link("..", "data-a/applications/vendor/up");
    link(path("data-a/applications/vendor"), "data-b/applications/elsewhere");
    const auto result = testing::runInChild([&] {
        const DesktopEntries entries(locations_);
        const DesktopEntries::Reading reading = entries.lastReading();
        // The two applications folders and vendor/.
        return identifiers(entries.listedApplications()) != QStringList({"app", "vendor-tool"}) ||
               reading.folders != 3 || reading.files != 2 || reading.cutShort;
    });
    EXPECT_EQ(result, 0);
}

// A link to "/" costs a bounded reading: what lies nearest is read first, and each data directory
// has limits of its own (in a child: the whole tree takes minutes).
TEST_F(DesktopEntriesTest, ALinkToTheRootIsReadOnlyUpToTheLimits) {
    writeApp("data-a/applications/zz-top.desktop");
    writeApp("data-a/applications/vendor/tool.desktop");
    link("/", "data-a/applications/root");
    writeApp("data-b/applications/other.desktop");
    const auto result = testing::runInChild([&] {
        const DesktopEntries entries(locations_);
        // Any system has more folders near "/" than one data directory may read.
        int failures = !entries.lastReading().cutShort + (entries.lastReading().folders > 2 * 512);
        for (const char* id : {"zz-top", "vendor-tool", "other"}) {
            failures += !entries.application(id);
        }
        return failures;
    });
    EXPECT_EQ(result, 0);
}

// Folders nested deeper than any installation nests them below an applications folder are not
// read: eight levels are.
TEST_F(DesktopEntriesTest, EntriesBelowTheFolderDepthLimitAreNotFound) {
    const struct {
        int folders;
        bool found;
    } cases[] = {{8, true}, {9, false}, {10, false}};
    for (const auto& c : cases) {
        writeApp("data-a/applications/" + QString("d/").repeated(c.folders) +
                 QStringLiteral("app%1.desktop").arg(c.folders));
    }
    const DesktopEntries entries(locations_);
    for (const auto& c : cases) {
        const QString identifier = QString("d-").repeated(c.folders) + QStringLiteral("app%1");
        EXPECT_EQ(entries.application(identifier.arg(c.folders)).has_value(), c.found) << c.folders;
    }
}

// Desktop files beyond a data directory's 32 MiB are left unread (the reading says so) but still
// hide a later directory's entry, and are read once a change leaves them within the budget.
TEST_F(DesktopEntriesTest, AnEntryBeyondTheByteBudgetIsReadOnceItFits) {
    // 32 files of just under the largest size read; sparse, so they cost no disk.
    for (int i = 0; i < 32; ++i) {
        const QString filler =
            QStringLiteral("data-a/applications/filler-%1.desktop").arg(i, 2, 10, QLatin1Char('0'));
        write(filler, {});
        ASSERT_TRUE(QFile::resize(path(filler), KeyFile::kMaximumBytes - 8));
    }
    // Larger than the 256 bytes left of the budget.
    writeApp("data-a/applications/zz-app.desktop", "Comment=" + QByteArray(512, 'x') + "\n");
    writeApp("data-b/applications/zz-app.desktop");
    const DesktopEntries entries(locations_);
    EXPECT_FALSE(entries.application("zz-app"));
    EXPECT_TRUE(entries.lastReading().cutShort);

    ASSERT_TRUE(QFile::remove(path("data-a/applications/filler-00.desktop")));
    const auto app = entries.application("zz-app");
    ASSERT_TRUE(app);
    EXPECT_EQ(app->filePath, path("data-a/applications/zz-app.desktop"));
    EXPECT_FALSE(entries.lastReading().cutShort);
}

// Lookups compare the folders' own stamps. A folder that changed is listed again alone, and only
// the desktop files that are new or were replaced are read; the others are taken as they were.
TEST_F(DesktopEntriesTest, OnlyWhatChangedIsReadAgain) {
    writeApp("data-a/applications/app.desktop", "StartupWMClass=qx-app\n");
    writeApp("data-a/applications/vendor/tool.desktop");
    writeApp("data-b/applications/other.desktop");
    const DesktopEntries entries(locations_);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(entries.application("app"));
        EXPECT_TRUE(entries.applicationForWindowClass("", "qx-app"));
        EXPECT_EQ(entries.listedApplications().size(), 3U);
    }
    EXPECT_EQ(entries.lastReading(), (DesktopEntries::Reading{1, 3, 3, false}));

    std::size_t readings = 1;
    const auto expectReadAgain = [&](const QString& identifier, bool installed, std::size_t files) {
        EXPECT_EQ(entries.application(identifier).has_value(), installed) << readings;
        EXPECT_EQ(entries.lastReading(), (DesktopEntries::Reading{++readings, 1, files, false}));
    };
    // Added below the applications folder, and in a data folder that did not exist.
    writeApp("data-a/applications/vendor/new.desktop");
    expectReadAgain("vendor-new", true, 1);
    writeApp("data-home/applications/mine.desktop");
    expectReadAgain("mine", true, 1);
    writeApp("data-b/applications/other.new", "StartupWMClass=qx-other\n");
    ::rename(QFile::encodeName(path("data-b/applications/other.new")).constData(),
             QFile::encodeName(path("data-b/applications/other.desktop")).constData());
    expectReadAgain("other", true, 1);
    QFile::remove(path("data-a/applications/app.desktop"));
    expectReadAgain("app", false, 0);
    EXPECT_EQ(entries.application("other")->startupWMClass, "qx-other");
}

// Links out of the data folders into the kernel's file systems are not followed: their folders
// change as the system runs (here a thread's folder comes and goes between lookups), and would
// have every lookup read again.
TEST_F(DesktopEntriesTest, TheKernelsFileSystemsAreNeitherReadNorLookedAtAgain) {
    writeApp("data-a/applications/app.desktop");
    // The threads' folders first, within the limits of a reading.
    link("/proc/self/task", "data-a/applications/a-task");
    link("/proc", "data-a/applications/proc");
    link("/sys", "data-a/applications/sys");
    // Each lookup's own, so that the threads' folder changes.
    std::vector<std::jthread> passing;
    const DesktopEntries entries(locations_);
    EXPECT_EQ(entries.lastReading().folders, 1U);
    for (int i = 0; i < 5; ++i) {
        passing.emplace_back([] { std::this_thread::sleep_for(std::chrono::milliseconds(200)); });
        EXPECT_TRUE(entries.application("app"));
    }
    EXPECT_EQ(entries.lastReading().count, 1U);
}

// The main thread never waits for a reading: it gets the entries read so far and an observer
// hears of newer ones, and only of entries that differ (in a child: waiting for this reader, run
// only when told, never ends).
TEST_F(DesktopEntriesTest, TheInteractiveThreadAnswersFromWhatHasBeenRead) {
    writeApp("data-a/applications/app.desktop");
    const auto result = testing::runInChild([&] {
        const auto reader = std::make_shared<testing::ManualExecutor>();
        const DesktopEntries entries(locations_, std::this_thread::get_id(), reader);
        int changes = 0;
        auto observation = entries.observeChanges([&] { ++changes; });
        int failures = 0, step = 0;  // each step sets its own bit when it goes wrong
        const auto expect = [&](bool holds) { failures |= int(!holds) << step++; };

        expect(!entries.application("app"));
        reader->runUntilIdle();
        expect(changes == 1 && entries.application("app"));

        writeApp("data-a/applications/new.desktop");
        expect(!entries.application("new"));
        reader->runUntilIdle();
        expect(changes == 2 && entries.application("new"));

        // Read again, the same entries: nobody is told (whom it would have asked again).
        write("data-a/applications/notes.txt", "");
        entries.application("app");
        reader->runUntilIdle();
        expect(changes == 2 && entries.lastReading().count == 3);

        observation.reset();
        QFile::remove(path("data-a/applications/new.desktop"));
        entries.application("new");
        reader->runUntilIdle();
        expect(changes == 2 && !entries.application("new"));
        return failures;
    });
    EXPECT_EQ(result, 0);
}

}  // namespace
}  // namespace quillorbitex::freedesktop
