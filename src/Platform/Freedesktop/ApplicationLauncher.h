#pragma once

#include <QUrl>

#include "Platform/Freedesktop/DesktopEntry.h"

namespace quillorbitex::freedesktop {

// Starts programs the way a desktop launcher does: detached from this program and never through a
// shell, so no text a user typed is ever interpreted as a command.
class ApplicationLauncher final {
public:
    ApplicationLauncher() = delete;

    // Starts the entry's Exec command with no files; false when it has no usable command line or
    // the program could not be started.
    static bool launch(const DesktopEntry& entry);
    // Hands the URL to xdg-open, which starts the desktop's handler for its scheme. The caller
    // checks first that a handler exists. False when xdg-open could not be started.
    static bool openURL(const QUrl& url);
};

}  // namespace quillorbitex::freedesktop
