#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <atomic>
#include <chrono>
#include <thread>

#include "Platform/JsonFileUserDefaults.h"
#include "Services/Settings/GestureSettingsStore.h"
#include "ViewModels/AppModelTestEnvironment.h"
#include "support/RuleFactory.h"
#include "support/StrokeShapes.h"
#include "support/WaitUntil.h"

namespace quillorbitex {
namespace {

using namespace std::chrono_literals;
using testing::polyline;

// The engine runs on its own threads (tap, completion, live analysis, final recognition) while
// the main thread edits rules, moves the threshold, arms the editor's capture and switches capture
// off and on. Under ThreadSanitizer this shows that the rule lists, the threshold and the
// awaiting flag reach the recognition queues without a data race.
TEST(AppModelConcurrency, MainThreadChangesWhileStrokesAreRecognised) {
    testing::AppModelTestEnvironment env;
    // Real threads for the engine's queues and the steady clock.
    AppModel::Platform platform = env.platform();
    platform.clock = nullptr;
    platform.monitorCompletionQueue = platform.liveAnalysisQueue = platform.finalRecognitionQueue =
        nullptr;
    testing::ManualExecutor& main = env.main;
    auto& tap = env.tap;

    const auto upDown = GestureDescriptor::directional(GesturePattern::upThenDown);
    const auto leftUp = GestureDescriptor::directional(GesturePattern::leftThenUp);
    {
        AppModel model(UITestConfig{}, env.store, false, platform, {.statsStore = env.stats()});
        ASSERT_EQ(model.monitorState(), GestureMonitorState::running());

        // Strokes keep coming, at a pace a hand could not beat, for as long as the main thread
        // works through its changes.
        std::atomic<bool> changesDone{false};
        std::atomic<int> strokes{0};
        std::thread stroker([&] {
            for (int i = 0; !changesDone && i < 200; ++i) {
                const double x = 300 + (i % 20) * 10;
                env.sendStroke(polyline({{x, 400}, {x, 300}, {x, 400}}, 6));
                ++strokes;
                std::this_thread::sleep_for(2ms);
            }
        });
        int recognised = 0;
        QObject::connect(&model, &AppModel::lastCaptureDebugResultChanged,
                         [&recognised] { ++recognised; });

        for (int i = 0; i < 150; ++i) {
            switch (i % 6) {
                case 0:
                    model.setGestureEnabled(i % 12 == 0, upDown);
                    break;
                case 1:
                    model.setMatchingThreshold(0.1 + (i % 5) * 0.05);
                    break;
                case 2:
                    model.beginGestureCapture();
                    break;
                case 3:
                    model.clearCapturedGestureDraft();
                    model.renameRule(QStringLiteral("Rule %1").arg(i), leftUp);
                    break;
                case 4:
                    model.setCaptureEnabled(i % 24 != 4);
                    break;
                default:
                    model.restoreBuiltInMapping(upDown);
                    model.setCaptureEnabled(true);
                    break;
            }
            main.runUntilIdle();
            std::this_thread::sleep_for(200us);
        }
        changesDone = true;
        stroker.join();
        EXPECT_GT(strokes, 0);

        // One last stroke with everything settled goes through end to end.
        model.restoreBuiltInMapping(upDown);
        model.clearCapturedGestureDraft();
        model.setCaptureEnabled(true);
        ASSERT_EQ(model.monitorState(), GestureMonitorState::running());
        ASSERT_TRUE(tap->waitUntilLiveLoopCount(1, 10s));
        const std::vector<Point> last = polyline({{900, 900}, {900, 800}, {900, 900}}, 5);
        const auto before = model.triggerCount();
        env.sendStroke(last);
        ASSERT_TRUE(testing::waitUntil([&] {
            main.runUntilIdle();
            return model.lastCaptureDebugResult() && model.lastCaptureDebugResult()->points == last;
        }));
        EXPECT_EQ(model.lastCaptureDebugResult()->detectedPattern, upDown);
        EXPECT_GT(model.triggerCount(), before);
        EXPECT_GT(recognised, 1);
    }
    main.runUntilIdle();  // work queued for the model after it was gone does nothing
}

// The store, noting every use made on the thread that built it.
class MainThreadNotingStats final : public GestureUsageStatsStoring {
public:
    explicit MainThreadNotingStats(std::shared_ptr<GestureUsageStatsStoring> store)
        : store_(std::move(store)) {}
    std::int64_t totalInvocationCount() const override {
        return note(), store_->totalInvocationCount();
    }
    std::int64_t recordInvocation(const std::optional<QString>& id) override {
        return note(), store_->recordInvocation(id);
    }
    std::int64_t triggerCount(const QString& id) const override {
        return note(), store_->triggerCount(id);
    }
    void reset() override { note(), store_->reset(); }
    std::optional<Counts> allCounts() override { return note(), store_->allCounts(); }
    Counts waitingCounts() const override { return note(), store_->waitingCounts(); }
    bool hasUnwrittenCounts() const override { return note(), store_->hasUnwrittenCounts(); }
    void writeUnwrittenCounts() override { note(), store_->writeUnwrittenCounts(); }
    std::vector<QString> takeSetAsideFiles() override {
        return note(), store_->takeSetAsideFiles();
    }
    // Meant for any thread: closing calls it on the main thread.
    void finishBy(Duration deadline) override { store_->finishBy(deadline); }

    mutable std::atomic<int> mainThreadUses{0};

private:
    void note() const { mainThreadUses += std::this_thread::get_id() == mainThread_ ? 1 : 0; }
    std::shared_ptr<GestureUsageStatsStoring> store_;
    const std::thread::id mainThread_ = std::this_thread::get_id();
};

// Another program holds the usage database (BEGIN EXCLUSIVE) while a gesture runs its action:
// the main thread never waits for the file, and the count appears while it is held (nothing of
// the file could be read yet).
TEST(AppModelConcurrency, TheUsageDatabaseIsNeverWaitedForOnTheMainThread) {
    testing::AppModelTestEnvironment env;
    AppModel::Platform platform = env.platform();
    platform.statsQueue = nullptr;
    auto stats = std::make_shared<MainThreadNotingStats>(env.stats());
    sqlite3* holder = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(env.stats()->databasePath()).constData(), &holder),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(holder, "BEGIN EXCLUSIVE;", nullptr, nullptr, nullptr), SQLITE_OK);
    {
        AppModel model(UITestConfig{}, env.store, false, platform, {.statsStore = stats});
        env.drawStroke(polyline({{400, 400}, {400, 300}, {400, 400}}, 6));
        ASSERT_TRUE(model.lastGesture().has_value());
        EXPECT_EQ(model.triggerCount(), 0);  // nothing could be read yet
        EXPECT_TRUE(testing::waitUntil([&] {
            env.main.runUntilIdle();
            return model.triggerCount() == 1 &&
                   model.triggerCount(GestureDescriptor::directional(GesturePattern::upThenDown)) ==
                       1;
        }));

        sqlite3_exec(holder, "COMMIT;", nullptr, nullptr, nullptr);
        EXPECT_TRUE(testing::waitUntil([&] {
            env.main.runUntilIdle();
            return model.triggerCount() == 1;
        }));
        EXPECT_EQ(model.triggerCount(GestureDescriptor::directional(GesturePattern::upThenDown)),
                  1);
    }
    sqlite3_close(holder);
    EXPECT_EQ(stats->mainThreadUses, 0);
}

// A long rule list is encoded on a thread of its own and stored by the main thread afterwards.
// That store failing still brings the "Not Saved" row, and the list reaches the file once the
// folder takes it again, with no further change.
TEST(AppModelConcurrency, ALongRuleListStoredAfterTheChangeIsFollowedLikeAnyWrite) {
    testing::AppModelTestEnvironment env;
    const QString folder = env.dir.filePath(QStringLiteral("prefs"));
    const QString path = JsonFileUserDefaults::filePathIn(folder);
    AppModel::Platform platform = env.platform();
    platform.userDefaults = std::make_shared<JsonFileUserDefaults>(path);
    const auto rules = testing::templateRules(
        static_cast<int>(GestureSettingsStore::backgroundEncodingRuleCount) + 100);
    ::testing::internal::CaptureStderr();
    {
        AppModel model(UITestConfig{}, env.store, false, platform, {.statsStore = env.stats()});
        // A file where the folder belongs stops every write, whoever runs the test.
        ASSERT_TRUE(QDir().mkpath(folder));
        ASSERT_TRUE(QDir().rename(folder, folder + QStringLiteral(".away")));
        ASSERT_TRUE(QFile(folder).open(QIODevice::WriteOnly));

        env.store->replaceCustomMappings(rules);
        model.syncMappingsFromStore();
        EXPECT_TRUE(testing::waitUntil([&] {
            env.main.runUntilIdle();
            return model.unsavedPreferencesFolder().has_value();
        }));

        ASSERT_TRUE(QFile::remove(folder));
        ASSERT_TRUE(QDir().rename(folder + QStringLiteral(".away"), folder));
        EXPECT_TRUE(testing::waitUntil([&] {
            env.main.advance(1s);
            return !model.unsavedPreferencesFolder().has_value();
        }));
    }
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(
        GestureSettingsStore(std::make_shared<JsonFileUserDefaults>(path)).customMappings().size(),
        rules.size());
}

}  // namespace
}  // namespace quillorbitex
