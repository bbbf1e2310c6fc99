#include "ViewModels/AppModel.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <functional>

#include "Models/ActionLabels.h"
#include "Models/GestureJson.h"
#include "Models/GestureLabels.h"
#include "Platform/JsonFileUserDefaults.h"
#include "Services/Capture/TrackpadGestureMonitor.h"
#include "Services/Settings/GestureSettingsStore.h"
#include "ViewModels/AppModelTestEnvironment.h"
#include "support/RuleFactory.h"
#include "support/StrokeShapes.h"

namespace quillorbitex {
namespace {

using namespace std::chrono_literals;
using testing::AppModelTestEnvironment;
using testing::circle;
using testing::polyline;
using Keys = GestureSettingsStore::Keys;

const std::vector<Point> kUpThenDown = polyline({{400, 400}, {400, 300}, {400, 400}}, 4);
const GestureDescriptor kUpDown = GestureDescriptor::directional(GesturePattern::upThenDown);
const GestureDescriptor kLeftUp = GestureDescriptor::directional(GesturePattern::leftThenUp);
const QString kBlockedMessage = QStringLiteral(
    "Gesture capture needs an X11 session whose server accepts synthetic input "
    "(XTEST).");

// Counts emissions of one change signal.
struct SignalCount {
    template <typename Signal>
    SignalCount(AppModel& model, Signal signal) {
        QObject::connect(&model, signal, [this] { ++count; });
    }
    int count = 0;
};

// Answers like the desktop would and counts how often it was asked.
class CountingPermissionService final : public PermissionServiceProtocol {
public:
    PermissionState accessibilityPermissionState() override {
        ++reads;
        return trusted ? PermissionState::granted : PermissionState::denied;
    }
    void requestAccessibilityPrompt() override { ++prompts; }
    bool canOpenSettings() override { return false; }
    void openAccessibilitySettings() override {}
    void openInputMonitoringSettings() override {}

    bool trusted = true;
    int reads = 0;
    int prompts = 0;
};

// The up-and-down stroke as the monitor hands it over once the button is released.
const CompletedStroke kCompletedUpThenDown{
    1, kUpThenDown, kUpThenDown, kUpThenDown.front(), kUpThenDown.back(), 200, true, Rect{}};

LiveGestureDebugSession session(double x) {
    return LiveGestureDebugSession{{{x, 0}}, {}, std::nullopt, std::nullopt, false};
}

// ---- Construction and preferences ------------------------------------------------------------

TEST(AppModel, StartsFromTheStoredPreferences) {
    struct Case {
        const char* key;
        UserDefaults::Value stored;
        AppLanguageOverride language;
        AppThemeOverride theme;
        double threshold;
    };
    const Case cases[] = {
        {"gestureLanguageOverride", QStringLiteral("klingon"), AppLanguageOverride::system,
         AppThemeOverride::system, 0.18},
        {"gestureLanguageOverride", QStringLiteral("german"), AppLanguageOverride::german,
         AppThemeOverride::system, 0.18},
        {"gestureThemeOverride", QStringLiteral("dark"), AppLanguageOverride::english,
         AppThemeOverride::dark, 0.18},
        {"gestureMatchingThreshold", 0.5, AppLanguageOverride::english, AppThemeOverride::system,
         0.4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        AppModelTestEnvironment env;
        env.defaults->values[QString::fromLatin1(c.key)] = c.stored;
        AppModel& model = env.build();
        EXPECT_EQ(model.languageOverride(), c.language);
        EXPECT_EQ(L10n::languageOverride(), c.language);
        EXPECT_EQ(model.themeOverride(), c.theme);
        EXPECT_EQ(env.appearance->applied(), std::vector{c.theme});
        EXPECT_DOUBLE_EQ(model.matchingThreshold(), c.threshold);
        EXPECT_DOUBLE_EQ(model.captureCoordinator()->templateMatchingThreshold(), c.threshold);
        // Reading is not writing: an unknown name stays stored until the user picks another.
        EXPECT_EQ(env.defaults->totalWrites(), 0);
    }
}

TEST(AppModel, StoredRulesAndOnboardingFlagAreLoaded) {
    AppModelTestEnvironment env;
    const GestureMapping rule(kLeftUp, GestureAction::openURL(QStringLiteral("https://a.example")),
                              QString(), QStringLiteral("Docs"), GestureMappingSource::custom, true,
                              {});
    env.defaults->values[Keys::customMappings] = *GestureJson::encode(std::vector{rule});
    env.defaults->values[Keys::disabledBuiltInPatterns] =
        *GestureJson::encode(std::vector{kUpDown});
    env.defaults->values[Keys::onboardingCompleted] = true;
    AppModel& model = env.build();

    ASSERT_EQ(model.customMappings().size(), 1u);
    EXPECT_EQ(model.customMappings()[0].name(), QStringLiteral("Docs"));
    EXPECT_FALSE(model.mapping(kUpDown).has_value());  // the removed preset
    EXPECT_EQ(model.mappings(), env.store->mappings());
    EXPECT_TRUE(model.hasCompletedOnboarding());
    EXPECT_FALSE(model.showOnboarding());
}

TEST(AppModel, AssigningCurrentValuesWritesAndDumpsNothing) {
    AppModelTestEnvironment env;
    env.config.isUITest = true;
    env.defaults->values[Keys::matchingThreshold] = 0.4;
    AppModel& model = env.build();
    ASSERT_TRUE(QFile::remove(env.config.stateDumpPath));
    int signals = 0;
    for (auto signal : {&AppModel::matchingThresholdChanged, &AppModel::themeOverrideChanged,
                        &AppModel::languageOverrideChanged, &AppModel::isCaptureEnabledChanged,
                        &AppModel::isAutomaticUpdateCheckEnabledChanged}) {
        QObject::connect(&model, signal, [&signals] { ++signals; });
    }
    const int writesBefore = env.defaults->totalWrites();

    model.setMatchingThreshold(0.9);  // clamped to the value it has
    model.setThemeOverride(model.themeOverride());
    model.setLanguageOverride(model.languageOverride());
    model.setCaptureEnabled(model.isCaptureEnabled());
    model.setAutomaticUpdateCheckEnabled(model.isAutomaticUpdateCheckEnabled());
    model.setOpenAtLoginEnabled(model.isOpenAtLoginEnabled());

    EXPECT_EQ(signals, 0);
    EXPECT_EQ(env.defaults->totalWrites(), writesBefore);
    EXPECT_EQ(env.loginItem->changeCount(), 0);
    EXPECT_FALSE(QFile::exists(env.config.stateDumpPath));
}

TEST(AppModel, PreferenceChangesAreStoredAndTakeEffect) {
    AppModelTestEnvironment env;
    AppModel& model = env.build();
    std::vector<bool> updateChecks;
    model.configureUpdateActions([] {}, [&updateChecks](bool on) { updateChecks.push_back(on); });
    SignalCount thresholdChanged(model, &AppModel::matchingThresholdChanged);

    model.setMatchingThreshold(0.5);
    model.setAutomaticUpdateCheckEnabled(false);
    model.setLanguageOverride(AppLanguageOverride::french);
    model.setThemeOverride(AppThemeOverride::dark);
    model.setThemeOverride(AppThemeOverride::system);

    // Clamped where the store clamps, written and told once, and handed to the recogniser.
    EXPECT_DOUBLE_EQ(model.matchingThreshold(), 0.4);
    EXPECT_DOUBLE_EQ(model.captureCoordinator()->templateMatchingThreshold(), 0.4);
    EXPECT_EQ(env.defaults->writes[Keys::matchingThreshold], 1);
    EXPECT_EQ(thresholdChanged.count, 1);
    EXPECT_EQ(updateChecks, std::vector{false});
    EXPECT_EQ(L10n::languageOverride(), AppLanguageOverride::french);
    EXPECT_EQ(env.defaults->values[Keys::languageOverride],
              UserDefaults::Value(QStringLiteral("french")));
    EXPECT_FALSE(env.defaults->values.contains(Keys::themeOverride));  // system removes the key
    EXPECT_EQ(
        env.appearance->applied(),
        (std::vector{AppThemeOverride::system, AppThemeOverride::dark, AppThemeOverride::system}));
}

// ---- Capture, permission and strokes -------------------------------------------------------

TEST(AppModel, TellsOnceWhilePreferencesCannotBeSavedAndNamesWhatWasSetAside) {
    AppModelTestEnvironment env;
    env.defaults->directory = QStringLiteral("/prefs");
    env.defaults->noteSetAsideFile(QStringLiteral("/prefs/preferences.json.unreadable-1"));
    ::testing::internal::CaptureStderr();
    AppModel& model = env.build();
    env.defaults->failWrites = true;
    model.setMatchingThreshold(0.3);
    model.setCaptureEnabled(false);
    const std::optional<QString> whileFailing = model.unsavedPreferencesFolder();
    // Then another program holds the file: the cause is told, once too.
    env.defaults->inUse = true;
    model.setMatchingThreshold(0.2);
    model.setCaptureEnabled(true);
    EXPECT_TRUE(model.isPreferencesFileInUse());
    env.defaults->failWrites = false;
    model.setMatchingThreshold(0.25);
    const QStringList told =
        QString::fromStdString(::testing::internal::GetCapturedStderr()).split('\n');

    EXPECT_EQ(whileFailing, QStringLiteral("/prefs"));
    EXPECT_FALSE(model.unsavedPreferencesFolder().has_value());
    EXPECT_FALSE(model.isPreferencesFileInUse());
    EXPECT_EQ(told.filter(QStringLiteral("quillorbitex: ")),
              QStringList({"quillorbitex: Preferences that could not be read were kept in "
                           "\"/prefs/preferences.json.unreadable-1\"; Quillorbitex went on "
                           "without them.",
                           "quillorbitex: " + AppModel::unsavedPreferencesNotice("/prefs"),
                           "quillorbitex: " + AppModel::unsavedPreferencesNotice("/prefs", true)}));
    EXPECT_TRUE(AppModel::unsavedPreferencesNotice("/prefs", true).contains("another program"));
    EXPECT_EQ(model.overlayDebugStore()->overlayDebugLog().count("unreadable-1"), 1);
}

// What the program tells on standard error while `step` runs.
QStringList toldWhile(const std::function<void()>& step) {
    ::testing::internal::CaptureStderr();
    step();
    return QString::fromStdString(::testing::internal::GetCapturedStderr())
        .split('\n')
        .filter(QStringLiteral("quillorbitex: "));
}

TEST(AppModel, ARuleListReadOnlyInPartIsToldAtStartAndNotAgainWhenReplaced) {
    const auto rule = [](GesturePattern pattern, const char* name) {
        return testing::customRule(GestureDescriptor::directional(pattern),
                                   GestureAction::predefined(PredefinedAction::newTab), name);
    };
    // The middle rule's name holds a byte that is not UTF-8.
    QByteArray stored = *GestureJson::encode(std::vector{
        rule(GesturePattern::leftThenUp, "First"), rule(GesturePattern::leftThenDown, "Sp?iled"),
        rule(GesturePattern::rightThenUp, "Last")});
    stored.replace('?', '\xff');
    const QString copied = Keys::customMappings + ".unreadable-";

    // With a folder for copies the list is copied, named, then replaced; else named and kept.
    for (const bool canCopy : {true, false}) {
        SCOPED_TRACE(canCopy ? "copied" : "not copied");
        AppModelTestEnvironment env;
        const QString folder = env.dir.filePath("prefs");
        env.defaults->directory = canCopy ? std::optional(folder) : std::nullopt;
        env.defaults->values[Keys::customMappings] = stored;
        const QString named =
            canCopy ? copied : "\"" + Keys::customMappings + "\" could not be read";

        AppModel* model = nullptr;
        const QStringList atStart = toldWhile([&] { model = &env.build(); });
        ASSERT_EQ(model->customMappings().size(), 2U);
        EXPECT_EQ(model->customMappings()[1].name(), "Last");
        ASSERT_EQ(atStart.size(), 1);
        EXPECT_TRUE(atStart[0].contains(named));
        EXPECT_EQ(model->overlayDebugStore()->overlayDebugLog().count(named), 1);

        EXPECT_TRUE(toldWhile([&] { model->setGestureEnabled(false, kLeftUp); }).isEmpty());
        EXPECT_EQ(model->overlayDebugStore()->overlayDebugLog().count(named), 1);
        EXPECT_EQ(env.defaults->values[Keys::customMappings] == UserDefaults::Value(stored),
                  !canCopy);
        const QStringList copies = QDir(folder).entryList({copied + "*"});
        ASSERT_EQ(copies.size(), canCopy ? 1 : 0);
        for (const QString& name : copies) {
            QFile copy(QDir(folder).filePath(name));
            EXPECT_TRUE(copy.open(QIODevice::ReadOnly) && copy.readAll() == stored);
        }
    }
}

TEST(AppModel, PreferencesThatCouldNotBeSavedAreSavedOnTheirOwnOnceTheFolderTakesThem) {
    AppModelTestEnvironment env;
    // A link into a folder that is, for now, a file: nothing can be written, whoever runs this.
    const QString blocker = env.dir.filePath("dotfiles");
    const QString target = blocker + "/quillorbitex/preferences.json";
    const QString link = JsonFileUserDefaults::filePathIn(env.dir.filePath("cfg"));
    QDir().mkpath(QFileInfo(link).path());
    ASSERT_TRUE(QFile::link(target, link) && QFile(blocker).open(QIODevice::WriteOnly));
    AppModel::Platform platform = env.platform();
    platform.userDefaults = std::make_shared<JsonFileUserDefaults>(link);
    ::testing::internal::CaptureStderr();
    AppModel model(env.config, env.store, false, platform, {.statsStore = env.stats()});
    model.setMatchingThreshold(0.3);
    // The folder named is the one that cannot be written, not the link's.
    EXPECT_EQ(model.unsavedPreferencesFolder(), QFileInfo(target).absolutePath());

    // Made writable, with no further change: the next try saves and the row goes.
    ASSERT_TRUE(QFile::remove(blocker) && QDir().mkpath(blocker));
    env.main.advance(std::chrono::minutes(1));
    ::testing::internal::GetCapturedStderr();
    EXPECT_FALSE(model.unsavedPreferencesFolder().has_value());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(JsonFileUserDefaults(target).numberValue(Keys::matchingThreshold), 0.3);
}

TEST(AppModel, SavingIsTriedAgainLessAndLessOftenWhileItFails) {
    AppModelTestEnvironment env;
    int firstMinute = 0;
    toldWhile([&] {
        env.build();
        env.defaults->failWrites = true;
        env.model->setCaptureEnabled(false);
        env.main.advance(std::chrono::minutes(1));
        firstMinute = env.defaults->savesTriedAgain;
        env.main.advance(std::chrono::minutes(60));
    });
    // Soon at first, then about once a minute: never a busy loop, never given up.
    EXPECT_GE(firstMinute, 3);
    EXPECT_NEAR(env.defaults->savesTriedAgain - firstMinute, 60, 5);
    EXPECT_TRUE(env.model->unsavedPreferencesFolder().has_value());
}

TEST(AppModel, CaptureFollowsTheSwitchAndThePermission) {
    struct Case {
        bool captureEnabled;
        bool trusted;
        bool refusesTaps;
        GestureMonitorState expected;
    };
    const Case cases[] = {
        {false, true, false, GestureMonitorState::stopped()},
        {false, false, false, GestureMonitorState::stopped()},
        {true, false, false, GestureMonitorState::blocked(kBlockedMessage)},
        {true, true, true, GestureMonitorState::blocked(TrackpadGestureMonitor::blockedMessage())},
        {true, true, false, GestureMonitorState::running()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected.encodedValue().toStdString());
        AppModelTestEnvironment env;
        env.defaults->values[Keys::captureEnabled] = c.captureEnabled;
        env.trust->setTrusted(c.trusted);
        env.tap->setRefusesTaps(c.refusesTaps);
        AppModel& model = env.build();
        EXPECT_EQ(model.monitorState(), c.expected);
        const bool running = c.expected == GestureMonitorState::running();
        EXPECT_TRUE(env.tap->waitUntilLiveLoopCount(running ? 1 : 0, 5s));
        EXPECT_EQ(env.tap->createdTapCount(), running ? 1u : 0u);
    }
}

TEST(AppModel, TheLogNamesTheModifiersWhoseStrokesAreLeftToAnotherProgram) {
    AppModelTestEnvironment env;
    env.tap->setSkippedModifierCombinations(
        {TapModifier::super, TapModifier::control | TapModifier::super | TapModifier::capsLock});
    AppModel& model = env.build();
    EXPECT_EQ(model.monitorState(), GestureMonitorState::running());
    EXPECT_TRUE(model.overlayDebugStore()->overlayDebugLog().contains(
        "capture: right-button strokes with Super, Ctrl+Super+Caps Lock held are left to another "
        "program, which holds them."));
}

TEST(AppModel, TurningCaptureOffStopsTheTapThreadAndClearsTheLiveValues) {
    AppModelTestEnvironment env;
    AppModel& model = env.build();
    ASSERT_EQ(model.monitorState(), GestureMonitorState::running());
    env.tap->send(testing::buttonDown({10, 10}));
    env.timeline->runUntilIdle();
    ASSERT_TRUE(model.overlayDebugStore()->liveDebugSession().has_value());

    model.setCaptureEnabled(false);
    EXPECT_EQ(model.monitorState(), GestureMonitorState::stopped());
    EXPECT_FALSE(model.overlayDebugStore()->liveDebugSession().has_value());
    EXPECT_FALSE(model.overlayDebugStore()->liveHUDState().has_value());
    EXPECT_TRUE(env.tap->waitUntilNoLoopRuns(5s));
    EXPECT_EQ(std::get<bool>(env.defaults->values[Keys::captureEnabled]), false);

    // The permission going away while capture is back on blocks it at the next refresh.
    model.setCaptureEnabled(true);
    EXPECT_EQ(model.monitorState(), GestureMonitorState::running());
    env.trust->setTrusted(false);
    model.applicationDidBecomeActive();
    EXPECT_EQ(model.accessibilityPermission(), PermissionState::denied);
    EXPECT_EQ(model.monitorState(), GestureMonitorState::blocked(kBlockedMessage));
    EXPECT_TRUE(env.tap->waitUntilNoLoopRuns(5s));
}

TEST(AppModel, APromptIsFollowedByOneLookAtThePermission) {
    AppModelTestEnvironment env;
    auto permissions = std::make_shared<CountingPermissionService>();
    permissions->trusted = false;
    AppModel& model = env.build({.permissionService = permissions});
    const int readsBefore = permissions->reads;
    permissions->trusted = true;

    model.requestAccessibilityPrompt();
    EXPECT_EQ(permissions->prompts, 1);
    env.timeline->advance(599ms);
    EXPECT_EQ(model.monitorState(), GestureMonitorState::blocked(kBlockedMessage));
    env.timeline->advance(1ms);
    EXPECT_EQ(permissions->reads, readsBefore + 1);
    EXPECT_EQ(model.monitorState(), GestureMonitorState::running());
    env.timeline->advance(10s);
    EXPECT_EQ(permissions->reads, readsBefore + 1);
}

TEST(AppModel, AStrokeRunsItsActionAndIsCountedUnlessTheEditorWaitsForADraft) {
    AppModelTestEnvironment env;
    AppModel& model = env.build();
    model.beginGestureCapture();

    // Within 8 points of its start: not worth a draft; the wait goes on.
    env.drawStroke({{200, 200}, {203, 203}, {205, 206}});
    EXPECT_TRUE(model.isAwaitingGestureCapture());
    EXPECT_FALSE(model.capturedGestureDraft().has_value());

    env.drawStroke(kUpThenDown);
    EXPECT_FALSE(model.isAwaitingGestureCapture());
    EXPECT_EQ(model.capturedGestureDraft(),
              (CapturedGestureDraft{kUpThenDown, kUpDown,
                                    GestureAction::predefined(PredefinedAction::refresh)}));
    EXPECT_EQ(env.postedKeyEvents(), 0u);
    EXPECT_EQ(model.triggerCount(), 0);
    EXPECT_EQ(env.stats()->totalInvocationCount(), 0);
    EXPECT_FALSE(model.lastGesture().has_value());

    // Waiting is over: the next stroke runs its action and is counted.
    env.drawStroke(kUpThenDown);
    EXPECT_EQ(env.postedKeyEvents(), 1u);
    EXPECT_EQ(model.triggerCount(), 1);
    EXPECT_EQ(model.triggerCount(kUpDown), 1);
    EXPECT_EQ(env.stats()->triggerCount(kUpDown.id()), 1);
    ASSERT_TRUE(model.lastGesture().has_value());
    EXPECT_EQ(model.lastGesture()->pattern, kUpDown);
    ASSERT_TRUE(model.lastCaptureDebugResult().has_value());
    EXPECT_EQ(model.lastCaptureDebugResult()->detectedPattern, kUpDown);

    // A stroke that matches nothing is recorded for the debugging view but not counted.
    env.drawStroke(polyline({{100, 100}, {300, 100}}, 4));
    EXPECT_EQ(model.triggerCount(), 1);
    EXPECT_FALSE(model.lastCaptureDebugResult()->matchedAction.has_value());

    // Nor is one whose action cannot run (a URL edited into the file that is none).
    env.store->upsertCustomMapping(GesturePattern::upThenDown,
                                   GestureAction::openURL(QStringLiteral("https://exa mple.org")),
                                   {});
    model.syncMappingsFromStore();
    env.drawStroke(kUpThenDown);
    ASSERT_TRUE(model.lastCaptureDebugResult()->matchedAction.has_value());
    EXPECT_FALSE(model.lastGesture()->dispatched);
    EXPECT_EQ(model.triggerCount(), 1);
    EXPECT_EQ(model.triggerCount(kUpDown), 1);
}

// A usage database found damaged by a count is moved aside and told once (standard error and the
// overlay log); the counts shown are then the new file's, not the old one's.
TEST(AppModel, AUsageDatabaseMovedAsideIsToldOnceAndTheNewFilesCountsAreShown) {
    AppModelTestEnvironment env;
    const QString file = GestureUsageStatsStore::databasePathIn(env.dir.filePath("stats"));
    {
        GestureUsageStatsStore earlier(file);
        for (int i = 0; i < 13; ++i) {
            earlier.recordInvocation(kUpDown.id());
        }
    }
    sqlite3* raw = nullptr;
    sqlite3_stmt* statement = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(file).constData(), &raw), SQLITE_OK);
    ASSERT_EQ(sqlite3_prepare_v2(raw,
                                 "SELECT rootpage, (SELECT page_size FROM pragma_page_size) FROM "
                                 "sqlite_schema WHERE name = 'rule_trigger_counts';",
                                 -1, &statement, nullptr),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_step(statement), SQLITE_ROW);
    const qint64 page = sqlite3_column_int64(statement, 0);
    const qint64 pageSize = sqlite3_column_int64(statement, 1);
    sqlite3_finalize(statement);
    sqlite3_close(raw);

    AppModel* model = nullptr;
    const QStringList told = toldWhile([&] {
        model = &env.build();
        ASSERT_EQ(model->triggerCount(kUpDown), 13);
        // The counts' page is overwritten behind the open database; the change counter makes its
        // connection read the file again.
        QFile damaged(file);
        ASSERT_TRUE(damaged.open(QIODevice::ReadWrite) && damaged.seek((page - 1) * pageSize));
        damaged.write(QByteArray(int(pageSize), '\xff'));
        ASSERT_TRUE(damaged.seek(24));
        damaged.write(QByteArray("\x7f\x00\x00\x01", 4));
        damaged.close();
        env.drawStroke(kUpThenDown);
        env.drawStroke(kUpThenDown);
    });

    EXPECT_EQ(model->triggerCount(kUpDown), 2);
    EXPECT_EQ(model->triggerCount(), 15);
    const QStringList kept = QDir(env.dir.filePath("stats")).entryList({"*.unreadable-*"});
    ASSERT_EQ(kept.size(), 1);
    const QString keptPath = QDir(env.dir.filePath("stats")).filePath(kept[0]);
    EXPECT_EQ(told,
              QStringList("quillorbitex: Usage counts that could not be read were kept in \"" +
                          keptPath + "\"; Quillorbitex went on counting in a new file."));
    EXPECT_EQ(model->overlayDebugStore()->overlayDebugLog().count(keptPath), 1);
}

TEST(AppModel, TheLiveSessionIsThrottledOnItsTrailingEdge) {
    AppModelTestEnvironment env;
    AppModel& model = env.build();
    std::vector<std::optional<LiveGestureDebugSession>> shown;
    QObject::connect(model.overlayDebugStore(), &OverlayDebugStore::liveDebugSessionChanged,
                     [&] { shown.push_back(model.overlayDebugStore()->liveDebugSession()); });
    auto publish = [&](std::optional<LiveGestureDebugSession> s) {
        model.captureCoordinator()->publishLiveState(std::nullopt, std::move(s));
        env.timeline->runUntilIdle();
    };

    publish(session(1));  // t = 0: the first session shows at once
    ASSERT_EQ(shown.size(), 1u);
    env.timeline->advance(50ms);
    publish(session(2));  // within the interval: waits
    env.timeline->advance(50ms);
    publish(session(3));  // replaces the waiting one
    env.timeline->advance(49ms);
    EXPECT_EQ(shown.size(), 1u);
    env.timeline->advance(1ms);  // t = 0.15
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1], session(3));

    env.timeline->advance(20ms);
    publish(session(4));  // waits until 0.30
    env.timeline->advance(10ms);
    publish(std::nullopt);  // the stroke ended: cleared at once, the waiting one dropped
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_FALSE(shown[2].has_value());
    env.timeline->advance(1s);
    EXPECT_EQ(shown.size(), 3u);

    publish(session(5));  // nothing shown: the next stroke's first session is immediate
    EXPECT_EQ(shown.size(), 4u);
}

TEST(AppModel, WorkArrivingAfterTheModelIsGoneDoesNothing) {
    AppModelTestEnvironment env;
    auto permissions = std::make_shared<CountingPermissionService>();
    AppModel& model = env.build({.permissionService = permissions});
    // A live publication and a permission look are pending, and a stroke is on its way.
    model.captureCoordinator()->publishLiveState(std::nullopt, session(1));
    env.timeline->runUntilIdle();
    env.timeline->advance(50ms);
    model.captureCoordinator()->publishLiveState(std::nullopt, session(2));
    env.main.runUntilIdle();
    model.requestAccessibilityPrompt();
    model.beginGestureCapture();
    // Held as a queued task would hold it while the model goes away.
    const std::shared_ptr<GestureCaptureCoordinator> coordinator = model.captureCoordinator();
    const int reads = permissions->reads;

    env.model.reset();
    coordinator->handleCompletedStroke(kCompletedUpThenDown);
    env.timeline->advance(2s);

    EXPECT_EQ(permissions->reads, reads);
    EXPECT_EQ(env.stats()->totalInvocationCount(), 0);
    // Nobody waits for a draft any more, so the action is allowed.
    EXPECT_EQ(env.postedKeyEvents(), 1u);
}

// ---- Rules and the editor ----------------------------------------------------------------------

TEST(AppModel, EveryRuleEditWritesBothRuleListsAtOnce) {
    const GestureAppScopeRule scope(QStringLiteral("org.example.Editor"), QStringLiteral("Editor"),
                                    false);
    const std::vector<std::pair<const char*, std::function<void(AppModel&)>>> edits = {
        {"disable", [](AppModel& m) { m.setGestureEnabled(false, kUpDown); }},
        {"rename", [](AppModel& m) { m.renameRule(QStringLiteral("Reload"), kUpDown); }},
        {"scope", [&scope](AppModel& m) { m.replaceAppScopeRules({scope}, kUpDown); }},
        {"remove", [](AppModel& m) { m.removeMapping(kUpDown); }},
        {"restore", [](AppModel& m) { m.restoreBuiltInMapping(kUpDown); }},
    };
    AppModelTestEnvironment env;
    AppModel& model = env.build();
    SignalCount published(model, &AppModel::mappingsChanged);
    for (const auto& [name, edit] : edits) {
        SCOPED_TRACE(name);
        const int custom = env.defaults->writes[Keys::customMappings];
        const int disabled = env.defaults->writes[Keys::disabledBuiltInPatterns];
        edit(model);
        EXPECT_EQ(env.defaults->writes[Keys::customMappings], custom + 1);
        EXPECT_EQ(env.defaults->writes[Keys::disabledBuiltInPatterns], disabled + 1);
        EXPECT_EQ(model.mappings(), env.store->mappings());
        EXPECT_EQ(model.customMappings(), env.store->customMappings());
    }
    EXPECT_EQ(published.count, static_cast<int>(edits.size()));
    // Back to the presets alone: no custom rule is stored at all.
    EXPECT_FALSE(env.defaults->values.contains(Keys::customMappings));
}

TEST(AppModel, SeededDraftsDrawTheirGesture) {
    struct Case {
        GesturePattern pattern;
        std::vector<Point> points;
        std::optional<GestureAction> action;
    };
    const Case cases[] = {
        {GesturePattern::upThenDown,
         {{90, 224}, {90, 176}, {90, 120}, {90, 196}},
         GestureAction::predefined(PredefinedAction::refresh)},
        {GesturePattern(GestureDirection::down, GestureDirection::up),
         {{120, 120}, {120, 188}, {120, 120}},
         {}},
        {GesturePattern(GestureDirection::left, GestureDirection::left),
         {{120, 120}, {52, 120}, {-16, 120}},
         {}},
    };
    AppModelTestEnvironment env;
    AppModel& model = env.build();
    for (const Case& c : cases) {
        SCOPED_TRACE(GestureDescriptor::directional(c.pattern).id().toStdString());
        model.beginGestureCapture();
        const GestureDescriptor seeded = GestureDescriptor::directional(c.pattern);
        model.seedCapturedGestureDraft(seeded);
        EXPECT_EQ(model.capturedGestureDraft(), (CapturedGestureDraft{c.points, seeded, c.action}));
        EXPECT_FALSE(model.isAwaitingGestureCapture());
    }
}

TEST(AppModel, FreeformDraftsAreNamedAndSaved) {
    AppModelTestEnvironment env;
    AppModel& model = env.build();
    const GestureClassifier classifier;
    for (const char* taken : {"Saved Gesture 1", "Saved Gesture 3"}) {
        const auto t = classifier.makeTemplate(
            QString::fromLatin1(taken),
            polyline({{0, 0}, {100, 0}, {100, taken[14] == '1' ? 100.0 : -100.0}}, 5));
        env.store->upsertCustomTemplateMapping(*t, GestureAction::openURL("https://t.example"), {});
    }
    model.syncMappingsFromStore();

    struct Case {
        const char* typed;
        const char* templateName;
        std::optional<QString> ruleName;
    };
    const Case cases[] = {
        {"   ", "Saved Gesture 2", std::nullopt},
        {"  Loop \n", "Loop", QStringLiteral("Loop")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        model.beginGestureCapture();
        env.drawStroke(circle({500, 500}, 80, 48));
        ASSERT_TRUE(model.capturedGestureDraft().has_value());
        ASSERT_FALSE(model.capturedGestureDraft()->detectedPattern.has_value());
        const auto preview = model.previewCapturedGestureDescriptor(QString::fromUtf8(c.typed));
        ASSERT_TRUE(preview && preview->gestureTemplate());
        EXPECT_EQ(preview->gestureTemplate()->name(), QString::fromLatin1(c.templateName));
        EXPECT_EQ(model.previewCapturedGestureDescriptor(QString::fromUtf8(c.typed)), preview);

        model.setCapturedKeyboardShortcutDraft(KeyboardShortcutDescriptor::refresh);
        const int writes = env.defaults->writes[Keys::customMappings];
        ASSERT_TRUE(model.saveCapturedCustomGesture(QString::fromUtf8(c.typed), std::nullopt,
                                                    GestureAction::openURL("https://c.example")));
        const auto saved = model.mapping(*preview);
        ASSERT_TRUE(saved.has_value());
        EXPECT_EQ(saved->name(), c.ruleName);
        EXPECT_EQ(saved->pattern().gestureTemplate()->name(), QString::fromLatin1(c.templateName));
        EXPECT_EQ(env.defaults->writes[Keys::customMappings], writes + 1);
        EXPECT_FALSE(model.capturedGestureDraft() || model.capturedKeyboardShortcutDraft() ||
                     model.isAwaitingGestureCapture());
        model.removeMapping(*preview);
    }
}

TEST(AppModel, SavingNeedsADraftAndReplacesOnlyAnotherGesture) {
    AppModelTestEnvironment env;
    AppModel& model = env.build();
    const auto action = GestureAction::openURL(QStringLiteral("https://s.example"));

    model.beginGestureCapture();
    EXPECT_FALSE(model.saveCapturedCustomGesture("x", std::nullopt, action));
    EXPECT_TRUE(model.isAwaitingGestureCapture());
    EXPECT_EQ(env.defaults->writes[Keys::customMappings], 0);

    // A freeform stroke too short to make a template cannot be saved; the draft stays.
    env.drawStroke({{100, 100}, {110, 100}, {112, 102}});
    ASSERT_TRUE(model.capturedGestureDraft().has_value());
    EXPECT_FALSE(model.saveCapturedCustomGesture("", std::nullopt, action));
    EXPECT_TRUE(model.capturedGestureDraft().has_value());

    // Replacing the gesture with itself removes nothing.
    model.seedCapturedGestureDraft(kUpDown);
    ASSERT_TRUE(model.saveCapturedCustomGesture("", kUpDown, action));
    EXPECT_EQ(model.mapping(kUpDown)->action(), action);

    // Moving the preset to another gesture: a rule there, the preset removed from its own.
    model.seedCapturedGestureDraft(kLeftUp);
    model.restoreBuiltInMapping(kUpDown);
    model.seedCapturedGestureDraft(kLeftUp);
    ASSERT_TRUE(model.saveCapturedCustomGesture("Moved", kUpDown, action));
    EXPECT_FALSE(model.mapping(kUpDown).has_value());
    EXPECT_EQ(model.mapping(kLeftUp)->name(), QStringLiteral("Moved"));
    EXPECT_EQ(env.store->disabledBuiltInPatterns(), std::vector{kUpDown});
}

TEST(AppModel, AStrokeIsMeaningfulFromEightPointsAwayFromItsStart) {
    struct Case {
        std::vector<Point> points;
        bool withPattern;
        bool withAction;
        bool meaningful;
    };
    const Case cases[] = {
        {{{0, 0}, {7.9, 0}}, false, false, false},
        {{{0, 0}, {8.0, 0}}, false, false, true},
        // A long path that never leaves the start's neighbourhood.
        {{{0, 0}, {7, 0}, {0, 0}, {0, 7}, {0, 0}, {-7, 0}}, false, false, false},
        {{}, true, false, true},
        {{}, false, true, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(
            AppModel::isMeaningfulCapturedGesture(
                c.points, c.withPattern ? std::optional(kUpDown) : std::nullopt,
                c.withAction ? std::optional(GestureAction::predefined(PredefinedAction::newTab))
                             : std::nullopt),
            c.meaningful)
            << c.points.size() << " points";
    }
}

// ---- Login item --------------------------------------------------------------------------------

TEST(AppModel, OpenAtLoginShowsTheOutcomeOfEveryChange) {
    const QString message = QStringLiteral(
        "Could not change Open at Login. Check that the autostart folder is writable.");
    AppModelTestEnvironment env;
    AppModel& model = env.build();

    model.setOpenAtLoginEnabled(true);
    EXPECT_TRUE(model.isOpenAtLoginEnabled());
    EXPECT_FALSE(model.openAtLoginErrorMessage());

    // Turning it off fails and it stays on: the message stays through later activations.
    env.loginItem->failWith(QStringLiteral("busy"));
    model.setOpenAtLoginEnabled(false);
    EXPECT_TRUE(model.isOpenAtLoginEnabled());
    EXPECT_EQ(model.openAtLoginErrorMessage(), message);
    model.applicationDidBecomeActive();
    EXPECT_EQ(model.openAtLoginErrorMessage(), message);

    // A change that reports failure but took effect shows the real state.
    env.loginItem->failWith(QStringLiteral("late"), true);
    model.setOpenAtLoginEnabled(false);
    EXPECT_FALSE(model.isOpenAtLoginEnabled());
    EXPECT_EQ(model.openAtLoginErrorMessage(), message);
    // Found off at the next activation: the message goes.
    model.applicationDidBecomeActive();
    EXPECT_FALSE(model.openAtLoginErrorMessage());

    env.loginItem->failWith(std::nullopt);
    env.loginItem->setExternallyEnabled(true);
    model.refreshOpenAtLoginState();
    EXPECT_TRUE(model.isOpenAtLoginEnabled());
}

// ---- Test mode ---------------------------------------------------------------------------------

QJsonObject readState(const AppModelTestEnvironment& env) {
    QFile file(env.config.stateDumpPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QJsonDocument::fromJson(file.readAll()).object();
}

TEST(AppModel, TestModeResetStartsFromDefaults) {
    AppModelTestEnvironment env;
    env.config.isUITest = true;
    env.config.resetOnLaunch = true;
    env.config.seedCompletedOnboarding = true;
    env.defaults->values[Keys::matchingThreshold] = 0.3;
    env.defaults->values[QStringLiteral("someOtherPreference")] = true;
    env.defaults->values[Keys::customMappings] = *GestureJson::encode(
        std::vector{GestureMapping(kLeftUp, GestureAction::openURL("https://r.example"), {}, {},
                                   GestureMappingSource::custom, true, {})});
    {
        GestureUsageStatsStore earlier(
            GestureUsageStatsStore::databasePathIn(env.config.baseDirectory));
        earlier.recordInvocation(kUpDown.id());
    }
    env.trust->setTrusted(false);

    AppModel& model = env.build();
    EXPECT_DOUBLE_EQ(model.matchingThreshold(), 0.18);
    EXPECT_EQ(model.triggerCount(), 0);
    EXPECT_TRUE(model.customMappings().empty());
    EXPECT_FALSE(env.defaults->values.contains(QStringLiteral("someOtherPreference")));
    EXPECT_TRUE(model.hasCompletedOnboarding());
    // Never asks the desktop and never installs the tap.
    EXPECT_EQ(model.accessibilityPermission(), PermissionState::granted);
    EXPECT_EQ(model.monitorState(), GestureMonitorState::running());
    EXPECT_EQ(env.tap->createdTapCount(), 0u);
    // Open at Login keeps its entry in the test folder too.
    EXPECT_TRUE(env.autostartDirectory.startsWith(env.config.baseDirectory + "/"));

    const QJsonObject state = readState(env);
    EXPECT_EQ(state["matchingThreshold"].toDouble(), 0.18);
    EXPECT_EQ(state["customMappingCount"].toInt(), 0);
    EXPECT_EQ(state["activeMappingCount"].toInt(), 3);
    EXPECT_EQ(state["hasCompletedOnboarding"].toBool(), true);
    EXPECT_EQ(state["accessibilityPermission"].toString(), QStringLiteral("Granted"));
}

TEST(AppModel, TheStateFileFollowsEveryChange) {
    AppModelTestEnvironment env;
    env.config.isUITest = true;
    AppModel& model = env.build();
    const auto stroke = [&] {
        model.captureCoordinator()->handleCompletedStroke(kCompletedUpThenDown);
        env.timeline->runUntilIdle();
    };
    struct Step {
        const char* what;
        std::function<void()> change;
        std::map<QString, QJsonValue> expected;  // Null: the key is absent
    };
    const std::vector<Step> steps = {
        {"start",
         [] {},
         {{"monitorState", "running"},
          {"captureEnabled", true},
          {"debugOverlayVisible", false},
          {"liveGestureDirections", QJsonValue::Null},
          {"lastGesture", QJsonValue::Null},
          {"overlayDebugLog", "No overlay diagnostics recorded yet."}}},
        {"capture off",
         [&] { model.setCaptureEnabled(false); },
         {{"monitorState", "stopped"}, {"captureEnabled", false}}},
        {"prompt",
         [&] {
             model.setCaptureEnabled(true);
             model.requestAccessibilityPrompt();
         },
         {{"monitorState", "running"}, {"accessibilityPermission", "Granted"}}},
        {"threshold", [&] { model.setMatchingThreshold(0.25); }, {{"matchingThreshold", 0.25}}},
        {"stroke",
         stroke,
         {{"lastGesture", "Up then Down"},
          {"lastAction", "Refresh"},
          {"triggerCount", 1},
          {"lastCaptureClassification", QJsonValue::Undefined}}},
        {"live session",
         [&] {
             model.captureCoordinator()->publishLiveState(std::nullopt, session(3));
             env.timeline->runUntilIdle();
         },
         {{"debugOverlayVisible", true}, {"liveGestureDirections", "Waiting for movement"}}},
        {"armed",
         [&] { model.beginGestureCapture(); },
         {{"awaitingGestureCapture", true}, {"capturedGestureDraft", QJsonValue::Null}}},
        {"captured",
         stroke,
         {{"awaitingGestureCapture", false},
          {"capturedGestureDraft", QJsonValue::Undefined},
          {"triggerCount", 1}}},
        {"rule removed", [&] { model.removeMapping(kLeftUp); }, {{"activeMappingCount", 2}}},
        {"log",
         [&] { model.appendOverlayDebugLogEntry("panel moved"); },
         {{"overlayDebugLog", QJsonValue::Undefined}}},
        {"onboarding",
         [&] {
             model.completeOnboarding();
             model.reopenOnboarding();
         },
         {{"showOnboarding", true}, {"hasCompletedOnboarding", true}}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.change();
        const QJsonObject state = readState(env);
        ASSERT_FALSE(state.isEmpty());
        for (const auto& [key, value] : step.expected) {
            SCOPED_TRACE(key.toStdString());
            if (value.isNull()) {
                EXPECT_FALSE(state.contains(key));
            } else if (value.isUndefined()) {
                EXPECT_TRUE(state.contains(key));  // present; its text is a label of its own
            } else {
                EXPECT_EQ(state[key], value);
            }
        }
    }
    EXPECT_TRUE(readState(env)["overlayDebugLog"].toString().endsWith("]\npanel moved"));
}

// A state file that could not be written (here its folder cannot be made) is written once it can
// be, with the newest state, without waiting for another change.
TEST(AppModel, AStateFileThatCouldNotBeWrittenIsWrittenOnceItCan) {
    AppModelTestEnvironment env;
    env.config.isUITest = true;
    const QString blocker = env.dir.filePath("blocked");
    QFile(blocker).open(QIODevice::WriteOnly);
    env.config.stateDumpPath = blocker + "/state.json";
    AppModel& model = env.build();
    model.setCaptureEnabled(false);
    ASSERT_TRUE(QFile::remove(blocker));
    env.timeline->advance(TestStateWriter::kLongestRetryDelay);
    const QJsonObject state = readState(env);
    EXPECT_FALSE(state["captureEnabled"].toBool(true));
    EXPECT_EQ(state["monitorState"].toString(), QStringLiteral("stopped"));
}

TEST(AppModel, TheStateFileIsWrittenInTheChosenLanguage) {
    AppModelTestEnvironment env;
    env.config.isUITest = true;
    AppModel& model = env.build();
    const QJsonObject english = readState(env);

    model.setLanguageOverride(AppLanguageOverride::german);
    model.setCaptureEnabled(false);
    const QJsonObject german = readState(env);
    EXPECT_EQ(german["accessibilityPermission"].toString(), title(PermissionState::granted));
    EXPECT_NE(german["accessibilityPermission"], english["accessibilityPermission"]);
    EXPECT_NE(german["overlayDebugLog"], english["overlayDebugLog"]);

    model.captureCoordinator()->handleCompletedStroke(kCompletedUpThenDown);
    env.timeline->runUntilIdle();
    const QJsonObject afterStroke = readState(env);
    EXPECT_EQ(afterStroke["lastGesture"].toString(), spokenLabel(kUpDown));
    EXPECT_NE(afterStroke["lastGesture"].toString(), QStringLiteral("Up then Down"));
    EXPECT_EQ(afterStroke["lastAction"].toString(),
              displayLabel(GestureAction::predefined(PredefinedAction::refresh)));
}

}  // namespace
}  // namespace quillorbitex
