#pragma once

#include "Platform/RawValueEnum.h"

namespace quillorbitex {

// A preset of the program, or a rule the user made or edited.
enum class GestureMappingSource { builtIn, custom };

template <>
struct RawValueCases<GestureMappingSource> {
    static constexpr std::array<std::pair<GestureMappingSource, std::string_view>, 2> cases = {{
        {GestureMappingSource::builtIn, "builtIn"},
        {GestureMappingSource::custom, "custom"},
    }};
};

}  // namespace quillorbitex
