#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "Models/GestureMapping.h"
#include "Models/GestureRecords.h"
#include "Views/Components/StatusPill.h"

namespace quillorbitex {

// What the debugging section shows for the stroke in progress and the last finished stroke, in
// the current language; derived afresh for every redraw.
struct GestureDebugPresentation {
    // The live stroke's points while there is one (even none yet), else the last stroke's.
    std::vector<Point> tracePoints;
    // Visible (green) while the live stroke has points, Tracking (amber) while it has none yet,
    // Idle (amber) without one.
    StatusPill::State overlayState = StatusPill::State::amber({});
    QString liveDirections;
    QString liveDetection;
    QString matchedRule;
    QString liveAction;
    QString lastClassification;
    QString lastSystemClick;

    static GestureDebugPresentation from(const std::optional<LiveGestureDebugSession>& live,
                                         const std::optional<GestureCaptureDebugResult>& last);

    // Per value, in the order above, every text that an idle section and a stroke of one or two
    // directions with a ready-made command show in the current language. The section keeps room
    // for the tallest of each, so that its cards keep their height while strokes come and go.
    static std::array<QStringList, 6> reservedTexts();
    // The same for a stroke that matches one of the few `rules` whose gesture or action reads
    // longest (the values are monospaced: the longest text wraps tallest), so that the user's own
    // names and actions fit too, measured at a cost that does not grow with the rules' count.
    static std::array<QStringList, 6> reservedTexts(const std::vector<GestureMapping>& rules);
};

}  // namespace quillorbitex
