#pragma once

#include <QString>

#include "Platform/RawValueEnum.h"

namespace quillorbitex {

// The four sections of the dashboard page, in the order of the sidebar rows and of the page.
enum class DashboardSection { overview, customGestures, activeGestures, debugging };

template <>
struct RawValueCases<DashboardSection> {
    static constexpr std::array<std::pair<DashboardSection, std::string_view>, 4> cases = {{
        {DashboardSection::overview, "overview"},
        {DashboardSection::customGestures, "customGestures"},
        {DashboardSection::activeGestures, "activeGestures"},
        {DashboardSection::debugging, "debugging"},
    }};
};

// The section's name in the current language; looked up on every call.
QString title(DashboardSection section);

}  // namespace quillorbitex
