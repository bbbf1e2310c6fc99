#include "Services/Capture/GestureCaptureCoordinator.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "Platform/ApplicationIdentifier.h"
#include "Platform/MainExecutor.h"
#include "Platform/SerialQueue.h"
#include "Services/Actions/GestureActionDispatcher.h"

namespace quillorbitex {

namespace {

// Strokes whose window in front is remembered while they wait for recognition. Strokes that are
// never recognised (the button pressed again mid-stroke, capture stopped) make way for new ones.
constexpr std::size_t kRememberedStrokes = 8;

std::shared_ptr<Executor> orDefaultQueue(std::shared_ptr<Executor> given, const char* suffix,
                                         QualityOfService qos) {
    if (given) {
        return given;
    }
    return std::make_shared<SerialQueue>(std::string(kApplicationIdentifier) + suffix, qos);
}

bool hasRequiredCollaborators(const GestureCaptureCoordinator::Configuration& c) {
    const bool canDispatch = c.actionDispatcher || (c.dispatcher && c.workspace);
    return c.monitor && c.monitor->captureEngine() && c.mappingStore && canDispatch;
}

}  // namespace

// Every task of the coordinator runs inside a pass. Closing the gate refuses new passes and waits
// for those held on other threads; a pass held by the closing thread itself (the owner let go
// from inside a callback) cannot be waited for, and its task stops calling out (retired()).
class GestureCaptureCoordinator::TaskGate {
public:
    class Pass {
    public:
        explicit Pass(TaskGate& gate) : gate_(gate.enter() ? &gate : nullptr) {}
        ~Pass() {
            if (gate_ != nullptr) {
                gate_->leave();
            }
        }
        Pass(const Pass&) = delete;
        Pass& operator=(const Pass&) = delete;
        explicit operator bool() const { return gate_ != nullptr; }

    private:
        TaskGate* gate_;
    };

    bool isOpen() const {
        std::lock_guard lock(mutex_);
        return open_;
    }

    void close() {
        std::unique_lock lock(mutex_);
        open_ = false;
        const auto self = std::this_thread::get_id();
        left_.wait(lock, [&] {
            return std::all_of(holders_.begin(), holders_.end(),
                               [&](std::thread::id holder) { return holder == self; });
        });
    }

private:
    bool enter() {
        std::lock_guard lock(mutex_);
        if (!open_) {
            return false;
        }
        holders_.push_back(std::this_thread::get_id());
        return true;
    }

    void leave() {
        {
            std::lock_guard lock(mutex_);
            holders_.erase(std::find(holders_.begin(), holders_.end(), std::this_thread::get_id()));
        }
        left_.notify_all();
    }

    mutable std::mutex mutex_;
    std::condition_variable left_;
    bool open_ = true;
    std::vector<std::thread::id> holders_;
};

std::shared_ptr<GestureCaptureCoordinator> GestureCaptureCoordinator::create(
    Configuration configuration) {
    if (!hasRequiredCollaborators(configuration)) {
        return nullptr;
    }
    std::shared_ptr<GestureCaptureCoordinator> own(
        new GestureCaptureCoordinator(std::move(configuration)));
    own->weakSelf_ = own;
    // The owner gets a reference of its own. Tasks only ever hold the coordinator's own reference,
    // and only inside a pass; so once the owner's is released and the gate closed, the coordinator
    // is destroyed right here, on the owner's thread.
    GestureCaptureCoordinator* coordinator = own.get();
    return std::shared_ptr<GestureCaptureCoordinator>(
        coordinator, [own = std::move(own)](GestureCaptureCoordinator*) mutable {
            own->gate_->close();
            own.reset();
        });
}

GestureCaptureCoordinator::GestureCaptureCoordinator(Configuration c)
    : gate_(std::make_shared<TaskGate>()),
      monitor_(std::move(c.monitor)),
      classifier_(c.classifier),
      actionDispatcher_(c.actionDispatcher ? std::move(c.actionDispatcher)
                                           : std::make_shared<GestureActionDispatcher>(
                                                 std::move(c.dispatcher), std::move(c.workspace))),
      mappingStore_(std::move(c.mappingStore)),
      liveUpdateInterval_(c.liveUpdateInterval),
      liveTemplateMatchingInterval_(c.liveTemplateMatchingInterval),
      clock_(c.clock != nullptr ? *c.clock : SteadyClock::shared()),
      activeBundleIdentifierProvider_(std::move(c.activeBundleIdentifierProvider)),
      frontmostWindowProvider_(std::move(c.frontmostWindowProvider)),
      liveAnalysisQueue_(orDefaultQueue(std::move(c.liveAnalysisQueue), ".live-analysis",
                                        QualityOfService::userInteractive)),
      finalRecognitionQueue_(orDefaultQueue(std::move(c.finalRecognitionQueue),
                                            ".final-recognition", QualityOfService::userInitiated)),
      mainExecutor_(c.mainExecutor != nullptr ? *c.mainExecutor : MainExecutor::shared()),
      overlayRuntime_(std::make_shared<GestureOverlayRuntime>(monitor_->captureEngine())) {}

GestureCaptureCoordinator::~GestureCaptureCoordinator() = default;

template <typename Body>
void GestureCaptureCoordinator::submit(Executor& executor, Body body, Duration delay) {
    auto task = [gate = gate_, weak = weakSelf_, body = std::move(body)] {
        const TaskGate::Pass pass(*gate);
        if (!pass) {
            return;
        }
        // Scoped inside the pass: once the gate is closed, no task is left holding the coordinator.
        if (const auto self = weak.lock()) {
            body(*self);
        }
    };
    if (delay > Duration::zero()) {
        executor.asyncAfter(delay, std::move(task));
    } else {
        executor.async(std::move(task));
    }
}

bool GestureCaptureCoordinator::retired() const {
    return !gate_->isOpen();
}

GestureMonitorState GestureCaptureCoordinator::start() {
    // The handlers only hand work to the queues. They reach the coordinator through the gate and
    // never hold it: the tap thread must not be where it (and its monitor) is destroyed.
    return monitor_->start(
        [gate = gate_, coordinator = this](const CompletedStroke& stroke) {
            if (const TaskGate::Pass pass(*gate); pass) {
                coordinator->handleCompletedStroke(stroke);
            }
        },
        [gate = gate_, coordinator = this](GestureMonitorSessionPhase phase) {
            if (const TaskGate::Pass pass(*gate); pass) {
                coordinator->handleSessionPhase(phase);
            }
        });
}

void GestureCaptureCoordinator::stop() {
    monitor_->stop();
    publishLiveState(std::nullopt, std::nullopt);
}

double GestureCaptureCoordinator::templateMatchingThreshold() const {
    return mappingStore_->snapshot()->matchingThreshold;
}

void GestureCaptureCoordinator::setTemplateMatchingThreshold(double threshold) {
    mappingStore_->setMatchingThreshold(threshold);
}

// ---- The window a stroke is meant for --------------------------------------------------------

void GestureCaptureCoordinator::rememberFrontmostWindow() {
    const auto header = overlayRuntime_->captureEngine->activeHeader();
    if (!header) {
        return;  // stopped meanwhile
    }
    FrontmostWindow frontmost;
    if (frontmostWindowProvider_) {
        frontmost = frontmostWindowProvider_();
    } else if (activeBundleIdentifierProvider_) {
        frontmost.applicationIdentifier = activeBundleIdentifierProvider_();
    }
    std::lock_guard lock(frontmostAtBeginMutex_);
    if (frontmostAtBegin_.size() >= kRememberedStrokes) {
        frontmostAtBegin_.pop_front();
    }
    frontmostAtBegin_.emplace_back(header->strokeID, std::move(frontmost));
}

FrontmostWindow GestureCaptureCoordinator::frontmostWindowOf(std::uint64_t strokeID) {
    std::unique_lock lock(frontmostAtBeginMutex_);
    for (const auto& [stroke, frontmost] : frontmostAtBegin_) {
        if (stroke == strokeID) {
            return frontmost;
        }
    }
    lock.unlock();
    // A stroke whose beginning was not seen (capture started mid-stroke).
    return FrontmostWindow{
        0, activeBundleIdentifierProvider_ ? activeBundleIdentifierProvider_() : std::nullopt};
}

void GestureCaptureCoordinator::forgetFrontmostWindowsUpTo(std::uint64_t strokeID) {
    std::lock_guard lock(frontmostAtBeginMutex_);
    // Strokes begun before this one were cut short; they will not be recognised.
    while (!frontmostAtBegin_.empty() && frontmostAtBegin_.front().first <= strokeID) {
        frontmostAtBegin_.pop_front();
    }
}

// ---- Finished strokes ----------------------------------------------------------------------

void GestureCaptureCoordinator::handleCompletedStroke(const CompletedStroke& stroke) {
    submit(*finalRecognitionQueue_, [stroke](GestureCaptureCoordinator& self) {
        const FrontmostWindow frontmost = self.frontmostWindowOf(stroke.strokeID);
        self.forgetFrontmostWindowsUpTo(stroke.strokeID);
        self.handleCompletedGestureOutcome(stroke.rawPoints, frontmost);
        if (self.onSessionCompleted && !self.retired()) {
            self.onSessionCompleted(self.makeDebugResult(
                stroke.rawPoints, stroke.suppressesSystemClick, frontmost.applicationIdentifier));
        }
    });
}

void GestureCaptureCoordinator::handleCompletedGestureOutcome(const std::vector<Point>& points,
                                                              const FrontmostWindow& frontmost) {
    const auto directions = classifier_.simplifiedDirections(points);
    const Analysis analysis =
        analyze(points, directions, false, std::nullopt, frontmost.applicationIdentifier);
    if (!analysis.mapping) {
        return;
    }
    const GestureMapping& rule = *analysis.mapping;
    const auto& pattern = analysis.hudState.detectedPattern;
    if (shouldDispatchRecognizedGesture &&
        (!shouldDispatchRecognizedGesture(pattern, rule, points) || retired())) {
        return;
    }
    const bool dispatched = actionDispatcher_->dispatchTo(rule.action(), frontmost.window);
    if (onRecognized) {
        // A rule always carries its gesture, so the detected pattern is present here.
        onRecognized(RecentGestureSnapshot{pattern.value_or(rule.pattern()), rule.action(),
                                           dispatched, std::chrono::system_clock::now()});
    }
}

GestureCaptureDebugResult GestureCaptureCoordinator::makeDebugResult(
    const std::vector<Point>& points, bool suppressesSystemClick,
    const std::optional<QString>& bundle) {
    const auto directions = classifier_.simplifiedDirections(points);
    const Analysis analysis =
        analyze(points, directions, suppressesSystemClick, std::nullopt, bundle);
    return GestureCaptureDebugResult{points, directions, analysis.hudState.detectedPattern,
                                     analysis.hudState.matchedAction, suppressesSystemClick};
}

// ---- Shared analysis -------------------------------------------------------------------------

GestureCaptureCoordinator::Analysis GestureCaptureCoordinator::analyze(
    const std::vector<Point>& points, const std::vector<GestureDirection>& directions,
    bool suppressesSystemClick, AnalysisMode mode, const std::optional<QString>& bundle) {
    // One snapshot per pass: every list and the threshold of one moment.
    const auto snapshot = mappingStore_->snapshot();
    const std::optional<GesturePattern> pattern = GestureClassifier::classify(directions);

    std::optional<GestureMapping> rule;
    if (pattern) {
        rule = snapshot->resolvedMapping(*pattern, bundle);
    }
    if (!rule) {
        rule = templateMatch(*snapshot, points, mode, bundle);
    }

    std::optional<GestureDescriptor> detected;
    if (rule) {
        detected = rule->pattern();
    } else if (pattern) {
        detected = GestureDescriptor::directional(*pattern);
    }
    std::optional<GestureAction> action;
    std::optional<QString> ruleName;
    if (rule) {
        action = rule->action();
        ruleName = rule->name();
    }
    return Analysis{
        LiveHUDState{directions, detected, action, ruleName, suppressesSystemClick},
        LiveGestureDebugSession{points, directions, detected, action, suppressesSystemClick},
        std::move(rule)};
}

std::optional<GestureMapping> GestureCaptureCoordinator::templateMatch(
    const GestureMappingSnapshot& snapshot, const std::vector<Point>& points, AnalysisMode mode,
    const std::optional<QString>& bundleIdentifier) {
    if (!mode) {
        return snapshot.bestTemplateMatch(points, classifier_.templateMatcher,
                                          snapshot.matchingThreshold, bundleIdentifier);
    }
    if (!snapshot.hasCustomTemplateMappings()) {
        return std::nullopt;
    }
    const Duration now = clock_.now();
    if (liveTemplateMatchCache_ && liveTemplateMatchCache_->strokeID == mode->strokeID &&
        (liveTemplateMatchCache_->pointCount == points.size() ||
         now - liveTemplateMatchCache_->evaluatedAt < liveTemplateMatchingInterval_)) {
        return liveTemplateMatchCache_->mapping;
    }
    auto match = snapshot.bestTemplateMatch(points, classifier_.templateMatcher.liveMatcher(),
                                            snapshot.matchingThreshold, bundleIdentifier);
    liveTemplateMatchCache_ = LiveTemplateMatchCache{mode->strokeID, now, points.size(), match};
    return match;
}

// ---- Live analysis ---------------------------------------------------------------------------

void GestureCaptureCoordinator::handleSessionPhase(GestureMonitorSessionPhase phase) {
    if (phase == GestureMonitorSessionPhase::began) {
        // Now, on the tap thread: by the time a queue gets to it the focus may have moved.
        rememberFrontmostWindow();
    }
    submit(*liveAnalysisQueue_, [phase](GestureCaptureCoordinator& self) {
        switch (phase) {
            case GestureMonitorSessionPhase::began:
                self.resetLiveAnalysisState();
                self.scheduleLiveAnalysis(true);
                break;
            case GestureMonitorSessionPhase::changed:
                self.scheduleLiveAnalysis(self.liveUpdateInterval_ <= Duration::zero());
                break;
            case GestureMonitorSessionPhase::ended:
            case GestureMonitorSessionPhase::cancelled:
                self.pendingLiveAnalysis_ = false;
                self.liveAnalysisScheduled_ = false;
                self.resetLiveAnalysisState();
                self.publishLiveState(std::nullopt, std::nullopt);
                break;
        }
    });
}

void GestureCaptureCoordinator::resetLiveAnalysisState() {
    currentLiveStrokeID_.reset();
    liveConsumedRenderCount_ = 0;
    liveAnalysisScratch_.clear();
    liveRenderPoints_.clear();
    livePathState_ = IncrementalGesturePathState{};
    liveTemplateMatchCache_.reset();
}

void GestureCaptureCoordinator::scheduleLiveAnalysis(bool immediate) {
    pendingLiveAnalysis_ = true;
    if (liveAnalysisScheduled_) {
        return;  // the scheduled run takes this request too
    }
    liveAnalysisScheduled_ = true;
    submit(
        *liveAnalysisQueue_,
        [](GestureCaptureCoordinator& self) { self.runScheduledLiveAnalysis(); },
        immediate ? Duration::zero() : liveUpdateInterval_);
}

void GestureCaptureCoordinator::runScheduledLiveAnalysis() {
    liveAnalysisScheduled_ = false;
    if (!pendingLiveAnalysis_) {
        return;
    }
    pendingLiveAnalysis_ = false;
    runLiveAnalysis();
    if (pendingLiveAnalysis_) {
        scheduleLiveAnalysis(false);
    }
}

void GestureCaptureCoordinator::runLiveAnalysis() {
    GestureCaptureEngine& engine = *overlayRuntime_->captureEngine;
    std::optional<GestureCaptureEngine::StrokeHeader> header;
    if (currentLiveStrokeID_) {
        header = engine.copyRenderDelta(liveConsumedRenderCount_, liveAnalysisScratch_);
    }
    // The delta comes with the header of its own locked section. When that names another stroke
    // (the button went up and down again since the last run) the points belong to the new stroke
    // and must not extend the old one: start over from the new stroke's whole render path.
    if (!currentLiveStrokeID_ || (header && header->strokeID != *currentLiveStrokeID_)) {
        resetLiveAnalysisState();
        header = engine.copyRenderSnapshot(liveAnalysisScratch_);
        if (header) {
            currentLiveStrokeID_ = header->strokeID;
            liveConsumedRenderCount_ = static_cast<std::int64_t>(liveAnalysisScratch_.size());
        }
    }
    if (!header) {
        publishLiveState(std::nullopt, std::nullopt);
        return;
    }
    if (!liveAnalysisScratch_.empty()) {
        liveRenderPoints_.insert(liveRenderPoints_.end(), liveAnalysisScratch_.begin(),
                                 liveAnalysisScratch_.end());
        livePathState_.append(liveAnalysisScratch_, classifier_.simplifier);
    }
    const auto directions = livePathState_.resolvedDirections(classifier_.simplifier);
    Analysis analysis = analyze(liveRenderPoints_, directions, header->suppressesSystemClick,
                                LiveMode{header->strokeID},
                                frontmostWindowOf(header->strokeID).applicationIdentifier);
    publishLiveState(std::move(analysis.hudState), std::move(analysis.debugSession));
}

void GestureCaptureCoordinator::publishLiveState(std::optional<LiveHUDState> hud,
                                                 std::optional<LiveGestureDebugSession> debug) {
    submit(mainExecutor_,
           [hud = std::move(hud), debug = std::move(debug)](GestureCaptureCoordinator& self) {
               self.overlayRuntime_->liveHUDState.send(hud);
               if (self.onLiveHUDStateChanged && !self.retired()) {
                   self.onLiveHUDStateChanged(hud);
               }
               if (self.onLiveDebugSessionChanged && !self.retired()) {
                   self.onLiveDebugSessionChanged(debug);
               }
           });
}

}  // namespace quillorbitex
