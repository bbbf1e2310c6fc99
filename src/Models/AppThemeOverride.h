#pragma once

#include "Platform/RawValueEnum.h"

namespace quillorbitex {

// The appearance the user chose.
enum class AppThemeOverride { system, light, dark };

template <>
struct RawValueCases<AppThemeOverride> {
    static constexpr std::array<std::pair<AppThemeOverride, std::string_view>, 3> cases = {{
        {AppThemeOverride::system, "system"},
        {AppThemeOverride::light, "light"},
        {AppThemeOverride::dark, "dark"},
    }};
};

}  // namespace quillorbitex
