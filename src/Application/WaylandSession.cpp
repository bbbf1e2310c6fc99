#include "Application/WaylandSession.h"

#include "Localization/L10n.h"

namespace quillorbitex {

bool WaylandSession::detected(const QProcessEnvironment& environment) {
    return !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty() ||
           environment.value(QStringLiteral("XDG_SESSION_TYPE")) == QStringLiteral("wayland");
}

QString WaylandSession::notice() {
    return L10n::string(
        "This is a Wayland session: Quillorbitex runs through XWayland and sees only the windows "
        "of X11 applications. Strokes drawn over other windows are not captured.");
}

}  // namespace quillorbitex
