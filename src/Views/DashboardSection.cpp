#include "Views/DashboardSection.h"

#include "Localization/L10n.h"

namespace quillorbitex {

QString title(DashboardSection section) {
    switch (section) {
        case DashboardSection::overview:
            return L10n::string("Overview");
        case DashboardSection::customGestures:
            return L10n::string("Custom Rules");
        case DashboardSection::activeGestures:
            return L10n::string("Preset Rules");
        case DashboardSection::debugging:
            return L10n::string("Debugging");
    }
    return {};
}

}  // namespace quillorbitex
