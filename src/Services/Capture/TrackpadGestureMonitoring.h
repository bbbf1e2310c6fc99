#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "Models/GestureMonitorState.h"
#include "Services/Capture/CompletedStroke.h"
#include "Services/Capture/GestureCaptureEngine.h"
#include "Services/Capture/GestureMonitorSessionPhase.h"

namespace quillorbitex {

// Captures secondary-button strokes anywhere on the desktop.
class TrackpadGestureMonitoring {
public:
    // Called on the monitor's delivery queue, in button-up order.
    using CompletedStrokeHandler = std::function<void(const CompletedStroke&)>;
    // Called on the tap thread at every change of phase; must only hand work off.
    using PhaseHandler = std::function<void(GestureMonitorSessionPhase)>;

    virtual ~TrackpadGestureMonitoring() = default;

    // The stroke in progress, for the live analysis and the overlays.
    virtual std::shared_ptr<GestureCaptureEngine> captureEngine() const = 0;
    // Installs the tap (or, when it runs already, only swaps the handlers): `running`, or
    // `blocked` with the reason.
    virtual GestureMonitorState start(CompletedStrokeHandler completedStrokeHandler,
                                      PhaseHandler phaseHandler) = 0;
    // Drops the stroke in progress (reported as `cancelled`), removes the tap and forgets the
    // handlers.
    virtual void stop() = 0;
    // Of the tap the last start() installed: the combinations of modifiers (TapModifier) held
    // with the button whose strokes it leaves to another program (TapHandle).
    virtual std::vector<unsigned> skippedModifierCombinations() const { return {}; }
};

}  // namespace quillorbitex
