#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "Models/GestureDirection.h"
#include "Models/GesturePattern.h"
#include "Models/GestureTemplate.h"
#include "Services/Capture/GesturePathSimplifier.h"
#include "Services/Capture/GestureTemplateMatcher.h"

namespace quillorbitex {

// The recogniser's fixed configuration: how strokes become directions and how freeform strokes
// are compared with templates. Default-constructed, it holds the values the application uses.
struct GestureClassifier {
    GesturePathSimplifier simplifier;
    GestureTemplateMatcher templateMatcher;

    std::vector<GestureDirection> simplifiedDirections(const std::vector<Point>& points) const {
        return simplifier.simplify(points);
    }

    // The two-direction gesture of a direction list: its first two directions, provided every
    // further direction repeats the second. Simplified lists never hold equal neighbours, so for
    // them exactly two directions make a pattern.
    static std::optional<GesturePattern> classify(const std::vector<GestureDirection>& directions);

    std::optional<GestureTemplate> makeTemplate(const QString& name,
                                                const std::vector<Point>& points) const {
        return templateMatcher.makeTemplate(name, points);
    }

    friend bool operator==(const GestureClassifier&, const GestureClassifier&) = default;
};

}  // namespace quillorbitex
