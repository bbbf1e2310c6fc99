#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "Application/AppScopeChoiceProvider.h"
#include "Application/UITestConfig.h"
#include "Diagnostics/AppDebugState.h"
#include "Diagnostics/TestStateWriter.h"
#include "Localization/AppLanguageOverride.h"
#include "Models/AppThemeOverride.h"
#include "Models/GestureAppScopeChoice.h"
#include "Models/GestureMonitorState.h"
#include "Models/GestureRecords.h"
#include "Models/KeyboardShortcutDescriptor.h"
#include "Models/PermissionState.h"
#include "Platform/AccessibilityTrust.h"
#include "Platform/Appearance.h"
#include "Platform/EventPoster.h"
#include "Platform/EventTap.h"
#include "Platform/Executor.h"
#include "Platform/LaunchAtLoginControlling.h"
#include "Platform/Pasteboard.h"
#include "Platform/RetryBackoff.h"
#include "Platform/UserDefaults.h"
#include "Platform/Workspace.h"
#include "Services/Actions/GestureActionDispatching.h"
#include "Services/Capture/GestureCaptureCoordinator.h"
#include "Services/Capture/GestureClassifier.h"
#include "Services/Capture/TrackpadGestureMonitoring.h"
#include "Services/Keyboard/KeyboardShortcutDispatching.h"
#include "Services/Permissions/PermissionServiceProtocol.h"
#include "Services/Settings/GestureMappingStore.h"
#include "Services/Settings/GestureSettingsStoreProtocol.h"
#include "Services/Stats/GestureUsageStatsStoring.h"
#include "Services/Stats/QueuedGestureUsageStats.h"
#include "ViewModels/OverlayDebugStore.h"

namespace quillorbitex {

// What the platform provides. main.cpp hands in the X11 and freedesktop backends, tests hand
// in doubles. Every member may be left empty; the comment says what the model does then.
struct AppModelPlatform {
    // Builds the login item for the autostart folder the model chooses: the session's own, or in
    // test mode one inside the test base folder.
    using LoginItemFactory =
        std::function<std::shared_ptr<LaunchAtLoginControlling>(const QString& autostartDirectory)>;

    // The global tap; none: capture stays blocked.
    std::shared_ptr<EventTap> eventTap{};
    // Synthetic input for shortcuts and replayed clicks; none: neither is posted.
    std::shared_ptr<EventPoster> eventPoster{};
    // Applications: lookup, opening, running and installed ones; none: an empty desktop.
    std::shared_ptr<Workspace> workspace{};
    // none: never trusted, so capture stays blocked.
    std::shared_ptr<AccessibilityTrust> accessibilityTrust{};
    // The application rules are resolved for; none: the workspace's frontmost application.
    std::function<std::optional<QString>()> frontmostApplicationIdentifier{};
    // none: the login item is never on and cannot be changed.
    LoginItemFactory makeLoginItem{};
    // none: the theme choice is stored but not applied.
    std::shared_ptr<Appearance> appearance{};
    // none: copying the overlay log does nothing.
    std::shared_ptr<Pasteboard> pasteboard{};
    // The preference domain; none: the preferences file of StorageLocations.
    std::shared_ptr<UserDefaults> userDefaults{};
    // The main thread; none: MainExecutor::shared(). Must outlive the model and its engine.
    Executor* mainExecutor = nullptr;
    // The monotonic clock of throttles and the live analysis; none: the steady clock.
    const Clock* clock = nullptr;
    // Serial queues of the engine; none: each runs its own thread.
    std::shared_ptr<Executor> monitorCompletionQueue{};
    std::shared_ptr<Executor> liveAnalysisQueue{};
    std::shared_ptr<Executor> finalRecognitionQueue{};
    // Started in a Wayland session, where it sees only X11 windows (WaylandSession).
    bool waylandSession = false;
    // The usage database's serial queue; none: one of its own.
    std::shared_ptr<Executor> statsQueue{};
};

// Services the model builds itself when none is given.
struct AppModelServices {
    // Default: a GestureSettingsStore on the platform's user defaults.
    std::shared_ptr<GestureSettingsStoreProtocol> settingsStore{};
    // Default: a GestureUsageStatsStore at StorageLocations' database path. Either is used only on
    // the statistics queue, where the default one is opened.
    std::shared_ptr<GestureUsageStatsStoring> statsStore{};
    // Default: a PermissionService over the platform's trust and workspace.
    std::shared_ptr<PermissionServiceProtocol> permissionService{};
    // Default: GestureClassifier's own configuration.
    std::optional<GestureClassifier> classifier{};
    // Default: a TrackpadGestureMonitor on the platform's tap (render points 2 apart, click
    // suppressed from 18 on).
    std::shared_ptr<TrackpadGestureMonitoring> monitor{};
    // Default: a KeyboardShortcutDispatcher with its own event source.
    std::shared_ptr<KeyboardShortcutDispatching> keyboardDispatcher{};
    // Default: a GestureActionDispatcher over the keyboard dispatcher and the workspace.
    std::shared_ptr<GestureActionDispatching> actionDispatcher{};
};

// The one observable object of the program: it builds and wires the gesture core, loads the
// stored rules, starts and stops capture from the capture switch and the permission, publishes
// what was recognised and the live diagnostics, counts invocations, hands strokes captured for
// the rule editor to it, and writes every preference the interface changes. What another
// instance writes to the preferences it publishes as its own values, without writing it back.
// In test mode it describes itself in the state file after every change.
//
// Main thread only. Each published value is a Qt property whose change signal (the property's
// name followed by "Changed") is emitted only when the value really changed. The engine calls
// back from its own queues; the model hops to the main thread first, and work queued for the
// model does nothing once the model is gone.
class AppModel final : public QObject {
    Q_OBJECT
    Q_PROPERTY(std::vector<GestureMapping> mappings READ mappings NOTIFY mappingsChanged)
    Q_PROPERTY(
        std::vector<GestureMapping> customMappings READ customMappings NOTIFY customMappingsChanged)
    Q_PROPERTY(bool showOnboarding READ showOnboarding NOTIFY showOnboardingChanged)
    Q_PROPERTY(bool hasCompletedOnboarding READ hasCompletedOnboarding NOTIFY
                   hasCompletedOnboardingChanged)
    Q_PROPERTY(PermissionState accessibilityPermission READ accessibilityPermission NOTIFY
                   accessibilityPermissionChanged)
    Q_PROPERTY(GestureMonitorState monitorState READ monitorState NOTIFY monitorStateChanged)
    Q_PROPERTY(
        std::optional<RecentGestureSnapshot> lastGesture READ lastGesture NOTIFY lastGestureChanged)
    Q_PROPERTY(std::optional<GestureCaptureDebugResult> lastCaptureDebugResult READ
                   lastCaptureDebugResult NOTIFY lastCaptureDebugResultChanged)
    Q_PROPERTY(std::optional<CapturedGestureDraft> capturedGestureDraft READ capturedGestureDraft
                   NOTIFY capturedGestureDraftChanged)
    Q_PROPERTY(std::optional<KeyboardShortcutDescriptor> capturedKeyboardShortcutDraft READ
                   capturedKeyboardShortcutDraft WRITE setCapturedKeyboardShortcutDraft NOTIFY
                       capturedKeyboardShortcutDraftChanged)
    Q_PROPERTY(bool isAwaitingGestureCapture READ isAwaitingGestureCapture WRITE
                   setAwaitingGestureCapture NOTIFY isAwaitingGestureCaptureChanged)
    Q_PROPERTY(qint64 triggerCount READ triggerCount NOTIFY triggerCountChanged)
    Q_PROPERTY(bool isAutomaticUpdateCheckEnabled READ isAutomaticUpdateCheckEnabled WRITE
                   setAutomaticUpdateCheckEnabled NOTIFY isAutomaticUpdateCheckEnabledChanged)
    Q_PROPERTY(bool isOpenAtLoginEnabled READ isOpenAtLoginEnabled WRITE setOpenAtLoginEnabled
                   NOTIFY isOpenAtLoginEnabledChanged)
    Q_PROPERTY(std::optional<QString> openAtLoginErrorMessage READ openAtLoginErrorMessage NOTIFY
                   openAtLoginErrorMessageChanged)
    Q_PROPERTY(AppLanguageOverride languageOverride READ languageOverride WRITE setLanguageOverride
                   NOTIFY languageOverrideChanged)
    Q_PROPERTY(AppThemeOverride themeOverride READ themeOverride WRITE setThemeOverride NOTIFY
                   themeOverrideChanged)
    Q_PROPERTY(double matchingThreshold READ matchingThreshold WRITE setMatchingThreshold NOTIFY
                   matchingThresholdChanged)
    Q_PROPERTY(bool isCaptureEnabled READ isCaptureEnabled WRITE setCaptureEnabled NOTIFY
                   isCaptureEnabledChanged)
    Q_PROPERTY(std::optional<QString> unsavedPreferencesFolder READ unsavedPreferencesFolder NOTIFY
                   unsavedPreferencesFolderChanged)
    Q_PROPERTY(bool isPreferencesFileInUse READ isPreferencesFileInUse NOTIFY
                   unsavedPreferencesFolderChanged)

public:
    using LoginItemFactory = AppModelPlatform::LoginItemFactory;
    using Platform = AppModelPlatform;
    using Services = AppModelServices;

    // Builds every service in a fixed order, loads the stored rules into `mappingStore` and,
    // outside test mode, starts capturing when capture is on and the permission is granted. In test
    // mode it resets or seeds storage as the configuration asks, never installs the tap and writes
    // the state file. Never fails: storage that cannot be read gives defaults.
    AppModel(UITestConfig uiTestConfig, std::shared_ptr<GestureMappingStore> mappingStore,
             bool updateSupportAvailable, Platform platform, Services services = {},
             QObject* parent = nullptr);
    ~AppModel() override;

    AppModel(const AppModel&) = delete;
    AppModel& operator=(const AppModel&) = delete;

    // ---- Published values ----------------------------------------------------------------------

    // Every rule in display order, and the custom rules in the store's order, as of the last
    // syncMappingsFromStore().
    const std::vector<GestureMapping>& mappings() const { return mappings_; }
    const std::vector<GestureMapping>& customMappings() const { return customMappings_; }
    bool showOnboarding() const { return showOnboarding_; }
    bool hasCompletedOnboarding() const { return hasCompletedOnboarding_; }
    PermissionState accessibilityPermission() const { return accessibilityPermission_; }
    const GestureMonitorState& monitorState() const { return monitorState_; }
    const std::optional<RecentGestureSnapshot>& lastGesture() const { return lastGesture_; }
    const std::optional<GestureCaptureDebugResult>& lastCaptureDebugResult() const {
        return lastCaptureDebugResult_;
    }
    const std::optional<CapturedGestureDraft>& capturedGestureDraft() const {
        return capturedGestureDraft_;
    }
    const std::optional<KeyboardShortcutDescriptor>& capturedKeyboardShortcutDraft() const {
        return capturedKeyboardShortcutDraft_;
    }
    bool isAwaitingGestureCapture() const { return isAwaitingGestureCapture_; }
    qint64 triggerCount() const { return triggerCount_; }
    bool isAutomaticUpdateCheckEnabled() const { return isAutomaticUpdateCheckEnabled_; }
    bool isOpenAtLoginEnabled() const { return isOpenAtLoginEnabled_; }
    const std::optional<QString>& openAtLoginErrorMessage() const {
        return openAtLoginErrorMessage_;
    }
    AppLanguageOverride languageOverride() const { return languageOverride_; }
    AppThemeOverride themeOverride() const { return themeOverride_; }
    double matchingThreshold() const { return matchingThreshold_; }
    bool isCaptureEnabled() const { return isCaptureEnabled_; }
    // While changes to the preferences cannot be written, the folder they belong in (empty when
    // the preferences have none); they stay in effect and are written with the next write that
    // succeeds, which the model tries on its own, less often the longer it fails (at most a
    // minute apart). Standard error is told once, when writing starts to fail.
    const std::optional<QString>& unsavedPreferencesFolder() const {
        return unsavedPreferencesFolder_;
    }
    // While they cannot be written because another program holds the preferences file rather
    // than because the folder cannot be written.
    bool isPreferencesFileInUse() const { return preferencesFileInUse_; }
    // What the user is told about changes that cannot be written to `folder`, for either cause.
    static QString unsavedPreferencesNotice(const QString& folder, bool fileInUse = false);

    // The rule editor writes these two directly.
    void setCapturedKeyboardShortcutDraft(std::optional<KeyboardShortcutDescriptor> shortcut);
    // While true, the next meaningful finished stroke becomes the draft and runs no action.
    void setAwaitingGestureCapture(bool awaiting);

    // Preferences: each stores a new value at once and does nothing for the current one.
    void setAutomaticUpdateCheckEnabled(bool enabled);
    // Also the language of every text the program makes.
    void setLanguageOverride(AppLanguageOverride language);
    void setThemeOverride(AppThemeOverride theme);
    // Kept within 0.05 and 0.4; a value that is not a number counts as the default 0.18.
    void setMatchingThreshold(double threshold);
    // Starts or stops capture to match the switch and the permission.
    void setCaptureEnabled(bool enabled);

    // ---- Fixed members -------------------------------------------------------------------------

    const UITestConfig& uiTestConfig() const { return uiTestConfig_; }
    // The rule store shared with the engine and the views.
    const std::shared_ptr<GestureMappingStore>& mappingStore() const { return mappingStore_; }
    OverlayDebugStore* overlayDebugStore() const { return overlayDebugStore_; }
    // What the overlays observe of the engine.
    const std::shared_ptr<GestureOverlayRuntime>& overlayRuntime() const;
    const std::shared_ptr<GestureCaptureCoordinator>& captureCoordinator() const {
        return captureCoordinator_;
    }
    bool updateSupportAvailable() const { return updateSupportAvailable_; }
    bool isWaylandSession() const { return waylandSession_; }
    const std::function<void()>& checkForUpdatesAction() const { return checkForUpdatesAction_; }
    const std::function<void(bool)>& setAutomaticUpdateChecksAction() const {
        return setAutomaticUpdateChecksAction_;
    }

    // ---- Rules
    // -----------------------------------------------------------------------------------

    // Republishes both rule lists and writes the custom rules and removed presets to the
    // preferences. Call after editing the rule store directly.
    void syncMappingsFromStore();
    // Each edits the store and then syncs.
    void setGestureEnabled(bool enabled, const GestureDescriptor& pattern);
    void renameRule(const std::optional<QString>& name, const GestureDescriptor& pattern);
    void replaceAppScopeRules(const std::vector<GestureAppScopeRule>& rules,
                              const GestureDescriptor& pattern);
    void removeMapping(const GestureDescriptor& pattern);
    void restoreBuiltInMapping(const GestureDescriptor& pattern);

    // The stored rule of a gesture: the custom one, else the preset unless it was removed.
    std::optional<GestureMapping> mapping(const GestureDescriptor& pattern) const;
    std::vector<GestureAppScopeRule> appScopeRules(const GestureDescriptor& pattern) const;
    const std::vector<GestureMapping>& builtInMappings() const;
    // Invocations recorded for the rule of this gesture, as last read (like triggerCount(), it
    // changes a little after the invocation, with triggerCountChanged); 0 when none or unreadable.
    qint64 triggerCount(const GestureDescriptor& pattern) const;
    // "%.2f" of the threshold.
    QString matchingThresholdSummary() const;

    // ---- Updates, settings pages, diagnostics
    // ------------------------------------------------------

    // Installed by the application once the updater exists; replaces earlier ones.
    void configureUpdateActions(std::function<void()> checkForUpdates,
                                std::function<void(bool)> setAutomaticUpdateChecks);
    bool canCheckForUpdates() const;
    bool canManageAutomaticUpdateChecks() const;
    void checkForUpdates();
    // Whether "Desktop Settings" can open anything on this desktop.
    bool canOpenDesktopSettings() const;
    void openAccessibilitySettings();
    void openInputMonitoringSettings();
    void copyOverlayDebugLog();
    void appendOverlayDebugLogEntry(const QString& text);
    // Re-applies the theme and re-reads the permission and the login item.
    void applicationDidBecomeActive();

    // ---- Capture and permission
    // ------------------------------------------------------------------

    // Reads the permission again and starts or stops capture to match.
    void refreshPermissions();
    // Asks the desktop for the permission and reads it again 0.6 s later.
    void requestAccessibilityPrompt();

    // ---- Onboarding, login item, appearance
    // ------------------------------------------------------

    void completeOnboarding();
    void reopenOnboarding();
    // Never fails towards the caller: the outcome is in isOpenAtLoginEnabled and
    // openAtLoginErrorMessage.
    void setOpenAtLoginEnabled(bool enabled);
    void refreshOpenAtLoginState();
    void applyThemeOverride();

    // ---- The rule editor's capture -----------------------------------------------------------

    void beginGestureCapture();
    void clearCapturedGestureDraft();
    void resetCapturedGestureSetup();
    // Makes the draft from an existing rule, so the editor's gesture step starts filled.
    void seedCapturedGestureDraft(const GestureDescriptor& pattern);
    // The gesture a save would store: the draft's detected gesture, or a template made from its
    // points and named `name` (trimmed) or else the first free "Saved Gesture <n>"; nothing
    // without a draft or for a path too short for a template.
    std::optional<GestureDescriptor> previewCapturedGestureDescriptor(const QString& name) const;
    // Stores the previewed gesture with `action` as a custom rule named `name` (trimmed; blank is
    // no name), and ends the capture. When `replacing` is another gesture, the rule moves: the
    // saved rule takes over the switch and the scope rules of the rule of `replacing`, which is
    // removed.
    // False, with nothing changed, without a draft or a previewable gesture.
    bool saveCapturedCustomGesture(const QString& name,
                                   const std::optional<GestureDescriptor>& replacing,
                                   const GestureAction& action);

    // Whether a finished stroke is worth a draft: it was recognised or matched an action, or some
    // point lies at least 8 from its first point.
    static bool isMeaningfulCapturedGesture(const std::vector<Point>& points,
                                            const std::optional<GestureDescriptor>& descriptor,
                                            const std::optional<GestureAction>& matchedAction);
    // A drawing of a two-direction gesture for the editor (y grows downwards).
    static std::vector<Point> samplePoints(const GesturePattern& pattern);

    // ---- Applications for scope rules --------------------------------------------------------

    std::vector<GestureAppScopeChoice> availableAppScopeChoices() const;

    // ---- Test mode -----------------------------------------------------------------------------

    // In test mode writes the state file; otherwise does nothing.
    void dumpTestState();

Q_SIGNALS:
    void mappingsChanged();
    void customMappingsChanged();
    void showOnboardingChanged();
    void hasCompletedOnboardingChanged();
    void accessibilityPermissionChanged();
    void monitorStateChanged();
    void lastGestureChanged();
    void lastCaptureDebugResultChanged();
    void capturedGestureDraftChanged();
    void capturedKeyboardShortcutDraftChanged();
    void isAwaitingGestureCaptureChanged();
    void triggerCountChanged();
    void isAutomaticUpdateCheckEnabledChanged();
    void isOpenAtLoginEnabledChanged();
    void openAtLoginErrorMessageChanged();
    void languageOverrideChanged();
    void themeOverrideChanged();
    void matchingThresholdChanged();
    void isCaptureEnabledChanged();
    void unsavedPreferencesFolderChanged();

private:
    // What the engine's callbacks reach the model through. The model owns the only strong
    // reference; callbacks and queued work hold it weakly, so once the model is gone they find
    // nothing. The awaiting flag is the copy the final-recognition queue reads.
    struct CallbackTarget {
        explicit CallbackTarget(AppModel* m) : model(m) {}
        AppModel* const model;
        std::atomic<bool> awaitingGestureCapture{false};
    };

    template <typename T>
    bool assign(T& field, T value, void (AppModel::*changed)());
    // Runs `work` on the main thread if the model still exists then.
    void postToMain(std::function<void(AppModel&)> work, Duration delay = Duration::zero());

    void installCoordinatorCallbacks();
    void syncCaptureState();
    void tearDownCapture();
    void syncUITestMonitorState();
    void setMonitorState(GestureMonitorState state);
    void setAccessibilityPermission(PermissionState permission);
    void setCapturedGestureDraft(std::optional<CapturedGestureDraft> draft);
    void setOpenAtLoginState(bool enabled, std::optional<QString> errorMessage);

    void record(const RecentGestureSnapshot& snapshot);
    void updateLiveHUDState(const std::optional<LiveHUDState>& state);
    void updateLiveDebugSession(const std::optional<LiveGestureDebugSession>& session);
    void cancelPendingLiveDebugPublication();
    void recordDebugResult(const GestureCaptureDebugResult& result);
    void captureGestureDraftIfNeeded(const GestureCaptureDebugResult& result);

    QString resolvedCapturedGestureName(const QString& text) const;
    static std::optional<QString> resolvedRuleName(const QString& text);

    // Where a preference's new value comes from: the interface, which has it written, or the
    // preferences, where another instance wrote it.
    enum class PreferenceSource { interface, storage };
    // Each publishes a preference's new value and does what follows from it; false when the
    // value is the current one.
    bool changeAutomaticUpdateChecks(bool enabled, PreferenceSource source);
    bool changeLanguageOverride(AppLanguageOverride language, PreferenceSource source);
    bool changeThemeOverride(AppThemeOverride theme, PreferenceSource source);
    bool changeMatchingThreshold(double threshold, PreferenceSource source);
    bool changeCaptureEnabled(bool enabled, PreferenceSource source);
    // Publishes the preferences of `keys` as they are stored now, rules included, without
    // writing them back.
    void takeInPreferences(const std::vector<QString>& keys);

    void dumpTestStateIfNeeded();
    AppDebugState makeDebugState() const;
    // After preferences were read or written: names each file that unreadable preferences were
    // put into (on standard error and in the overlay log) and follows whether writes fail.
    void followPreferenceStorage();
    // While writes fail, tries again after a delay that doubles up to kLongestSaveRetryDelay.
    void scheduleSaveRetry();
    // One line on standard error.
    static void tell(const QString& notice);
    // The same, and an entry in the overlay log, for what the user may look for later.
    void tellAndLog(const QString& notice);

    const UITestConfig uiTestConfig_;
    const std::shared_ptr<GestureMappingStore> mappingStore_;
    const bool updateSupportAvailable_;
    const bool waylandSession_;
    Executor& mainExecutor_;
    const Clock& clock_;
    std::shared_ptr<Workspace> workspace_;
    std::shared_ptr<Appearance> appearance_;
    std::shared_ptr<UserDefaults> userDefaults_;
    std::shared_ptr<GestureSettingsStoreProtocol> settingsStore_;
    std::unique_ptr<QueuedGestureUsageStats> usageStats_;
    std::shared_ptr<PermissionServiceProtocol> permissionService_;
    GestureClassifier classifier_;
    std::shared_ptr<LaunchAtLoginControlling> launchAtLoginController_;
    std::shared_ptr<TrackpadGestureMonitoring> monitor_;
    std::shared_ptr<GestureCaptureCoordinator> captureCoordinator_;
    AppScopeChoiceProvider appScopeChoices_;
    std::shared_ptr<CallbackTarget> callbackTarget_;

    std::function<void()> checkForUpdatesAction_;
    std::function<void(bool)> setAutomaticUpdateChecksAction_;

    // The trailing-edge throttle of the debugging view's live session.
    static constexpr Duration kLiveDebugUpdateInterval = std::chrono::milliseconds(150);
    Duration lastLiveDebugPublishAt_{0};
    // A pending publication runs only while its generation is still the current one.
    std::uint64_t liveDebugPublishGeneration_ = 0;
    bool liveDebugPublishPending_ = false;

    std::vector<GestureMapping> mappings_;
    std::vector<GestureMapping> customMappings_;
    bool showOnboarding_ = false;
    bool hasCompletedOnboarding_ = false;
    PermissionState accessibilityPermission_ = PermissionState::unknown;
    GestureMonitorState monitorState_ = GestureMonitorState::stopped();
    std::optional<RecentGestureSnapshot> lastGesture_;
    std::optional<GestureCaptureDebugResult> lastCaptureDebugResult_;
    std::optional<CapturedGestureDraft> capturedGestureDraft_;
    std::optional<KeyboardShortcutDescriptor> capturedKeyboardShortcutDraft_;
    bool isAwaitingGestureCapture_ = false;
    qint64 triggerCount_ = 0;
    bool isAutomaticUpdateCheckEnabled_ = true;
    bool isOpenAtLoginEnabled_ = false;
    std::optional<QString> openAtLoginErrorMessage_;
    AppLanguageOverride languageOverride_ = AppLanguageOverride::system;
    AppThemeOverride themeOverride_ = AppThemeOverride::system;
    double matchingThreshold_ = 0.18;
    bool isCaptureEnabled_ = true;
    std::optional<QString> unsavedPreferencesFolder_;
    bool preferencesFileInUse_ = false;
    static constexpr Duration kFirstSaveRetryDelay = std::chrono::seconds(1);
    static constexpr Duration kLongestSaveRetryDelay = std::chrono::seconds(60);
    RetryBackoff saveRetryDelays_{kFirstSaveRetryDelay, kLongestSaveRetryDelay};
    bool saveRetryPending_ = false;

    OverlayDebugStore* overlayDebugStore_ = nullptr;
    // The test-mode state file; a write that failed is tried again until it succeeds.
    TestStateWriter testStateWriter_;
};

}  // namespace quillorbitex
