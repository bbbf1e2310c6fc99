#include "Application/AppScopeChoiceProvider.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "Platform/Freedesktop/DesktopEntries.h"
#include "Platform/X11/X11Workspace.h"
#include "support/FakeWorkspace.h"

namespace quillorbitex {

void PrintTo(const GestureAppScopeChoice& c, std::ostream* os) {
    *os << c.bundleIdentifier.toStdString() << " \"" << c.displayName.toStdString() << '"';
}

namespace {

using Choices = std::vector<GestureAppScopeChoice>;

GestureAppScopeChoice choice(const char* identifier, const char* name) {
    return {QString::fromUtf8(identifier), QString::fromUtf8(name)};
}

TEST(AppScopeChoiceProvider, CollidingIdentifiersKeepOneChoice) {
    // Shorter names, empty identifiers and the program itself: with the installed applications.
    struct Case {
        const char* what;
        Choices input;
        Choices expected;
    };
    const Case cases[] = {
        {"named beats unnamed, either order",
         {choice("org.a.Viewer", "org.a.viewer"), choice("org.a.Viewer", "Viewer")},
         {choice("org.a.Viewer", "Viewer")}},
        {"named beats unnamed, named first",
         {choice("org.a.Viewer", "Viewer"), choice("ORG.A.VIEWER", "ORG.A.VIEWER")},
         {choice("org.a.Viewer", "Viewer")}},
        {"the earlier on equal length",
         {choice("x", "Alpha"), choice("x", "Omega")},
         {choice("x", "Alpha")}},
        {"two unnamed: the shorter",
         {choice("abc", "ABC"), choice("ABC", "abc")},
         {choice("abc", "ABC")}},
        // Characters are code points, not UTF-16 units.
        {"two ideographs beyond the BMP tie with two letters: the earlier",
         {choice("org.a.Ext", "𠀀𠀁"), choice("ORG.A.EXT", "ab")},
         {choice("org.a.Ext", "𠀀𠀁")}},
        {"two emoji are shorter than three letters",
         {choice("org.a.Faces", "abc"), choice("org.a.faces", "😀😀")},
         {choice("org.a.faces", "😀😀")}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AppScopeChoiceProvider::merged(c.input, "org.quillorbitex.Quillorbitex"),
                  c.expected)
            << c.what;
    }
}

// The desktop's entries may still be being read when an editor first asks: finding none, the
// provider asks again the next time rather than keeping an empty list.
TEST(AppScopeChoiceProvider, FindingNoInstalledApplicationsAsksAgain) {
    auto workspace = std::make_shared<testing::FakeWorkspace>();
    AppScopeChoiceProvider provider(workspace);
    EXPECT_EQ(provider.availableChoices(), Choices{});
    workspace->addApplication({"org.example.Late", "Late", {}});
    EXPECT_EQ(provider.availableChoices(), Choices{choice("org.example.Late", "Late")});
}

class InstalledApplications : public ::testing::Test {
protected:
    void install(const QString& dataDir, const QString& id, const QByteArray& body) {
        const QString path = QDir(dataDir).filePath("applications/" + id + ".desktop");
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Desktop Entry]\nType=Application\nExec=true\n" + body);
    }

    // The installed applications as the X11 workspace reads them from the desktop files.
    std::vector<WorkspaceApplication> installed() {
        freedesktop::XdgLocations locations;
        locations.dataHome = dir_.filePath("home");
        locations.dataDirs = {dir_.filePath("a"), dir_.filePath("b")};
        locations.configHome = dir_.filePath("config");
        locations.locale = QStringLiteral("C");
        x11::X11Workspace workspace(std::make_shared<freedesktop::DesktopEntries>(locations),
                                    nullptr);
        return workspace.installedApplications();
    }

    QTemporaryDir dir_;
};

TEST_F(InstalledApplications, AreMergedWithRunningOnesAndSortedByName) {
    install(dir_.filePath("a"), "org.example.Editor", "Name=Editor\n");
    install(dir_.filePath("b"), "org.example.editor", "Name=Editor Deluxe\n");
    install(dir_.filePath("a"), "viewer", "Name=viewer\n");
    install(dir_.filePath("a"), "org.quillorbitex.Quillorbitex", "Name=Quillorbitex\n");
    install(dir_.filePath("a"), "tool10", "Name=Tool 10\n");
    install(dir_.filePath("b"), "tool9", "Name=Tool 9\n");
    install(dir_.filePath("a"), "helper", "Name=Helper\nNoDisplay=true\n");
    install(dir_.filePath("b"), "blank", "Name=   \n");

    auto workspace = std::make_shared<testing::FakeWorkspace>();
    for (const WorkspaceApplication& application : installed()) {
        workspace->addApplication(application);
    }
    workspace->setRunningApplications({
        {"viewer", "Image Viewer", {}},
        {"org.example.EDITOR", "Ed", {}},
        {"ORG.QUILLORBITEX.QUILLORBITEX", "Quillorbitex", {}},
        {"org.quillorbitex.Quillorbitex", "Quillorbitex", {}},
        {"", "Nameless", {}},
        {"net.example.Chat", "  ", {}},
    });
    AppScopeChoiceProvider provider(workspace);

    const Choices expected = {
        choice("blank", "blank"),
        // Three spellings of one identifier; the shortest name wins, with its own spelling.
        choice("org.example.EDITOR", "Ed"),
        choice("viewer", "Image Viewer"),
        choice("net.example.Chat", "net.example.Chat"),
        choice("tool9", "Tool 9"),
        choice("tool10", "Tool 10"),
    };
    EXPECT_EQ(provider.availableChoices(), expected);

    // Installed applications are read once; running ones on every call.
    workspace->addApplication({"late", "Late Arrival", {}});
    workspace->setRunningApplications({{"net.example.Chat", "Chat", {}}});
    const Choices later = provider.availableChoices();
    EXPECT_EQ(std::count(later.begin(), later.end(), choice("late", "Late Arrival")), 0);
    EXPECT_EQ(std::count(later.begin(), later.end(), choice("net.example.Chat", "Chat")), 1);
}

}  // namespace
}  // namespace quillorbitex
