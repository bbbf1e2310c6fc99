#pragma once

#include "Platform/RawValueEnum.h"

namespace quillorbitex {

enum class GestureDirection { up, down, left, right };

template <>
struct RawValueCases<GestureDirection> {
    static constexpr std::array<std::pair<GestureDirection, std::string_view>, 4> cases = {{
        {GestureDirection::up, "up"},
        {GestureDirection::down, "down"},
        {GestureDirection::left, "left"},
        {GestureDirection::right, "right"},
    }};
};

}  // namespace quillorbitex
