// The application model's work on the main thread that grows with the user's data: republishing
// and saving the rule lists after an edit (1,000 freeform rules), and the list of applications the
// editors offer (500 installed, 50 running).
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <cmath>
#include <map>
#include <numbers>
#include <random>

#include "Platform/JsonFileUserDefaults.h"
#include "Services/Stats/GestureUsageStatsStore.h"
#include "ViewModels/AppModel.h"
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

}  // namespace
}  // namespace quillorbitex
