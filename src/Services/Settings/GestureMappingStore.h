#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "Models/GestureAction.h"
#include "Models/GestureAppScopeRule.h"
#include "Models/GestureDescriptor.h"
#include "Models/GestureMapping.h"
#include "Models/GesturePattern.h"
#include "Models/GestureTemplate.h"
#include "Platform/CurrentValueSubject.h"
#include "Services/Settings/GestureMappingSnapshot.h"
#include "Services/Settings/GesturePresets.h"

namespace quillorbitex {

// Every gesture rule of the running program: the presets, the user's rules (overrides of presets
// included) and the presets the user removed, plus the matching threshold. Keeps them in memory
// only; loading and saving them is its owner's business.
//
// Threads: edits happen on the main thread only. Every edit publishes a new immutable snapshot;
// readers on any thread take one snapshot per pass (`snapshot()`) and ask it, so a pass never
// sees a list half-changed. The query operations here are shorthands that take the current
// snapshot for one question.
class GestureMappingStore {
public:
    using SnapshotPointer = std::shared_ptr<const GestureMappingSnapshot>;

    explicit GestureMappingStore(
        const std::vector<GestureMapping>& builtInMappings = GesturePresets::builtInMappings(),
        const std::vector<GestureMapping>& customMappings = {},
        const std::vector<GestureDescriptor>& disabledBuiltInPatterns = {});

    GestureMappingStore(const GestureMappingStore&) = delete;
    GestureMappingStore& operator=(const GestureMappingStore&) = delete;

    // Reading, from any thread.
    SnapshotPointer snapshot() const { return snapshots_.value(); }
    // Hears the current snapshot at once and every later one, on the main thread after an edit
    // (or through the given executor).
    [[nodiscard]] Subscription subscribe(std::function<void(const SnapshotPointer&)> receiver,
                                         Executor* executor = nullptr);

    const std::vector<GestureMapping>& builtInMappings() const { return builtInMappings_; }
    std::vector<GestureMapping> customMappings() const { return snapshot()->customMappings; }
    std::vector<GestureDescriptor> disabledBuiltInPatterns() const {
        return snapshot()->disabledBuiltInPatterns;
    }
    double matchingThreshold() const { return snapshot()->matchingThreshold; }

    std::vector<GestureMapping> mappings() const { return snapshot()->mappings(); }
    std::optional<GestureMapping> mapping(const GestureDescriptor& pattern) const {
        return snapshot()->mapping(pattern);
    }
    std::optional<GestureMapping> resolvedMapping(
        const GesturePattern& pattern, const std::optional<QString>& bundleIdentifier) const {
        return snapshot()->resolvedMapping(pattern, bundleIdentifier);
    }
    std::optional<GestureMapping> resolvedMapping(
        const GestureDescriptor& pattern, const std::optional<QString>& bundleIdentifier) const {
        return snapshot()->resolvedMapping(pattern, bundleIdentifier);
    }
    bool hasCustomTemplateMappings() const { return snapshot()->hasCustomTemplateMappings(); }
    std::optional<GestureMapping> bestTemplateMatch(
        const std::vector<Point>& points, const GestureTemplateMatcher& matcher, double threshold,
        const std::optional<QString>& bundleIdentifier) const {
        return snapshot()->bestTemplateMatch(points, matcher, threshold, bundleIdentifier);
    }

    // Edits, on the main thread. Editing a gesture that has no stored rule does nothing. An edit
    // whose result equals the preset of its gesture deletes the override instead.
    void setMappingEnabled(bool isEnabled, const GestureDescriptor& pattern);
    void setMappingName(const std::optional<QString>& name, const GestureDescriptor& pattern);
    void replaceAppScopeRules(const std::vector<GestureAppScopeRule>& rules,
                              const GestureDescriptor& pattern);
    // Inserts or replaces the custom rule of a gesture; brings back a removed preset of it. Keeps
    // the notes, switch and scope rules of the rule it replaces.
    void upsertCustomMapping(const GesturePattern& pattern, const GestureAction& action,
                             const std::optional<QString>& name);
    void upsertCustomTemplateMapping(const GestureTemplate& gestureTemplate,
                                     const GestureAction& action,
                                     const std::optional<QString>& name);
    // Deletes the custom rule of a gesture and removes its preset, if it has one.
    void removeMapping(const GestureDescriptor& pattern);
    // Brings a preset back with its table values.
    void restoreBuiltInMapping(const GestureDescriptor& pattern);
    // Loading: the lists are cleaned, never rejected.
    void replaceCustomMappings(const std::vector<GestureMapping>& mappings);
    void replaceDisabledBuiltInPatterns(const std::vector<GestureDescriptor>& patterns);
    void setMatchingThreshold(double threshold);

    static QString customNotes(const GestureAction& action) {
        return GesturePresets::customNotes(action);
    }

private:
    using Transform = std::function<GestureMapping(const GestureMapping&)>;

    void updateStoredMapping(const GestureDescriptor& pattern, const Transform& transform);
    void upsertCustomMapping(const GestureDescriptor& pattern, const GestureAction& action,
                             const std::optional<QString>& name);
    // Replaces the custom rules of `pattern` (or appends) with `rule`, unless `rule` equals the
    // preset of that gesture, in which case the override is deleted.
    void storeCustomMapping(GestureMappingSnapshot& next, GestureMapping rule);
    void publish(GestureMappingSnapshot next);

    const std::vector<GestureMapping> builtInMappings_;
    CurrentValueSubject<SnapshotPointer> snapshots_;
};

}  // namespace quillorbitex
