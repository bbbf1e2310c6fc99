#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "Application/GestureHUDOverlayController.h"
#include "Application/GestureTraceOverlayController.h"
#include "Application/OverlayPanelContent.h"
#include "Platform/CurrentValueSubject.h"
#include "Platform/DisplayClock.h"
#include "Platform/DisplayRegistry.h"
#include "Platform/Executor.h"
#include "Services/Capture/GestureOverlayRuntime.h"

namespace quillorbitex {

// Everything shown on screen while a stroke is drawn: its trace on every display it crosses and
// the HUD card. Inert until configured. From then on display refreshes (only while a stroke is in
// progress), new HUD states and screen changes each ask for a render, and requests are coalesced
// so that at most one render waits on the main thread. A render draws the trace, then the HUD,
// and reports to the overlay diagnostics whenever what is shown changed. Main thread only.
class GestureOverlayController {
public:
    // What a report described; the stroke's id, bounds and end point are left out, so one stroke
    // that keeps its displays and texts is reported once however long it is drawn.
    struct DebugSignature {
        std::optional<QString> hudDisplayID;
        std::vector<QString> traceDisplayIDs;
        std::optional<QString> title;
        std::optional<QString> status;

        friend bool operator==(const DebugSignature&, const DebugSignature&) = default;
    };

    // Receives each diagnostics report; the text has no time stamp yet.
    using DebugLogSink = std::function<void(const QString&)>;

    struct Environment {
        std::shared_ptr<DisplayRegistry> displayRegistry;
        std::shared_ptr<DisplayClock> displayClock;
        OverlayPanelFactory panelFactory;
        // Where renders are queued; the main thread when none is given.
        Executor* mainExecutor = nullptr;
    };

    explicit GestureOverlayController(Environment environment);
    ~GestureOverlayController();
    GestureOverlayController(const GestureOverlayController&) = delete;
    GestureOverlayController& operator=(const GestureOverlayController&) = delete;

    // Wires the overlays to the engine's overlay runtime and the diagnostics log. Only the first
    // call does anything.
    void configure(std::shared_ptr<GestureOverlayRuntime> runtime, DebugLogSink debugLog);
    bool isConfigured() const { return runtime_ != nullptr; }

    // Asks for one render; a render already queued serves this request too.
    void scheduleRenderCommit();
    // Hands the current display list to the trace and the HUD.
    void refreshDisplays();
    void renderFrame();
    void publishDebugReportIfNeeded(
        const std::optional<GestureTraceOverlayController::FrameState>& frameState);

    // "(x: 1.0, y: 2.0, w: 3.0, h: 4.0)" and "(1.0, 2.0)", always with a full stop as the
    // decimal separator.
    static QString format(const Rect& rect);
    static QString format(Point point);

    GestureTraceOverlayController& traceController() { return trace_; }
    GestureHUDOverlayController& hudController() { return hud_; }
    const std::optional<DebugSignature>& lastDebugSignature() const { return lastDebugSignature_; }
    // Frames rendered since construction.
    std::uint64_t renderedFrameCount() const { return renderedFrameCount_; }

private:
    Environment environment_;
    Executor& mainExecutor_;
    GestureTraceOverlayController trace_;
    GestureHUDOverlayController hud_;
    std::shared_ptr<GestureOverlayRuntime> runtime_;
    DebugLogSink debugLog_;
    Subscription hudSubscription_;
    bool renderCommitPending_ = false;
    // Whether the last frame showed a stroke.
    bool strokeShown_ = false;
    std::uint64_t renderedFrameCount_ = 0;
    std::optional<DebugSignature> lastDebugSignature_;
    // Queued work and callbacks hold this weakly and do nothing once the controller is gone.
    std::shared_ptr<GestureOverlayController*> self_;
};

}  // namespace quillorbitex
