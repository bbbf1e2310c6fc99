// From a finished stroke to the call of the action dispatcher: simplification, rule resolution
// and the full-resolution template match, with 0, 10 and 100 freeform rules.
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <random>

#include "Services/Capture/GestureCaptureCoordinator.h"
#include "support/WobblyLoop.h"

namespace quillorbitex {
namespace {

using bench::wobblyLoop;

// Runs every task at once on the calling thread, so one iteration is one whole recognition.
class InlineExecutor final : public Executor {
public:
    void async(Task task) override { task(); }
    void asyncAfter(Duration, Task task) override { task(); }
};

class IdleMonitor final : public TrackpadGestureMonitoring {
public:
    std::shared_ptr<GestureCaptureEngine> captureEngine() const override { return engine_; }
    GestureMonitorState start(CompletedStrokeHandler, PhaseHandler) override {
        return GestureMonitorState::running();
    }
    void stop() override {}

private:
    std::shared_ptr<GestureCaptureEngine> engine_ = std::make_shared<GestureCaptureEngine>();
};

class CountingDispatcher final : public GestureActionDispatching {
public:
    bool dispatch(const GestureAction&) override {
        ++count;
        return true;
    }
    std::int64_t count = 0;
};

void finishedStrokeToDispatch(benchmark::State& state) {
    std::mt19937 random(7);
    GestureClassifier classifier;
    std::vector<GestureMapping> rules;
    for (int i = 0; i < state.range(0); ++i) {
        const auto t =
            classifier.makeTemplate(QStringLiteral("Shape %1").arg(i), wobblyLoop(random, 120));
        rules.emplace_back(GestureDescriptor::fromTemplate(*t),
                           GestureAction::openURL("https://example.org"), QString(), std::nullopt,
                           GestureMappingSource::custom, true, std::vector<GestureAppScopeRule>{});
    }
    auto dispatcher = std::make_shared<CountingDispatcher>();
    auto inlineExecutor = std::make_shared<InlineExecutor>();
    GestureCaptureCoordinator::Configuration configuration;
    configuration.monitor = std::make_shared<IdleMonitor>();
    configuration.actionDispatcher = dispatcher;
    configuration.mappingStore =
        std::make_shared<GestureMappingStore>(GesturePresets::builtInMappings(), rules);
    configuration.liveAnalysisQueue = inlineExecutor;
    configuration.finalRecognitionQueue = inlineExecutor;
    configuration.mainExecutor = inlineExecutor.get();
    configuration.activeBundleIdentifierProvider = [] {
        return std::optional<QString>("org.example.Editor");
    };
    auto coordinator = GestureCaptureCoordinator::create(configuration);
    // Accept anything, so that every iteration reaches the dispatcher when there are rules.
    coordinator->setTemplateMatchingThreshold(10);

    CompletedStroke stroke;
    stroke.rawPoints = wobblyLoop(random, 300);  // a slow stroke: one raw point per pixel or two
    stroke.suppressesSystemClick = true;
    for (auto _ : state) {
        coordinator->handleCompletedStroke(stroke);
    }
    state.counters["dispatched"] =
        static_cast<double>(dispatcher->count) / static_cast<double>(state.iterations());
}
BENCHMARK(finishedStrokeToDispatch)->Arg(0)->Arg(10)->Arg(100)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillorbitex
