#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "Models/GestureDescriptor.h"
#include "Models/GestureDirection.h"
#include "Models/GestureMapping.h"
#include "Models/GestureMappingSource.h"
#include "Models/GesturePattern.h"
#include "Models/GestureRecords.h"
#include "Models/GestureTemplate.h"
#include "Platform/Geometry.h"

namespace quillorbitex {

// Display texts and previews of gestures, rules and the engine's records, in the current
// language; computed on demand, never stored. Separators (" -> ", ", ") are fixed; the spoken
// " then " is translated.

QString displayName(GestureDirection direction);
// "Waiting for movement" for no directions; otherwise the names joined by " -> ".
QString displayPathLabel(const std::vector<GestureDirection>& directions);

QString displayLabel(const GesturePattern& pattern);
QString spokenLabel(const GesturePattern& pattern);
QString displayLabel(const GestureTemplate& gestureTemplate);
QString spokenLabel(const GestureTemplate& gestureTemplate);
QString displayLabel(const GestureDescriptor& descriptor);
QString spokenLabel(const GestureDescriptor& descriptor);

// A name the user gave (a rule's, an application's) as it is shown within other text: on one line,
// its line breaks as spaces, and isolated (U+2068 … U+2069) when it carries bidirectional
// formatting characters, so that they cannot reorder the text around it.
QString inlineName(const QString& name);
// The rule's name when it has one (as inlineName() shows it), else its gesture's label. Rules
// sort by this.
QString displayLabel(const GestureMapping& mapping);
QString displayLabel(GestureMappingSource source);
// The note line of a rule: a preset's own sentence, otherwise the sentence of its action. The
// stored notes are not read, so the line always follows the current language and action.
QString localizedNotes(const GestureMapping& mapping);
// "<app>: Allowed" / "<app>: Blocked" for each scope rule in stored order, joined by ", ".
QString appScopeSummary(const GestureMapping& mapping);

QString displayLabel(const CapturedGestureDraft& draft);
QString directionLabel(const LiveGestureDebugSession& session);
QString detectionLabel(const LiveGestureDebugSession& session);
// Only when both a gesture and an action were matched.
std::optional<QString> matchedGestureLabel(const LiveGestureDebugSession& session);
std::optional<QString> matchedActionLabel(const LiveGestureDebugSession& session);
QString directionLabel(const GestureCaptureDebugResult& result);
QString classificationLabel(const GestureCaptureDebugResult& result);
QString clickDispositionLabel(const GestureCaptureDebugResult& result);

// A polyline of unit steps, one per direction, starting at (0, 0); y grows downward.
std::vector<Point> previewPoints(const GesturePattern& pattern);
std::vector<Point> previewPoints(const GestureTemplate& gestureTemplate);
std::vector<Point> previewPoints(const GestureDescriptor& descriptor);

}  // namespace quillorbitex
