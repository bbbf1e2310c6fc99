#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "Models/GestureMapping.h"
#include "Models/GestureTemplate.h"
#include "Platform/Geometry.h"

namespace quillorbitex {

// Compares a stroke, as a freeform shape, with the templates of template rules. Strokes and stored
// templates are compared in one normalised space: resampled to `sampleCount` points of equal
// spacing, centred on the origin and scaled so that the larger side of the bounding box is 1.
struct GestureTemplateMatcher {
    // Points of a normalised path.
    int sampleCount = 40;
    // Fewest distinct points a stroke needs to be matched or made into a template.
    int minimumPointCount = 4;
    // Shortest stroke (points of path length) that can be matched or made into a template.
    double minimumPathLength = 40;

    // The closest template rule whose mean point distance is within `threshold` (inclusive);
    // rules that are not template rules are skipped; equal distances keep the earlier rule.
    std::optional<GestureMapping> bestMatch(const std::vector<Point>& points,
                                            const std::vector<GestureMapping>& mappings,
                                            double threshold) const;
    // A template of the stroke's normalised path; the name is trimmed, a blank one replaced by
    // the localised "Custom Gesture". None for a stroke too short or with too few points.
    std::optional<GestureTemplate> makeTemplate(const QString& name,
                                                const std::vector<Point>& points) const;

    // The same matcher with the smaller sample count used while a stroke is still drawn, all
    // other fields unchanged: half the count but at least 16 below 48, else 24.
    GestureTemplateMatcher liveMatcher() const;
    static int liveSampleCount(int sampleCount);

    // The steps of matching, each a pure function.
    std::optional<std::vector<Point>> normalizedPath(const std::vector<Point>& points,
                                                     bool enforceMinimumLength) const;
    static std::vector<Point> collapseDuplicatePoints(const std::vector<Point>& points);
    static double pathLength(const std::vector<Point>& points);
    static std::vector<Point> resample(const std::vector<Point>& points, int targetCount);
    static std::vector<Point> centerAndScale(std::vector<Point> points);
    // A stored template as `sampleCount` normalised points: as stored when it has exactly that
    // many, otherwise resampled and normalised again. None for a template without points.
    std::optional<std::vector<Point>> normalizedTemplatePoints(
        const GestureTemplate& gestureTemplate) const;
    // The mean distance between corresponding points, in units of the larger bounding-box side;
    // none when the counts differ or are 0.
    std::optional<double> matchDistance(const std::vector<Point>& candidate,
                                        const GestureTemplate& gestureTemplate) const;

    friend bool operator==(const GestureTemplateMatcher&, const GestureTemplateMatcher&) = default;
};

}  // namespace quillorbitex
