#include <gtest/gtest.h>

#include "Services/Actions/GestureActionDispatcher.h"
#include "support/FakeWorkspace.h"

namespace quillorbitex {
namespace {

using K = KeyboardKeyToken;
using M = ModifierKey;

class RecordingKeyboardDispatcher final : public KeyboardShortcutDispatching {
public:
    explicit RecordingKeyboardDispatcher(bool result) : result_(result) {}
    bool dispatch(const KeyboardShortcutDescriptor& shortcut) override {
        return dispatchTo(shortcut, 0);
    }
    bool dispatchTo(const KeyboardShortcutDescriptor& shortcut, std::uint64_t window) override {
        sent.push_back(shortcut);
        windows.push_back(window);
        return result_;
    }
    std::vector<KeyboardShortcutDescriptor> sent;
    std::vector<std::uint64_t> windows;

private:
    bool result_;
};

const WorkspaceApplication kEditor{.identifier = "org.example.Editor",
                                   .name = "Editor",
                                   .location = "/apps/org.example.Editor.desktop"};

// Each action goes to one place only: shortcuts to the keyboard, applications and addresses to
// the desktop, trimmed; text that names nothing is refused before anything is asked. Keys and
// minimizing are for the window the action is meant for.
TEST(GestureActionDispatcher, SendsEachActionWhereItBelongs) {
    constexpr std::uint64_t kWindow = 0x2a00007;
    const struct {
        GestureAction action;
        bool dispatched;
        std::optional<KeyboardShortcutDescriptor> keys = {};
        std::vector<QString> lookedUp = {};
        std::vector<QUrl> urls = {};
        int minimizedWindows = 0;
        int minimizedApplications = 0;
    } cases[] = {
        {GestureAction::keyboardShortcut({K::f5, {M::shift}}), true,
         KeyboardShortcutDescriptor{K::f5, {M::shift}}},
        {GestureAction::predefined(PredefinedAction::quitApp), true,
         KeyboardShortcutDescriptor{K::q, {M::command}}},
        // Minimizing is the window manager's, never keys (Control+M is Return in a terminal).
        {GestureAction::predefined(PredefinedAction::minimizeWindow), true, {}, {}, {}, 1, 0},
        {GestureAction::predefined(PredefinedAction::hideApp), true, {}, {}, {}, 0, 1},
        {GestureAction::openApp(" \torg.example.Editor \n"), true, {}, {"org.example.Editor"}},
        {GestureAction::openApp("org.example.Missing"), false, {}, {"org.example.Missing"}},
        {GestureAction::openApp(" \n\t "), false},
        {GestureAction::openURL("  https://example.org/a?b=c#d\n"),
         true,
         {},
         {},
         {QUrl("https://example.org/a?b=c#d")}},
        {GestureAction::openURL("qxnone:thing"), false, {}, {}, {QUrl("qxnone:thing")}},
        {GestureAction::openURL("  \n"), false},
        // Addresses a lenient reading would repair are refused.
        {GestureAction::openURL("https://exa mple.org"), false},
        {GestureAction::openURL("http://example.org/%zz"), false},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        SCOPED_TRACE(i);
        const auto keyboard = std::make_shared<RecordingKeyboardDispatcher>(true);
        const auto workspace = std::make_shared<testing::FakeWorkspace>();
        workspace->addApplication(kEditor);
        workspace->setSchemeHandler("https", kEditor);
        GestureActionDispatcher dispatcher(keyboard, workspace);

        EXPECT_EQ(dispatcher.dispatchTo(c.action, kWindow), c.dispatched);
        EXPECT_EQ(keyboard->sent,
                  c.keys ? std::vector{*c.keys} : std::vector<KeyboardShortcutDescriptor>{});
        EXPECT_EQ(keyboard->windows, std::vector<std::uint64_t>(c.keys ? 1 : 0, kWindow));
        EXPECT_EQ(workspace->minimizeTargets(),
                  std::vector<std::uint64_t>(
                      std::size_t(c.minimizedWindows + c.minimizedApplications), kWindow));
        EXPECT_EQ(workspace->lookedUpIdentifiers(), c.lookedUp);
        EXPECT_EQ(workspace->openURLRequests(), c.urls);
        EXPECT_EQ(workspace->minimizedWindows(), c.minimizedWindows);
        EXPECT_EQ(workspace->minimizedApplications(), c.minimizedApplications);
        EXPECT_EQ(workspace->openedApplications().size(),
                  c.dispatched && !c.lookedUp.empty() ? 1u : 0u);
    }
}

TEST(GestureActionDispatcher, WithoutAWorkingKeyboardOnlyKeyboardActionsFail) {
    const auto workspace = std::make_shared<testing::FakeWorkspace>();
    workspace->addApplication(kEditor);
    workspace->setSchemeHandler("https", kEditor);
    GestureActionDispatcher dispatcher(std::make_shared<RecordingKeyboardDispatcher>(false),
                                       workspace);
    EXPECT_FALSE(dispatcher.dispatch(GestureAction::predefined(PredefinedAction::refresh)));
    EXPECT_FALSE(dispatcher.dispatch(GestureAction::keyboardShortcut({K::a, {M::control}})));
    EXPECT_TRUE(dispatcher.dispatch(GestureAction::openApp("org.example.Editor")));
    EXPECT_TRUE(dispatcher.dispatch(GestureAction::openURL("https://example.org")));
}

}  // namespace
}  // namespace quillorbitex
