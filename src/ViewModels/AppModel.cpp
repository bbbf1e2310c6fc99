#include "ViewModels/AppModel.h"
#include "Platform/StandardError.h"

#include <QGuiApplication>
#include <QSet>
#include <algorithm>
#include <array>
#include <cmath>

#include "Application/StorageLocations.h"
#include "Localization/L10n.h"
#include "Models/ActionLabels.h"
#include "Models/GestureLabels.h"
#include "Platform/ApplicationIdentifier.h"
#include "Platform/JsonFileUserDefaults.h"
#include "Platform/MainExecutor.h"
#include "Platform/SerialQueue.h"
#include "Services/Actions/GestureActionDispatcher.h"
#include "Services/Capture/TrackpadGestureMonitor.h"
#include "Services/Keyboard/KeyboardShortcutDispatcher.h"
#include "Services/Permissions/PermissionService.h"
#include "Services/Settings/GestureSettingsStore.h"
#include "Services/Stats/GestureUsageStatsStore.h"

namespace quillorbitex {

namespace {

// Stand-ins for platform pieces that were not provided: a desktop without applications, a
// program that is never trusted, a session without a login-item service.
class EmptyWorkspace final : public Workspace {
public:
    std::optional<QString> frontmostApplicationIdentifier() const override { return {}; }
    std::optional<QString> frontmostOtherApplicationIdentifier() const override { return {}; }
    std::optional<WorkspaceApplication> application(const QString&) const override { return {}; }
    bool openApplication(const WorkspaceApplication&) override { return false; }
    std::optional<WorkspaceApplication> applicationForURL(const QUrl&) const override { return {}; }
    bool openURL(const QUrl&) override { return false; }
    std::vector<WorkspaceApplication> runningApplications() const override { return {}; }
    std::vector<WorkspaceApplication> installedApplications() const override { return {}; }
};

class UntrustedAccessibility final : public AccessibilityTrust {
public:
    bool isTrusted() const override { return false; }
    bool requestTrust() override { return false; }
};

class UnavailableLoginItem final : public LaunchAtLoginControlling {
public:
    bool isEnabled() const override { return false; }
    std::optional<QString> setEnabled(bool) override {
        return QStringLiteral("no login-item service");
    }
};

// The preview drawings of the named two-direction gestures, in the order they are tried.
struct SamplePath {
    const GesturePattern& pattern;
    std::array<Point, 4> points;
};
const std::array<SamplePath, 5>& samplePaths() {
    static const std::array<SamplePath, 5> paths = {{
        {GesturePattern::upThenDown, {{{90, 224}, {90, 176}, {90, 120}, {90, 196}}}},
        {GesturePattern::leftThenUp, {{{210, 178}, {148, 178}, {96, 178}, {96, 110}}}},
        {GesturePattern::leftThenDown, {{{210, 98}, {148, 98}, {96, 98}, {96, 170}}}},
        {GesturePattern::rightThenDown, {{{96, 96}, {164, 96}, {224, 96}, {224, 164}}}},
        {GesturePattern::rightThenUp, {{{96, 188}, {164, 188}, {224, 188}, {224, 120}}}},
    }};
    return paths;
}

// "Ctrl+Super", "Super+Caps Lock": a combination of modifiers (TapModifier) in the log.
QString modifierCombinationName(unsigned modifiers) {
    const std::array<std::pair<unsigned, QString>, 6> names = {{
        {TapModifier::control, L10n::string("Ctrl")},
        {TapModifier::alt, L10n::string("Alt")},
        {TapModifier::shift, L10n::string("Shift")},
        {TapModifier::super, L10n::string("Super")},
        {TapModifier::capsLock, L10n::string("Caps Lock")},
        {TapModifier::numLock, L10n::string("Num Lock")},
    }};
    QStringList keys;
    for (const auto& [flag, name] : names) {
        if ((modifiers & flag) != 0) {
            keys.push_back(name);
        }
    }
    return keys.join(QLatin1Char('+'));
}

Point step(Point from, GestureDirection direction, double length) {
    switch (direction) {
        case GestureDirection::up:
            return {from.x, from.y - length};
        case GestureDirection::down:
            return {from.x, from.y + length};
        case GestureDirection::left:
            return {from.x - length, from.y};
        case GestureDirection::right:
            return {from.x + length, from.y};
    }
    return from;
}

}  // namespace

AppModel::AppModel(UITestConfig uiTestConfig, std::shared_ptr<GestureMappingStore> mappingStore,
                   bool updateSupportAvailable, Platform platform, Services services,
                   QObject* parent)
    : QObject(parent),
      uiTestConfig_(std::move(uiTestConfig)),
      mappingStore_(mappingStore ? std::move(mappingStore)
                                 : std::make_shared<GestureMappingStore>()),
      updateSupportAvailable_(updateSupportAvailable),
      waylandSession_(platform.waylandSession),
      mainExecutor_(platform.mainExecutor != nullptr ? *platform.mainExecutor
                                                     : MainExecutor::shared()),
      clock_(platform.clock != nullptr ? *platform.clock : SteadyClock::shared()),
      workspace_(platform.workspace ? std::move(platform.workspace)
                                    : std::make_shared<EmptyWorkspace>()),
      appearance_(std::move(platform.appearance)),
      userDefaults_(std::move(platform.userDefaults)),
      appScopeChoices_(workspace_),
      callbackTarget_(std::make_shared<CallbackTarget>(this)),
      testStateWriter_(uiTestConfig_.stateDumpPath, mainExecutor_) {
    const StorageLocations locations = StorageLocations::forConfig(uiTestConfig_);
    const bool testMode = uiTestConfig_.isUITest;

    // Services, in a fixed order.
    settingsStore_ = std::move(services.settingsStore);
    if (!settingsStore_) {
        if (!userDefaults_) {
            userDefaults_ = std::make_shared<JsonFileUserDefaults>(locations.preferencesFile);
        }
        settingsStore_ = std::make_shared<GestureSettingsStore>(userDefaults_, &mainExecutor_);
    }
    QueuedGestureUsageStats::StoreFactory openStatsStore =
        [store = std::move(services.statsStore), path = locations.usageDatabaseFile](
            std::shared_ptr<ClosingDeadline> closing) -> std::shared_ptr<GestureUsageStatsStoring> {
        return store ? store : std::make_shared<GestureUsageStatsStore>(path, std::move(closing));
    };
    usageStats_ = std::make_unique<QueuedGestureUsageStats>(
        std::move(openStatsStore),
        platform.statsQueue
            ? std::move(platform.statsQueue)
            : std::make_shared<SerialQueue>(std::string(kApplicationIdentifier) + ".usage-stats"),
        mainExecutor_, [this] {
            assign(triggerCount_, static_cast<qint64>(usageStats_->totalInvocationCount()),
                   &AppModel::triggerCountChanged);
            // Each database moved aside is told once, as unreadable preferences are.
            for (const QString& path : usageStats_->takeSetAsideFiles()) {
                tellAndLog(L10n::format(
                    "Usage counts that could not be read were kept in \"%@\"; Quillorbitex went "
                    "on counting in a new file.",
                    path));
            }
            dumpTestStateIfNeeded();
        });
    permissionService_ =
        services.permissionService
            ? std::move(services.permissionService)
            : std::make_shared<PermissionService>(platform.accessibilityTrust
                                                      ? std::move(platform.accessibilityTrust)
                                                      : std::make_shared<UntrustedAccessibility>(),
                                                  workspace_);
    classifier_ = services.classifier.value_or(GestureClassifier{});
    // The model picks the folder, so that a test run's entry can only land in its own base folder.
    launchAtLoginController_ =
        platform.makeLoginItem ? platform.makeLoginItem(locations.autostartDirectory) : nullptr;
    if (!launchAtLoginController_) {
        launchAtLoginController_ = std::make_shared<UnavailableLoginItem>();
    }

    // Test mode starts from a known state, before anything stored is read.
    if (testMode && uiTestConfig_.resetOnLaunch) {
        settingsStore_->reset();
        usageStats_->reset();
        if (userDefaults_) {
            userDefaults_->removeAll();
        }
    }
    usageStats_->load();
    if (testMode && uiTestConfig_.seedCompletedOnboarding) {
        settingsStore_->setHasCompletedOnboarding(true);
    }

    mappingStore_->replaceCustomMappings(settingsStore_->customMappings());
    mappingStore_->replaceDisabledBuiltInPatterns(settingsStore_->disabledBuiltInPatterns());

    // The engine.
    monitor_ = services.monitor;
    if (!monitor_) {
        monitor_ = std::make_shared<TrackpadGestureMonitor>(
            platform.eventTap,
            platform.eventPoster ? platform.eventPoster->createSource() : nullptr, 2.0, 18.0,
            nullptr, platform.monitorCompletionQueue);
    }
    auto keyboardDispatcher = services.keyboardDispatcher;
    if (!keyboardDispatcher) {
        keyboardDispatcher = std::make_shared<KeyboardShortcutDispatcher>(
            platform.eventPoster ? platform.eventPoster->createSource() : nullptr);
    }
    auto actionDispatcher = services.actionDispatcher;
    if (!actionDispatcher) {
        actionDispatcher =
            std::make_shared<GestureActionDispatcher>(keyboardDispatcher, workspace_);
    }
    auto frontmost = std::move(platform.frontmostApplicationIdentifier);
    std::function<FrontmostWindow()> frontmostWindow;
    if (!frontmost) {
        frontmost = [workspace = workspace_] {
            return workspace->frontmostApplicationIdentifier();
        };
        frontmostWindow = [workspace = workspace_] { return workspace->frontmostWindow(); };
    }
    GestureCaptureCoordinator::Configuration configuration;
    configuration.monitor = monitor_;
    configuration.classifier = classifier_;
    configuration.dispatcher = keyboardDispatcher;
    configuration.actionDispatcher = actionDispatcher;
    configuration.workspace = workspace_;
    configuration.mappingStore = mappingStore_;
    configuration.liveUpdateInterval = seconds(0.05);
    configuration.liveTemplateMatchingInterval = seconds(0.12);
    configuration.clock = &clock_;
    configuration.activeBundleIdentifierProvider = std::move(frontmost);
    configuration.frontmostWindowProvider = std::move(frontmostWindow);
    configuration.liveAnalysisQueue = std::move(platform.liveAnalysisQueue);
    configuration.finalRecognitionQueue = std::move(platform.finalRecognitionQueue);
    configuration.mainExecutor = &mainExecutor_;
    captureCoordinator_ = GestureCaptureCoordinator::create(std::move(configuration));
    captureCoordinator_->setTemplateMatchingThreshold(settingsStore_->gestureMatchingThreshold());

    // Published values, without signals: nobody can be listening yet.
    mappings_ = mappingStore_->mappings();
    customMappings_ = mappingStore_->customMappings();
    hasCompletedOnboarding_ = settingsStore_->hasCompletedOnboarding();
    showOnboarding_ = uiTestConfig_.forceShowOnboarding || !hasCompletedOnboarding_;
    accessibilityPermission_ =
        testMode ? PermissionState::granted : permissionService_->accessibilityPermissionState();
    triggerCount_ = usageStats_->totalInvocationCount();
    isAutomaticUpdateCheckEnabled_ = settingsStore_->isAutomaticUpdateCheckEnabled();
    isOpenAtLoginEnabled_ = launchAtLoginController_->isEnabled();
    languageOverride_ = settingsStore_->languageOverride();
    themeOverride_ = settingsStore_->themeOverride();
    matchingThreshold_ = settingsStore_->gestureMatchingThreshold();
    isCaptureEnabled_ = settingsStore_->isCaptureEnabled();

    overlayDebugStore_ = new OverlayDebugStore(std::move(platform.pasteboard), {}, this);
    L10n::setLanguageOverride(languageOverride_);
    // What could not be read is told now, not only when a write first replaces it: the copies
    // by followPreferenceStorage, values that could not be copied (and stay as they are) here.
    for (const QString& key : settingsStore_->keepUnreadableValues()) {
        tellAndLog(L10n::format(
            "The stored preference \"%@\" could not be read and no copy of it could be kept; "
            "Quillorbitex went on without it and leaves it as it is.",
            key));
    }
    followPreferenceStorage();
    if (userDefaults_) {
        // Writes done in the background tell their outcome later, on their own thread.
        userDefaults_->setSaveObserver(
            [weak = std::weak_ptr<CallbackTarget>(callbackTarget_), &main = mainExecutor_] {
                main.async([weak] {
                    if (auto target = weak.lock()) {
                        target->model->followPreferenceStorage();
                    }
                });
            });
    }
    if (userDefaults_) {
        // What another instance wrote to the preferences, once they hold it.
        userDefaults_->setChangeObserver([weak = std::weak_ptr<CallbackTarget>(callbackTarget_),
                                          &main = mainExecutor_](const std::vector<QString>& keys) {
            main.async([weak, keys] {
                if (auto target = weak.lock()) {
                    target->model->takeInPreferences(keys);
                }
            });
        });
    }
    // A long rule list is stored once it is encoded, after the change that made it.
    settingsStore_->setDeferredWriteObserver(
        [weak = std::weak_ptr<CallbackTarget>(callbackTarget_)] {
            if (auto target = weak.lock()) {
                target->model->followPreferenceStorage();
            }
        });
    installCoordinatorCallbacks();

    if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(application, &QGuiApplication::applicationStateChanged, this,
                [this](Qt::ApplicationState state) {
                    if (state == Qt::ApplicationActive) {
                        postToMain([](AppModel& model) { model.applicationDidBecomeActive(); });
                    }
                });
    }

    applyThemeOverride();
    if (testMode) {
        syncUITestMonitorState();
        dumpTestState();
    } else {
        refreshPermissions();
    }
}

AppModel::~AppModel() {
    // From here on, queued work and late callbacks find no model.
    callbackTarget_.reset();
    if (userDefaults_) {
        userDefaults_->setSaveObserver({});
        userDefaults_->setChangeObserver({});
    }
    captureCoordinator_->stop();
}

template <typename T>
bool AppModel::assign(T& field, T value, void (AppModel::*changed)()) {
    if (field == value) {
        return false;
    }
    field = std::move(value);
    Q_EMIT(this->*changed)();
    return true;
}

void AppModel::postToMain(std::function<void(AppModel&)> work, Duration delay) {
    auto task = [weak = std::weak_ptr<CallbackTarget>(callbackTarget_), work = std::move(work)] {
        if (auto target = weak.lock()) {
            work(*target->model);
        }
    };
    if (delay > Duration::zero()) {
        mainExecutor_.asyncAfter(delay, std::move(task));
    } else {
        mainExecutor_.async(std::move(task));
    }
}

const std::shared_ptr<GestureOverlayRuntime>& AppModel::overlayRuntime() const {
    return captureCoordinator_->overlayRuntime();
}

// ---- Published preferences -------------------------------------------------------------------

void AppModel::setCapturedKeyboardShortcutDraft(
    std::optional<KeyboardShortcutDescriptor> shortcut) {
    assign(capturedKeyboardShortcutDraft_, std::move(shortcut),
           &AppModel::capturedKeyboardShortcutDraftChanged);
}

void AppModel::setAwaitingGestureCapture(bool awaiting) {
    // The copy first: a stroke finishing now must not run an action the editor is waiting to take.
    callbackTarget_->awaitingGestureCapture.store(awaiting);
    assign(isAwaitingGestureCapture_, awaiting, &AppModel::isAwaitingGestureCaptureChanged);
}

void AppModel::setAutomaticUpdateCheckEnabled(bool enabled) {
    if (changeAutomaticUpdateChecks(enabled, PreferenceSource::interface)) {
        dumpTestStateIfNeeded();
    }
}

bool AppModel::changeAutomaticUpdateChecks(bool enabled, PreferenceSource source) {
    if (enabled == isAutomaticUpdateCheckEnabled_) {
        return false;
    }
    isAutomaticUpdateCheckEnabled_ = enabled;
    if (source == PreferenceSource::interface) {
        settingsStore_->setAutomaticUpdateCheckEnabled(enabled);
    }
    if (setAutomaticUpdateChecksAction_) {
        setAutomaticUpdateChecksAction_(enabled);
    }
    followPreferenceStorage();
    Q_EMIT isAutomaticUpdateCheckEnabledChanged();
    return true;
}

void AppModel::setLanguageOverride(AppLanguageOverride language) {
    if (changeLanguageOverride(language, PreferenceSource::interface)) {
        dumpTestStateIfNeeded();
    }
}

bool AppModel::changeLanguageOverride(AppLanguageOverride language, PreferenceSource source) {
    if (language == languageOverride_) {
        return false;
    }
    languageOverride_ = language;
    if (source == PreferenceSource::interface) {
        settingsStore_->setLanguageOverride(language);
        followPreferenceStorage();
    }
    L10n::setLanguageOverride(language);
    Q_EMIT languageOverrideChanged();
    return true;
}

void AppModel::setThemeOverride(AppThemeOverride theme) {
    if (changeThemeOverride(theme, PreferenceSource::interface)) {
        dumpTestStateIfNeeded();
    }
}

bool AppModel::changeThemeOverride(AppThemeOverride theme, PreferenceSource source) {
    if (theme == themeOverride_) {
        return false;
    }
    themeOverride_ = theme;
    if (source == PreferenceSource::interface) {
        settingsStore_->setThemeOverride(theme);
        followPreferenceStorage();
    }
    applyThemeOverride();
    Q_EMIT themeOverrideChanged();
    return true;
}

void AppModel::setMatchingThreshold(double threshold) {
    if (changeMatchingThreshold(threshold, PreferenceSource::interface)) {
        dumpTestStateIfNeeded();
    }
}

bool AppModel::changeMatchingThreshold(double threshold, PreferenceSource source) {
    // Clamped before it is stored, so one assignment is one write; a value that is not a number
    // becomes the default here instead of reaching the matcher.
    const double clamped = GestureSettingsStore::clampedThreshold(threshold);
    if (clamped == matchingThreshold_) {
        return false;
    }
    matchingThreshold_ = clamped;
    if (source == PreferenceSource::interface) {
        settingsStore_->setGestureMatchingThreshold(clamped);
        followPreferenceStorage();
    }
    captureCoordinator_->setTemplateMatchingThreshold(clamped);
    Q_EMIT matchingThresholdChanged();
    return true;
}

void AppModel::setCaptureEnabled(bool enabled) {
    if (changeCaptureEnabled(enabled, PreferenceSource::interface)) {
        dumpTestStateIfNeeded();
    }
}

bool AppModel::changeCaptureEnabled(bool enabled, PreferenceSource source) {
    if (enabled == isCaptureEnabled_) {
        return false;
    }
    isCaptureEnabled_ = enabled;
    if (source == PreferenceSource::interface) {
        settingsStore_->setCaptureEnabled(enabled);
        followPreferenceStorage();
    }
    syncCaptureState();
    Q_EMIT isCaptureEnabledChanged();
    return true;
}

void AppModel::takeInPreferences(const std::vector<QString>& keys) {
    using Keys = GestureSettingsStore::Keys;
    const auto took = [&keys](const QString& key) {
        return std::find(keys.begin(), keys.end(), key) != keys.end();
    };
    // Read now rather than when the keys were told: a change made here since wins.
    constexpr PreferenceSource stored = PreferenceSource::storage;
    bool changed = false;
    if (took(Keys::customMappings) || took(Keys::disabledBuiltInPatterns)) {
        // A list with an element that cannot be read (damaged by hand) is not what is left of the
        // one held: the rules held stay, and are stored over it once it is set aside.
        bool damaged = false;
        if (took(Keys::customMappings)) {
            const auto rules = settingsStore_->wholeCustomMappings();
            damaged |= !rules;
            if (rules) {
                mappingStore_->replaceCustomMappings(*rules);
            }
        }
        if (took(Keys::disabledBuiltInPatterns)) {
            const auto patterns = settingsStore_->wholeDisabledBuiltInPatterns();
            damaged |= !patterns;
            if (patterns) {
                mappingStore_->replaceDisabledBuiltInPatterns(*patterns);
            }
        }
        if (damaged) {
            syncMappingsFromStore();
        } else {
            changed |= assign(customMappings_, mappingStore_->customMappings(),
                              &AppModel::customMappingsChanged);
            changed |= assign(mappings_, mappingStore_->mappings(), &AppModel::mappingsChanged);
        }
    }
    if (took(Keys::automaticUpdateChecks)) {
        changed |=
            changeAutomaticUpdateChecks(settingsStore_->isAutomaticUpdateCheckEnabled(), stored);
    }
    if (took(Keys::languageOverride)) {
        changed |= changeLanguageOverride(settingsStore_->languageOverride(), stored);
    }
    if (took(Keys::themeOverride)) {
        changed |= changeThemeOverride(settingsStore_->themeOverride(), stored);
    }
    if (took(Keys::matchingThreshold)) {
        changed |= changeMatchingThreshold(settingsStore_->gestureMatchingThreshold(), stored);
    }
    if (took(Keys::captureEnabled)) {
        changed |= changeCaptureEnabled(settingsStore_->isCaptureEnabled(), stored);
    }
    if (took(Keys::onboardingCompleted)) {
        changed |= assign(hasCompletedOnboarding_, settingsStore_->hasCompletedOnboarding(),
                          &AppModel::hasCompletedOnboardingChanged);
    }
    if (changed) {
        dumpTestStateIfNeeded();
    }
}

// ---- Rules -----------------------------------------------------------------------------------

void AppModel::syncMappingsFromStore() {
    assign(customMappings_, mappingStore_->customMappings(), &AppModel::customMappingsChanged);
    assign(mappings_, mappingStore_->mappings(), &AppModel::mappingsChanged);
    settingsStore_->setCustomMappings(customMappings_);
    settingsStore_->setDisabledBuiltInPatterns(mappingStore_->disabledBuiltInPatterns());
    followPreferenceStorage();
    dumpTestStateIfNeeded();
}

void AppModel::setGestureEnabled(bool enabled, const GestureDescriptor& pattern) {
    mappingStore_->setMappingEnabled(enabled, pattern);
    syncMappingsFromStore();
}

void AppModel::renameRule(const std::optional<QString>& name, const GestureDescriptor& pattern) {
    mappingStore_->setMappingName(name, pattern);
    syncMappingsFromStore();
}

void AppModel::replaceAppScopeRules(const std::vector<GestureAppScopeRule>& rules,
                                    const GestureDescriptor& pattern) {
    mappingStore_->replaceAppScopeRules(rules, pattern);
    syncMappingsFromStore();
}

void AppModel::removeMapping(const GestureDescriptor& pattern) {
    mappingStore_->removeMapping(pattern);
    syncMappingsFromStore();
}

void AppModel::restoreBuiltInMapping(const GestureDescriptor& pattern) {
    mappingStore_->restoreBuiltInMapping(pattern);
    syncMappingsFromStore();
}

std::optional<GestureMapping> AppModel::mapping(const GestureDescriptor& pattern) const {
    return mappingStore_->mapping(pattern);
}

std::vector<GestureAppScopeRule> AppModel::appScopeRules(const GestureDescriptor& pattern) const {
    const auto rule = mapping(pattern);
    return rule ? rule->appScopeRules() : std::vector<GestureAppScopeRule>{};
}

const std::vector<GestureMapping>& AppModel::builtInMappings() const {
    return mappingStore_->builtInMappings();
}

qint64 AppModel::triggerCount(const GestureDescriptor& pattern) const {
    return usageStats_->triggerCount(pattern.id());
}

QString AppModel::matchingThresholdSummary() const {
    return QString::asprintf("%.2f", matchingThreshold_);
}

// ---- Updates, settings pages, diagnostics ------------------------------------------------------

void AppModel::configureUpdateActions(std::function<void()> checkForUpdates,
                                      std::function<void(bool)> setAutomaticUpdateChecks) {
    checkForUpdatesAction_ = std::move(checkForUpdates);
    setAutomaticUpdateChecksAction_ = std::move(setAutomaticUpdateChecks);
}

bool AppModel::canCheckForUpdates() const {
    return updateSupportAvailable_ && static_cast<bool>(checkForUpdatesAction_);
}

bool AppModel::canManageAutomaticUpdateChecks() const {
    return updateSupportAvailable_ && static_cast<bool>(setAutomaticUpdateChecksAction_);
}

void AppModel::checkForUpdates() {
    if (checkForUpdatesAction_) {
        checkForUpdatesAction_();
    }
}

bool AppModel::canOpenDesktopSettings() const {
    return permissionService_->canOpenSettings();
}

void AppModel::openAccessibilitySettings() {
    permissionService_->openAccessibilitySettings();
}

void AppModel::openInputMonitoringSettings() {
    permissionService_->openInputMonitoringSettings();
}

void AppModel::copyOverlayDebugLog() {
    overlayDebugStore_->copyLogToPasteboard();
}

void AppModel::appendOverlayDebugLogEntry(const QString& text) {
    overlayDebugStore_->appendLogEntry(text);
    dumpTestStateIfNeeded();
}

void AppModel::applicationDidBecomeActive() {
    applyThemeOverride();
    refreshPermissions();
    refreshOpenAtLoginState();
}

// ---- Capture and permission ------------------------------------------------------------------

void AppModel::installCoordinatorCallbacks() {
    const std::weak_ptr<CallbackTarget> weak = callbackTarget_;
    Executor* main = &mainExecutor_;
    // Queued main-thread work that finds the model gone does nothing.
    auto toModel = [weak, main](std::function<void(AppModel&)> work) {
        main->async([weak, work = std::move(work)] {
            if (auto target = weak.lock()) {
                work(*target->model);
            }
        });
    };

    // Runs on the final-recognition queue: only the atomic copy is read there. Without a model
    // nobody waits for a capture, so the action runs.
    captureCoordinator_->shouldDispatchRecognizedGesture =
        [weak](const std::optional<GestureDescriptor>&, const GestureMapping&,
               const std::vector<Point>&) {
            const auto target = weak.lock();
            return !target || !target->awaitingGestureCapture.load();
        };
    captureCoordinator_->onRecognized = [toModel](const RecentGestureSnapshot& snapshot) {
        toModel([snapshot](AppModel& model) { model.record(snapshot); });
    };
    // The live values arrive on the main thread already; they still take one more turn, so the
    // debugging view always changes one turn after the engine published.
    captureCoordinator_->onLiveHUDStateChanged = [toModel](const std::optional<LiveHUDState>& s) {
        toModel([s](AppModel& model) { model.updateLiveHUDState(s); });
    };
    captureCoordinator_->onLiveDebugSessionChanged =
        [toModel](const std::optional<LiveGestureDebugSession>& s) {
            toModel([s](AppModel& model) { model.updateLiveDebugSession(s); });
        };
    captureCoordinator_->onSessionCompleted = [toModel](const GestureCaptureDebugResult& result) {
        toModel([result](AppModel& model) {
            // Counting first: a stroke that becomes the draft is then never counted.
            model.recordDebugResult(result);
            model.captureGestureDraftIfNeeded(result);
        });
    };
}

void AppModel::setMonitorState(GestureMonitorState state) {
    assign(monitorState_, std::move(state), &AppModel::monitorStateChanged);
}

void AppModel::setAccessibilityPermission(PermissionState permission) {
    assign(accessibilityPermission_, permission, &AppModel::accessibilityPermissionChanged);
}

void AppModel::syncCaptureState() {
    if (uiTestConfig_.isUITest) {
        syncUITestMonitorState();
        return;
    }
    if (!isCaptureEnabled_) {
        tearDownCapture();
        setMonitorState(GestureMonitorState::stopped());
        return;
    }
    if (accessibilityPermission_ != PermissionState::granted) {
        tearDownCapture();
        setMonitorState(GestureMonitorState::blocked(
            L10n::string("Gesture capture needs an X11 session whose server accepts synthetic "
                         "input (XTEST).")));
        return;
    }
    const bool wasRunning = monitorState_.kind() == GestureMonitorState::Kind::running;
    setMonitorState(captureCoordinator_->start());
    // Combinations another program grabbed first are left to it; the debugging log says which,
    // once for each tap.
    const auto skipped = monitor_->skippedModifierCombinations();
    if (!wasRunning && monitorState_.kind() == GestureMonitorState::Kind::running &&
        !skipped.empty()) {
        QStringList names;
        for (const unsigned modifiers : skipped) {
            names.push_back(modifierCombinationName(modifiers));
        }
        appendOverlayDebugLogEntry(L10n::format(
            "capture: right-button strokes with %@ held are left to another program, which "
            "holds them.",
            names.join(QStringLiteral(", "))));
    }
}

void AppModel::tearDownCapture() {
    // Stops the tap and publishes empty live values through the engine.
    captureCoordinator_->stop();
    overlayDebugStore_->setLiveHUDState(std::nullopt);
    cancelPendingLiveDebugPublication();
    overlayDebugStore_->setLiveDebugSession(std::nullopt);
}

void AppModel::syncUITestMonitorState() {
    if (!isCaptureEnabled_) {
        setMonitorState(GestureMonitorState::stopped());
    } else if (accessibilityPermission_ != PermissionState::granted) {
        setMonitorState(GestureMonitorState::blocked(
            L10n::string("Gesture capture needs an X11 session whose server accepts synthetic "
                         "input (XTEST).")));
    } else {
        setMonitorState(GestureMonitorState::running());
    }
}

void AppModel::refreshPermissions() {
    if (uiTestConfig_.isUITest) {
        syncUITestMonitorState();
        dumpTestState();
        return;
    }
    setAccessibilityPermission(permissionService_->accessibilityPermissionState());
    syncCaptureState();
}

void AppModel::requestAccessibilityPrompt() {
    if (uiTestConfig_.isUITest) {
        setAccessibilityPermission(PermissionState::granted);
        syncUITestMonitorState();
        dumpTestState();
        return;
    }
    permissionService_->requestAccessibilityPrompt();
    // One look after the prompt; a permission granted later is seen at the next activation.
    postToMain([](AppModel& model) { model.refreshPermissions(); }, seconds(0.6));
}

void AppModel::record(const RecentGestureSnapshot& snapshot) {
    assign(lastGesture_, std::optional(snapshot), &AppModel::lastGestureChanged);
    // Only an action that ran is an invocation. The published total follows once the statistics
    // queue has counted it.
    if (snapshot.dispatched) {
        usageStats_->recordInvocation(snapshot.pattern.id());
    }
    dumpTestStateIfNeeded();
}

void AppModel::updateLiveHUDState(const std::optional<LiveHUDState>& state) {
    overlayDebugStore_->setLiveHUDState(state);
}

void AppModel::cancelPendingLiveDebugPublication() {
    liveDebugPublishPending_ = false;
    ++liveDebugPublishGeneration_;
}

void AppModel::updateLiveDebugSession(const std::optional<LiveGestureDebugSession>& session) {
    if (uiTestConfig_.isUITest) {
        cancelPendingLiveDebugPublication();
        overlayDebugStore_->setLiveDebugSession(session);
        dumpTestState();
        return;
    }
    const Duration now = clock_.now();
    const bool showing = overlayDebugStore_->liveDebugSession().has_value();
    if (session && showing && now - lastLiveDebugPublishAt_ < kLiveDebugUpdateInterval) {
        // Trailing edge: the latest session of the interval is shown when it ends.
        cancelPendingLiveDebugPublication();
        liveDebugPublishPending_ = true;
        const std::uint64_t generation = liveDebugPublishGeneration_;
        const Duration delay =
            std::max<Duration>(lastLiveDebugPublishAt_ + kLiveDebugUpdateInterval - now,
                               std::chrono::milliseconds(10));
        postToMain(
            [generation, session](AppModel& model) {
                if (!model.liveDebugPublishPending_ ||
                    model.liveDebugPublishGeneration_ != generation) {
                    return;
                }
                model.liveDebugPublishPending_ = false;
                model.lastLiveDebugPublishAt_ = model.clock_.now();
                model.overlayDebugStore_->setLiveDebugSession(session);
            },
            delay);
        return;
    }
    cancelPendingLiveDebugPublication();
    lastLiveDebugPublishAt_ = now;
    overlayDebugStore_->setLiveDebugSession(session);
}

void AppModel::recordDebugResult(const GestureCaptureDebugResult& result) {
    assign(lastCaptureDebugResult_, std::optional(result),
           &AppModel::lastCaptureDebugResultChanged);
    dumpTestStateIfNeeded();
}

void AppModel::captureGestureDraftIfNeeded(const GestureCaptureDebugResult& result) {
    if (!isAwaitingGestureCapture_ ||
        !isMeaningfulCapturedGesture(result.points, result.detectedPattern, result.matchedAction)) {
        return;
    }
    setCapturedGestureDraft(
        CapturedGestureDraft{result.points, result.detectedPattern, result.matchedAction});
    setAwaitingGestureCapture(false);
    dumpTestStateIfNeeded();
}

// ---- Onboarding, login item, appearance ------------------------------------------------------

void AppModel::completeOnboarding() {
    assign(hasCompletedOnboarding_, true, &AppModel::hasCompletedOnboardingChanged);
    settingsStore_->setHasCompletedOnboarding(true);
    followPreferenceStorage();
    assign(showOnboarding_, false, &AppModel::showOnboardingChanged);
    dumpTestStateIfNeeded();
}

void AppModel::reopenOnboarding() {
    assign(showOnboarding_, true, &AppModel::showOnboardingChanged);
    dumpTestStateIfNeeded();
}

QString AppModel::unsavedPreferencesNotice(const QString& folder, bool fileInUse) {
    if (fileInUse) {
        return L10n::format(
            "Changes to the preferences are not saved yet: another program is using the "
            "preferences file in \"%@\". They apply now and are saved as soon as it lets go of "
            "the file, at the latest when Quillorbitex starts again.",
            folder);
    }
    return L10n::format(
        "Changes to the preferences cannot be saved in \"%@\". They apply until Quillorbitex "
        "quits and are saved as soon as that folder can be written.",
        folder);
}

void AppModel::followPreferenceStorage() {
    if (!userDefaults_) {
        return;
    }
    for (const QString& path : userDefaults_->takeSetAsideFiles()) {
        tellAndLog(L10n::format(
            "Preferences that could not be read were kept in \"%@\"; Quillorbitex went on "
            "without them.",
            path));
    }
    std::optional<QString> unsaved;
    bool inUse = false;
    if (userDefaults_->hasUnsavedChanges()) {
        unsaved = userDefaults_->storageDirectory().value_or(QString());
        inUse = userDefaults_->isStorageInUse();
        if (!unsavedPreferencesFolder_ || inUse != preferencesFileInUse_) {
            tell(unsavedPreferencesNotice(*unsaved, inUse));
        }
        scheduleSaveRetry();
    } else {
        saveRetryDelays_.reset();
    }
    const bool causeChanged = std::exchange(preferencesFileInUse_, inUse) != inUse;
    if (!assign(unsavedPreferencesFolder_, std::move(unsaved),
                &AppModel::unsavedPreferencesFolderChanged) &&
        causeChanged) {
        Q_EMIT unsavedPreferencesFolderChanged();
    }
}

void AppModel::scheduleSaveRetry() {
    // Nothing may change for a long time after the folder becomes writable again (a freed disk,
    // a permission put right), so the model does not wait for the next change to find out.
    if (saveRetryPending_) {
        return;
    }
    saveRetryPending_ = true;
    postToMain(
        [](AppModel& model) {
            model.saveRetryPending_ = false;
            if (model.userDefaults_->hasUnsavedChanges()) {
                model.userDefaults_->saveUnsavedChanges();
                model.followPreferenceStorage();
            }
        },
        saveRetryDelays_.next());
}

void AppModel::tell(const QString& notice) {
    tellOnStandardError(notice);
}

void AppModel::tellAndLog(const QString& notice) {
    tell(notice);
    if (overlayDebugStore_ != nullptr) {
        overlayDebugStore_->appendLogEntry(notice);
    }
}

void AppModel::setOpenAtLoginState(bool enabled, std::optional<QString> errorMessage) {
    assign(isOpenAtLoginEnabled_, enabled, &AppModel::isOpenAtLoginEnabledChanged);
    assign(openAtLoginErrorMessage_, std::move(errorMessage),
           &AppModel::openAtLoginErrorMessageChanged);
}

void AppModel::setOpenAtLoginEnabled(bool enabled) {
    if (enabled == isOpenAtLoginEnabled_) {
        return;
    }
    const std::optional<QString> failure = launchAtLoginController_->setEnabled(enabled);
    // The entry's state is read back either way: a failed change may still have changed it.
    std::optional<QString> message;
    if (failure) {
        message = L10n::string(
            "Could not change Open at Login. Check that the autostart folder is writable.");
    }
    setOpenAtLoginState(launchAtLoginController_->isEnabled(), std::move(message));
    dumpTestStateIfNeeded();
}

void AppModel::refreshOpenAtLoginState() {
    const bool enabled = launchAtLoginController_->isEnabled();
    setOpenAtLoginState(enabled, enabled ? openAtLoginErrorMessage_ : std::nullopt);
}

void AppModel::applyThemeOverride() {
    if (appearance_) {
        appearance_->apply(themeOverride_);
    }
}

// ---- The rule editor's capture -------------------------------------------------------------

void AppModel::setCapturedGestureDraft(std::optional<CapturedGestureDraft> draft) {
    assign(capturedGestureDraft_, std::move(draft), &AppModel::capturedGestureDraftChanged);
}

void AppModel::beginGestureCapture() {
    setCapturedGestureDraft(std::nullopt);
    setAwaitingGestureCapture(true);
    dumpTestStateIfNeeded();
}

void AppModel::clearCapturedGestureDraft() {
    setCapturedGestureDraft(std::nullopt);
    setAwaitingGestureCapture(false);
    dumpTestStateIfNeeded();
}

void AppModel::resetCapturedGestureSetup() {
    setCapturedGestureDraft(std::nullopt);
    setCapturedKeyboardShortcutDraft(std::nullopt);
    setAwaitingGestureCapture(false);
    dumpTestStateIfNeeded();
}

void AppModel::seedCapturedGestureDraft(const GestureDescriptor& pattern) {
    std::vector<Point> points;
    if (const GestureTemplate* gestureTemplate = pattern.gestureTemplate()) {
        points.reserve(gestureTemplate->normalizedPoints().size());
        for (const GestureTemplatePoint& point : gestureTemplate->normalizedPoints()) {
            points.push_back(point.point());
        }
    } else if (const auto directional = pattern.directionalPattern()) {
        points = samplePoints(*directional);
    }
    const auto rule = mappingStore_->mapping(pattern);
    setCapturedGestureDraft(CapturedGestureDraft{
        std::move(points), pattern, rule ? std::optional(rule->action()) : std::nullopt});
    setAwaitingGestureCapture(false);
    dumpTestStateIfNeeded();
}

std::optional<GestureDescriptor> AppModel::previewCapturedGestureDescriptor(
    const QString& name) const {
    if (!capturedGestureDraft_) {
        return std::nullopt;
    }
    if (capturedGestureDraft_->detectedPattern) {
        return capturedGestureDraft_->detectedPattern;
    }
    auto gestureTemplate =
        classifier_.makeTemplate(resolvedCapturedGestureName(name), capturedGestureDraft_->points);
    if (!gestureTemplate) {
        return std::nullopt;
    }
    return GestureDescriptor::fromTemplate(std::move(*gestureTemplate));
}

bool AppModel::saveCapturedCustomGesture(const QString& name,
                                         const std::optional<GestureDescriptor>& replacing,
                                         const GestureAction& action) {
    if (!capturedGestureDraft_) {
        return false;
    }
    const std::optional<GestureDescriptor> descriptor = previewCapturedGestureDescriptor(name);
    if (!descriptor) {
        return false;
    }
    const std::optional<QString> ruleName = resolvedRuleName(name);
    // A rule given a new gesture moves there: it keeps its switch and its scope rules rather than
    // starting over as a new rule.
    const bool moves = replacing && *replacing != *descriptor;
    const auto moved = moves ? mappingStore_->mapping(*replacing) : std::nullopt;
    if (const GestureTemplate* gestureTemplate = descriptor->gestureTemplate()) {
        mappingStore_->upsertCustomTemplateMapping(*gestureTemplate, action, ruleName);
    } else if (const auto pattern = descriptor->directionalPattern()) {
        mappingStore_->upsertCustomMapping(*pattern, action, ruleName);
    }
    if (moved) {
        mappingStore_->replaceAppScopeRules(moved->appScopeRules(), *descriptor);
        mappingStore_->setMappingEnabled(moved->isEnabled(), *descriptor);
    }
    if (moves) {
        mappingStore_->removeMapping(*replacing);
    }
    syncMappingsFromStore();
    setCapturedGestureDraft(std::nullopt);
    setCapturedKeyboardShortcutDraft(std::nullopt);
    setAwaitingGestureCapture(false);
    dumpTestStateIfNeeded();
    return true;
}

QString AppModel::resolvedCapturedGestureName(const QString& text) const {
    const QString trimmed = text.trimmed();
    if (!trimmed.isEmpty()) {
        return trimmed;
    }
    QSet<QString> taken;
    for (const GestureMapping& rule : customMappings_) {
        if (const GestureTemplate* gestureTemplate = rule.pattern().gestureTemplate()) {
            taken.insert(gestureTemplate->name());
        }
    }
    const QString base = L10n::string("Saved Gesture");
    // There are only so many rules, so a free number is always found.
    for (qint64 n = 1;; ++n) {
        QString candidate = L10n::format("%@ %d", base, n);
        if (!taken.contains(candidate)) {
            return candidate;
        }
    }
}

std::optional<QString> AppModel::resolvedRuleName(const QString& text) {
    const QString trimmed = text.trimmed();
    return trimmed.isEmpty() ? std::nullopt : std::optional(trimmed);
}

bool AppModel::isMeaningfulCapturedGesture(const std::vector<Point>& points,
                                           const std::optional<GestureDescriptor>& descriptor,
                                           const std::optional<GestureAction>& matchedAction) {
    if (descriptor || matchedAction) {
        return true;
    }
    if (points.size() < 2) {
        return false;
    }
    const Point first = points.front();
    return std::any_of(points.begin() + 1, points.end(), [first](Point p) {
        return std::hypot(p.x - first.x, p.y - first.y) >= 8.0;
    });
}

std::vector<Point> AppModel::samplePoints(const GesturePattern& pattern) {
    for (const SamplePath& path : samplePaths()) {
        if (path.pattern == pattern) {
            return {path.points.begin(), path.points.end()};
        }
    }
    const Point start{120, 120};
    const Point middle = step(start, pattern.directions()[0], 68);
    return {start, middle, step(middle, pattern.directions()[1], 68)};
}

// ---- Applications for scope rules ----------------------------------------------------------

std::vector<GestureAppScopeChoice> AppModel::availableAppScopeChoices() const {
    return appScopeChoices_.availableChoices();
}

// ---- Test mode -------------------------------------------------------------------------------

void AppModel::dumpTestStateIfNeeded() {
    if (uiTestConfig_.isUITest) {
        dumpTestState();
    }
}

void AppModel::dumpTestState() {
    if (!uiTestConfig_.isUITest) {
        return;
    }
    testStateWriter_.write(makeDebugState());
}

AppDebugState AppModel::makeDebugState() const {
    AppDebugState state;
    state.accessibilityPermission = title(accessibilityPermission_);
    state.monitorState = monitorState_;
    state.updateSupportAvailable = updateSupportAvailable_;
    state.captureEnabled = isCaptureEnabled_;
    state.showOnboarding = showOnboarding_;
    state.hasCompletedOnboarding = hasCompletedOnboarding_;
    state.activeMappingCount = static_cast<std::int64_t>(mappings_.size());
    state.customMappingCount = static_cast<std::int64_t>(customMappings_.size());
    state.matchingThreshold = matchingThreshold_;
    state.awaitingGestureCapture = isAwaitingGestureCapture_;
    if (capturedGestureDraft_) {
        state.capturedGestureDraft = displayLabel(*capturedGestureDraft_);
    }
    if (capturedKeyboardShortcutDraft_) {
        state.capturedKeyboardActionDraft = displayLabel(*capturedKeyboardShortcutDraft_);
    }
    state.triggerCount = triggerCount_;
    if (lastGesture_) {
        state.lastGesture = spokenLabel(lastGesture_->pattern);
        state.lastAction = displayLabel(lastGesture_->action);
    }
    const auto& session = overlayDebugStore_->liveDebugSession();
    state.debugOverlayVisible = session && !session->points.empty();
    if (session) {
        state.liveGestureDirections = displayPathLabel(session->directions);
        state.liveGestureDetection = detectionLabel(*session);
    }
    if (lastCaptureDebugResult_) {
        state.lastCaptureClassification = classificationLabel(*lastCaptureDebugResult_);
        state.lastCaptureSuppression = clickDispositionLabel(*lastCaptureDebugResult_);
    }
    state.overlayDebugLog = overlayDebugStore_->overlayDebugLog();
    return state;
}

}  // namespace quillorbitex
