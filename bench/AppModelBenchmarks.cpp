// The application model's work on the main thread that grows with the user's data: republishing
// and saving the rule lists after an edit (1,000 freeform rules), and the list of applications the
// editors offer (500 installed, 50 running); and what one recognised gesture costs the main thread
// while another program holds the usage database.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cmath>
#include <map>
#include <mutex>
#include <numbers>
#include <random>
#include <thread>

#include "Platform/JsonFileUserDefaults.h"
#include "Services/Stats/GestureUsageStatsStore.h"
#include "ViewModels/AppModel.h"
#include "support/CollectingExecutor.h"
#include "support/DiscardingSettingsStore.h"
#include "support/MemoryDefaults.h"
#include "support/WobblyLoop.h"

namespace quillorbitex {
namespace {

using bench::DiscardingSettingsStore;
using bench::MemoryDefaults;
using bench::wobblyLoop;

class ListedWorkspace final : public Workspace {
public:
    std::optional<QString> frontmostApplicationIdentifier() const override { return {}; }
    std::optional<QString> frontmostOtherApplicationIdentifier() const override { return {}; }
    std::optional<WorkspaceApplication> application(const QString&) const override { return {}; }
    bool openApplication(const WorkspaceApplication&) override { return false; }
    std::optional<WorkspaceApplication> applicationForURL(const QUrl&) const override { return {}; }
    bool openURL(const QUrl&) override { return false; }
    std::vector<WorkspaceApplication> runningApplications() const override { return running; }
    std::vector<WorkspaceApplication> installedApplications() const override { return installed; }

    std::vector<WorkspaceApplication> installed;
    std::vector<WorkspaceApplication> running;
};

struct ModelWithRules {
    explicit ModelWithRules(std::shared_ptr<UserDefaults> defaults,
                            std::shared_ptr<GestureSettingsStoreProtocol> settings = nullptr) {
        std::mt19937 random(11);
        GestureClassifier classifier;
        auto store = std::make_shared<GestureMappingStore>();
        std::vector<GestureMapping> rules;
        for (int i = 0; i < 1000; ++i) {
            const auto t =
                classifier.makeTemplate(QStringLiteral("Shape %1").arg(i), wobblyLoop(random));
            rules.emplace_back(
                GestureDescriptor::fromTemplate(*t),
                GestureAction::openURL(QStringLiteral("https://example.org/%1").arg(i)), QString(),
                QStringLiteral("Rule %1").arg(i), GestureMappingSource::custom, true,
                std::vector<GestureAppScopeRule>{});
        }
        AppModel::Platform platform;
        platform.userDefaults = std::move(defaults);
        AppModel::Services services;
        services.settingsStore = std::move(settings);
        services.statsStore = std::make_shared<GestureUsageStatsStore>(
            GestureUsageStatsStore::databasePathIn(dir.path()));
        model = std::make_unique<AppModel>(UITestConfig{}, store, false, platform, services);
        store->replaceCustomMappings(rules);
        model->syncMappingsFromStore();
    }

    QTemporaryDir dir;
    std::unique_ptr<AppModel> model;
};

void toggleAndSync(benchmark::State& state, ModelWithRules& fixture) {
    const GestureDescriptor edited = fixture.model->customMappings()[500].pattern();
    bool enabled = false;
    for (auto _ : state) {
        fixture.model->mappingStore()->setMappingEnabled(enabled, edited);
        fixture.model->syncMappingsFromStore();
        enabled = !enabled;
    }
}

// One rule switched on or off, then republished without saving: the model's own share.
void syncMappingsFromStorePublishOnly(benchmark::State& state) {
    ModelWithRules fixture(nullptr, std::make_shared<DiscardingSettingsStore>());
    toggleAndSync(state, fixture);
}
BENCHMARK(syncMappingsFromStorePublishOnly)->Unit(benchmark::kMillisecond);

// Republished and saved to preferences in memory: the rule lists' JSON included.
void syncMappingsFromStoreInMemory(benchmark::State& state) {
    ModelWithRules fixture(std::make_shared<MemoryDefaults>());
    toggleAndSync(state, fixture);
}
BENCHMARK(syncMappingsFromStoreInMemory)->Unit(benchmark::kMillisecond);

// The same with the preferences file written to disk, as the program does.
void syncMappingsFromStoreToFile(benchmark::State& state) {
    QTemporaryDir preferences;
    ModelWithRules fixture(std::make_shared<JsonFileUserDefaults>(
        JsonFileUserDefaults::filePathIn(preferences.path())));
    toggleAndSync(state, fixture);
}
BENCHMARK(syncMappingsFromStoreToFile)->Unit(benchmark::kMillisecond);

void availableAppScopeChoices(benchmark::State& state) {
    auto workspace = std::make_shared<ListedWorkspace>();
    std::mt19937 random(5);
    for (int i = 0; i < 500; ++i) {
        workspace->installed.push_back({QStringLiteral("org.example.App%1").arg(random() % 100000),
                                        QStringLiteral("Application %1").arg(i),
                                        {}});
    }
    for (int i = 0; i < 50; ++i) {
        // Half of them are installed ones, spelled with other letter case.
        const QString id = i % 2 == 0 ? workspace->installed[i * 7].identifier.toUpper()
                                      : QStringLiteral("net.example.Running%1").arg(i);
        workspace->running.push_back({id, QStringLiteral("Running %1").arg(i), {}});
    }
    QTemporaryDir dir;
    AppModel::Platform platform;
    platform.workspace = workspace;
    platform.userDefaults = std::make_shared<MemoryDefaults>();
    AppModel::Services services;
    services.statsStore = std::make_shared<GestureUsageStatsStore>(
        GestureUsageStatsStore::databasePathIn(dir.path()));
    AppModel model(UITestConfig{}, std::make_shared<GestureMappingStore>(), false, platform,
                   services);
    benchmark::DoNotOptimize(model.availableAppScopeChoices());  // the installed scan, once
    for (auto _ : state) {
        benchmark::DoNotOptimize(model.availableAppScopeChoices());
    }
}
BENCHMARK(availableAppScopeChoices)->Unit(benchmark::kMillisecond);

using bench::CollectingExecutor;

class InlineExecutor final : public Executor {
public:
    void async(Task task) override { task(); }
    void asyncAfter(Duration, Task task) override { task(); }
};

// Every action runs, so that every recognised stroke is an invocation to count.
class SucceedingDispatcher final : public GestureActionDispatching {
public:
    bool dispatch(const GestureAction&) override { return true; }
};

// One up-then-down stroke (the preset "Refresh") is recognised while a second connection holds the
// usage database with BEGIN EXCLUSIVE; timed is only what the main thread runs for it, which
// includes counting the invocation.
void recordGestureWhileDatabaseLocked(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = GestureUsageStatsStore::databasePathIn(dir.path());
    CollectingExecutor main;
    AppModel::Platform platform;
    platform.userDefaults = std::make_shared<MemoryDefaults>();
    platform.mainExecutor = &main;
    platform.finalRecognitionQueue = std::make_shared<InlineExecutor>();
    AppModel::Services services;
    services.settingsStore = std::make_shared<DiscardingSettingsStore>();
    services.statsStore = std::make_shared<GestureUsageStatsStore>(path);
    services.actionDispatcher = std::make_shared<SucceedingDispatcher>();
    auto model = std::make_unique<AppModel>(UITestConfig{}, std::make_shared<GestureMappingStore>(),
                                            false, platform, services);
    services.statsStore.reset();
    main.runPending();

    CompletedStroke stroke;
    for (int i = 0; i <= 20; ++i) {
        stroke.rawPoints.push_back({400, 400 - 10.0 * (i <= 10 ? i : 20 - i)});
    }
    stroke.suppressesSystemClick = true;

    sqlite3* holder = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &holder);
    sqlite3_exec(holder, "BEGIN EXCLUSIVE;", nullptr, nullptr, nullptr);
    for (auto _ : state) {
        state.PauseTiming();
        model->captureCoordinator()->handleCompletedStroke(stroke);
        state.ResumeTiming();
        main.runPending();
    }
    sqlite3_exec(holder, "COMMIT;", nullptr, nullptr, nullptr);
    sqlite3_close(holder);
    // Counts still on their way come back to a main thread that is kept turning.
    for (int i = 0; i < 100 && model->triggerCount() < state.iterations(); ++i) {
        main.runPending();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    state.counters["counted"] = static_cast<double>(model->triggerCount());
    model.reset();
}
BENCHMARK(recordGestureWhileDatabaseLocked)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(4);

}  // namespace
}  // namespace quillorbitex
