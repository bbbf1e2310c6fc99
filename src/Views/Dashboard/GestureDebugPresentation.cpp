#include "Views/Dashboard/GestureDebugPresentation.h"

#include "Localization/L10n.h"
#include "Models/GestureLabels.h"
#include "Platform/RawValueEnum.h"

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

std::array<QStringList, 6> GestureDebugPresentation::reservedTexts() {
    std::array<QStringList, 6> texts;
    const auto add = [&texts](const std::optional<LiveGestureDebugSession>& live,
                              const std::optional<GestureCaptureDebugResult>& last) {
        const GestureDebugPresentation shown = from(live, last);
        const std::array<const QString*, 6> values = {
            &shown.liveDirections, &shown.liveDetection,      &shown.matchedRule,
            &shown.liveAction,     &shown.lastClassification, &shown.lastSystemClick,
        };
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (!texts[i].contains(*values[i])) {
                texts[i].append(*values[i]);
            }
        }
    };
    add(std::nullopt, std::nullopt);
    add(LiveGestureDebugSession{}, GestureCaptureDebugResult{});
    std::vector<std::vector<GestureDirection>> strokes;
    for (const GestureDirection first : allCases<GestureDirection>()) {
        strokes.push_back({first});
        for (const GestureDirection second : allCases<GestureDirection>()) {
            strokes.push_back({first, second});
        }
    }
    std::vector<std::optional<GestureAction>> actions{std::nullopt};
    for (const PredefinedAction action : allCases<PredefinedAction>()) {
        actions.emplace_back(GestureAction::predefined(action));
    }
    for (const auto& directions : strokes) {
        std::optional<GestureDescriptor> pattern;
        if (const auto twoDirections = GesturePattern::make(directions)) {
            pattern = GestureDescriptor::directional(*twoDirections);
        }
        for (const auto& action : actions) {
            for (const bool suppressed : {false, true}) {
                add(LiveGestureDebugSession{{}, directions, pattern, action, suppressed},
                    GestureCaptureDebugResult{{}, directions, pattern, action, suppressed});
            }
        }
    }
    return texts;
}

}  // namespace quillorbitex
