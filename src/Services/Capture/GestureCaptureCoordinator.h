#pragma once

#include <QString>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "Models/GestureRecords.h"
#include "Models/LiveHUDState.h"
#include "Platform/Executor.h"
#include "Platform/Workspace.h"
#include "Services/Actions/GestureActionDispatching.h"
#include "Services/Capture/GestureClassifier.h"
#include "Services/Capture/GestureOverlayRuntime.h"
#include "Services/Capture/IncrementalGesturePathState.h"
#include "Services/Capture/TrackpadGestureMonitoring.h"
#include "Services/Keyboard/KeyboardShortcutDispatching.h"
#include "Services/Settings/GestureMappingStore.h"

namespace quillorbitex {

// Joins the tap to recognition and action. Strokes in progress are analysed on the live-analysis
// queue for the HUD and the debugging view; every finished stroke is recognised again from its
// full-resolution points on the final-recognition queue, its rule is resolved for the frontmost
// application and the rule's action runs there.
//
// "Frontmost" is the window that was active when the stroke began: the user drew over it. A
// window manager whose focus follows the pointer moves the focus to the window the stroke was
// released over, often before recognition has finished; the rule is still resolved for the
// application the stroke began in, and its keys still go to that window.
//
// Releasing the owner's reference retires the coordinator at once: it waits for a task running on
// another thread to finish, and no queued task runs afterwards, so the owner may destroy the main
// executor, the clock and whatever the callbacks reach right after. The monitor's handlers never
// hold a strong reference, so the coordinator (and with it the monitor) is never destroyed on the
// tap thread.
class GestureCaptureCoordinator {
public:
    using DispatchVeto = std::function<bool(const std::optional<GestureDescriptor>&,
                                            const GestureMapping&, const std::vector<Point>&)>;

    struct Configuration {
        // Required: the tap, with its capture engine.
        std::shared_ptr<TrackpadGestureMonitoring> monitor;
        GestureClassifier classifier;
        // Used only to build the default action dispatcher.
        std::shared_ptr<KeyboardShortcutDispatching> dispatcher;
        // Without one, a GestureActionDispatcher over `dispatcher` and `workspace` is built; then
        // both of those are required.
        std::shared_ptr<GestureActionDispatching> actionDispatcher;
        std::shared_ptr<Workspace> workspace;
        // Required: the rule store shared with the model and the views.
        std::shared_ptr<GestureMappingStore> mappingStore;
        Duration liveUpdateInterval = seconds(0.05);
        Duration liveTemplateMatchingInterval = seconds(0.12);
        // The clock of the live template cache.
        const Clock* clock = nullptr;
        std::function<std::optional<QString>()> activeBundleIdentifierProvider;
        // The active window and its application, read on the tap thread as each stroke begins,
        // so it must only copy what is known. Without it the application comes from
        // activeBundleIdentifierProvider at that moment and actions go to the focused window.
        std::function<FrontmostWindow()> frontmostWindowProvider;
        // Serial executors; without them the coordinator runs its own queues.
        std::shared_ptr<Executor> liveAnalysisQueue;
        std::shared_ptr<Executor> finalRecognitionQueue;
        // Where live states are published; the main thread by default.
        Executor* mainExecutor = nullptr;
    };

    // Nothing when a required collaborator is missing. Release the result after stop(); the
    // release waits for a task in progress on another thread, so no callback may wait for the
    // thread that releases it.
    [[nodiscard]] static std::shared_ptr<GestureCaptureCoordinator> create(
        Configuration configuration);
    ~GestureCaptureCoordinator();

    GestureCaptureCoordinator(const GestureCaptureCoordinator&) = delete;
    GestureCaptureCoordinator& operator=(const GestureCaptureCoordinator&) = delete;

    GestureMonitorState start();
    // Stops the tap and clears the live state.
    void stop();

    // The threshold travels with the rule lists, so every analysis sees both of one moment. Set it
    // on the main thread.
    double templateMatchingThreshold() const;
    void setTemplateMatchingThreshold(double threshold);

    // Set these before the first start(); they are not synchronised.
    DispatchVeto shouldDispatchRecognizedGesture;
    std::function<void(const RecentGestureSnapshot&)> onRecognized;
    std::function<void(const std::optional<LiveHUDState>&)> onLiveHUDStateChanged;
    std::function<void(const std::optional<LiveGestureDebugSession>&)> onLiveDebugSessionChanged;
    std::function<void(const GestureCaptureDebugResult&)> onSessionCompleted;

    const std::shared_ptr<GestureOverlayRuntime>& overlayRuntime() const { return overlayRuntime_; }

    // Callable from any thread; publishes on the main thread.
    void publishLiveState(std::optional<LiveHUDState> hud,
                          std::optional<LiveGestureDebugSession> debug);

    // Entry points of the monitor's handlers.
    void handleCompletedStroke(const CompletedStroke& stroke);
    void handleSessionPhase(GestureMonitorSessionPhase phase);

private:
    class TaskGate;

    struct LiveMode {
        std::uint64_t strokeID;
    };
    using AnalysisMode = std::optional<LiveMode>;  // none: final recognition

    struct Analysis {
        LiveHUDState hudState;
        LiveGestureDebugSession debugSession;
        std::optional<GestureMapping> mapping;
    };

    struct LiveTemplateMatchCache {
        std::uint64_t strokeID = 0;
        Duration evaluatedAt{0};
        std::size_t pointCount = 0;
        std::optional<GestureMapping> mapping;
    };

    explicit GestureCaptureCoordinator(Configuration configuration);

    // The window in front as the stroke began, kept until the stroke has been recognised.
    void rememberFrontmostWindow();
    // What was in front when `strokeID` began; without a record, what is in front now.
    FrontmostWindow frontmostWindowOf(std::uint64_t strokeID);
    // Once a stroke is recognised: it and the strokes begun before it need no record any more.
    void forgetFrontmostWindowsUpTo(std::uint64_t strokeID);

    void handleCompletedGestureOutcome(const std::vector<Point>& points,
                                       const FrontmostWindow& frontmost);
    GestureCaptureDebugResult makeDebugResult(const std::vector<Point>& points,
                                              bool suppressesSystemClick,
                                              const std::optional<QString>& bundle);
    Analysis analyze(const std::vector<Point>& points,
                     const std::vector<GestureDirection>& directions, bool suppressesSystemClick,
                     AnalysisMode mode, const std::optional<QString>& bundle);
    std::optional<GestureMapping> templateMatch(const GestureMappingSnapshot& snapshot,
                                                const std::vector<Point>& points, AnalysisMode mode,
                                                const std::optional<QString>& bundleIdentifier);

    // Live analysis; everything below touches live fields only on the live-analysis queue.
    void resetLiveAnalysisState();
    void scheduleLiveAnalysis(bool immediate);
    void runLiveAnalysis();
    void runScheduledLiveAnalysis();

    // Runs `body` on `executor` with the coordinator, unless it has been retired by then.
    template <typename Body>
    void submit(Executor& executor, Body body, Duration delay = Duration::zero());
    // Set once the owner let go: callbacks are not called any more.
    bool retired() const;

    // Lets tasks in and out; closed when the owner lets go.
    std::shared_ptr<TaskGate> gate_;
    // The coordinator's own reference, which queued tasks lock once they are let in. The owner's
    // reference is another one, whose release retires the coordinator (see create()).
    std::weak_ptr<GestureCaptureCoordinator> weakSelf_;
    std::shared_ptr<TrackpadGestureMonitoring> monitor_;
    GestureClassifier classifier_;
    std::shared_ptr<GestureActionDispatching> actionDispatcher_;
    std::shared_ptr<GestureMappingStore> mappingStore_;
    Duration liveUpdateInterval_;
    Duration liveTemplateMatchingInterval_;
    const Clock& clock_;
    std::function<std::optional<QString>()> activeBundleIdentifierProvider_;
    std::function<FrontmostWindow()> frontmostWindowProvider_;
    // Written on the tap thread, read on both queues; a few strokes at most.
    std::mutex frontmostAtBeginMutex_;
    std::deque<std::pair<std::uint64_t, FrontmostWindow>> frontmostAtBegin_;
    std::shared_ptr<Executor> liveAnalysisQueue_;
    std::shared_ptr<Executor> finalRecognitionQueue_;
    Executor& mainExecutor_;
    std::shared_ptr<GestureOverlayRuntime> overlayRuntime_;

    // Live fields, confined to the live-analysis queue.
    std::optional<LiveTemplateMatchCache> liveTemplateMatchCache_;
    std::optional<std::uint64_t> currentLiveStrokeID_;
    std::int64_t liveConsumedRenderCount_ = 0;
    std::vector<Point> liveAnalysisScratch_;
    std::vector<Point> liveRenderPoints_;
    IncrementalGesturePathState livePathState_;
    bool pendingLiveAnalysis_ = false;
    bool liveAnalysisScheduled_ = false;
};

}  // namespace quillorbitex
