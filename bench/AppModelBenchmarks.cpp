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

namespace quillorbitex {
namespace {

class MemoryDefaults final : public UserDefaults {
public:
    std::optional<Value> value(const QString& key) const override {
        const auto found = values_.find(key);
        return found == values_.end() ? std::nullopt : std::optional(found->second);
    }
    void setValue(const QString& key, const Value& value) override { values_[key] = value; }
    void removeValue(const QString& key) override { values_.erase(key); }
    void removeAll() override { values_.clear(); }
    std::optional<QString> storageDirectory() const override { return std::nullopt; }

private:
    std::map<QString, Value> values_;
};

// Preferences that keep nothing: what is left is the model's own share of a republish.
class DiscardingSettingsStore final : public GestureSettingsStoreProtocol {
public:
    bool isAutomaticUpdateCheckEnabled() const override { return true; }
    void setAutomaticUpdateCheckEnabled(bool) override {}
    AppLanguageOverride languageOverride() const override { return AppLanguageOverride::english; }
    void setLanguageOverride(AppLanguageOverride) override {}
    bool isCaptureEnabled() const override { return false; }
    void setCaptureEnabled(bool) override {}
    bool hasCompletedOnboarding() const override { return true; }
    void setHasCompletedOnboarding(bool) override {}
    std::vector<GestureMapping> customMappings() const override { return {}; }
    void setCustomMappings(const std::vector<GestureMapping>&) override {}
    std::vector<GestureDescriptor> disabledBuiltInPatterns() const override { return {}; }
    void setDisabledBuiltInPatterns(const std::vector<GestureDescriptor>&) override {}
    double gestureMatchingThreshold() const override { return 0.18; }
    void setGestureMatchingThreshold(double) override {}
    AppThemeOverride themeOverride() const override { return AppThemeOverride::system; }
    void setThemeOverride(AppThemeOverride) override {}
    void reset() override {}
};

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

std::vector<Point> wobblyLoop(std::mt19937& random) {
    std::uniform_real_distribution<double> wobble(0.5, 1.5);
    const double a = wobble(random);
    const double b = wobble(random);
    std::vector<Point> points;
    for (int i = 0; i < 120; ++i) {
        const double t = 2 * std::numbers::pi * i / 119;
        points.push_back({400 + 120 * a * std::cos(t), 400 + 90 * b * std::sin(2 * t)});
    }
    return points;
}

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
