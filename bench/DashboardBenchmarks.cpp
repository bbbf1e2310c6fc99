// The dashboard with 200 and with 10,000 custom rules (offscreen): building the whole window and
// its rule sections alone, what one rule switched off, renamed or deleted costs until the window
// shows it (split into the model's republish and save and the views' own update) and until the
// rule list is stored, and the memory the open window holds.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>
#include <fstream>
#include <map>
#include <memory>
#include <numbers>
#include <random>

#include "Platform/JsonFileUserDefaults.h"
#include "Services/Capture/GestureClassifier.h"
#include "Services/Settings/GestureSettingsStore.h"
#include "Services/Stats/GestureUsageStatsStore.h"
#include "ViewModels/AppModel.h"
#include "Views/ContentView.h"
#include "Views/Dashboard/CustomRulesSectionContent.h"
#include "Views/Dashboard/DashboardView.h"
#include "Views/Dashboard/PresetRulesSectionContent.h"
#include "Views/Dashboard/RuleListHold.h"
#include "Views/DashboardWindow.h"
#include "Views/Theme/Theme.h"
#include "support/DiscardingSettingsStore.h"
#include "support/MemoryDefaults.h"
#include "support/WobblyLoop.h"

namespace quillorbitex {
namespace {

using bench::DiscardingSettingsStore;
using bench::MemoryDefaults;
using bench::wobblyLoop;

constexpr int kPageWidth = 880;
constexpr int kViewportHeight = 700;
// The window's size when it opens.
constexpr QSize kWindowSize{1100, 780};

// Custom rules of every kind of action, some named, some off, some scoped to applications,
// with counts in the usage database.
std::vector<GestureMapping> customRules(int count) {
    std::mt19937 random(7);
    GestureClassifier classifier;
    std::vector<GestureMapping> rules;
    for (int i = 0; i < count; ++i) {
        GestureAction action = GestureAction::predefined(PredefinedAction::refresh);
        switch (i % 4) {
            case 0:
                action = GestureAction::keyboardShortcut(
                    {KeyboardKeyToken::t, {ModifierKey::command, ModifierKey::shift}});
                break;
            case 1:
                action = GestureAction::openURL(
                    QStringLiteral("https://intranet.example.com/reports/%1?range=30d").arg(i));
                break;
            case 2:
                action = GestureAction::openApp(QStringLiteral("org.example.App%1").arg(i));
                break;
            default:
                action = GestureAction::predefined(PredefinedAction::nextTab);
        }
        std::vector<GestureAppScopeRule> scopes;
        if (i % 5 == 0) {
            scopes.emplace_back(QStringLiteral("firefox-esr"), QStringLiteral("Firefox"), true);
            scopes.emplace_back(QStringLiteral("org.gnome.Terminal"), QStringLiteral("Terminal"),
                                false);
        }
        const auto shape =
            classifier.makeTemplate(QStringLiteral("Shape %1").arg(i), wobblyLoop(random));
        rules.emplace_back(
            GestureDescriptor::fromTemplate(*shape), action, QString(),
            i % 3 == 0 ? std::optional(QStringLiteral("Rule %1").arg(i)) : std::nullopt,
            GestureMappingSource::custom, i % 7 != 0, std::move(scopes));
    }
    return rules;
}

enum class Preferences { inMemory, inFile };

// The program's preferences file, counting the rule lists stored in it, so that a benchmark can
// wait until a change has reached it.
class CountingFileDefaults final : public UserDefaults {
public:
    explicit CountingFileDefaults(const QString& path) : file_(path) {}

    std::optional<Value> value(const QString& key) const override { return file_.value(key); }
    bool setValue(const QString& key, const Value& value) override {
        storedRuleLists += key == GestureSettingsStore::Keys::customMappings ? 1 : 0;
        return file_.setValue(key, value);
    }
    bool removeValue(const QString& key) override { return file_.removeValue(key); }
    bool removeAll() override { return file_.removeAll(); }
    bool hasUnsavedChanges() const override { return file_.hasUnsavedChanges(); }
    bool saveUnsavedChanges() override { return file_.saveUnsavedChanges(); }
    void setSaveObserver(std::function<void()> observer) override {
        file_.setSaveObserver(std::move(observer));
    }
    // The file is watched as the program's is, so that rereading it after a write counts too.
    void setChangeObserver(ChangeObserver observer) override {
        file_.setChangeObserver(std::move(observer));
    }
    std::optional<QString> storageDirectory() const override { return file_.storageDirectory(); }
    std::optional<QByteArray> storedBytes(const QString& key) const override {
        return file_.storedBytes(key);
    }

    int storedRuleLists = 0;

private:
    JsonFileUserDefaults file_;
};

struct Fixture {
    explicit Fixture(const benchmark::State& state,
                     std::shared_ptr<GestureSettingsStoreProtocol> settings = nullptr,
                     Preferences preferences = Preferences::inMemory) {
        Theme::setAnimationsEnabled(false);
        AppModel::Platform platform;
        if (preferences == Preferences::inFile) {
            // The program's own preferences: a JSON file written and synced on every change.
            fileDefaults = std::make_shared<CountingFileDefaults>(
                JsonFileUserDefaults::filePathIn(dir.path()));
            platform.userDefaults = fileDefaults;
        } else {
            platform.userDefaults = std::make_shared<MemoryDefaults>();
        }
        AppModel::Services services;
        services.settingsStore = std::move(settings);
        auto stats = std::make_shared<GestureUsageStatsStore>(
            GestureUsageStatsStore::databasePathIn(dir.path()));
        services.statsStore = stats;
        auto store = std::make_shared<GestureMappingStore>();
        model = std::make_unique<AppModel>(UITestConfig{}, store, false, platform, services);
        reloadRules(state);
        for (const GestureMapping& rule : model->customMappings()) {
            stats->recordInvocation(rule.id());
        }
    }

    // The benchmark's rules handed to the model (again, where a discarding settings store gave it
    // none).
    void reloadRules(const benchmark::State& state) {
        model->mappingStore()->replaceCustomMappings(customRules(static_cast<int>(state.range(0))));
        model->syncMappingsFromStore();
    }

    QTemporaryDir dir;
    std::shared_ptr<CountingFileDefaults> fileDefaults;
    std::unique_ptr<AppModel> model;
};

// The two sections on a scrolling page of the dashboard's width and height, laid out.
struct Sections {
    explicit Sections(AppModel& model) {
        auto* page = new QWidget;
        auto* layout = new QVBoxLayout(page);
        layout->setContentsMargins(28, 24, 28, 24);
        layout->setSpacing(24);
        auto* hold = new RuleListHold(page);
        layout->addWidget(new CustomRulesSectionContent(model, *hold));
        layout->addWidget(new PresetRulesSectionContent(model, *hold));
        scroll.setWidgetResizable(true);
        scroll.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll.setWidget(page);
        scroll.resize(kPageWidth, kViewportHeight);
        scroll.show();
        // What the event loop does before the window's first frame: polish, lay out.
        QCoreApplication::sendPostedEvents();
    }

    // Paints what the page shows of its top.
    void paintViewport() {
        QImage image(kPageWidth, kViewportHeight, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        scroll.render(&painter);
    }

    QScrollArea scroll;
};

// Building, showing and laying out the sections; closing them is not counted.
void buildSections(benchmark::State& state) {
    Fixture fixture(state);
    for (auto _ : state) {
        auto sections = std::make_unique<Sections>(*fixture.model);
        benchmark::DoNotOptimize(sections->scroll.widget()->height());
        state.PauseTiming();
        sections.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(buildSections)->Arg(200)->Arg(10000)->Unit(benchmark::kMillisecond);

// The same until the first screenful is painted.
void buildAndPaintSections(benchmark::State& state) {
    Fixture fixture(state);
    for (auto _ : state) {
        auto sections = std::make_unique<Sections>(*fixture.model);
        sections->paintViewport();
        state.PauseTiming();
        sections.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(buildAndPaintSections)->Arg(200)->Arg(10000)->Unit(benchmark::kMillisecond);

// One rule switched off or on through the model, as the card's button does, until the sections'
// layout is current.
void toggle(benchmark::State& state, Fixture& fixture, Sections* sections) {
    const GestureDescriptor edited = fixture.model->customMappings()[100].pattern();
    bool enabled = false;
    for (auto _ : state) {
        fixture.model->setGestureEnabled(enabled, edited);
        if (sections != nullptr) {
            QCoreApplication::sendPostedEvents();
        }
        enabled = !enabled;
    }
}

void toggleModelOnly(benchmark::State& state) {
    Fixture fixture(state);
    toggle(state, fixture, nullptr);
}
BENCHMARK(toggleModelOnly)->Arg(200)->Arg(10000)->Unit(benchmark::kMillisecond);

// Without saving the preferences: the model's republish alone.
void toggleModelOnlyWithoutSaving(benchmark::State& state) {
    Fixture fixture(state, std::make_shared<DiscardingSettingsStore>());
    fixture.reloadRules(state);
    toggle(state, fixture, nullptr);
}
BENCHMARK(toggleModelOnlyWithoutSaving)->Arg(200)->Arg(10000)->Unit(benchmark::kMillisecond);

void toggleWithSections(benchmark::State& state) {
    Fixture fixture(state);
    Sections sections(*fixture.model);
    toggle(state, fixture, &sections);
}
BENCHMARK(toggleWithSections)->Arg(200)->Arg(10000)->Unit(benchmark::kMillisecond);

// Without saving the preferences: the republish and the sections' update alone.
void toggleWithSectionsWithoutSaving(benchmark::State& state) {
    Fixture fixture(state, std::make_shared<DiscardingSettingsStore>());
    fixture.reloadRules(state);
    Sections sections(*fixture.model);
    toggle(state, fixture, &sections);
}
BENCHMARK(toggleWithSectionsWithoutSaving)->Arg(200)->Arg(10000)->Unit(benchmark::kMillisecond);

// The dashboard window as the program opens it: sidebar, header bar and all four sections.
struct Window {
    // Not inlined, so that a profiler can single it out.
    [[gnu::noinline]] explicit Window(AppModel& model) : window(model, false) {
        window.resize(kWindowSize);
        window.show();
        QCoreApplication::sendPostedEvents();
    }

    // Paints the whole window, as its next frame does.
    void paint() {
        QImage image(window.size(), QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        window.render(&painter);
    }

    // Scrolls the page down, a screenful at a time, until the card of the custom rule `index` is
    // there, then brings it to the top.
    void scrollToCustomRule(AppModel& model, std::size_t index) {
        const QString identifier =
            QStringLiteral("GestureMappingRow_") + model.customMappings()[index].pattern().id();
        DashboardView* page = window.contentView()->dashboard();
        QScrollBar* bar = page->scrollArea()->verticalScrollBar();
        const QWidget* row = nullptr;
        while ((row = page->findChild<QWidget*>(identifier)) == nullptr &&
               bar->value() < bar->maximum()) {
            bar->setValue(bar->value() + bar->pageStep());
            QCoreApplication::sendPostedEvents();
        }
        bar->setValue(row->mapTo(page->scrollArea()->widget(), QPoint()).y());
        QCoreApplication::sendPostedEvents();
    }

    // Puts the window on the (offscreen) screen and paints its first frame, so that from here on
    // the event loop repaints only what changes, as on a desktop.
    void expose() { QCoreApplication::processEvents(); }

    // Switches the rule as its card's button does, then one turn of the event loop: the views
    // follow the model, lay out again and repaint what changed.
    [[gnu::noinline]] void toggle(AppModel& model, const GestureDescriptor& rule, bool enabled) {
        model.setGestureEnabled(enabled, rule);
        QCoreApplication::processEvents();
    }

    [[gnu::noinline]] void rename(AppModel& model, const GestureDescriptor& rule,
                                  const QString& name) {
        model.renameRule(name, rule);
        QCoreApplication::processEvents();
    }

    [[gnu::noinline]] void remove(AppModel& model, const GestureDescriptor& rule) {
        model.removeMapping(rule);
        QCoreApplication::processEvents();
    }

    DashboardWindow window;
};

// Building, showing and laying out the whole window; closing it is not counted.
void buildWindow(benchmark::State& state) {
    Fixture fixture(state, nullptr, Preferences::inFile);
    for (auto _ : state) {
        auto window = std::make_unique<Window>(*fixture.model);
        benchmark::DoNotOptimize(window->window.height());
        state.PauseTiming();
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(buildWindow)->Arg(200)->Arg(10000)->Unit(benchmark::kMillisecond);

// The same until the first frame is painted.
void buildAndPaintWindow(benchmark::State& state) {
    Fixture fixture(state, nullptr, Preferences::inFile);
    for (auto _ : state) {
        auto window = std::make_unique<Window>(*fixture.model);
        window->paint();
        state.PauseTiming();
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(buildAndPaintWindow)->Arg(200)->Arg(10000)->Unit(benchmark::kMillisecond);

// One rule switched off or on in the open window with the rule in view, until the window shows it:
// the model's republish, saving the rules to the preferences file, the views' update and the
// repaint.
void toggleInWindow(benchmark::State& state, Fixture& fixture) {
    Window window(*fixture.model);
    window.scrollToCustomRule(*fixture.model, 100);
    window.expose();
    const GestureDescriptor edited = fixture.model->customMappings()[100].pattern();
    bool enabled = false;
    for (auto _ : state) {
        window.toggle(*fixture.model, edited, enabled);
        enabled = !enabled;
    }
}

void toggleInWindow(benchmark::State& state) {
    Fixture fixture(state, nullptr, Preferences::inFile);
    toggleInWindow(state, fixture);
}
BENCHMARK(toggleInWindow)->Arg(200)->Arg(10000)->Unit(benchmark::kMillisecond);

// The same, each time until the rule list has reached the preferences: a list encoded on
// another thread is stored by the main thread afterwards. The CPU time is the main thread's.
void toggleInWindowUntilStored(benchmark::State& state) {
    Fixture fixture(state, nullptr, Preferences::inFile);
    Window window(*fixture.model);
    window.scrollToCustomRule(*fixture.model, 100);
    window.expose();
    const GestureDescriptor edited = fixture.model->customMappings()[100].pattern();
    bool enabled = false;
    QElapsedTimer waited;
    // Waiting sleeps until an event comes (the timer's at the latest), so it costs no CPU time.
    QTimer wake;
    wake.start(100);
    for (auto _ : state) {
        const int stored = fixture.fileDefaults->storedRuleLists;
        window.toggle(*fixture.model, edited, enabled);
        waited.start();
        while (fixture.fileDefaults->storedRuleLists == stored && waited.elapsed() < 10000) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        if (fixture.fileDefaults->storedRuleLists == stored) {
            state.SkipWithError("the rule list was not stored within 10 s");
            break;
        }
        enabled = !enabled;
    }
}
BENCHMARK(toggleInWindowUntilStored)->Arg(200)->Arg(10000)->Unit(benchmark::kMillisecond);

// Without saving the preferences: the republish, the views' update and the repaint alone.
void toggleInWindowWithoutSaving(benchmark::State& state) {
    Fixture fixture(state, std::make_shared<DiscardingSettingsStore>());
    fixture.reloadRules(state);
    toggleInWindow(state, fixture);
}
BENCHMARK(toggleInWindowWithoutSaving)->Arg(200)->Arg(10000)->Unit(benchmark::kMillisecond);

// One rule renamed in the open window with the rule in view, until the window shows it, without
// saving the preferences.
void renameInWindowWithoutSaving(benchmark::State& state) {
    Fixture fixture(state, std::make_shared<DiscardingSettingsStore>());
    fixture.reloadRules(state);
    Window window(*fixture.model);
    window.scrollToCustomRule(*fixture.model, 100);
    window.expose();
    const GestureDescriptor edited = fixture.model->customMappings()[100].pattern();
    int round = 0;
    for (auto _ : state) {
        window.rename(*fixture.model, edited, QStringLiteral("Renamed %1").arg(++round % 2));
    }
}
BENCHMARK(renameInWindowWithoutSaving)->Arg(200)->Arg(10000)->Unit(benchmark::kMillisecond);

// One rule in view deleted in the open window, until the window shows it, without saving the
// preferences; putting it back afterwards (at the end of the list) is not counted.
void deleteInWindowWithoutSaving(benchmark::State& state) {
    Fixture fixture(state, std::make_shared<DiscardingSettingsStore>());
    fixture.reloadRules(state);
    Window window(*fixture.model);
    window.scrollToCustomRule(*fixture.model, 100);
    window.expose();
    for (auto _ : state) {
        const GestureMapping rule = fixture.model->customMappings()[100];
        window.remove(*fixture.model, rule.pattern());
        state.PauseTiming();
        fixture.model->mappingStore()->upsertCustomTemplateMapping(
            *rule.pattern().gestureTemplate(), rule.action(), rule.name());
        fixture.model->syncMappingsFromStore();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(deleteInWindowWithoutSaving)->Arg(200)->Arg(10000)->Unit(benchmark::kMillisecond);

// Resident memory (MB) before the window opens, while it is open and painted, and after it has
// been closed and deleted, as the program does; then the same a second time ("again_"), without
// what the first window loads once for the life of the process (fonts, style, caches).
double residentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1e6;
}

void windowMemory(benchmark::State& state) {
    Fixture fixture(state, nullptr, Preferences::inFile);
    for (auto _ : state) {
        for (const std::string prefix : {"", "again_"}) {
            state.counters[prefix + "before_MB"] = residentMegabytes();
            auto window = std::make_unique<Window>(*fixture.model);
            window->expose();
            window->paint();
            state.counters[prefix + "open_MB"] = residentMegabytes();
            window.reset();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
            state.counters[prefix + "closed_MB"] = residentMegabytes();
        }
    }
}
BENCHMARK(windowMemory)->Arg(200)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);

// What every card does once when it is built.
void readInvocationCounts(benchmark::State& state) {
    Fixture fixture(state);
    const std::vector<GestureMapping> rules = fixture.model->customMappings();
    for (auto _ : state) {
        qint64 total = 0;
        for (const GestureMapping& rule : rules) {
            total += fixture.model->triggerCount(rule.pattern());
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(readInvocationCounts)->Arg(200)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillorbitex

// The application lives on main()'s stack, so that it goes before the exit handlers run: one
// destroyed by them finds Qt's own globals gone and crashed after the results were printed.
int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int applicationArgc = 1;
    char name[] = "bench_DashboardBenchmarks";
    char* applicationArgv[] = {name, nullptr};
    {
        QApplication application(applicationArgc, applicationArgv);
        benchmark::RunSpecifiedBenchmarks();
    }
    benchmark::Shutdown();
    return 0;
}
