#pragma once

#include "Models/GestureMapping.h"

namespace quillorbitex::testing {

// A rule as the user keeps it, with notes that no label is made from.
inline GestureMapping customRule(GestureDescriptor pattern, GestureAction action,
                                 std::optional<QString> name = std::nullopt, bool enabled = true,
                                 std::vector<GestureAppScopeRule> scopes = {},
                                 GestureMappingSource source = GestureMappingSource::custom) {
    return GestureMapping(std::move(pattern), std::move(action), QStringLiteral("notes"),
                          std::move(name), source, enabled, std::move(scopes));
}

// `count` freeform rules of small templates; each `round` differs from the others in every rule.
inline std::vector<GestureMapping> templateRules(int count, int round = 0) {
    std::vector<GestureMapping> rules;
    for (int i = 0; i < count; ++i) {
        rules.emplace_back(
            GestureDescriptor::fromTemplate(GestureTemplate(
                QStringLiteral("template-%1").arg(i), QStringLiteral("Shape %1").arg(i),
                std::vector<GestureTemplatePoint>{{0, 0}, {double(i), 1}, {2, double(round)}})),
            GestureAction::predefined(PredefinedAction::refresh), QString(),
            QStringLiteral("Rule %1.%2").arg(i).arg(round), GestureMappingSource::custom,
            (i + round) % 2 == 0, std::vector<GestureAppScopeRule>{});
    }
    return rules;
}

}  // namespace quillorbitex::testing
