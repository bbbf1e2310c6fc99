#pragma once

#include <set>

#include "Platform/RawValueEnum.h"

namespace quillorbitex {

enum class ModifierKey { command, control, option, shift };

template <>
struct RawValueCases<ModifierKey> {
    static constexpr std::array<std::pair<ModifierKey, std::string_view>, 4> cases = {{
        {ModifierKey::command, "command"},
        {ModifierKey::control, "control"},
        {ModifierKey::option, "option"},
        {ModifierKey::shift, "shift"},
    }};
};

// The order in which modifiers are always shown.
inline constexpr std::array<ModifierKey, 4> modifierDisplayOrder = {
    ModifierKey::control, ModifierKey::shift, ModifierKey::option, ModifierKey::command};

using ModifierKeySet = std::set<ModifierKey>;

}  // namespace quillorbitex
