#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "Platform/Freedesktop/DesktopEntries.h"

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

}  // namespace
}  // namespace quillorbitex::freedesktop
