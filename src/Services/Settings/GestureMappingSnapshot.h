#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "Models/GestureDescriptor.h"
#include "Models/GestureMapping.h"
#include "Models/GesturePattern.h"
#include "Platform/Geometry.h"
#include "Services/Capture/GestureTemplateMatcher.h"

namespace quillorbitex {

// One immutable state of the rule store: its three lists and the matching threshold. The store
// replaces its snapshot on every edit and never changes a published one, so a recognition pass
// that holds one sees every list and the threshold whole and unchanged on any thread.
struct GestureMappingSnapshot {
    // The presets in table order.
    std::vector<GestureMapping> builtInMappings;
    // The user's rules, overrides of presets included, one per pattern, in rule order.
    std::vector<GestureMapping> customMappings;
    // The language (labels and collation) the custom rules were put in order in; while it is the
    // current one (orderLanguage()), the list need not be sorted again.
    QString customOrderLanguage;
    // Patterns of presets the user removed, each once.
    std::vector<GestureDescriptor> disabledBuiltInPatterns;
    // The largest accepted mean distance of a freeform match.
    double matchingThreshold = 0.18;

    // The rules in display order: the presets in table order (each shown as its override when
    // there is one, removed ones left out), then the other custom rules in rule order.
    std::vector<GestureMapping> mappings() const;
    // The stored rule of a gesture: its custom rule, else its preset unless that was removed.
    std::optional<GestureMapping> mapping(const GestureDescriptor& pattern) const;
    // The stored rule of a gesture when it runs in the given application. A custom rule that is
    // switched off or blocked there gives none; it never falls back to the preset behind it.
    std::optional<GestureMapping> resolvedMapping(
        const GesturePattern& pattern, const std::optional<QString>& bundleIdentifier) const;
    std::optional<GestureMapping> resolvedMapping(
        const GestureDescriptor& pattern, const std::optional<QString>& bundleIdentifier) const;
    // Any custom template rule at all, whatever its switch or scope.
    bool hasCustomTemplateMappings() const;
    // The closest custom template rule that runs in the given application, within the threshold.
    // Presets never take part.
    std::optional<GestureMapping> bestTemplateMatch(
        const std::vector<Point>& points, const GestureTemplateMatcher& matcher, double threshold,
        const std::optional<QString>& bundleIdentifier) const;

    static QString orderLanguage();

    const GestureMapping* firstCustomMapping(const GestureDescriptor& pattern) const;
    const GestureMapping* firstBuiltInMapping(const GestureDescriptor& pattern) const;
    bool isDisabledBuiltInPattern(const GestureDescriptor& pattern) const;

    friend bool operator==(const GestureMappingSnapshot&, const GestureMappingSnapshot&) = default;
};

}  // namespace quillorbitex
