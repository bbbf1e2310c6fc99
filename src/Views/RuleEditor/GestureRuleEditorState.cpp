#include "Views/RuleEditor/GestureRuleEditorState.h"

#include <QFileInfo>
#include <QPointer>

#include "Localization/L10n.h"
#include "Models/ActionLabels.h"
#include "Models/GestureLabels.h"
#include "Platform/MainExecutor.h"
#include "Services/Keyboard/KeyCodeMap.h"
#include "ViewModels/AppModel.h"

namespace quillorbitex {

namespace {

using Mode = GestureRuleEditorMode;
using Step = GestureRuleEditorStep;

// Sentences too long for one line; kept whole so that each stays one table key.
// clang-format off
constexpr const char* kNewRuleGestureSummary = L10N_KEY("Arm capture and draw the gesture you want to bind. Quillorbitex will classify directional strokes automatically and keep freeform paths for gesture matching.");
constexpr const char* kOverrideCommandGestureSummary = L10N_KEY("The current gesture is loaded. Keep it, or recapture if you want to switch both the gesture and the action while you are here.");
constexpr const char* kOverrideGestureGestureSummary = L10N_KEY("Capture the replacement gesture. The existing action stays attached, and the old rule will be removed when you save a different gesture.");
constexpr const char* kOverrideCommandActionSummary = L10N_KEY("Pick a new action for this rule. The gesture stays the same unless you go back and recapture it.");
constexpr const char* kOverrideGestureActionSummary = L10N_KEY("The current action is preloaded. Change it here only if you want this gesture to do something different.");
constexpr const char* kFreeformPathHelper = L10N_KEY("This captured path will be saved as a reusable gesture and matched using the current threshold.");
constexpr const char* kMovesRuleHelper = L10N_KEY("Saving will move this rule to the new gesture and remove the original gesture binding.");
// clang-format on

QString openingName(const GestureRuleEditorContext& context) {
    if (!context.mapping) {
        return {};
    }
    if (const auto& name = context.mapping->name()) {
        return *name;
    }
    if (const GestureTemplate* gestureTemplate = context.mapping->pattern().gestureTemplate()) {
        return gestureTemplate->name();
    }
    return {};
}

QString notSetOr(const std::optional<GestureMapping>& rule) {
    return rule ? displayLabel(rule->action()) : L10n::string("Not set");
}

// The name under which an application is shown: its own, else its description's file name.
QString shownName(const WorkspaceApplication& application) {
    const QString name = application.name.trimmed();
    if (!name.isEmpty()) {
        return name;
    }
    const QString fileName = QFileInfo(application.location).fileName();
    return fileName.isEmpty() ? application.identifier : fileName;
}

}  // namespace

GestureRuleEditorState::GestureRuleEditorState(GestureRuleEditorContext context, AppModel& model,
                                               std::shared_ptr<const Workspace> workspace,
                                               std::shared_ptr<KeyEventMonitor> keyEventMonitor,
                                               Executor* executor, QObject* parent)
    : QObject(parent),
      context_(std::move(context)),
      model_(model),
      workspace_(std::move(workspace)),
      keyEventMonitor_(std::move(keyEventMonitor)),
      executor_(executor != nullptr ? *executor : MainExecutor::shared()),
      openingRuleName_(openingName(context_)),
      step_(context_.mode == Mode::overrideCommand ? Step::action : Step::gesture),
      ruleName_(openingRuleName_) {
    for (auto signal :
         {&AppModel::capturedGestureDraftChanged, &AppModel::capturedKeyboardShortcutDraftChanged,
          &AppModel::isAwaitingGestureCaptureChanged, &AppModel::customMappingsChanged,
          &AppModel::monitorStateChanged, &AppModel::languageOverrideChanged}) {
        connect(&model_, signal, this, &GestureRuleEditorState::changed);
    }
}

GestureRuleEditorState::~GestureRuleEditorState() {
    if (recordingMonitor_ && keyEventMonitor_) {
        keyEventMonitor_->removeMonitor(*recordingMonitor_);
    }
}

// ---- Fields ------------------------------------------------------------------------------------

void GestureRuleEditorState::setRuleName(const QString& name) {
    if (name == ruleName_) {
        return;
    }
    ruleName_ = name;
    Q_EMIT changed();
}

void GestureRuleEditorState::setActionKind(GestureActionEditorKind kind) {
    if (kind == actionKind_) {
        return;
    }
    actionKind_ = kind;
    if (kind != GestureActionEditorKind::keyboardShortcut) {
        stopShortcutRecording(std::nullopt);
    }
    Q_EMIT changed();
}

void GestureRuleEditorState::setSelectedPredefinedAction(PredefinedAction action) {
    if (action == selectedPredefinedAction_) {
        return;
    }
    selectedPredefinedAction_ = action;
    Q_EMIT changed();
}

void GestureRuleEditorState::setOpenAppBundleIdentifier(const QString& identifier) {
    if (identifier == openAppBundleIdentifier_) {
        return;
    }
    openAppBundleIdentifier_ = identifier;
    frontmostNotice_.reset();
    changedWhenTypingPauses();
}

void GestureRuleEditorState::setRunningAppSelection(const QString& identifier) {
    if (identifier == runningAppSelection_) {
        return;
    }
    runningAppSelection_ = identifier;
    frontmostNotice_.reset();
    if (!identifier.isEmpty()) {
        openAppBundleIdentifier_ = identifier;
    }
    Q_EMIT changed();
}

void GestureRuleEditorState::setOpenURLString(const QString& text) {
    if (text == openURLString_) {
        return;
    }
    openURLString_ = text;
    changedWhenTypingPauses();
}

void GestureRuleEditorState::changedWhenTypingPauses() {
    const std::uint64_t round = ++typingRound_;
    executor_.asyncAfter(typingPause, [self = QPointer(this), round] {
        if (self && self->typingRound_ == round) {
            Q_EMIT self->changed();
        }
    });
}

// ---- What a save would store -------------------------------------------------------------------

std::optional<GestureDescriptor> GestureRuleEditorState::draftDescriptor() const {
    const auto& draft = model_.capturedGestureDraft();
    if (!draft) {
        return std::nullopt;
    }
    if (auto preview = model_.previewCapturedGestureDescriptor(ruleName_.trimmed())) {
        return preview;
    }
    return draft->detectedPattern;
}

std::optional<GestureMapping> GestureRuleEditorState::matchingCustom() const {
    const auto descriptor = draftDescriptor();
    if (!descriptor) {
        return std::nullopt;
    }
    for (const GestureMapping& rule : model_.customMappings()) {
        if (rule.pattern() == *descriptor) {
            return rule;
        }
    }
    return std::nullopt;
}

std::optional<GestureMapping> GestureRuleEditorState::matchingPreset() const {
    const auto descriptor = draftDescriptor();
    if (!descriptor) {
        return std::nullopt;
    }
    for (const GestureMapping& rule : model_.builtInMappings()) {
        if (rule.pattern() == *descriptor) {
            return rule;
        }
    }
    return std::nullopt;
}

std::optional<WorkspaceApplication> GestureRuleEditorState::resolvedOpenApp() const {
    const QString identifier = openAppBundleIdentifier_.trimmed();
    if (identifier.isEmpty() || !workspace_) {
        return std::nullopt;
    }
    if (!appLookUp_ || appLookUp_->identifier != identifier) {
        appLookUp_ = AppLookUp{identifier, workspace_->application(identifier)};
    }
    return appLookUp_->application;
}

const GestureRuleEditorState::URLLookUp& GestureRuleEditorState::urlLookUp() const {
    const QString text = openURLString_.trimmed();
    if (urlLookUp_ && urlLookUp_->text == text) {
        return *urlLookUp_;
    }
    URLLookUp lookUp{text, std::nullopt, std::nullopt};
    if (!text.isEmpty()) {
        const QUrl url(text, QUrl::StrictMode);
        if (url.isValid() && !url.scheme().isEmpty()) {
            lookUp.url = url;
            if (workspace_) {
                lookUp.handler = workspace_->applicationForURL(url);
            }
        }
    }
    urlLookUp_ = std::move(lookUp);
    return *urlLookUp_;
}

std::optional<QUrl> GestureRuleEditorState::resolvedOpenURL() const {
    return urlLookUp().url;
}

std::optional<WorkspaceApplication> GestureRuleEditorState::resolvedOpenURLHandler() const {
    return urlLookUp().handler;
}

void GestureRuleEditorState::lookUpAgain() {
    appLookUp_.reset();
    urlLookUp_.reset();
}

std::optional<GestureAction> GestureRuleEditorState::resolvedAction() const {
    switch (actionKind_) {
        case GestureActionEditorKind::keyboardShortcut:
            if (const auto& shortcut = model_.capturedKeyboardShortcutDraft()) {
                return GestureAction::keyboardShortcut(*shortcut);
            }
            return std::nullopt;
        case GestureActionEditorKind::predefined:
            return GestureAction::predefined(selectedPredefinedAction_);
        case GestureActionEditorKind::openApp:
            if (!resolvedOpenApp()) {
                return std::nullopt;
            }
            return GestureAction::openApp(openAppBundleIdentifier_.trimmed());
        case GestureActionEditorKind::openURL:
            if (!resolvedOpenURL() || !resolvedOpenURLHandler()) {
                return std::nullopt;
            }
            return GestureAction::openURL(openURLString_.trimmed());
    }
    return std::nullopt;
}

bool GestureRuleEditorState::isDraftTooShortToSave() const {
    return model_.capturedGestureDraft().has_value() && !draftDescriptor().has_value();
}

std::optional<GestureDescriptor> GestureRuleEditorState::replacedGesture() const {
    // Both ways of changing a rule may end with another gesture (changing the action also offers
    // a recapture); either way the rule moves rather than being copied.
    if (context_.mode == Mode::newRule || !context_.mapping) {
        return std::nullopt;
    }
    return context_.mapping->pattern();
}

bool GestureRuleEditorState::canAdvance() const {
    switch (step_) {
        case Step::gesture:
            // A path too short to become a gesture cannot lead anywhere.
            return draftDescriptor().has_value();
        case Step::action:
            return resolvedAction().has_value();
        case Step::review:
            return canSave();
    }
    return false;
}

bool GestureRuleEditorState::canSave() const {
    // The model refuses a draft that gives no gesture; Save must not promise otherwise.
    return draftDescriptor().has_value() && resolvedAction().has_value();
}

QString GestureRuleEditorState::saveButtonTitle() const {
    switch (context_.mode) {
        case Mode::newRule:
            if (matchingCustom()) {
                return L10n::string("Update Rule");
            }
            if (matchingPreset()) {
                return L10n::string("Override Preset");
            }
            return L10n::string("Save Rule");
        case Mode::overrideCommand:
            return L10n::string("Save Action Override");
        case Mode::overrideGesture:
            return L10n::string("Save Gesture Override");
    }
    return {};
}

// ---- Gesture step ------------------------------------------------------------------------------

bool GestureRuleEditorState::canToggleGestureCapture() const {
    return model_.isAwaitingGestureCapture() ||
           model_.monitorState().kind() == GestureMonitorState::Kind::running;
}

QString GestureRuleEditorState::gestureCaptureButtonTitle() const {
    return model_.isAwaitingGestureCapture() ? L10n::string("Cancel Capture")
                                             : L10n::string("Capture Gesture");
}

bool GestureRuleEditorState::canClearGesture() const {
    return model_.capturedGestureDraft().has_value() || model_.isAwaitingGestureCapture();
}

QString GestureRuleEditorState::gestureStepSummary() const {
    switch (context_.mode) {
        case Mode::newRule:
            return L10n::string(kNewRuleGestureSummary);
        case Mode::overrideCommand:
            return L10n::string(kOverrideCommandGestureSummary);
        case Mode::overrideGesture:
            return L10n::string(kOverrideGestureGestureSummary);
    }
    return {};
}

bool GestureRuleEditorState::isGestureStatusArmed() const {
    return model_.isAwaitingGestureCapture() &&
           model_.monitorState().kind() == GestureMonitorState::Kind::running;
}

QString GestureRuleEditorState::gestureStatusLabel() const {
    if (isGestureStatusArmed()) {
        return L10n::string("Armed. Draw a gesture now.");
    }
    if (const auto& draft = model_.capturedGestureDraft()) {
        if (isDraftTooShortToSave()) {
            return L10n::string(
                "This path is too short to save as a gesture. Capture a longer stroke.");
        }
        if (!draft->detectedPattern) {
            return L10n::string("Captured freeform path");
        }
        return displayLabel(*draft);
    }
    // No stroke can arrive: say why instead of inviting one.
    if (model_.monitorState().kind() != GestureMonitorState::Kind::running) {
        return model_.monitorState().detail();
    }
    return L10n::string("No captured gesture yet");
}

QString GestureRuleEditorState::gestureDispositionText() const {
    switch (context_.mode) {
        case Mode::newRule:
            return L10n::string("Capture once to lock in the next meaningful gesture.");
        case Mode::overrideCommand:
            return L10n::string(
                "You can keep the current gesture or recapture it if this rule should move.");
        case Mode::overrideGesture:
            return L10n::format("Current action: %@.", notSetOr(context_.mapping));
    }
    return {};
}

QString GestureRuleEditorState::mappingDispositionLabel() const {
    const auto descriptor = draftDescriptor();
    if (!descriptor) {
        return L10n::string("No existing rule uses this gesture yet.");
    }
    const auto& rule = context_.mapping;
    if (context_.mode == Mode::overrideGesture && rule && *descriptor == rule->pattern()) {
        return L10n::format("Current action: %@", notSetOr(rule));
    }
    if (const auto stored = model_.mapping(*descriptor);
        stored && (!rule || stored->pattern() != rule->pattern())) {
        return L10n::format("This gesture already sends %@. Saving will replace that rule.",
                            displayLabel(stored->action()));
    }
    if (const auto custom = matchingCustom()) {
        return L10n::format("Existing custom action: %@", displayLabel(custom->action()));
    }
    if (const auto preset = matchingPreset()) {
        return L10n::format("Preset action: %@", displayLabel(preset->action()));
    }
    if (descriptor->gestureTemplate()) {
        return L10n::string(
            "A captured freeform path becomes a reusable gesture once you save it.");
    }
    return L10n::string("No existing rule uses this gesture yet.");
}

// ---- Action step -------------------------------------------------------------------------------

QString GestureRuleEditorState::actionStepSummary() const {
    switch (context_.mode) {
        case Mode::newRule:
            return L10n::string(
                "Choose the action Quillorbitex should send whenever this rule matches.");
        case Mode::overrideCommand:
            return L10n::string(kOverrideCommandActionSummary);
        case Mode::overrideGesture:
            return L10n::string(kOverrideGestureActionSummary);
    }
    return {};
}

QString GestureRuleEditorState::recordButtonTitle() const {
    return isRecordingShortcut_ ? L10n::string("Cancel Recording")
                                : L10n::string("Record Shortcut");
}

bool GestureRuleEditorState::canClearShortcut() const {
    return model_.capturedKeyboardShortcutDraft().has_value() || isRecordingShortcut_;
}

QString GestureRuleEditorState::shortcutValueText() const {
    if (const auto& shortcut = model_.capturedKeyboardShortcutDraft()) {
        return displayLabel(*shortcut);
    }
    return isRecordingShortcut_ ? L10n::string("Listening for keys...")
                                : L10n::string("No shortcut recorded yet");
}

QString GestureRuleEditorState::shortcutTargetText() const {
    const auto& shortcut = model_.capturedKeyboardShortcutDraft();
    return L10n::format("Current target: %@", shortcut ? displayLabel(*shortcut)
                                                       : L10n::string("No shortcut recorded yet"));
}

QString GestureRuleEditorState::openAppValidationText() const {
    if (frontmostNotice_) {
        return *frontmostNotice_;
    }
    if (openAppBundleIdentifier_.trimmed().isEmpty()) {
        return L10n::string("Choose a running app or enter the ID of an installed app.");
    }
    const auto application = resolvedOpenApp();
    if (!application) {
        return L10n::string("No installed app has this ID.");
    }
    return L10n::format("Resolved app: %@", shownName(*application));
}

QString GestureRuleEditorState::openURLValidationText() const {
    if (openURLString_.trimmed().isEmpty()) {
        return L10n::string("Enter a full URL with a scheme such as https:// or mailto:.");
    }
    if (!resolvedOpenURL()) {
        return L10n::string("This URL is not valid yet.");
    }
    const auto handler = resolvedOpenURLHandler();
    if (!handler) {
        return L10n::string("No installed app is available to open this URL.");
    }
    return L10n::format("Handled by %@", shownName(*handler));
}

bool GestureRuleEditorState::isOpenURLValid() const {
    return resolvedOpenURL() && resolvedOpenURLHandler();
}

// ---- Review step -------------------------------------------------------------------------------

QString GestureRuleEditorState::resolvedRuleDisplayLabel() const {
    const QString name = ruleName_.trimmed();
    if (!name.isEmpty()) {
        return name;
    }
    if (const auto descriptor = draftDescriptor()) {
        return displayLabel(*descriptor);
    }
    if (const auto& draft = model_.capturedGestureDraft()) {
        return displayLabel(*draft);
    }
    return L10n::string("Capture a gesture");
}

QString GestureRuleEditorState::previewText() const {
    const auto action = resolvedAction();
    return L10n::format("%@  →  %@", resolvedRuleDisplayLabel(),
                        action ? displayLabel(*action) : L10n::string("Choose action"));
}

QString GestureRuleEditorState::reviewHelperText() const {
    switch (context_.mode) {
        case Mode::newRule: {
            if (matchingCustom()) {
                return L10n::string(
                    "Saving now will update the existing custom rule for this gesture.");
            }
            if (matchingPreset()) {
                return L10n::string("Saving now will override the preset action for this gesture.");
            }
            const auto& draft = model_.capturedGestureDraft();
            if (draft && !draft->detectedPattern) {
                return L10n::string(kFreeformPathHelper);
            }
            return L10n::string("This gesture will be added immediately as a custom rule.");
        }
        case Mode::overrideCommand:
            return L10n::string("Saving will update the action sent by this gesture.");
        case Mode::overrideGesture: {
            const QString keeps = L10n::string(
                "Saving will keep this rule on its current gesture with the updated action.");
            const QString moves = L10n::string(kMovesRuleHelper);
            if (!context_.mapping) {
                return keeps;
            }
            const auto descriptor = draftDescriptor();
            return descriptor && *descriptor == context_.mapping->pattern() ? keeps : moves;
        }
    }
    return {};
}

// ---- Operations --------------------------------------------------------------------------------

void GestureRuleEditorState::prepareIfNeeded() {
    if (didPrepare_) {
        return;
    }
    model_.resetCapturedGestureSetup();
    applyExistingAction(context_.mapping ? std::optional(context_.mapping->action())
                                         : std::nullopt);
    switch (context_.mode) {
        case Mode::newRule:
            break;
        case Mode::overrideCommand:
            if (context_.mapping) {
                model_.seedCapturedGestureDraft(context_.mapping->pattern());
            }
            break;
        case Mode::overrideGesture:
            model_.beginGestureCapture();
            break;
    }
    didPrepare_ = true;
    Q_EMIT changed();
}

void GestureRuleEditorState::applyExistingAction(const std::optional<GestureAction>& action) {
    actionKind_ = editorKind(action);
    std::optional<KeyboardShortcutDescriptor> shortcut;
    if (action) {
        if (const auto* s = action->shortcut()) {
            shortcut = *s;
        } else if (const auto* predefined = action->predefinedAction()) {
            selectedPredefinedAction_ = *predefined;
        } else if (const auto* identifier = action->bundleIdentifier()) {
            openAppBundleIdentifier_ = *identifier;
            runningAppSelection_ = *identifier;
        } else if (const auto* url = action->url()) {
            openURLString_ = *url;
        }
    }
    model_.setCapturedKeyboardShortcutDraft(shortcut);
    model_.dumpTestState();
    Q_EMIT changed();
}

void GestureRuleEditorState::leaveActionStep() {
    // A recorder left listening would take the keys typed on the next step (the rule name) as the
    // shortcut.
    if (step_ == Step::action) {
        stopShortcutRecording(std::nullopt);
    }
}

void GestureRuleEditorState::moveBack() {
    if (step_ == Step::gesture) {
        return;
    }
    leaveActionStep();
    step_ = step_ == Step::review ? Step::action : Step::gesture;
    Q_EMIT changed();
}

void GestureRuleEditorState::advance() {
    if (step_ == Step::review) {
        return;
    }
    lookUpAgain();
    if (!canAdvance()) {
        // The views may still show an older text, or an older answer of the desktop, as enough.
        Q_EMIT changed();
        return;
    }
    leaveActionStep();
    step_ = step_ == Step::gesture ? Step::action : Step::review;
    Q_EMIT changed();
}

bool GestureRuleEditorState::saveRule() {
    lookUpAgain();
    const auto action = resolvedAction();
    if (!action || !canSave()) {
        Q_EMIT changed();
        return false;
    }
    return model_.saveCapturedCustomGesture(ruleName_, replacedGesture(), *action);
}

void GestureRuleEditorState::finish() {
    if (didFinish_) {
        return;
    }
    didFinish_ = true;
    stopShortcutRecording(std::nullopt);
    model_.resetCapturedGestureSetup();
}

QString GestureRuleEditorState::nameAfterRecapture() const {
    // A new rule gets its name on the review step; a rule being changed keeps the one it has.
    return context_.mode == Mode::newRule ? QString() : openingRuleName_;
}

void GestureRuleEditorState::toggleGestureCapture() {
    if (model_.isAwaitingGestureCapture()) {
        model_.setAwaitingGestureCapture(false);
        model_.dumpTestState();
        return;
    }
    if (!canToggleGestureCapture()) {
        return;
    }
    setRuleName(nameAfterRecapture());
    model_.beginGestureCapture();
}

void GestureRuleEditorState::clearGesture() {
    setRuleName(nameAfterRecapture());
    model_.clearCapturedGestureDraft();
}

void GestureRuleEditorState::toggleShortcutRecording() {
    if (isRecordingShortcut_) {
        stopShortcutRecording(L10n::string("Shortcut capture cancelled."));
    } else {
        startShortcutRecording();
    }
}

void GestureRuleEditorState::startShortcutRecording() {
    stopShortcutRecording(std::nullopt);
    shortcutStatusMessage_ = L10n::string("Press the keys you want Quillorbitex to send.");
    isRecordingShortcut_ = true;
    if (keyEventMonitor_) {
        recordingMonitor_ = keyEventMonitor_->addKeyDownMonitor(
            [this](const KeyEvent& event) { handleShortcutKey(event); });
    }
    Q_EMIT changed();
}

void GestureRuleEditorState::stopShortcutRecording(const std::optional<QString>& message) {
    if (recordingMonitor_) {
        const auto token = *recordingMonitor_;
        recordingMonitor_.reset();
        if (keyEventMonitor_) {
            keyEventMonitor_->removeMonitor(token);
        }
    }
    const bool wasRecording = isRecordingShortcut_;
    isRecordingShortcut_ = false;
    if (message) {
        shortcutStatusMessage_ = message;
    }
    if (wasRecording || message) {
        Q_EMIT changed();
    }
}

void GestureRuleEditorState::handleShortcutKey(const KeyEvent& event) {
    if (event.keyCode == KeyCodeMap::keyCode(KeyboardKeyToken::escape)) {
        stopShortcutRecording(L10n::string("Shortcut capture cancelled."));
        return;
    }
    const auto shortcut = KeyboardShortcutDescriptor::fromKeyEvent(event);
    if (!shortcut) {
        stopShortcutRecording(L10n::string("That key combination could not be captured."));
        return;
    }
    model_.setCapturedKeyboardShortcutDraft(*shortcut);
    model_.dumpTestState();
    stopShortcutRecording(L10n::format("Captured %@.", displayLabel(*shortcut)));
}

void GestureRuleEditorState::clearShortcut() {
    model_.setCapturedKeyboardShortcutDraft(std::nullopt);
    model_.dumpTestState();
    shortcutStatusMessage_.reset();
    Q_EMIT changed();
}

void GestureRuleEditorState::useFrontmostApplication() {
    // The editor's own window is in front while its button is pressed; the application the user
    // came from is the one meant.
    if (!workspace_) {
        return;
    }
    const auto identifier = workspace_->frontmostOtherApplicationIdentifier();
    if (!identifier || identifier->isEmpty()) {
        // The field keeps what it held; only the line under it tells why nothing was taken.
        frontmostNotice_ =
            L10n::string("The app that was in front has no desktop entry, so it cannot be used.");
        Q_EMIT changed();
        return;
    }
    openAppBundleIdentifier_ = *identifier;
    runningAppSelection_ = *identifier;
    frontmostNotice_.reset();
    Q_EMIT changed();
}

}  // namespace quillorbitex
