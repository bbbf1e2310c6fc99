#pragma once

#include <chrono>
#include <optional>
#include <vector>

#include "Models/GestureAction.h"
#include "Models/GestureDescriptor.h"
#include "Models/GestureDirection.h"
#include "Platform/Geometry.h"

namespace quillorbitex {

using Timestamp = std::chrono::system_clock::time_point;

// A recognised gesture as the engine reports it.
struct RecentGestureSnapshot {
    GestureDescriptor pattern;
    GestureAction action;
    bool dispatched = false;
    Timestamp occurredAt;

    friend bool operator==(const RecentGestureSnapshot&, const RecentGestureSnapshot&) = default;
};

// A stroke captured for the rule editor.
struct CapturedGestureDraft {
    std::vector<Point> points;
    std::optional<GestureDescriptor> detectedPattern;
    std::optional<GestureAction> matchedAction;

    // A freeform path needs a name before it can be saved.
    bool requiresName() const { return !detectedPattern.has_value(); }

    friend bool operator==(const CapturedGestureDraft&, const CapturedGestureDraft&) = default;
};

// The stroke in progress, for the debugging view.
struct LiveGestureDebugSession {
    std::vector<Point> points;
    std::vector<GestureDirection> directions;
    std::optional<GestureDescriptor> detectedPattern;
    std::optional<GestureAction> matchedAction;
    bool suppressesSystemClick = false;

    bool hasMatchedGesture() const { return matchedAction.has_value(); }
    bool shouldRenderOverlay() const { return !points.empty(); }

    friend bool operator==(const LiveGestureDebugSession&,
                           const LiveGestureDebugSession&) = default;
};

// The last finished stroke, for the debugging view.
struct GestureCaptureDebugResult {
    std::vector<Point> points;
    std::vector<GestureDirection> directions;
    std::optional<GestureDescriptor> detectedPattern;
    std::optional<GestureAction> matchedAction;
    bool suppressedSystemClick = false;

    friend bool operator==(const GestureCaptureDebugResult&,
                           const GestureCaptureDebugResult&) = default;
};

}  // namespace quillorbitex
