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

}  // namespace quillorbitex::testing
