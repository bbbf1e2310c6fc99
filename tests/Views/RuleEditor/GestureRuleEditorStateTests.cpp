#include "Views/RuleEditor/GestureRuleEditorState.h"

#include <gtest/gtest.h>

#include "Models/ActionLabels.h"
#include "Services/Capture/GestureClassifier.h"
#include "Services/Settings/GesturePresets.h"
#include "ViewModels/AppModelTestEnvironment.h"
#include "support/ManualKeyEventMonitor.h"
#include "support/StrokeShapes.h"
#include "support/ViewTestHelpers.h"

namespace quillorbitex {
namespace {

using namespace testing;
using Mode = GestureRuleEditorMode;
using Step = GestureRuleEditorStep;
using Kind = GestureActionEditorKind;

const std::vector<Point> kUpThenDown = polyline({{400, 400}, {400, 300}, {400, 400}}, 4);
const std::vector<Point> kRightThenDown = polyline({{400, 400}, {500, 400}, {500, 500}}, 4);
const std::vector<Point> kCircle = circle({500, 500}, 80, 48);
// Far enough from its start to be kept as a draft, too short to become a template.
const std::vector<Point> kTooShort = polyline({{200, 200}, {215, 200}}, 3);
const GestureDescriptor kRightDown = GestureDescriptor::directional(GesturePattern::rightThenDown);

const KeyboardShortcutDescriptor kControlShiftK{KeyboardKeyToken::k,
                                                {ModifierKey::control, ModifierKey::shift}};
const KeyEvent kControlShiftKPress{40, EventFlag::control | EventFlag::shift};
const KeyEvent kEscapePress{53, EventFlag::control};
const KeyEvent kCommaPress{KeyEventMonitor::unmappedKeyCode, 0};

GestureMapping customRule(GestureDescriptor pattern, GestureAction action,
                          std::optional<QString> name = std::nullopt, bool enabled = true,
                          std::vector<GestureAppScopeRule> scopes = {}) {
    return GestureMapping(std::move(pattern), std::move(action), QString(), std::move(name),
                          GestureMappingSource::custom, enabled, std::move(scopes));
}

GestureTemplate loopTemplate(const QString& name) {
    return *GestureClassifier().makeTemplate(name, kCircle);
}

// A real model on the simulated tap, a desktop with one application and two URL handlers, and a
// key monitor the test presses keys on.
struct EditorFixture {
    EditorFixture() {
        env.workspace->addApplication(
            {"org.example.Notes", "Notes", "/apps/org.example.Notes.desktop"});
        env.workspace->setSchemeHandler("https", {"web", "Web Browser", "/apps/web.desktop"});
        env.workspace->setSchemeHandler("mailto", {"mail", "", "/apps/mail.desktop"});
    }

    GestureRuleEditorState& open(Mode mode, std::optional<GestureMapping> mapping = std::nullopt) {
        if (!env.model) {
            env.build();
        }
        state = std::make_unique<GestureRuleEditorState>(
            GestureRuleEditorContext::open(mode, std::move(mapping)), *env.model, env.workspace,
            keys, &env.main);
        state->prepareIfNeeded();
        return *state;
    }

    void storeRule(const GestureMapping& rule) {
        if (!env.model) {
            env.build();
        }
        std::vector<GestureMapping> rules = env.store->customMappings();
        rules.push_back(rule);
        env.store->replaceCustomMappings(rules);
        env.model->syncMappingsFromStore();
    }

    AppModelTestEnvironment env;
    std::shared_ptr<ManualKeyEventMonitor> keys = std::make_shared<ManualKeyEventMonitor>();
    std::unique_ptr<GestureRuleEditorState> state;
};

TEST(GestureRuleEditorState, OpensWhereItsContextSaysWithTheRulesName) {
    const GestureTemplate loop = loopTemplate("Loop");
    struct Case {
        const char* label;
        Mode mode;
        std::optional<GestureMapping> mapping;
        Step step;
        QString name;
        bool awaiting;
        bool hasDraft;
    };
    const std::vector<Case> cases = {
        {"new rule", Mode::newRule, std::nullopt, Step::gesture, "", false, false},
        {"named rule, action", Mode::overrideCommand,
         customRule(kRightDown, GestureAction::predefined(PredefinedAction::newTab), "Tabs"),
         Step::action, "Tabs", false, true},
        {"unnamed freeform, gesture", Mode::overrideGesture,
         customRule(GestureDescriptor::fromTemplate(loop), GestureAction::openURL("https://a.b")),
         Step::gesture, "Loop", true, false},
        {"unnamed directional, gesture", Mode::overrideGesture,
         customRule(kRightDown, GestureAction::predefined(PredefinedAction::newTab)), Step::gesture,
         "", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EditorFixture f;
        f.env.build();
        f.env.model->setCapturedKeyboardShortcutDraft(kControlShiftK);
        GestureRuleEditorState& editor = f.open(c.mode, c.mapping);
        EXPECT_EQ(editor.step(), c.step);
        EXPECT_EQ(editor.ruleName(), c.name);
        EXPECT_EQ(f.env.model->isAwaitingGestureCapture(), c.awaiting);
        EXPECT_EQ(f.env.model->capturedGestureDraft().has_value(), c.hasDraft);
        // The previous editor's shortcut is never carried over.
        EXPECT_NE(f.env.model->capturedKeyboardShortcutDraft(), kControlShiftK);
        if (c.mode == Mode::overrideCommand) {
            EXPECT_EQ(f.env.model->capturedGestureDraft()->detectedPattern, kRightDown);
            EXPECT_TRUE(editor.canAdvance());
        } else {
            EXPECT_FALSE(editor.canAdvance());
        }
        // Preparing again changes nothing.
        f.env.model->clearCapturedGestureDraft();
        editor.prepareIfNeeded();
        EXPECT_FALSE(f.env.model->capturedGestureDraft().has_value());
    }
}

TEST(GestureRuleEditorState, ExistingActionsLoadIntoTheirEditor) {
    struct Case {
        GestureAction action;
        Kind kind;
        std::optional<KeyboardShortcutDescriptor> shortcut;
        QString appField;
        QString urlField;
        PredefinedAction predefined;
    };
    const std::vector<Case> cases = {
        {GestureAction::keyboardShortcut(kControlShiftK), Kind::keyboardShortcut, kControlShiftK,
         "", "", PredefinedAction::refresh},
        {GestureAction::predefined(PredefinedAction::hideApp), Kind::predefined, std::nullopt, "",
         "", PredefinedAction::hideApp},
        {GestureAction::openApp(" org.example.Notes"), Kind::openApp, std::nullopt,
         " org.example.Notes", "", PredefinedAction::refresh},
        {GestureAction::openURL("mailto:me@example.org"), Kind::openURL, std::nullopt, "",
         "mailto:me@example.org", PredefinedAction::refresh},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(displayLabel(c.action).toStdString());
        EditorFixture f;
        GestureRuleEditorState& editor =
            f.open(Mode::overrideCommand, customRule(kRightDown, c.action));
        EXPECT_EQ(editor.actionKind(), c.kind);
        EXPECT_EQ(f.env.model->capturedKeyboardShortcutDraft(), c.shortcut);
        EXPECT_EQ(editor.openAppBundleIdentifier(), c.appField);
        EXPECT_EQ(editor.runningAppSelection(), c.appField);
        EXPECT_EQ(editor.openURLString(), c.urlField);
        EXPECT_EQ(editor.selectedPredefinedAction(), c.predefined);
        // Stored payloads load as they are; the saved action is trimmed.
        const auto resolved = editor.resolvedAction();
        ASSERT_TRUE(resolved.has_value());
        EXPECT_EQ(resolved->kind(), c.action.kind());
    }
}

TEST(GestureRuleEditorState, ApplicationsAndURLsResolveOnlyWhenTheDesktopCanActOnThem) {
    struct Case {
        Kind kind;
        const char* typed;
        std::optional<GestureAction> action;
        const char* validation;
    };
    const std::vector<Case> cases = {
        {Kind::openApp, " \n", std::nullopt,
         "Choose a running app or enter the ID of an installed app."},
        {Kind::openApp, "org.example.Missing", std::nullopt, "No installed app has this ID."},
        {Kind::openApp, "  org.example.Notes \n", GestureAction::openApp("org.example.Notes"),
         "Resolved app: Notes"},
        {Kind::openURL, "", std::nullopt,
         "Enter a full URL with a scheme such as https:// or mailto:."},
        {Kind::openURL, "example.com", std::nullopt, "This URL is not valid yet."},
        {Kind::openURL, "https://exa mple.com", std::nullopt, "This URL is not valid yet."},
        {Kind::openURL, "gopher://example.com", std::nullopt,
         "No installed app is available to open this URL."},
        {Kind::openURL, " https://example.com/a ", GestureAction::openURL("https://example.com/a"),
         "Handled by Web Browser"},
        // A handler without a name is named by its desktop file.
        {Kind::openURL, "mailto:", GestureAction::openURL("mailto:"), "Handled by mail.desktop"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        EditorFixture f;
        GestureRuleEditorState& editor = f.open(Mode::newRule);
        editor.setActionKind(c.kind);
        if (c.kind == Kind::openApp) {
            editor.setOpenAppBundleIdentifier(QString::fromUtf8(c.typed));
            EXPECT_EQ(editor.openAppValidationText(), QString::fromUtf8(c.validation));
            EXPECT_EQ(editor.isOpenAppValid(), c.action.has_value());
        } else {
            editor.setOpenURLString(QString::fromUtf8(c.typed));
            EXPECT_EQ(editor.openURLValidationText(), QString::fromUtf8(c.validation));
            EXPECT_EQ(editor.isOpenURLValid(), c.action.has_value());
        }
        EXPECT_EQ(editor.resolvedAction(), c.action);
    }
    // A blank identifier is never sent to the desktop.
    EditorFixture f;
    GestureRuleEditorState& editor = f.open(Mode::newRule);
    editor.setActionKind(Kind::openApp);
    editor.setOpenAppBundleIdentifier("   ");
    (void)editor.resolvedAction();
    EXPECT_TRUE(f.env.workspace->lookedUpIdentifiers().empty());

    // Picking fills the field; "frontmost" is the program the user came from, never this one.
    editor.setRunningAppSelection("org.example.Notes");
    EXPECT_EQ(editor.openAppBundleIdentifier(), "org.example.Notes");
    f.env.workspace->setFrontmostApplicationIdentifier("org.quillorbitex.Quillorbitex");
    f.env.workspace->setFrontmostOtherApplicationIdentifier("org.example.Browser");
    editor.useFrontmostApplication();
    EXPECT_EQ(editor.openAppBundleIdentifier(), "org.example.Browser");
    EXPECT_EQ(editor.runningAppSelection(), "org.example.Browser");
    // A window without a desktop entry was in front: the line under the field says so, until the
    // field changes.
    f.env.workspace->setFrontmostOtherApplicationIdentifier(std::nullopt);
    editor.useFrontmostApplication();
    EXPECT_EQ(editor.openAppBundleIdentifier(), "org.example.Browser");
    const QString notice = "The app that was in front has no desktop entry, so it cannot be used.";
    EXPECT_EQ(editor.openAppValidationText(), notice);
    editor.setOpenAppBundleIdentifier("org.example.Notes");
    EXPECT_NE(editor.openAppValidationText(), notice);
}

// Typing key by key neither asks the desktop nor tells the views; once typing pauses they are
// told once, and the desktop is asked once however often the values are read.
TEST(GestureRuleEditorState, TypingIsToldOnceItPausesAndTheDesktopAskedOnceForEachText) {
    const QString url = QStringLiteral("https://example.org/") + QString(300, QLatin1Char('a'));
    for (const auto& [kind, text] :
         {std::pair{Kind::openURL, url},
          std::pair{Kind::openApp, QStringLiteral("org.example.Notes")}}) {
        SCOPED_TRACE(text.left(20).toStdString());
        const bool isURL = kind == Kind::openURL;
        EditorFixture f;
        GestureRuleEditorState& editor = f.open(Mode::newRule);
        editor.setActionKind(kind);
        int told = 0;
        QObject::connect(&editor, &GestureRuleEditorState::changed, [&told] { ++told; });
        const auto askedTheDesktop = [&] {
            return f.env.workspace->urlHandlerLookUps() +
                   static_cast<int>(f.env.workspace->lookedUpIdentifiers().size());
        };
        for (qsizetype typed = 1; typed <= text.size(); ++typed) {
            isURL ? editor.setOpenURLString(text.left(typed))
                  : editor.setOpenAppBundleIdentifier(text.left(typed));
        }
        f.env.main.advance(GestureRuleEditorState::typingPause - std::chrono::milliseconds(1));
        EXPECT_EQ(told, 0);
        EXPECT_EQ(askedTheDesktop(), 0);
        f.env.main.advance(std::chrono::milliseconds(1));
        EXPECT_EQ(told, 1);
        for (int read = 0; read < 3; ++read) {
            EXPECT_EQ(editor.resolvedAction(),
                      isURL ? GestureAction::openURL(text) : GestureAction::openApp(text));
            EXPECT_TRUE(isURL ? editor.isOpenURLValid() : editor.isOpenAppValid());
            EXPECT_FALSE((isURL ? editor.openURLValidationText() : editor.openAppValidationText())
                             .isEmpty());
        }
        EXPECT_EQ(askedTheDesktop(), 1);
    }
}

// What the views last showed may be older than the text or the desktop: Next and Save look again.
TEST(GestureRuleEditorState, NextAndSaveNeverActOnAnOlderCheck) {
    EditorFixture f;
    GestureRuleEditorState& editor = f.open(Mode::newRule);
    f.env.model->seedCapturedGestureDraft(kRightDown);
    editor.advance();
    editor.setActionKind(Kind::openURL);
    const WorkspaceApplication browser{"web", "Web Browser", "/apps/web.desktop"};
    editor.setOpenURLString("https://example.org/a");
    f.env.main.advance(GestureRuleEditorState::typingPause);
    ASSERT_TRUE(editor.canAdvance());

    // A URL nothing opens, typed and followed by Next at once, before the pause.
    editor.setOpenURLString("gopher://example.org/a");
    editor.advance();
    EXPECT_EQ(editor.step(), Step::action);
    // The browser uninstalled meanwhile, the text unchanged.
    editor.setOpenURLString("https://example.org/a");
    ASSERT_TRUE(editor.canAdvance());
    f.env.workspace->removeSchemeHandler("https");
    editor.advance();
    EXPECT_EQ(editor.step(), Step::action);
    f.env.workspace->setSchemeHandler("https", browser);
    editor.advance();
    ASSERT_EQ(editor.step(), Step::review);

    // Uninstalled while the review step is open: Save stores nothing, and saves once it is back.
    ASSERT_TRUE(editor.canSave());
    f.env.workspace->removeSchemeHandler("https");
    EXPECT_FALSE(editor.saveRule());
    EXPECT_TRUE(f.env.model->customMappings().empty());
    f.env.workspace->setSchemeHandler("https", browser);
    EXPECT_TRUE(editor.saveRule());
    ASSERT_EQ(f.env.model->customMappings().size(), 1U);
    EXPECT_EQ(f.env.model->customMappings().front().action(),
              GestureAction::openURL("https://example.org/a"));
}

TEST(GestureRuleEditorState, SaveTitleAndSentencesSayWhatTheCapturedGestureDoesToday) {
    const auto url = GestureAction::openURL("https://c.example");
    const GestureMapping tabs =
        customRule(kRightDown, GestureAction::predefined(PredefinedAction::newTab), "Tabs");
    const char* const replacesRefresh =
        "This gesture already sends Refresh. Saving will replace that rule.";
    const char* const overridesPreset =
        "Saving now will override the preset action for this gesture.";
    const char* const moves =
        "Saving will move this rule to the new gesture and remove the original gesture binding.";
    const char* const updatesAction = "Saving will update the action sent by this gesture.";
    struct Case {
        const char* label;
        Mode mode;
        std::optional<GestureMapping> mapping;
        std::vector<GestureMapping> stored;
        bool removeUpDownPreset;
        std::vector<Point> stroke;  // empty: keep what the editor seeded
        const char* saveTitle;      // null: not asked
        const char* disposition;
        const char* helper;
    };
    const std::vector<GestureMapping> none, justTabs{tabs}, justURL{customRule(kUpDown, url)};
    const std::vector<Point> seeded;
    const std::vector<Case> cases = {
        {"custom and preset on one gesture", Mode::newRule, std::nullopt, justURL, false,
         kUpThenDown, "Update Rule",
         "This gesture already sends Open https://c.example. Saving will replace that rule.",
         "Saving now will update the existing custom rule for this gesture."},
        {"preset only", Mode::newRule, std::nullopt, none, false, kUpThenDown, "Override Preset",
         replacesRefresh, overridesPreset},
        {"removed preset", Mode::newRule, std::nullopt, none, true, kUpThenDown, "Override Preset",
         "Preset action: Refresh", overridesPreset},
        {"moved onto its own gesture", Mode::overrideGesture, tabs, justTabs, false, kRightThenDown,
         nullptr, "Current action: New Tab",
         "Saving will keep this rule on its current gesture with the updated action."},
        {"moved onto another rule's gesture", Mode::overrideGesture, tabs, justTabs, false,
         kUpThenDown, nullptr, replacesRefresh, moves},
        {"moved onto a free freeform path", Mode::overrideGesture, tabs, justTabs, false, kCircle,
         nullptr, "A captured freeform path becomes a reusable gesture once you save it.", moves},
        {"action of a custom rule", Mode::overrideCommand, tabs, justTabs, false, seeded, nullptr,
         "Existing custom action: New Tab", updatesAction},
        {"action of a preset", Mode::overrideCommand, GesturePresets::builtInMappings().front(),
         none, false, seeded, nullptr, "Preset action: Refresh", updatesAction},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EditorFixture f;
        f.env.build();
        for (const auto& rule : c.stored) {
            f.storeRule(rule);
        }
        if (c.removeUpDownPreset) {
            f.env.model->removeMapping(kUpDown);
        }
        GestureRuleEditorState& editor = f.open(c.mode, c.mapping);
        if (!c.stroke.empty()) {
            if (!f.env.model->isAwaitingGestureCapture()) {
                editor.toggleGestureCapture();
            }
            f.env.drawStroke(c.stroke);
        }
        if (c.saveTitle != nullptr) {
            EXPECT_EQ(editor.saveButtonTitle(), QString::fromUtf8(c.saveTitle));
        }
        EXPECT_EQ(editor.mappingDispositionLabel(), QString::fromUtf8(c.disposition));
        EXPECT_EQ(editor.reviewHelperText(), QString::fromUtf8(c.helper));
    }
}

TEST(GestureRuleEditorState, RecordingTakesOneKeyPressAndARefusalOrCancelKeepsTheLastShortcut) {
    EditorFixture f;
    GestureRuleEditorState& editor = f.open(Mode::newRule);
    const KeyboardShortcutDescriptor bareA{KeyboardKeyToken::a, {}};
    const struct {
        std::optional<KeyEvent> press;  // none: the record button pressed again
        std::optional<KeyboardShortcutDescriptor> kept;
        const char* status;
    } steps[] = {
        {KeyEvent{0, 0}, bareA, "Captured A."},
        {kControlShiftKPress, kControlShiftK, "Captured Control + Shift + K."},
        // Escape cancels even with a modifier held; a key outside the table is refused.
        {kCommaPress, kControlShiftK, "That key combination could not be captured."},
        {kEscapePress, kControlShiftK, "Shortcut capture cancelled."},
        {std::nullopt, kControlShiftK, "Shortcut capture cancelled."},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.status);
        // While listening, the shortcut kept so far stays on show.
        const auto before = f.env.model->capturedKeyboardShortcutDraft();
        editor.toggleShortcutRecording();
        ASSERT_TRUE(editor.isRecordingShortcut());
        EXPECT_EQ(editor.shortcutValueText(),
                  before ? displayLabel(*before) : QStringLiteral("Listening for keys..."));
        EXPECT_EQ(editor.shortcutStatusMessage(), "Press the keys you want Quillorbitex to send.");
        if (step.press) {
            f.keys->press(*step.press);
        } else {
            editor.toggleShortcutRecording();
        }
        EXPECT_FALSE(editor.isRecordingShortcut());
        EXPECT_EQ(f.keys->installedCount(), 0u);
        EXPECT_EQ(f.env.model->capturedKeyboardShortcutDraft(), step.kept);
        EXPECT_EQ(editor.shortcutStatusMessage(), QString::fromUtf8(step.status));
    }
    // One-shot: a press after the recording ended is not heard.
    EXPECT_FALSE(f.keys->press({0, 0}));
    EXPECT_EQ(f.env.model->capturedKeyboardShortcutDraft(), kControlShiftK);

    // Clear during a recording empties the value and keeps listening.
    editor.startShortcutRecording();
    editor.clearShortcut();
    EXPECT_TRUE(editor.isRecordingShortcut());
    EXPECT_TRUE(editor.canClearShortcut());
    EXPECT_FALSE(editor.shortcutStatusMessage().has_value());
    EXPECT_EQ(editor.shortcutValueText(), "Listening for keys...");
    f.keys->press({0, EventFlag::option});
    EXPECT_EQ(f.env.model->capturedKeyboardShortcutDraft(),
              (KeyboardShortcutDescriptor{KeyboardKeyToken::a, {ModifierKey::option}}));
    editor.clearShortcut();
    EXPECT_EQ(editor.shortcutValueText(), "No shortcut recorded yet");
    EXPECT_FALSE(editor.canClearShortcut());
    EXPECT_FALSE(editor.resolvedAction().has_value());
}

TEST(GestureRuleEditorState, LeavingTheActionStepOrTheShortcutKindEndsARecording) {
    struct Case {
        const char* label;
        std::function<void(GestureRuleEditorState&)> leave;
        Step step;
    };
    const std::vector<Case> cases = {
        {"next", [](GestureRuleEditorState& e) { e.advance(); }, Step::review},
        {"back", [](GestureRuleEditorState& e) { e.moveBack(); }, Step::gesture},
        {"kind", [](GestureRuleEditorState& e) { e.setActionKind(Kind::openURL); }, Step::action},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EditorFixture f;
        f.env.build();
        f.storeRule(customRule(kRightDown, GestureAction::keyboardShortcut(kControlShiftK)));
        GestureRuleEditorState& editor =
            f.open(Mode::overrideCommand, f.env.model->mapping(kRightDown));
        editor.startShortcutRecording();
        c.leave(editor);
        EXPECT_EQ(editor.step(), c.step);
        EXPECT_FALSE(editor.isRecordingShortcut());
        EXPECT_EQ(f.keys->installedCount(), 0u);
        // What is typed next (into the rule name, say) is no shortcut.
        EXPECT_FALSE(f.keys->press({0, 0}));
        EXPECT_EQ(f.env.model->capturedKeyboardShortcutDraft(), kControlShiftK);
        EXPECT_EQ(editor.shortcutStatusMessage(), "Press the keys you want Quillorbitex to send.");
    }
}

TEST(GestureRuleEditorState, ATooShortPathCannotBeSavedAndSaysSo) {
    EditorFixture f;
    GestureRuleEditorState& editor = f.open(Mode::newRule);
    editor.toggleGestureCapture();
    f.env.drawStroke(kTooShort);
    ASSERT_TRUE(f.env.model->capturedGestureDraft().has_value());
    EXPECT_FALSE(editor.canAdvance());
    editor.setActionKind(Kind::predefined);
    EXPECT_TRUE(editor.isDraftTooShortToSave());
    EXPECT_FALSE(editor.canSave());
    EXPECT_EQ(editor.gestureStatusLabel(),
              "This path is too short to save as a gesture. Capture a longer stroke.");
    EXPECT_EQ(editor.previewText(), "Freeform captured path  →  Refresh");
    EXPECT_FALSE(editor.saveRule());
    EXPECT_TRUE(f.env.model->customMappings().empty());

    editor.toggleGestureCapture();
    f.env.drawStroke(kCircle);
    EXPECT_EQ(editor.gestureStatusLabel(), "Captured freeform path");
    EXPECT_TRUE(editor.canSave());
}

TEST(GestureRuleEditorState, CaptureIsOfferedOnlyWhileStrokesAreCaptured) {
    EditorFixture f;
    GestureRuleEditorState& editor = f.open(Mode::newRule);
    ASSERT_EQ(f.env.model->monitorState(), GestureMonitorState::running());
    editor.toggleGestureCapture();
    EXPECT_EQ(editor.gestureStatusLabel(), "Armed. Draw a gesture now.");
    EXPECT_TRUE(editor.isGestureStatusArmed());

    f.env.model->setCaptureEnabled(false);
    f.env.timeline->runUntilIdle();
    EXPECT_EQ(editor.gestureStatusLabel(), "Gesture capture is turned off.");
    EXPECT_FALSE(editor.isGestureStatusArmed());
    // An armed capture can still be cancelled, but not armed again.
    EXPECT_TRUE(editor.canToggleGestureCapture());
    editor.toggleGestureCapture();
    EXPECT_FALSE(f.env.model->isAwaitingGestureCapture());
    EXPECT_FALSE(editor.canToggleGestureCapture());
    editor.toggleGestureCapture();
    EXPECT_FALSE(f.env.model->isAwaitingGestureCapture());
    EXPECT_EQ(editor.gestureStatusLabel(), "Gesture capture is turned off.");
}

TEST(GestureRuleEditorState, RecapturingKeepsTheNameOfARuleBeingChanged) {
    const auto rule =
        customRule(kRightDown, GestureAction::predefined(PredefinedAction::newTab), "Tabs");
    for (const Mode mode : {Mode::newRule, Mode::overrideCommand, Mode::overrideGesture}) {
        for (const bool clear : {false, true}) {
            SCOPED_TRACE(::testing::Message() << static_cast<int>(mode) << " clear " << clear);
            EditorFixture f;
            GestureRuleEditorState& editor =
                f.open(mode, mode == Mode::newRule ? std::nullopt : std::optional(rule));
            if (f.env.model->isAwaitingGestureCapture()) {
                editor.toggleGestureCapture();
            }
            editor.setRuleName("Typed meanwhile");
            clear ? editor.clearGesture() : editor.toggleGestureCapture();
            EXPECT_EQ(editor.ruleName(), mode == Mode::newRule ? "" : "Tabs");
        }
    }
}

TEST(GestureRuleEditorState, ChangingARuleMovesItWithItsSwitchAndScopes) {
    const GestureAppScopeRule blocked("org.example.Notes", "Notes", false);
    const auto newTab = GestureAction::predefined(PredefinedAction::newTab);
    struct Case {
        Mode mode;
        std::vector<Point> stroke;
        GestureDescriptor savedOn;
    };
    const std::vector<Case> cases = {
        {Mode::overrideGesture, kUpThenDown, kUpDown},
        {Mode::overrideCommand, kUpThenDown, kUpDown},
        {Mode::overrideGesture, kRightThenDown, kRightDown},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.savedOn.id().toStdString() + " " + std::to_string(static_cast<int>(c.mode)));
        EditorFixture f;
        f.env.build();
        f.storeRule(customRule(kRightDown, newTab, "Tabs", false, {blocked}));
        GestureRuleEditorState& editor = f.open(c.mode, f.env.model->mapping(kRightDown));
        if (!f.env.model->isAwaitingGestureCapture()) {
            editor.toggleGestureCapture();
        }
        f.env.drawStroke(c.stroke);
        editor.advance();
        editor.advance();
        ASSERT_EQ(editor.step(), Step::review);
        ASSERT_TRUE(editor.saveRule());

        ASSERT_EQ(f.env.model->customMappings().size(), 1u);
        const GestureMapping& saved = f.env.model->customMappings().front();
        EXPECT_EQ(saved.pattern(), c.savedOn);
        EXPECT_EQ(saved.action(), newTab);
        EXPECT_EQ(saved.name(), "Tabs");
        EXPECT_FALSE(saved.isEnabled());
        EXPECT_EQ(saved.appScopeRules(), std::vector{blocked});
    }
}

// Every way out of the editor is checked on the widget; here, what a late second finish does.
TEST(GestureRuleEditorState, ALateSecondFinishLeavesTheNextEditorsCaptureArmed) {
    EditorFixture f;
    GestureRuleEditorState& editor = f.open(Mode::newRule);
    editor.toggleGestureCapture();
    editor.finish();
    ASSERT_FALSE(f.env.model->isAwaitingGestureCapture());
    f.env.model->beginGestureCapture();
    editor.finish();
    EXPECT_TRUE(f.env.model->isAwaitingGestureCapture());
}

}  // namespace
}  // namespace quillorbitex
