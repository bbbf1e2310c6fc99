#include "Services/Settings/GestureMappingStore.h"

#include <algorithm>

#include "Localization/LocalizedStandardCollator.h"
#include "Models/GestureLabels.h"

namespace quillorbitex {

namespace {

std::vector<GestureMapping> rebuiltPresets(const std::vector<GestureMapping>& presets) {
    std::vector<GestureMapping> rebuilt;
    rebuilt.reserve(presets.size());
    for (const GestureMapping& preset : presets) {
        rebuilt.emplace_back(preset.pattern(), preset.action(), preset.notes(), std::nullopt,
                             GestureMappingSource::builtIn, true,
                             std::vector<GestureAppScopeRule>{});
    }
    return rebuilt;
}

// A rule equal to its preset in everything the user can change is no override.
bool matchesPreset(const GestureMapping& rule, const GestureMapping& preset) {
    return rule.action() == preset.action() && rule.notes() == preset.notes() &&
           rule.name() == preset.name() && rule.isEnabled() == preset.isEnabled() &&
           rule.appScopeRules() == preset.appScopeRules();
}

// Stored lists that both override a preset and list it as removed would leave a rule that acts
// but is shown nowhere. The override is the user's own rule, so it stays, and with it the preset
// counts as present again, as after saving a rule onto a removed preset.
std::vector<GestureDescriptor> withoutOverriddenPatterns(
    std::vector<GestureDescriptor> disabled, const std::vector<GestureMapping>& customMappings) {
    std::erase_if(disabled, [&](const GestureDescriptor& pattern) {
        return std::any_of(customMappings.begin(), customMappings.end(),
                           [&](const GestureMapping& m) { return m.pattern() == pattern; });
    });
    return disabled;
}

void eraseCustomMappings(GestureMappingSnapshot& snapshot, const GestureDescriptor& pattern) {
    std::erase_if(snapshot.customMappings,
                  [&](const GestureMapping& m) { return m.pattern() == pattern; });
}

GestureMappingSnapshot initialSnapshot(const std::vector<GestureMapping>& presets,
                                       const std::vector<GestureMapping>& customMappings,
                                       const std::vector<GestureDescriptor>& disabledPatterns) {
    GestureMappingSnapshot snapshot;
    snapshot.builtInMappings = presets;
    snapshot.customMappings = GesturePresets::sanitizedCustomMappings(customMappings);
    snapshot.customOrderLanguage = GestureMappingSnapshot::orderLanguage();
    snapshot.disabledBuiltInPatterns = withoutOverriddenPatterns(
        GesturePresets::sanitizedDisabledBuiltInPatterns(disabledPatterns, presets),
        snapshot.customMappings);
    return snapshot;
}

}  // namespace

GestureMappingStore::GestureMappingStore(
    const std::vector<GestureMapping>& builtInMappings,
    const std::vector<GestureMapping>& customMappings,
    const std::vector<GestureDescriptor>& disabledBuiltInPatterns)
    : builtInMappings_(rebuiltPresets(builtInMappings)),
      snapshots_(std::make_shared<const GestureMappingSnapshot>(
          initialSnapshot(builtInMappings_, customMappings, disabledBuiltInPatterns))) {}

Subscription GestureMappingStore::subscribe(std::function<void(const SnapshotPointer&)> receiver,
                                            Executor* executor) {
    return snapshots_.subscribe(std::move(receiver), executor);
}

void GestureMappingStore::setMappingEnabled(bool isEnabled, const GestureDescriptor& pattern) {
    updateStoredMapping(pattern, [isEnabled](const GestureMapping& m) {
        return GestureMapping(m.pattern(), m.action(), m.notes(), m.name(), m.source(), isEnabled,
                              m.appScopeRules());
    });
}

void GestureMappingStore::setMappingName(const std::optional<QString>& name,
                                         const GestureDescriptor& pattern) {
    updateStoredMapping(pattern, [&name](const GestureMapping& m) {
        return GestureMapping(m.pattern(), m.action(), m.notes(), name, m.source(), m.isEnabled(),
                              m.appScopeRules());
    });
}

void GestureMappingStore::replaceAppScopeRules(const std::vector<GestureAppScopeRule>& rules,
                                               const GestureDescriptor& pattern) {
    updateStoredMapping(pattern, [&rules](const GestureMapping& m) {
        return GestureMapping(m.pattern(), m.action(), m.notes(), m.name(), m.source(),
                              m.isEnabled(), rules);
    });
}

void GestureMappingStore::upsertCustomMapping(const GesturePattern& pattern,
                                              const GestureAction& action,
                                              const std::optional<QString>& name) {
    upsertCustomMapping(GestureDescriptor::directional(pattern), action, name);
}

void GestureMappingStore::upsertCustomTemplateMapping(const GestureTemplate& gestureTemplate,
                                                      const GestureAction& action,
                                                      const std::optional<QString>& name) {
    upsertCustomMapping(GestureDescriptor::fromTemplate(gestureTemplate), action, name);
}

void GestureMappingStore::removeMapping(const GestureDescriptor& pattern) {
    GestureMappingSnapshot next = *snapshot();
    eraseCustomMappings(next, pattern);
    if (next.firstBuiltInMapping(pattern) != nullptr && !next.isDisabledBuiltInPattern(pattern)) {
        next.disabledBuiltInPatterns.push_back(pattern);
        next.disabledBuiltInPatterns = GesturePresets::sanitizedDisabledBuiltInPatterns(
            next.disabledBuiltInPatterns, builtInMappings_);
    }
    publish(std::move(next));
}

void GestureMappingStore::restoreBuiltInMapping(const GestureDescriptor& pattern) {
    GestureMappingSnapshot next = *snapshot();
    if (next.firstBuiltInMapping(pattern) == nullptr) {
        return;
    }
    eraseCustomMappings(next, pattern);
    std::erase(next.disabledBuiltInPatterns, pattern);
    publish(std::move(next));
}

void GestureMappingStore::replaceCustomMappings(const std::vector<GestureMapping>& mappings) {
    GestureMappingSnapshot next = *snapshot();
    next.customMappings = GesturePresets::sanitizedCustomMappings(mappings);
    next.customOrderLanguage = GestureMappingSnapshot::orderLanguage();
    next.disabledBuiltInPatterns =
        withoutOverriddenPatterns(std::move(next.disabledBuiltInPatterns), next.customMappings);
    publish(std::move(next));
}

void GestureMappingStore::replaceDisabledBuiltInPatterns(
    const std::vector<GestureDescriptor>& patterns) {
    GestureMappingSnapshot next = *snapshot();
    next.disabledBuiltInPatterns = withoutOverriddenPatterns(
        GesturePresets::sanitizedDisabledBuiltInPatterns(patterns, builtInMappings_),
        next.customMappings);
    publish(std::move(next));
}

void GestureMappingStore::setMatchingThreshold(double threshold) {
    const SnapshotPointer current = snapshot();
    if (current->matchingThreshold == threshold) {
        return;
    }
    GestureMappingSnapshot next = *current;
    next.matchingThreshold = threshold;
    publish(std::move(next));
}

void GestureMappingStore::updateStoredMapping(const GestureDescriptor& pattern,
                                              const Transform& transform) {
    GestureMappingSnapshot next = *snapshot();
    const auto current = next.mapping(pattern);
    if (!current) {
        return;
    }
    const GestureMapping updated = transform(*current);
    storeCustomMapping(next, GestureMapping(updated.pattern(), updated.action(), updated.notes(),
                                            updated.name(), GestureMappingSource::custom,
                                            updated.isEnabled(), updated.appScopeRules()));
    publish(std::move(next));
}

void GestureMappingStore::upsertCustomMapping(const GestureDescriptor& pattern,
                                              const GestureAction& action,
                                              const std::optional<QString>& name) {
    GestureMappingSnapshot next = *snapshot();
    if (next.firstBuiltInMapping(pattern) != nullptr) {
        std::erase(next.disabledBuiltInPatterns, pattern);
    }
    // The replaced rule (or the preset) keeps its notes, switch and scope rules; only its name
    // is replaced.
    const auto base = next.mapping(pattern);
    GestureMapping rule =
        base ? GestureMapping(pattern, action, base->notes(), name, GestureMappingSource::custom,
                              base->isEnabled(), base->appScopeRules())
             : GestureMapping(pattern, action, customNotes(action), name,
                              GestureMappingSource::custom, true, {});
    storeCustomMapping(next, std::move(rule));
    publish(std::move(next));
}

void GestureMappingStore::storeCustomMapping(GestureMappingSnapshot& next, GestureMapping rule) {
    const GestureMapping* preset = next.firstBuiltInMapping(rule.pattern());
    if (preset != nullptr && matchesPreset(rule, *preset)) {
        // The preset shows through again; deleting keeps the order of the rest.
        eraseCustomMappings(next, rule.pattern());
        return;
    }
    std::vector<GestureMapping>& rules = next.customMappings;
    const auto existing = std::find_if(rules.begin(), rules.end(), [&](const GestureMapping& m) {
        return m.pattern() == rule.pattern();
    });
    if (next.customOrderLanguage != GestureMappingSnapshot::orderLanguage()) {
        // Sorted in another language: the whole list again.
        if (existing != rules.end()) {
            *existing = std::move(rule);
        } else {
            rules.push_back(std::move(rule));
        }
        rules = GesturePresets::sanitizedCustomMappings(rules);
        next.customOrderLanguage = GestureMappingSnapshot::orderLanguage();
        return;
    }
    // The rest of the list is clean and in order already: only this rule is cleaned and put in
    // its place, which is what cleaning and sorting the whole list (a collation per rule) gives.
    if (rule.notes().isEmpty()) {
        rule =
            GestureMapping(rule.pattern(), rule.action(), customNotes(rule.action()), rule.name(),
                           GestureMappingSource::custom, rule.isEnabled(), rule.appScopeRules());
    }
    const QString label = displayLabel(rule);
    if (existing != rules.end()) {
        if (displayLabel(*existing) == label) {
            *existing = std::move(rule);
            return;
        }
        rules.erase(existing);
    }
    const QCollator collator = makeLocalizedStandardCollator();
    const auto first = std::partition_point(
        rules.begin(), rules.end(),
        [&](const GestureMapping& m) { return collator.compare(displayLabel(m), label) < 0; });
    const auto last = std::partition_point(first, rules.end(), [&](const GestureMapping& m) {
        return collator.compare(displayLabel(m), label) <= 0;
    });
    // Among rules of the same label the identifier decides, as when the whole list is sorted.
    const QString id = rule.id();
    const auto at =
        std::partition_point(first, last, [&](const GestureMapping& m) { return m.id() < id; });
    rules.insert(at, std::move(rule));
}

void GestureMappingStore::publish(GestureMappingSnapshot next) {
    snapshots_.send(std::make_shared<const GestureMappingSnapshot>(std::move(next)));
}

}  // namespace quillorbitex
