#include "Services/Settings/GesturePresets.h"

#include <QSet>
#include <algorithm>
#include <numeric>

#include "Localization/LocalizedStandardCollator.h"
#include "Models/ActionLabels.h"
#include "Models/GestureLabels.h"
#include "Models/PredefinedActionCatalog.h"

namespace quillorbitex {

namespace {

GestureMapping preset(const GesturePattern& pattern, PredefinedAction action) {
    return GestureMapping(GestureDescriptor::directional(pattern),
                          GestureAction::predefined(action),
                          PredefinedActionCatalog::defaultNotes(action), std::nullopt,
                          GestureMappingSource::builtIn, true, {});
}

// Sort by a text label; items whose labels collate equal follow their identifiers, so a list reads
// in one order whatever order it was stored or edited in. Each label is turned into a collation
// key once, so a long list costs one collation per rule instead of one per comparison.
template <typename T, typename Label>
void sortByLabel(std::vector<T>& items, Label label) {
    const QCollator collator = makeLocalizedStandardCollator();
    std::vector<QCollatorSortKey> keys;
    std::vector<QString> ids;
    keys.reserve(items.size());
    ids.reserve(items.size());
    for (const T& item : items) {
        keys.push_back(collator.sortKey(label(item)));
        ids.push_back(item.id());
    }
    std::vector<std::size_t> order(items.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int byLabel = keys[a].compare(keys[b]);
        return byLabel != 0 ? byLabel < 0 : ids[a] < ids[b];
    });
    std::vector<T> sorted;
    sorted.reserve(items.size());
    for (const std::size_t index : order) {
        sorted.push_back(std::move(items[index]));
    }
    items = std::move(sorted);
}

}  // namespace

std::vector<GestureMapping> GesturePresets::builtInMappings() {
    return {
        preset(GesturePattern::upThenDown, PredefinedAction::refresh),
        preset(GesturePattern::leftThenUp, PredefinedAction::previousTab),
        preset(GesturePattern::leftThenDown, PredefinedAction::nextTab),
    };
}

QString GesturePresets::customNotes(const GestureAction& action) {
    return defaultNotes(action);
}

std::vector<GestureMapping> GesturePresets::sanitizedCustomMappings(
    const std::vector<GestureMapping>& mappings) {
    std::vector<GestureMapping> kept;
    kept.reserve(mappings.size());
    // Two gestures are the same exactly when their identifiers are.
    QSet<QString> seen;
    seen.reserve(static_cast<qsizetype>(mappings.size()));
    for (const GestureMapping& mapping : mappings) {
        const QString id = mapping.id();
        if (seen.contains(id)) {
            continue;
        }
        seen.insert(id);
        // Only empty notes are replaced; notes of blanks are the user's own text.
        QString notes = mapping.notes().isEmpty() ? customNotes(mapping.action()) : mapping.notes();
        kept.emplace_back(mapping.pattern(), mapping.action(), std::move(notes), mapping.name(),
                          GestureMappingSource::custom, mapping.isEnabled(),
                          mapping.appScopeRules());
    }
    sortInRuleOrder(kept);
    return kept;
}

std::vector<GestureDescriptor> GesturePresets::sanitizedDisabledBuiltInPatterns(
    const std::vector<GestureDescriptor>& patterns,
    const std::vector<GestureMapping>& builtInMappings) {
    std::vector<GestureDescriptor> kept;
    for (const GestureDescriptor& pattern : patterns) {
        const bool isPreset =
            std::any_of(builtInMappings.begin(), builtInMappings.end(),
                        [&](const GestureMapping& preset) { return preset.pattern() == pattern; });
        if (isPreset && std::find(kept.begin(), kept.end(), pattern) == kept.end()) {
            kept.push_back(pattern);
        }
    }
    sortInPatternOrder(kept);
    return kept;
}

void GesturePresets::sortInRuleOrder(std::vector<GestureMapping>& mappings) {
    sortByLabel(mappings, [](const GestureMapping& m) { return displayLabel(m); });
}

void GesturePresets::sortInPatternOrder(std::vector<GestureDescriptor>& patterns) {
    sortByLabel(patterns, [](const GestureDescriptor& d) { return displayLabel(d); });
}

}  // namespace quillorbitex
