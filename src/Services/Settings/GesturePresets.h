#pragma once

#include <QString>
#include <vector>

#include "Models/GestureAction.h"
#include "Models/GestureDescriptor.h"
#include "Models/GestureMapping.h"

namespace quillorbitex {

// The rules every installation starts with, the notes of a new rule, the clean-up of rule lists
// loaded or rewritten by the rule store, and the two display orders. Pure functions of their
// arguments apart from the current language.
class GesturePresets final {
public:
    GesturePresets() = delete;

    // Refresh (up, down), previous tab (left, up), next tab (left, down), in this order. Their
    // notes are looked up now, in the language in force.
    static std::vector<GestureMapping> builtInMappings();

    // The notes a new custom rule gets: the sentence describing its action.
    static QString customNotes(const GestureAction& action);

    // One rule per pattern (the first), each rebuilt as a custom rule with empty notes replaced by
    // the default ones and its name and scope list sanitised; then sorted in rule order.
    static std::vector<GestureMapping> sanitizedCustomMappings(
        const std::vector<GestureMapping>& mappings);
    // Only patterns of the given presets, each once, in pattern order.
    static std::vector<GestureDescriptor> sanitizedDisabledBuiltInPatterns(
        const std::vector<GestureDescriptor>& patterns,
        const std::vector<GestureMapping>& builtInMappings);

    // Rule order: by the rule's display label; pattern order: by the gesture's display label.
    // Both compare names as people expect ("Rule 9" before "Rule 10", case ignored) and keep
    // the input order of labels that compare equal.
    static void sortInRuleOrder(std::vector<GestureMapping>& mappings);
    static void sortInPatternOrder(std::vector<GestureDescriptor>& patterns);
};

}  // namespace quillorbitex
