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
            return L10n::string("Quillorbitex has not checked the X display yet.");
        case PermissionState::granted:
            return L10n::string(
                "The X server lets Quillorbitex watch the right button and send input for "
                "gesture actions.");
        case PermissionState::denied:
            return L10n::string(
                "Quillorbitex needs an X11 session whose server accepts synthetic input (XTEST) "
                "to watch the right button and run gesture actions.");
    }
    return {};
}

}  // namespace quillorbitex
