#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "Services/Capture/GestureCaptureCoordinator.h"
#include "Services/Capture/TrackpadGestureMonitor.h"
#include "support/CoordinatorHarness.h"
#include "support/ManualExecutor.h"
#include "support/SimulatedEventTap.h"
#include "support/TapEvents.h"

namespace quillorbitex {
namespace {

using namespace std::chrono_literals;

// Rule edits land on the main thread while strokes are analysed live and recognised on the
// engine's own queues: every pass must see whole lists, and no stroke may be lost.
TEST(GestureCaptureCoordinatorConcurrency, RuleEditsWhileStrokesAreRecognised) {
    auto tap = std::make_shared<testing::SimulatedEventTap>();
    auto monitor = std::make_shared<TrackpadGestureMonitor>(tap, nullptr);
    auto store = std::make_shared<GestureMappingStore>();
    auto dispatcher = std::make_shared<testing::RecordingActionDispatcher>();
    testing::ManualExecutor main;  // this test thread plays the main thread

    GestureCaptureCoordinator::Configuration configuration;
    configuration.monitor = monitor;
    configuration.actionDispatcher = dispatcher;
    configuration.mappingStore = store;
    configuration.mainExecutor = &main;
    configuration.liveUpdateInterval = 0ms;
    configuration.activeBundleIdentifierProvider = [] {
        return std::optional<QString>("org.example.Editor");
    };
    auto coordinator = GestureCaptureCoordinator::create(configuration);
    std::atomic<int> completed{0};
    std::atomic<int> liveStates{0};
    coordinator->onSessionCompleted = [&](const GestureCaptureDebugResult&) { completed++; };
    coordinator->onLiveHUDStateChanged = [&](const auto&) { liveStates++; };
    ASSERT_EQ(coordinator->start(), GestureMonitorState::running());

    const auto circleTemplate =
        GestureClassifier().makeTemplate(QStringLiteral("Circle"), testing::circle({0, 0}, 80, 40));
    ASSERT_TRUE(circleTemplate.has_value());

    constexpr int kStrokes = 60;
    std::thread input([&] {
        for (int i = 0; i < kStrokes; ++i) {
            const auto points = i % 2 == 0
                                    ? testing::polyline({{400, 400}, {400, 300}, {400, 400}}, 3)
                                    : testing::circle({300, 300}, 70, 36);
            tap->send(testing::buttonDown(points.front()));
            for (std::size_t p = 1; p + 1 < points.size(); ++p) {
                tap->send(testing::drag(points[p]));
            }
            tap->send(testing::buttonUp(points.back()));
        }
    });

    const auto upDown = GestureDescriptor::directional(GesturePattern::upThenDown);
    const auto circleDescriptor = GestureDescriptor::fromTemplate(*circleTemplate);
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    int round = 0;
    while (completed.load() < kStrokes && std::chrono::steady_clock::now() < deadline) {
        switch (round++ % 6) {
            case 0:
                store->upsertCustomTemplateMapping(*circleTemplate,
                                                   GestureAction::openURL("https://x"), {});
                break;
            case 1:
                store->setMappingEnabled(false, upDown);
                break;
            case 2:
                coordinator->setTemplateMatchingThreshold(0.05 + (round % 7) * 0.05);
                break;
            case 3:
                store->replaceAppScopeRules(
                    {GestureAppScopeRule("org.example.Editor", "Editor", false)}, circleDescriptor);
                break;
            case 4:
                store->removeMapping(circleDescriptor);
                break;
            default:
                store->restoreBuiltInMapping(upDown);
                break;
        }
        main.runUntilIdle();
        std::this_thread::yield();
    }
    input.join();
    EXPECT_EQ(completed.load(), kStrokes);
    EXPECT_LE(dispatcher->dispatched().size(), static_cast<std::size_t>(kStrokes));
    coordinator->stop();
    main.runUntilIdle();
    EXPECT_GT(liveStates.load(), 0);
}

}  // namespace
}  // namespace quillorbitex
