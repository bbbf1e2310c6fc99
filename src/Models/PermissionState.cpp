#include "Models/PermissionState.h"

#include "Localization/L10n.h"

namespace quillorbitex {

QString title(PermissionState state) {
    switch (state) {
        case PermissionState::unknown:
            return L10n::string("Unknown");
        case PermissionState::granted:
            return L10n::string("Granted");
        case PermissionState::denied:
            return L10n::string("Denied");
    }
    return {};
}

QString detail(PermissionState state) {
    switch (state) {
        case PermissionState::unknown:
            return L10n::string("The app has not checked Accessibility permission yet.");
        case PermissionState::granted:
            return L10n::string(
                "Accessibility is available for listening and running gesture actions.");
        case PermissionState::denied:
            return L10n::string(
                "Grant Accessibility to let Quillorbitex monitor input and run gesture actions.");
    }
    return {};
}

}  // namespace quillorbitex
