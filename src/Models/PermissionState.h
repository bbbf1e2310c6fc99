#pragma once

#include <QString>

#include "Platform/RawValueEnum.h"

namespace quillorbitex {

// The permission the tap and synthetic input need. `unknown`: not checked yet.
enum class PermissionState { unknown, granted, denied };

template <>
struct RawValueCases<PermissionState> {
    static constexpr std::array<std::pair<PermissionState, std::string_view>, 3> cases = {{
        {PermissionState::unknown, "unknown"},
        {PermissionState::granted, "granted"},
        {PermissionState::denied, "denied"},
    }};
};

QString title(PermissionState state);
QString detail(PermissionState state);

}  // namespace quillorbitex
