#include <gtest/gtest.h>

#include "Platform/Freedesktop/DesktopEntry.h"
#include "Platform/Freedesktop/DesktopExec.h"

namespace quillorbitex::freedesktop {
namespace {

std::optional<DesktopEntry> parse(const char* text, const QString& locale = QStringLiteral("C")) {
    return DesktopEntry::parse(QByteArrayView(text), QStringLiteral("org.example.App"),
                               QStringLiteral("/apps/org.example.App.desktop"), locale);
}

TEST(DesktopEntry, NameFollowsTheMostSpecificLocaleMatch) {
    const char* text =
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Name=Viewer\n"
        "Name[de]=Betrachter\n"
        "Name[de_CH]=Aalueger\n"
        "Name[sr@latin]=Pregledac\n"
        "Name[sr_RS]=Прегледач\n";
    EXPECT_EQ(parse(text, "de_CH.UTF-8")->name, "Aalueger");
    EXPECT_EQ(parse(text, "de_AT.UTF-8")->name, "Betrachter");
    // lang_COUNTRY comes before lang@MODIFIER.
    EXPECT_EQ(parse(text, "sr_RS.UTF-8@latin")->name, "Прегледач");
    EXPECT_EQ(parse(text, "sr_ME@latin")->name, "Pregledac");
    EXPECT_EQ(parse(text, "fr_FR.UTF-8")->name, "Viewer");
    EXPECT_EQ(parse(text, "C")->name, "Viewer");
}

TEST(DesktopEntry, ReadsOnlyTheDesktopEntryGroupWithItsEscapes) {
    const auto entry = parse(
        "# comment\n"
        "[Desktop Action window]\n"
        "Name=Wrong\n"
        "Exec=wrong\n"
        "\n"
        "[Desktop Entry]\n"
        "  Type = Application\n"
        "Name=Two\\sWords\\\\ok\n"
        "StartupWMClass=Viewer-Main\n"
        "MimeType=text/plain;x-scheme-handler/a\\;b;\n"
        "[Other]\n"
        "Exec=also wrong\n");
    ASSERT_TRUE(entry);
    EXPECT_TRUE(entry->isInstalledApplication());
    EXPECT_EQ(entry->name, "Two Words\\ok");
    EXPECT_EQ(entry->exec, "");
    EXPECT_EQ(entry->startupWMClass, "Viewer-Main");
    EXPECT_EQ(entry->mimeTypes, QStringList({"text/plain", "x-scheme-handler/a;b"}));
}

TEST(DesktopEntry, HiddenNoDisplayAndOtherTypes) {
    EXPECT_FALSE(parse("[Desktop Action x]\nName=A\n"));

    const auto hidden = parse("[Desktop Entry]\nType=Application\nHidden=true\n");
    EXPECT_FALSE(hidden->isInstalledApplication());

    const auto helper = parse("[Desktop Entry]\nType=Application\nNoDisplay=true\n");
    EXPECT_TRUE(helper->isInstalledApplication());
    EXPECT_FALSE(helper->isListed());

    EXPECT_FALSE(parse("[Desktop Entry]\nType=Link\nURL=https://example.org\n")->isApplication);
    // Only the literal "true" switches a flag on.
    EXPECT_TRUE(parse("[Desktop Entry]\nType=Application\nNoDisplay=1\n")->isListed());
}

TEST(DesktopExec, FieldCodesAreExpandedOrRemovedPerArgument) {
    DesktopEntry entry = *parse("[Desktop Entry]\nType=Application\nName=Viewer\nIcon=viewer\n");
    entry.exec = "viewer --new %U --file=%f %i --title=%c %k 100%% %F%u";
    EXPECT_EQ(DesktopExec::commandLine(entry),
              QStringList({"viewer", "--new", "--file=", "--icon", "viewer",
                           "--title=", "/apps/org.example.App.desktop", "100%"}));

    entry.icon.clear();
    entry.exec = "viewer %i";
    EXPECT_EQ(DesktopExec::commandLine(entry), QStringList({"viewer"}));
}

// A name or path is always exactly one argument of its own and never lands inside a quoted
// (shell) string, whatever it holds: a code glued to anything else, quoted or not, is removed.
TEST(DesktopExec, ExpandedValuesStayOneArgumentAndQuotedCodesAreNotExpanded) {
    DesktopEntry entry;
    entry.name = "Evil $(touch pwned) `id`; a b";
    entry.filePath = "/apps/my app.desktop";
    const struct {
        const char* exec;
        QStringList expected;
    } cases[] = {
        {R"(sh -c "echo %c; true")", {"sh", "-c", "echo ; true"}},
        {"sh -c 'open %k'", {"sh", "-c", "open "}},
        {"app %c", {"app", entry.name}},
        {"app %c %k", {"app", entry.name, "/apps/my app.desktop"}},
        {"app --title=%c --file=%k", {"app", "--title=", "--file="}},
        // Quoted script text on both sides of an unquoted code: one argument, the script.
        {R"(sh -c "echo "%c" > out")", {"sh", "-c", "echo  > out"}},
        {R"(sh -c 'open '%k)", {"sh", "-c", "open "}},
        {R"(sh -c %c'; true')", {"sh", "-c", "; true"}},
        {"app %k%c", {"app"}},
        {R"(app "%c" '%k' "%f")", {"app"}},
        {R"(app "100%%" 'a%%b' "")", {"app", "100%", "a%b", ""}},
    };
    for (const auto& c : cases) {
        entry.exec = c.exec;
        EXPECT_EQ(DesktopExec::commandLine(entry), c.expected) << c.exec;
    }
    entry.name.clear();
    entry.exec = "app %c";
    EXPECT_EQ(DesktopExec::commandLine(entry), QStringList({"app", ""}));
}

TEST(DesktopExec, QuotingIsResolvedWithoutAShell) {
    EXPECT_EQ(DesktopExec::split(R"("/opt/My App/run" "a \"b\" \$HOME \\ \x" 'it''s' a\ b)"),
              QStringList({"/opt/My App/run", R"(a "b" $HOME \ \x)", "its", "a b"}));
    // Shell syntax stays plain text in the arguments.
    EXPECT_EQ(DesktopExec::split("app ; rm -rf ~ | tee $(id) `x` && y"),
              QStringList({"app", ";", "rm", "-rf", "~", "|", "tee", "$(id)", "`x`", "&&", "y"}));
    EXPECT_EQ(DesktopExec::split("  app  \"\"  "), QStringList({"app", ""}));

    EXPECT_FALSE(DesktopExec::split("app \"open"));
    EXPECT_FALSE(DesktopExec::split("app 'open"));
    EXPECT_FALSE(DesktopExec::split("app trailing\\"));
}

TEST(DesktopExec, EscapesOfTheFileAndOfTheCommandLineStack) {
    // In the file a literal backslash inside a quoted argument is written as four.
    const auto entry =
        parse("[Desktop Entry]\nType=Application\nExec=\"/bin/echo\" \"a\\\\\\\\b\" c\\sd\n");
    EXPECT_EQ(DesktopExec::commandLine(*entry), QStringList({"/bin/echo", "a\\b", "c", "d"}));
}

TEST(DesktopExec, NoProgramMeansNoCommandLine) {
    DesktopEntry entry;
    EXPECT_FALSE(DesktopExec::commandLine(entry));
    entry.exec = "%U";
    EXPECT_FALSE(DesktopExec::commandLine(entry));
    entry.exec = "\"unterminated";
    EXPECT_FALSE(DesktopExec::commandLine(entry));
}

}  // namespace
}  // namespace quillorbitex::freedesktop
