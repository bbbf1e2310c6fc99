// The dashboard with 200 custom rules (offscreen): building the whole window and its rule sections
// alone, and what one rule switched off costs until the window shows it, split into the model's
// republish and save and the views' own update.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <cmath>
#include <map>
#include <memory>
#include <numbers>
#include <random>

#include "Platform/JsonFileUserDefaults.h"
#include "Services/Capture/GestureClassifier.h"
#include "Services/Stats/GestureUsageStatsStore.h"
#include "ViewModels/AppModel.h"
#include "Views/ContentView.h"
#include "Views/Dashboard/CustomRulesSectionContent.h"
#include "Views/Dashboard/DashboardView.h"
#include "Views/Dashboard/PresetRulesSectionContent.h"
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

constexpr int kCustomRules = 200;
constexpr int kPageWidth = 880;
constexpr int kViewportHeight = 700;
// The window's size when it opens.
constexpr QSize kWindowSize{1100, 780};

QApplication& application() {
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

// 200 custom rules of every kind of action, some named, some off, some scoped to applications,
// with counts in the usage database.
std::vector<GestureMapping> customRules() {
    std::mt19937 random(7);
    GestureClassifier classifier;
    std::vector<GestureMapping> rules;
    for (int i = 0; i < kCustomRules; ++i) {
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

struct Fixture {
    explicit Fixture(std::shared_ptr<GestureSettingsStoreProtocol> settings = nullptr,
                     Preferences preferences = Preferences::inMemory) {
        application();
        Theme::setAnimationsEnabled(false);
        AppModel::Platform platform;
        if (preferences == Preferences::inFile) {
            // The program's own preferences: a JSON file written and synced on every change.
            platform.userDefaults = std::make_shared<JsonFileUserDefaults>(
                JsonFileUserDefaults::filePathIn(dir.path()));
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
        store->replaceCustomMappings(customRules());
        model->syncMappingsFromStore();
        for (const GestureMapping& rule : model->customMappings()) {
            stats->recordInvocation(rule.id());
        }
    }

    QTemporaryDir dir;
    std::unique_ptr<AppModel> model;
};

// The two sections on a page of the dashboard's width, laid out.
struct Sections {
    explicit Sections(AppModel& model) {
        auto* layout = new QVBoxLayout(&page);
        layout->setContentsMargins(28, 24, 28, 24);
        layout->setSpacing(24);
        layout->addWidget(new CustomRulesSectionContent(model));
        layout->addWidget(new PresetRulesSectionContent(model));
        page.setFixedWidth(kPageWidth);
        page.show();
        // What the event loop does before the window's first frame: polish, lay out.
        QCoreApplication::sendPostedEvents();
    }

    // Paints what a window of the dashboard's height shows of the page's top.
    void paintViewport() {
        QImage image(kPageWidth, kViewportHeight, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        page.render(&painter, QPoint(), QRegion(0, 0, kPageWidth, kViewportHeight));
    }

    QWidget page;
};

// Building, showing and laying out the sections; closing them is not counted.
void buildSections(benchmark::State& state) {
    Fixture fixture;
    for (auto _ : state) {
        auto sections = std::make_unique<Sections>(*fixture.model);
        benchmark::DoNotOptimize(sections->page.height());
        state.PauseTiming();
        sections.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(buildSections)->Unit(benchmark::kMillisecond);

// The same until the first screenful is painted.
void buildAndPaintSections(benchmark::State& state) {
    Fixture fixture;
    for (auto _ : state) {
        auto sections = std::make_unique<Sections>(*fixture.model);
        sections->paintViewport();
        state.PauseTiming();
        sections.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(buildAndPaintSections)->Unit(benchmark::kMillisecond);

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
    Fixture fixture;
    toggle(state, fixture, nullptr);
}
BENCHMARK(toggleModelOnly)->Unit(benchmark::kMillisecond);

// Without saving the preferences: the model's republish alone.
void toggleModelOnlyWithoutSaving(benchmark::State& state) {
    Fixture fixture(std::make_shared<DiscardingSettingsStore>());
    fixture.model->mappingStore()->replaceCustomMappings(customRules());
    fixture.model->syncMappingsFromStore();
    toggle(state, fixture, nullptr);
}
BENCHMARK(toggleModelOnlyWithoutSaving)->Unit(benchmark::kMillisecond);

void toggleWithSections(benchmark::State& state) {
    Fixture fixture;
    Sections sections(*fixture.model);
    toggle(state, fixture, &sections);
}
BENCHMARK(toggleWithSections)->Unit(benchmark::kMillisecond);

// Without saving the preferences: the republish and the sections' update alone.
void toggleWithSectionsWithoutSaving(benchmark::State& state) {
    Fixture fixture(std::make_shared<DiscardingSettingsStore>());
    // The discarding store loads nothing: hand the rules to the model again.
    fixture.model->mappingStore()->replaceCustomMappings(customRules());
    fixture.model->syncMappingsFromStore();
    Sections sections(*fixture.model);
    toggle(state, fixture, &sections);
}
BENCHMARK(toggleWithSectionsWithoutSaving)->Unit(benchmark::kMillisecond);

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

    // Scrolls the page so that the custom rule `index` is in view.
    void scrollToCustomRule(AppModel& model, std::size_t index) {
        const QString identifier =
            QStringLiteral("GestureMappingRow_") + model.customMappings()[index].pattern().id();
        DashboardView* page = window.contentView()->dashboard();
        const auto* row = page->findChild<QWidget*>(identifier);
        page->scrollArea()->verticalScrollBar()->setValue(
            row->mapTo(page->scrollArea()->widget(), QPoint()).y());
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

    DashboardWindow window;
};

// Building, showing and laying out the whole window; closing it is not counted.
void buildWindow(benchmark::State& state) {
    Fixture fixture(nullptr, Preferences::inFile);
    for (auto _ : state) {
        auto window = std::make_unique<Window>(*fixture.model);
        benchmark::DoNotOptimize(window->window.height());
        state.PauseTiming();
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(buildWindow)->Unit(benchmark::kMillisecond);

// The same until the first frame is painted.
void buildAndPaintWindow(benchmark::State& state) {
    Fixture fixture(nullptr, Preferences::inFile);
    for (auto _ : state) {
        auto window = std::make_unique<Window>(*fixture.model);
        window->paint();
        state.PauseTiming();
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(buildAndPaintWindow)->Unit(benchmark::kMillisecond);

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
    Fixture fixture(nullptr, Preferences::inFile);
    toggleInWindow(state, fixture);
}
BENCHMARK(toggleInWindow)->Unit(benchmark::kMillisecond);

// Without saving the preferences: the republish, the views' update and the repaint alone.
void toggleInWindowWithoutSaving(benchmark::State& state) {
    Fixture fixture(std::make_shared<DiscardingSettingsStore>());
    fixture.model->mappingStore()->replaceCustomMappings(customRules());
    fixture.model->syncMappingsFromStore();
    toggleInWindow(state, fixture);
}
BENCHMARK(toggleInWindowWithoutSaving)->Unit(benchmark::kMillisecond);

// What every card does once when it is built.
void readInvocationCounts(benchmark::State& state) {
    Fixture fixture;
    const std::vector<GestureMapping> rules = fixture.model->customMappings();
    for (auto _ : state) {
        qint64 total = 0;
        for (const GestureMapping& rule : rules) {
            total += fixture.model->triggerCount(rule.pattern());
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(readInvocationCounts)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillorbitex
