#include "Services/Capture/GestureCaptureCoordinator.h"

#include <gtest/gtest.h>

#include "Models/LiveHUDState.h"
#include "Services/Actions/GestureActionDispatcher.h"
#include "support/CoordinatorHarness.h"
#include "support/FakeWorkspace.h"
#include "support/RuleFactory.h"
#include "support/ScopedLanguageOverride.h"

namespace quillorbitex {
namespace {

using namespace std::chrono_literals;
using testing::circle;
using testing::CoordinatorHarness;
using testing::customRule;
using testing::polyline;

const std::vector<Point> kUpThenDown = polyline({{400, 400}, {400, 300}, {400, 400}}, 4);

GestureMapping circleRule(const QString& url = QStringLiteral("https://example.org/circle")) {
    const auto gestureTemplate =
        GestureClassifier().makeTemplate(QStringLiteral("Circle"), circle({500, 500}, 80, 48));
    return customRule(GestureDescriptor::fromTemplate(*gestureTemplate),
                      GestureAction::openURL(url));
}

// Collects what reaches the main thread.
struct Published {
    std::vector<std::optional<LiveHUDState>> hud;
    std::vector<std::optional<LiveGestureDebugSession>> debug;
};

class CoordinatorTest : public ::testing::Test {
protected:
    void SetUp() override { start(harness_); }

    void start(CoordinatorHarness& harness) {
        harness.coordinator->onLiveHUDStateChanged = [this](const std::optional<LiveHUDState>& s) {
            published_.hud.push_back(s);
        };
        harness.coordinator->onLiveDebugSessionChanged =
            [this](const std::optional<LiveGestureDebugSession>& s) {
                published_.debug.push_back(s);
            };
        ASSERT_EQ(harness.coordinator->start(), GestureMonitorState::running());
    }

    testing::ScopedLanguageOverride english_{AppLanguageOverride::english};
    CoordinatorHarness harness_;
    Published published_;
};

TEST_F(CoordinatorTest, ABurstOfDragsYieldsOneAnalysisPerInterval) {
    harness_.press({100, 100});
    harness_.main.runUntilIdle();  // the first analysis of a stroke runs at once
    ASSERT_EQ(published_.hud.size(), 1u);

    for (int i = 1; i <= 20; ++i) {
        harness_.dragTo({100, 100.0 - i});
    }
    harness_.timeline->advance(49ms);
    EXPECT_EQ(published_.hud.size(), 1u);
    EXPECT_EQ(harness_.timeline->pendingCount(), 1u) << "one analysis waits for the whole burst";
    harness_.timeline->advance(1ms);
    EXPECT_EQ(published_.hud.size(), 2u);
    // All twenty drags went into that one analysis.
    ASSERT_TRUE(published_.debug.back().has_value());
    EXPECT_EQ(published_.debug.back()->points.size(), 11u);  // start + one render point per 2 px

    // No events, no analyses.
    harness_.timeline->advance(1s);
    EXPECT_EQ(published_.hud.size(), 2u);

    harness_.dragTo({100, 50});
    harness_.timeline->advance(50ms);
    EXPECT_EQ(published_.hud.size(), 3u);
    EXPECT_TRUE(published_.hud.back()->suppressesSystemClick);
}

TEST_F(CoordinatorTest, ReleasingWhileAnAnalysisIsPendingPublishesOneEmptyStateAndNothingAfter) {
    harness_.press({100, 100});
    harness_.timeline->runUntilIdle();
    harness_.dragTo({100, 60});
    harness_.release({100, 60});
    harness_.timeline->advance(1s);
    ASSERT_EQ(published_.hud.size(), 2u);
    EXPECT_FALSE(published_.hud.back().has_value());
    EXPECT_FALSE(published_.debug.back().has_value());
    EXPECT_FALSE(harness_.coordinator->overlayRuntime()->liveHUDState.value().has_value());
}

TEST_F(CoordinatorTest, LiveStateShowsTheRuleThatWouldRun) {
    harness_.press(kUpThenDown.front());
    for (std::size_t i = 1; i < kUpThenDown.size(); ++i) {
        harness_.dragTo(kUpThenDown[i]);
    }
    harness_.timeline->advance(50ms);
    const auto hud = published_.hud.back();
    ASSERT_TRUE(hud.has_value());
    EXPECT_EQ(hud->detectedPattern, GestureDescriptor::directional(GesturePattern::upThenDown));
    EXPECT_EQ(hud->matchedAction, GestureAction::predefined(PredefinedAction::refresh));
    EXPECT_EQ(hud->overlayTitleLabel(), QStringLiteral("Up -> Down - Control + R"));
    EXPECT_EQ(hud->overlayStatusLabel(), QStringLiteral("Refresh"));
    EXPECT_EQ(harness_.coordinator->overlayRuntime()->liveHUDState.value(), hud);
    // Without a gesture the title is what is sent; an empty name is no name.
    LiveHUDState unnamed = *hud;
    unnamed.detectedPattern.reset();
    unnamed.matchedRuleName = QString();
    EXPECT_EQ(unnamed.overlayTitleLabel(), QStringLiteral("Control + R"));
    EXPECT_EQ(unnamed.overlayStatusLabel(), QStringLiteral("Refresh"));
}

TEST_F(CoordinatorTest, ANewStrokeBetweenTwoAnalysesNeverExtendsTheOldOne) {
    auto& engine = *harness_.monitor->captureEngine();
    harness_.press({100, 100});
    harness_.timeline->runUntilIdle();
    // The button goes up and down again and the new stroke grows, while the phase reports of
    // that are still on their way to the live queue: the analysis reads the engine first.
    engine.end({100, 100});
    engine.begin({300, 300});
    for (int i = 1; i <= 40; ++i) {
        engine.append({300.0 + i, 300});
    }
    harness_.dragTo({341, 300});
    harness_.timeline->advance(50ms);
    const auto debug = published_.debug.back();
    ASSERT_TRUE(debug.has_value());
    ASSERT_FALSE(debug->points.empty());
    EXPECT_EQ(debug->points.front(), (Point{300, 300}));
    for (const Point& p : debug->points) {
        EXPECT_EQ(p.y, 300) << "a point of the previous stroke leaked into the new one";
    }
}

TEST_F(CoordinatorTest, LiveTemplateMatchIsCachedForAShortWhile) {
    harness_.store->upsertCustomTemplateMapping(
        *circleRule().pattern().gestureTemplate(),
        GestureAction::openURL("https://example.org/circle"), std::nullopt);
    const auto points = circle({500, 500}, 80, 48);
    harness_.press(points[0]);
    for (std::size_t i = 1; i < 30; ++i) {
        harness_.dragTo(points[i]);
    }
    harness_.timeline->advance(50ms);
    ASSERT_TRUE(published_.hud.back().has_value());
    ASSERT_FALSE(published_.hud.back()->hasMatchedGesture())
        << "two thirds of a circle is no circle";

    // Within 0.12 s of that evaluation the cached "no match" stands, although the circle closed.
    for (std::size_t i = 30; i < points.size(); ++i) {
        harness_.dragTo(points[i]);
    }
    harness_.timeline->advance(50ms);
    EXPECT_FALSE(published_.hud.back()->hasMatchedGesture());

    // After it, the grown stroke is matched again.
    harness_.timeline->advance(30ms);
    harness_.dragTo({points.back().x, points.back().y + 1});
    harness_.timeline->advance(50ms);
    ASSERT_TRUE(published_.hud.back()->hasMatchedGesture());
    EXPECT_EQ(published_.hud.back()->overlayTitleLabel(),
              QStringLiteral("Circle - Open https://example.org/circle"));
}

// The veto is asked first; a vetoed gesture is neither dispatched nor reported as recognised, but
// its debug result still is. A failed dispatch is reported all the same.
TEST(CoordinatorCallbacks, RunInOrderOnTheFinalQueue) {
    for (const bool allowed : {true, false}) {
        CoordinatorHarness harness;
        std::vector<std::string> order;
        harness.coordinator->shouldDispatchRecognizedGesture = [&](const auto&, const auto&,
                                                                   const auto&) {
            order.push_back("veto");
            return allowed;
        };
        harness.dispatcher->onDispatch = [&] { order.push_back("dispatch"); };
        harness.dispatcher->setResult(false);
        std::optional<RecentGestureSnapshot> snapshot;
        harness.coordinator->onRecognized = [&](const RecentGestureSnapshot& s) {
            order.push_back("recognized");
            snapshot = s;
        };
        std::optional<GestureCaptureDebugResult> result;
        harness.coordinator->onSessionCompleted = [&](const GestureCaptureDebugResult& r) {
            order.push_back("completed");
            result = r;
        };
        ASSERT_EQ(harness.coordinator->start(), GestureMonitorState::running());
        harness.drawStroke(kUpThenDown);
        harness.timeline->runUntilIdle();

        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(result->directions, (std::vector{GestureDirection::up, GestureDirection::down}));
        EXPECT_EQ(result->matchedAction, GestureAction::predefined(PredefinedAction::refresh));
        EXPECT_TRUE(result->suppressedSystemClick);
        EXPECT_EQ(result->points.front(), kUpThenDown.front());
        if (!allowed) {
            EXPECT_EQ(order, (std::vector<std::string>{"veto", "completed"}));
            continue;
        }
        EXPECT_EQ(order, (std::vector<std::string>{"veto", "dispatch", "recognized", "completed"}));
        ASSERT_TRUE(snapshot.has_value());
        EXPECT_FALSE(snapshot->dispatched);
        EXPECT_EQ(snapshot->pattern, GestureDescriptor::directional(GesturePattern::upThenDown));
    }
}

TEST(CoordinatorResolution, ASwitchedOffOrBlockedCustomRuleNeverFallsBackToThePreset) {
    const auto upDown = GestureDescriptor::directional(GesturePattern::upThenDown);
    const auto openEditor = GestureAction::openApp("org.example.Editor");
    for (const auto& rule :
         {customRule(upDown, openEditor, std::nullopt, false),
          customRule(upDown, openEditor, std::nullopt, true,
                     {GestureAppScopeRule("org.example.Browser", "Browser", false)})}) {
        CoordinatorHarness harness({rule});
        harness.frontmost = QStringLiteral("ORG.EXAMPLE.BROWSER");
        std::optional<GestureCaptureDebugResult> result;
        harness.coordinator->onSessionCompleted = [&](const GestureCaptureDebugResult& r) {
            result = r;
        };
        ASSERT_EQ(harness.coordinator->start(), GestureMonitorState::running());
        harness.drawStroke(kUpThenDown);
        harness.timeline->runUntilIdle();
        EXPECT_TRUE(harness.dispatcher->dispatched().empty());
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(result->detectedPattern, upDown);  // classified, but no rule
        EXPECT_FALSE(result->matchedAction.has_value());
    }
}

// A window manager whose focus follows the pointer moves the focus to the window a stroke was
// released over, while the button is held or before recognition is done. The stroke is still
// for the window in front as it began: its rule, live and final, and where its keys go.
TEST(CoordinatorResolution, AStrokeIsForTheWindowInFrontAsItBegan) {
    constexpr std::uint64_t kBrowserWindow = 0x1e00004;
    constexpr std::uint64_t kTerminalWindow = 0x2200009;
    const auto reload =
        GestureAction::keyboardShortcut({KeyboardKeyToken::r, {ModifierKey::control}});
    const auto rule = customRule(GestureDescriptor::directional(GesturePattern::upThenDown), reload,
                                 QStringLiteral("Reload"), true,
                                 {GestureAppScopeRule("org.example.Terminal", "Terminal", false)});
    enum class FocusMoves { whileHeld, afterRelease };
    for (const FocusMoves moves : {FocusMoves::whileHeld, FocusMoves::afterRelease}) {
        SCOPED_TRACE(moves == FocusMoves::whileHeld ? "while held" : "after the release");
        CoordinatorHarness harness({rule});
        std::vector<std::optional<GestureAction>> liveActions;
        std::vector<std::optional<GestureAction>> finalActions;
        harness.coordinator->onLiveHUDStateChanged = [&](const std::optional<LiveHUDState>& s) {
            if (s) {
                liveActions.push_back(s->matchedAction);
            }
        };
        harness.coordinator->onSessionCompleted = [&](const GestureCaptureDebugResult& r) {
            finalActions.push_back(r.matchedAction);
        };
        ASSERT_EQ(harness.coordinator->start(), GestureMonitorState::running());
        const auto focusTerminal = [&] {
            harness.frontmost = QStringLiteral("org.example.Terminal");
            harness.frontmostWindow = kTerminalWindow;
        };

        harness.frontmost = QStringLiteral("org.example.Browser");
        harness.frontmostWindow = kBrowserWindow;
        harness.press(kUpThenDown.front());
        if (moves == FocusMoves::whileHeld) {
            focusTerminal();
        }
        for (std::size_t i = 1; i + 1 < kUpThenDown.size(); ++i) {
            harness.dragTo(kUpThenDown[i]);
            harness.timeline->advance(10ms);
        }
        harness.release(kUpThenDown.back());
        focusTerminal();
        harness.timeline->runUntilIdle();
        EXPECT_EQ(harness.dispatcher->dispatched(), std::vector{reload});
        EXPECT_EQ(harness.dispatcher->windows(), std::vector{kBrowserWindow});
        ASSERT_FALSE(liveActions.empty());
        EXPECT_EQ(liveActions.back(), reload);
        EXPECT_EQ(finalActions, std::vector<std::optional<GestureAction>>{reload});

        // The next stroke begins in the terminal, where the rule is blocked.
        harness.drawStroke(kUpThenDown);
        harness.timeline->runUntilIdle();
        EXPECT_EQ(harness.dispatcher->dispatched().size(), 1u);
        EXPECT_EQ(finalActions.size(), 2u);
        EXPECT_EQ(finalActions.back(), std::nullopt);
    }
}

TEST(CoordinatorResolution, FreeformRulesMatchByShapeAndRespectTheThreshold) {
    CoordinatorHarness harness({circleRule()});
    ASSERT_EQ(harness.coordinator->start(), GestureMonitorState::running());
    harness.drawStroke(circle({300, 300}, 60, 40));  // smaller and elsewhere: same shape
    harness.drawStroke(polyline({{100, 100}, {300, 120}}, 3));
    harness.timeline->runUntilIdle();
    EXPECT_EQ(harness.dispatcher->dispatched(),
              (std::vector{GestureAction::openURL("https://example.org/circle")}));

    // A threshold below any real distance lets nothing match.
    harness.coordinator->setTemplateMatchingThreshold(0.0);
    harness.drawStroke(circle({300, 300}, 60, 37));
    harness.timeline->runUntilIdle();
    EXPECT_EQ(harness.dispatcher->dispatched().size(), 1u);
}

TEST(CoordinatorLifetime, QueuedWorkOfADestroyedCoordinatorDoesNothing) {
    CoordinatorHarness harness;
    bool called = false;
    harness.coordinator->onSessionCompleted = [&](const GestureCaptureDebugResult&) {
        called = true;
    };
    harness.coordinator->onLiveHUDStateChanged = [&](const auto&) { called = true; };
    ASSERT_EQ(harness.coordinator->start(), GestureMonitorState::running());
    harness.drawStroke(kUpThenDown);
    ASSERT_GT(harness.timeline->pendingCount(), 0u);
    harness.coordinator.reset();
    harness.timeline->advance(1s);
    EXPECT_FALSE(called);
    EXPECT_TRUE(harness.dispatcher->dispatched().empty());
}

class SilentKeyboard final : public KeyboardShortcutDispatching {
public:
    bool dispatch(const KeyboardShortcutDescriptor&) override { return true; }
};

class EnginelessMonitor final : public TrackpadGestureMonitoring {
public:
    std::shared_ptr<GestureCaptureEngine> captureEngine() const override { return nullptr; }
    GestureMonitorState start(CompletedStrokeHandler, PhaseHandler) override {
        return GestureMonitorState::running();
    }
    void stop() override {}
};

// The core cannot make up a tap, a rule store or a workspace: without one the coordinator is
// refused when it is built, rather than failing on the first stroke or action.
TEST(CoordinatorConstruction, AMissingCollaboratorIsRefusedAtConstruction) {
    using Configuration = GestureCaptureCoordinator::Configuration;
    struct Case {
        const char* name;
        std::function<void(Configuration&)> change;
        bool accepted;
    };
    const std::vector<Case> cases{
        {"everything given", [](Configuration&) {}, true},
        {"the default action dispatcher", [](Configuration& c) { c.actionDispatcher = nullptr; },
         true},
        {"no monitor", [](Configuration& c) { c.monitor = nullptr; }, false},
        {"a monitor without an engine",
         [](Configuration& c) { c.monitor = std::make_shared<EnginelessMonitor>(); }, false},
        {"no rule store", [](Configuration& c) { c.mappingStore = nullptr; }, false},
        {"the default action dispatcher without a workspace",
         [](Configuration& c) {
             c.actionDispatcher = nullptr;
             c.workspace = nullptr;
         },
         false},
        {"the default action dispatcher without a keyboard dispatcher",
         [](Configuration& c) {
             c.actionDispatcher = nullptr;
             c.dispatcher = nullptr;
         },
         false},
    };
    testing::ManualExecutor main;
    for (const auto& testCase : cases) {
        Configuration configuration;
        configuration.monitor = std::make_shared<TrackpadGestureMonitor>(
            std::make_shared<testing::SimulatedEventTap>(), nullptr);
        configuration.mappingStore = std::make_shared<GestureMappingStore>();
        configuration.actionDispatcher = std::make_shared<testing::RecordingActionDispatcher>();
        configuration.dispatcher = std::make_shared<SilentKeyboard>();
        configuration.workspace = std::make_shared<testing::FakeWorkspace>();
        configuration.liveAnalysisQueue = std::make_shared<testing::ManualExecutor>();
        configuration.finalRecognitionQueue = std::make_shared<testing::ManualExecutor>();
        configuration.mainExecutor = &main;
        testCase.change(configuration);
        EXPECT_EQ(GestureCaptureCoordinator::create(std::move(configuration)) != nullptr,
                  testCase.accepted)
            << testCase.name;
    }
}

TEST(CoordinatorConstructionDeathTest, AnActionDispatcherWithoutItsCollaboratorsEndsAtOnce) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto keyboard = std::make_shared<SilentKeyboard>();
    const auto workspace = std::make_shared<testing::FakeWorkspace>();
    EXPECT_DEATH({ GestureActionDispatcher dispatcher(keyboard, nullptr); },
                 "needs a keyboard dispatcher and a workspace");
    EXPECT_DEATH({ GestureActionDispatcher dispatcher(nullptr, workspace); },
                 "needs a keyboard dispatcher and a workspace");
}

}  // namespace
}  // namespace quillorbitex
