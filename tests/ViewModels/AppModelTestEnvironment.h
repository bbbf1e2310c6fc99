#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <memory>

#include "Services/Stats/GestureUsageStatsStore.h"
#include "ViewModels/AppModel.h"
#include "support/FakeAccessibilityTrust.h"
#include "support/FakeAppearance.h"
#include "support/FakeLoginItem.h"
#include "support/FakeWorkspace.h"
#include "support/InMemoryPasteboard.h"
#include "support/InMemoryUserDefaults.h"
#include "support/ManualExecutor.h"
#include "support/RecordingEventPoster.h"
#include "support/ScopedLanguageOverride.h"
#include "support/SimulatedEventTap.h"
#include "support/TapEvents.h"

namespace quillorbitex::testing {

// Everything an AppModel needs, as doubles on one virtual timeline: the main thread and the
// engine's queues run only when the test drives time. The tap runs real threads.
struct AppModelTestEnvironment {
    AppModelTestEnvironment() {
        defaults->values[QStringLiteral("gestureLanguageOverride")] = QStringLiteral("english");
        config.baseDirectory = dir.filePath(QStringLiteral("base"));
        config.stateDumpPath = QDir(config.baseDirectory).filePath(QStringLiteral("state.json"));
    }
    ~AppModelTestEnvironment() {
        model.reset();
        tap->stopAllLoops();
    }

    AppModel::Platform platform() {
        AppModel::Platform p;
        p.eventTap = tap;
        p.eventPoster = poster;
        p.workspace = workspace;
        p.accessibilityTrust = trust;
        p.makeLoginItem = [this](const QString& directory) {
            autostartDirectory = directory;
            return loginItem;
        };
        p.appearance = appearance;
        p.pasteboard = pasteboard;
        p.userDefaults = defaults;
        p.mainExecutor = &main;
        p.clock = &main;
        p.monitorCompletionQueue = completionQueue;
        p.liveAnalysisQueue = liveQueue;
        p.finalRecognitionQueue = finalQueue;
        p.statsQueue = statsQueue;
        return p;
    }

    AppModel& build(AppModel::Services services = {}) {
        if (!services.statsStore && !config.isUITest) {
            services.statsStore = stats();
        }
        model = std::make_unique<AppModel>(config, store, false, platform(), std::move(services));
        timeline->runUntilIdle();
        return *model;
    }

    std::shared_ptr<GestureUsageStatsStore> stats() {
        if (!statsStore) {
            statsStore = std::make_shared<GestureUsageStatsStore>(
                GestureUsageStatsStore::databasePathIn(dir.filePath(QStringLiteral("stats"))));
        }
        return statsStore;
    }

    // Presses, drags through the points and releases over the simulated tap.
    void sendStroke(const std::vector<Point>& points) {
        tap->send(buttonDown(points.front()));
        for (std::size_t i = 1; i + 1 < points.size(); ++i) {
            tap->send(drag(points[i]));
        }
        tap->send(buttonUp(points.back()));
    }
    // ... then lets the engine and the main thread finish with the stroke.
    void drawStroke(const std::vector<Point>& points) {
        sendStroke(points);
        timeline->runUntilIdle();
    }

    std::size_t postedKeyEvents() const {
        std::size_t count = 0;
        for (const SyntheticEvent& event : poster->postedEvents()) {
            count += event.type == SyntheticEventType::keyDown ? 1 : 0;
        }
        return count;
    }

    ScopedLanguageOverride language{AppLanguageOverride::english};
    QTemporaryDir dir;
    std::shared_ptr<ManualTimeline> timeline = std::make_shared<ManualTimeline>();
    ManualExecutor main{timeline};
    std::shared_ptr<ManualExecutor> completionQueue = std::make_shared<ManualExecutor>(timeline);
    std::shared_ptr<ManualExecutor> liveQueue = std::make_shared<ManualExecutor>(timeline);
    std::shared_ptr<ManualExecutor> finalQueue = std::make_shared<ManualExecutor>(timeline);
    std::shared_ptr<ManualExecutor> statsQueue = std::make_shared<ManualExecutor>(timeline);
    std::shared_ptr<SimulatedEventTap> tap = std::make_shared<SimulatedEventTap>();
    std::shared_ptr<RecordingEventPoster> poster = std::make_shared<RecordingEventPoster>();
    std::shared_ptr<FakeWorkspace> workspace = std::make_shared<FakeWorkspace>();
    std::shared_ptr<FakeAccessibilityTrust> trust = std::make_shared<FakeAccessibilityTrust>(true);
    std::shared_ptr<InMemoryUserDefaults> defaults = std::make_shared<InMemoryUserDefaults>();
    std::shared_ptr<FakeLoginItem> loginItem = std::make_shared<FakeLoginItem>();
    std::shared_ptr<FakeAppearance> appearance = std::make_shared<FakeAppearance>();
    std::shared_ptr<InMemoryPasteboard> pasteboard = std::make_shared<InMemoryPasteboard>();
    std::shared_ptr<GestureUsageStatsStore> statsStore;
    std::shared_ptr<GestureMappingStore> store = std::make_shared<GestureMappingStore>();
    UITestConfig config;
    QString autostartDirectory;
    std::unique_ptr<AppModel> model;
};

}  // namespace quillorbitex::testing
