#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace quillorbitex {

// A Wayland desktop runs the program through XWayland, where the right-button grab, the synthetic
// keys and the window lookups reach only the windows of X11 applications. Nothing fails there, so
// the user is told.
class WaylandSession final {
public:
    WaylandSession() = delete;

    // WAYLAND_DISPLAY set to anything, or XDG_SESSION_TYPE "wayland".
    static bool detected(const QProcessEnvironment& environment);
    // What the user is told, in the current language.
    static QString notice();
};

}  // namespace quillorbitex
