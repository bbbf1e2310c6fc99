#include "Views/Dashboard/GestureDebugPresentation.h"

#include "Localization/L10n.h"
#include "Models/GestureLabels.h"

namespace quillorbitex {

GestureDebugPresentation GestureDebugPresentation::from(
    const std::optional<LiveGestureDebugSession>& live,
    const std::optional<GestureCaptureDebugResult>& last) {
    GestureDebugPresentation shown;
    // A live stroke always wins, however few points it has: an old stroke is never drawn as if
    // it were the one being made.
    if (live) {
        shown.tracePoints = live->points;
    } else if (last) {
        shown.tracePoints = last->points;
    }

    if (!live) {
        shown.overlayState = StatusPill::State::amber(L10n::string("Idle"));
        shown.liveDirections = L10n::string("Waiting for movement");
        shown.liveDetection = L10n::string("Hold the right button and start drawing");
        shown.matchedRule = L10n::string("No matched rule");
        shown.liveAction = L10n::string("No action");
    } else {
        shown.overlayState = live->points.empty()
                                 ? StatusPill::State::amber(L10n::string("Tracking"))
                                 : StatusPill::State::green(L10n::string("Visible"));
        shown.liveDirections = directionLabel(*live);
        shown.liveDetection = detectionLabel(*live);
        shown.matchedRule = matchedGestureLabel(*live).value_or(L10n::string("No matched rule"));
        shown.liveAction = matchedActionLabel(*live).value_or(L10n::string("No action"));
    }

    shown.lastClassification =
        last ? classificationLabel(*last) : L10n::string("No captured session yet");
    shown.lastSystemClick =
        last ? clickDispositionLabel(*last) : L10n::string("No completed session yet");
    return shown;
}

}  // namespace quillorbitex
