#include <gtest/gtest.h>

#include "Models/PredefinedActionCatalog.h"
#include "Services/Actions/GestureActionDispatcher.h"
#include "support/FakeWorkspace.h"

namespace quillorbitex {
namespace {

class RecordingKeyboardDispatcher final : public KeyboardShortcutDispatching {
public:
    explicit RecordingKeyboardDispatcher(bool result) : result_(result) {}
    bool dispatch(const KeyboardShortcutDescriptor& shortcut) override {
        sent.push_back(shortcut);
        return result_;
    }
    std::vector<KeyboardShortcutDescriptor> sent;

private:
    bool result_;
};

const WorkspaceApplication kEditor{.identifier = "org.example.Editor",
                                   .name = "Editor",
                                   .location = "/apps/org.example.Editor.desktop"};

class GestureActionDispatcherTest : public ::testing::Test {
protected:
    explicit GestureActionDispatcherTest(bool keyboardWorks = true)
        : keyboard_(std::make_shared<RecordingKeyboardDispatcher>(keyboardWorks)),
          workspace_(std::make_shared<testing::FakeWorkspace>()),
          dispatcher_(keyboard_, workspace_) {
        workspace_->addApplication(kEditor);
        workspace_->setSchemeHandler("https", kEditor);
    }

    std::shared_ptr<RecordingKeyboardDispatcher> keyboard_;
    std::shared_ptr<testing::FakeWorkspace> workspace_;
    GestureActionDispatcher dispatcher_;
};

TEST_F(GestureActionDispatcherTest, ShortcutsAndCommandsGoToTheKeyboard) {
    const KeyboardShortcutDescriptor shortcut{KeyboardKeyToken::f5, {ModifierKey::shift}};
    EXPECT_TRUE(dispatcher_.dispatch(GestureAction::keyboardShortcut(shortcut)));
    EXPECT_TRUE(dispatcher_.dispatch(GestureAction::predefined(PredefinedAction::quitApp)));

    ASSERT_EQ(keyboard_->sent.size(), 2u);
    EXPECT_EQ(keyboard_->sent[0], shortcut);
    EXPECT_EQ(keyboard_->sent[1],
              (KeyboardShortcutDescriptor{KeyboardKeyToken::q, {ModifierKey::command}}));
    EXPECT_TRUE(workspace_->lookedUpIdentifiers().empty());
}

TEST_F(GestureActionDispatcherTest, OpenAppLooksUpTheTrimmedIdentifier) {
    EXPECT_TRUE(dispatcher_.dispatch(GestureAction::openApp(" \torg.example.Editor \n")));
    EXPECT_EQ(workspace_->lookedUpIdentifiers(), std::vector<QString>{"org.example.Editor"});
    EXPECT_EQ(workspace_->openedApplications(), std::vector<WorkspaceApplication>{kEditor});
}

TEST_F(GestureActionDispatcherTest, OpenAppRefusesBlankAndUnknownIdentifiers) {
    EXPECT_FALSE(dispatcher_.dispatch(GestureAction::openApp(" \n\t ")));
    EXPECT_TRUE(workspace_->lookedUpIdentifiers().empty());

    EXPECT_FALSE(dispatcher_.dispatch(GestureAction::openApp("org.example.Missing")));
    EXPECT_TRUE(workspace_->openedApplications().empty());
}

TEST_F(GestureActionDispatcherTest, OpenURLPassesTheParsedURLOn) {
    EXPECT_TRUE(dispatcher_.dispatch(GestureAction::openURL("  https://example.org/a?b=c#d\n")));
    EXPECT_FALSE(dispatcher_.dispatch(GestureAction::openURL("qxnone:thing")));
    EXPECT_EQ(workspace_->openURLRequests(),
              (std::vector<QUrl>{QUrl("https://example.org/a?b=c#d"), QUrl("qxnone:thing")}));
}

TEST_F(GestureActionDispatcherTest, OpenURLRefusesBlankTextAndTextThatIsNoURL) {
    for (const char* text : {"", "  \n", "https://exa mple.org", "https://[::1", "not a url",
                             "http://example.org/%zz"}) {
        EXPECT_FALSE(dispatcher_.dispatch(GestureAction::openURL(text))) << text;
    }
    EXPECT_TRUE(workspace_->openURLRequests().empty());
}

class GestureActionDispatcherWithoutKeyboardTest : public GestureActionDispatcherTest {
protected:
    GestureActionDispatcherWithoutKeyboardTest() : GestureActionDispatcherTest(false) {}
};

TEST_F(GestureActionDispatcherWithoutKeyboardTest, OnlyKeyboardActionsFail) {
    EXPECT_FALSE(dispatcher_.dispatch(GestureAction::predefined(PredefinedAction::refresh)));
    EXPECT_FALSE(dispatcher_.dispatch(
        GestureAction::keyboardShortcut({KeyboardKeyToken::a, {ModifierKey::control}})));
    EXPECT_TRUE(dispatcher_.dispatch(GestureAction::openApp("org.example.Editor")));
    EXPECT_TRUE(dispatcher_.dispatch(GestureAction::openURL("https://example.org")));
}

}  // namespace
}  // namespace quillorbitex
