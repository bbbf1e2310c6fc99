#include "Models/GestureLabels.h"

#include <QStringList>

#include "Localization/L10n.h"
#include "Models/ActionLabels.h"

namespace quillorbitex {

namespace {

QString joinedNames(const std::vector<GestureDirection>& directions, const QString& separator) {
    QStringList names;
    for (const GestureDirection direction : directions) {
        names.push_back(displayName(direction));
    }
    return names.join(separator);
}

}  // namespace

QString displayName(GestureDirection direction) {
    switch (direction) {
        case GestureDirection::up:
            return L10n::string("Up");
        case GestureDirection::down:
            return L10n::string("Down");
        case GestureDirection::left:
            return L10n::string("Left");
        case GestureDirection::right:
            return L10n::string("Right");
    }
    return {};
}

QString displayPathLabel(const std::vector<GestureDirection>& directions) {
    if (directions.empty()) {
        return L10n::string("Waiting for movement");
    }
    return joinedNames(directions, QStringLiteral(" -> "));
}

QString displayLabel(const GesturePattern& pattern) {
    return joinedNames(pattern.directionList(), QStringLiteral(" -> "));
}

QString spokenLabel(const GesturePattern& pattern) {
    return joinedNames(pattern.directionList(), L10n::string(" then "));
}

QString displayLabel(const GestureTemplate& gestureTemplate) {
    return gestureTemplate.name();
}

QString spokenLabel(const GestureTemplate& gestureTemplate) {
    return gestureTemplate.name();
}

QString displayLabel(const GestureDescriptor& descriptor) {
    if (const auto pattern = descriptor.directionalPattern()) {
        return displayLabel(*pattern);
    }
    return displayLabel(*descriptor.gestureTemplate());
}

QString spokenLabel(const GestureDescriptor& descriptor) {
    if (const auto pattern = descriptor.directionalPattern()) {
        return spokenLabel(*pattern);
    }
    return spokenLabel(*descriptor.gestureTemplate());
}

QString inlineName(const QString& name) {
    QString shown = name;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    bool formatted = false;
    for (QChar& c : shown) {
        const char16_t code = c.unicode();
        if (code == u'\n' || code == u'\r' || code == 0x2028 || code == 0x2029) {
            c = QLatin1Char(' ');
        }
        formatted = formatted || code == 0x200E || code == 0x200F || code == 0x061C ||
                    (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069);
    }
    return formatted ? QChar(0x2068) + shown + QChar(0x2069) : shown;
}

QString displayLabel(const GestureMapping& mapping) {
    if (mapping.name() && !mapping.name()->isEmpty()) {
        return inlineName(*mapping.name());
    }
    return displayLabel(mapping.pattern());
}

QString displayLabel(GestureMappingSource source) {
    switch (source) {
        case GestureMappingSource::builtIn:
            return L10n::string("Preset");
        case GestureMappingSource::custom:
            return L10n::string("Custom");
    }
    return {};
}

QString localizedNotes(const GestureMapping& mapping) {
    if (mapping.source() == GestureMappingSource::builtIn) {
        const auto pattern = mapping.pattern().directionalPattern();
        if (pattern == GesturePattern::upThenDown) {
            return L10n::string("Trigger a refresh action in the frontmost app.");
        }
        if (pattern == GesturePattern::leftThenUp) {
            return L10n::string(
                "Switch to the previous tab in apps that use Control plus Shift plus Tab.");
        }
        if (pattern == GesturePattern::leftThenDown) {
            return L10n::string("Switch to the next tab in apps that use Control plus Tab.");
        }
    }
    return defaultNotes(mapping.action());
}

QString appScopeSummary(const GestureMapping& mapping) {
    QStringList pieces;
    for (const GestureAppScopeRule& rule : mapping.appScopeRules()) {
        pieces.push_back(
            L10n::format("%@: %@", inlineName(rule.appName()),
                         rule.isEnabled() ? L10n::string("Allowed") : L10n::string("Blocked")));
    }
    return pieces.join(QStringLiteral(", "));
}

QString displayLabel(const CapturedGestureDraft& draft) {
    if (!draft.detectedPattern) {
        return L10n::string("Freeform captured path");
    }
    return displayLabel(*draft.detectedPattern);
}

QString directionLabel(const LiveGestureDebugSession& session) {
    return displayPathLabel(session.directions);
}

QString detectionLabel(const LiveGestureDebugSession& session) {
    if (session.directions.empty()) {
        return L10n::string("Waiting for a committed stroke");
    }
    if (session.hasMatchedGesture()) {
        return L10n::string("Matched gesture");
    }
    return L10n::string("No gesture match");
}

std::optional<QString> matchedGestureLabel(const LiveGestureDebugSession& session) {
    if (!session.matchedAction || !session.detectedPattern) {
        return std::nullopt;
    }
    return displayLabel(*session.detectedPattern);
}

std::optional<QString> matchedActionLabel(const LiveGestureDebugSession& session) {
    if (!session.matchedAction) {
        return std::nullopt;
    }
    return displayLabel(*session.matchedAction);
}

QString directionLabel(const GestureCaptureDebugResult& result) {
    return displayPathLabel(result.directions);
}

QString classificationLabel(const GestureCaptureDebugResult& result) {
    if (!result.detectedPattern) {
        if (result.directions.empty()) {
            return L10n::string("No committed gesture detected");
        }
        return L10n::format("Unrecognized path: %@", directionLabel(result));
    }
    if (!result.matchedAction) {
        return L10n::format("%@ (no action mapped)", displayLabel(*result.detectedPattern));
    }
    return L10n::format("%@ -> %@", displayLabel(*result.detectedPattern),
                        displayLabel(*result.matchedAction));
}

QString clickDispositionLabel(const GestureCaptureDebugResult& result) {
    return result.suppressedSystemClick ? L10n::string("Suppressed")
                                        : L10n::string("Replayed as right click");
}

std::vector<Point> previewPoints(const GesturePattern& pattern) {
    std::vector<Point> points{{0, 0}};
    for (const GestureDirection direction : pattern.directions()) {
        Point next = points.back();
        switch (direction) {
            case GestureDirection::up:
                next.y -= 1;
                break;
            case GestureDirection::down:
                next.y += 1;
                break;
            case GestureDirection::left:
                next.x -= 1;
                break;
            case GestureDirection::right:
                next.x += 1;
                break;
        }
        points.push_back(next);
    }
    return points;
}

std::vector<Point> previewPoints(const GestureTemplate& gestureTemplate) {
    std::vector<Point> points;
    points.reserve(gestureTemplate.normalizedPoints().size());
    for (const auto& p : gestureTemplate.normalizedPoints()) {
        points.push_back(p.point());
    }
    return points;
}

std::vector<Point> previewPoints(const GestureDescriptor& descriptor) {
    if (const auto pattern = descriptor.directionalPattern()) {
        return previewPoints(*pattern);
    }
    return previewPoints(*descriptor.gestureTemplate());
}

}  // namespace quillorbitex
