#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <memory>
#include <optional>

#include "Models/GestureAction.h"
#include "Models/GestureDescriptor.h"
#include "Models/GestureMapping.h"
#include "Models/PredefinedAction.h"
#include "Platform/Executor.h"
#include "Platform/KeyEventMonitor.h"
#include "Platform/Workspace.h"
#include "Views/RuleEditor/GestureActionEditorKind.h"
#include "Views/RuleEditor/GestureRuleEditorContext.h"
#include "Views/RuleEditor/GestureRuleEditorStep.h"

namespace quillorbitex {

class AppModel;

// Everything the rule editor knows while it is open, and every value derived from it, without a
// widget: where the editor stands, what is typed, which gesture and action a save would store,
// whether Next and Save are possible, and every computed text its steps show. The captured stroke
// and the recorded shortcut are the model's (capturedGestureDraft, capturedKeyboardShortcutDraft);
// the state holds no copy of them, so derived values are computed afresh on every read.
//
// Main thread only. `changed()` follows every change of the state and of the model values it
// reads; views redraw from it. Typing in the application and URL fields is the exception: it is
// followed by `changed()` once typing pauses, since every redraw resolves the application that
// would open the text and lays out the text, which may be thousands of characters long. Whatever
// reads the state in between gets answers for the text as it is, and Next and Save ask the desktop
// afresh before they act.
class GestureRuleEditorState final : public QObject {
    Q_OBJECT

public:
    // How long typing must pause before the views are told.
    static constexpr Duration typingPause = std::chrono::milliseconds(300);

    // `workspace` answers which applications are installed and which handles a URL; without one no
    // application or URL resolves. Without a key monitor a recording shows as running but hears
    // nothing until it is cancelled. `executor` (the main thread's) waits for pauses in typing;
    // none: MainExecutor::shared().
    GestureRuleEditorState(GestureRuleEditorContext context, AppModel& model,
                           std::shared_ptr<const Workspace> workspace,
                           std::shared_ptr<KeyEventMonitor> keyEventMonitor,
                           Executor* executor = nullptr, QObject* parent = nullptr);
    // Removes a key monitor still installed; the model is left to finish().
    ~GestureRuleEditorState() override;

    GestureRuleEditorState(const GestureRuleEditorState&) = delete;
    GestureRuleEditorState& operator=(const GestureRuleEditorState&) = delete;

    const GestureRuleEditorContext& context() const { return context_; }
    GestureRuleEditorMode mode() const { return context_.mode; }
    AppModel& model() const { return model_; }

    // ---- Fields ------------------------------------------------------------------------------

    GestureRuleEditorStep step() const { return step_; }
    // As typed; trimmed only where it is used.
    const QString& ruleName() const { return ruleName_; }
    void setRuleName(const QString& name);
    bool isRecordingShortcut() const { return isRecordingShortcut_; }
    const std::optional<QString>& shortcutStatusMessage() const { return shortcutStatusMessage_; }
    bool didPrepare() const { return didPrepare_; }
    GestureActionEditorKind actionKind() const { return actionKind_; }
    // Leaving the shortcut kind ends a recording.
    void setActionKind(GestureActionEditorKind kind);
    PredefinedAction selectedPredefinedAction() const { return selectedPredefinedAction_; }
    void setSelectedPredefinedAction(PredefinedAction action);
    const QString& openAppBundleIdentifier() const { return openAppBundleIdentifier_; }
    // Typed: followed by changed() once typing pauses.
    void setOpenAppBundleIdentifier(const QString& identifier);
    // "" is no choice. Choosing an application also fills the identifier field.
    const QString& runningAppSelection() const { return runningAppSelection_; }
    void setRunningAppSelection(const QString& identifier);
    const QString& openURLString() const { return openURLString_; }
    // Typed: followed by changed() once typing pauses.
    void setOpenURLString(const QString& text);

    // ---- What a save would store -------------------------------------------------------------

    // The gesture of the draft; a freeform one is named after the trimmed rule name.
    std::optional<GestureDescriptor> draftDescriptor() const;
    // The first custom rule, and the first preset (removed ones included), on that gesture.
    std::optional<GestureMapping> matchingCustom() const;
    std::optional<GestureMapping> matchingPreset() const;
    // The installed application of the trimmed identifier; never asked for an empty one. The
    // desktop is asked once for each text, until lookUpAgain().
    std::optional<WorkspaceApplication> resolvedOpenApp() const;
    // The trimmed URL text when it parses and has a scheme.
    std::optional<QUrl> resolvedOpenURL() const;
    // Asked once for each text, until lookUpAgain().
    std::optional<WorkspaceApplication> resolvedOpenURLHandler() const;
    // Forgets the desktop's answers, so the next read asks again (an application installed or
    // removed meanwhile counts).
    void lookUpAgain();
    // The action of the current kind, or nothing while its input is incomplete or invalid.
    std::optional<GestureAction> resolvedAction() const;
    // A draft is there but its path is too short to become a gesture: nothing can be saved.
    bool isDraftTooShortToSave() const;
    // The rule's own gesture when the editor changes an existing rule; a save that stores another
    // gesture removes this one.
    std::optional<GestureDescriptor> replacedGesture() const;

    bool canAdvance() const;
    bool canSave() const;
    QString saveButtonTitle() const;

    // ---- Gesture step ------------------------------------------------------------------------

    // Capture can be armed only while strokes are being captured; an armed capture can always be
    // cancelled.
    bool canToggleGestureCapture() const;
    QString gestureCaptureButtonTitle() const;
    bool canClearGesture() const;
    QString gestureStepSummary() const;
    QString gestureStatusLabel() const;
    // The status is the armed sentence (drawn in the accent colour).
    bool isGestureStatusArmed() const;
    QString gestureDispositionText() const;
    // What the gesture a save would bind does today; the review step shows it too.
    QString mappingDispositionLabel() const;

    // ---- Action step -------------------------------------------------------------------------

    QString actionStepSummary() const;
    QString recordButtonTitle() const;
    bool canClearShortcut() const;
    QString shortcutValueText() const;
    // "Current target: …" under the gesture of the shortcut editor.
    QString shortcutTargetText() const;
    // Says so when "Use Frontmost" found no application, until the field changes.
    QString openAppValidationText() const;
    QString openURLValidationText() const;
    // Drawn green when true, red otherwise.
    bool isOpenAppValid() const { return resolvedOpenApp().has_value(); }
    bool hasFrontmostNotice() const { return frontmostNotice_.has_value(); }
    bool isOpenURLValid() const;

    // ---- Review step -------------------------------------------------------------------------

    QString previewText() const;
    QString resolvedRuleDisplayLabel() const;
    QString reviewHelperText() const;

    // ---- Operations --------------------------------------------------------------------------

    // Once per editor: resets the model's capture state, loads the rule's action and, by mode,
    // seeds the rule's gesture or arms the capture.
    void prepareIfNeeded();
    // Loads an action into the action step's fields and the model's shortcut draft.
    void applyExistingAction(const std::optional<GestureAction>& action);
    // Leaving the action step ends a recording.
    void moveBack();
    // Asks the desktop afresh first: what the views showed may be older than the text.
    void advance();
    // True when the model stored the rule; the editor then closes. Asks the desktop afresh first.
    bool saveRule();
    // Every way out of the editor: no recording, no armed capture, no drafts. Runs once.
    void finish();

    // The capture button: arms the capture, or cancels an armed one.
    void toggleGestureCapture();
    void clearGesture();

    void toggleShortcutRecording();
    void startShortcutRecording();
    // Removes the key monitor and ends the recording; a message replaces the status text.
    void stopShortcutRecording(const std::optional<QString>& message);
    // Forgets the recorded shortcut and hides the status; a recording goes on.
    void clearShortcut();
    // Takes the application that was in front before this program.
    void useFrontmostApplication();

Q_SIGNALS:
    void changed();

private:
    // What the desktop said about one text of a field.
    struct AppLookUp {
        QString identifier;
        std::optional<WorkspaceApplication> application;
    };
    struct URLLookUp {
        QString text;
        std::optional<QUrl> url;
        std::optional<WorkspaceApplication> handler;
    };
    const URLLookUp& urlLookUp() const;
    // changed() once no key has been typed for typingPause.
    void changedWhenTypingPauses();
    void handleShortcutKey(const KeyEvent& event);
    // What the capture and Clear buttons leave in the name field.
    QString nameAfterRecapture() const;
    void leaveActionStep();

    const GestureRuleEditorContext context_;
    AppModel& model_;
    const std::shared_ptr<const Workspace> workspace_;
    const std::shared_ptr<KeyEventMonitor> keyEventMonitor_;
    Executor& executor_;
    const QString openingRuleName_;

    GestureRuleEditorStep step_;
    QString ruleName_;
    bool isRecordingShortcut_ = false;
    std::optional<KeyEventMonitor::Token> recordingMonitor_;
    std::optional<QString> shortcutStatusMessage_;
    std::optional<QString> frontmostNotice_;
    bool didPrepare_ = false;
    bool didFinish_ = false;
    GestureActionEditorKind actionKind_ = GestureActionEditorKind::keyboardShortcut;
    PredefinedAction selectedPredefinedAction_ = PredefinedAction::refresh;
    QString openAppBundleIdentifier_;
    QString runningAppSelection_;
    QString openURLString_;
    mutable std::optional<AppLookUp> appLookUp_;
    mutable std::optional<URLLookUp> urlLookUp_;
    std::uint64_t typingRound_ = 0;
};

}  // namespace quillorbitex
