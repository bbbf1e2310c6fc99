#pragma once

#include <optional>

#include "Models/AppThemeOverride.h"
#include "Platform/Updater.h"

namespace quillorbitex {

// Keeps the program's appearance fixed while an update window is on screen, so that the window
// keeps the look it opened with, and gives the previous setting back when the session ends.
// Main thread.
class UpdateAppearanceCoordinator final : public UpdaterWindowDelegate {
public:
    // The program-wide appearance as the coordinator reads and changes it.
    class Target {
    public:
        virtual ~Target() = default;
        // What the program is set to: following the system, or a fixed light or dark look.
        virtual AppThemeOverride appliedAppearance() const = 0;
        // Whether what is drawn now is dark.
        virtual bool isEffectivelyDark() const = 0;
        virtual void applyAppearance(AppThemeOverride appearance) = 0;
    };

    // Without a target (no application yet) every operation does nothing.
    explicit UpdateAppearanceCoordinator(Target* target);

    // Fixes the appearance to what is drawn now. The first pin of a session remembers the setting
    // it replaces; later pins keep that memory, "followed the system" included.
    void pinCurrentAppearance();
    // Ends the session: the remembered setting comes back, unless something else (the user's own
    // theme choice) changed the appearance while it was pinned. Nothing remembered, nothing done.
    void restoreAppearance();

    void updaterWillShowWindow() override;
    void updaterWillFinishSession() override;

private:
    Target* target_;
    // Empty: nothing remembered. AppThemeOverride::system: the program followed the system.
    std::optional<AppThemeOverride> original_;
    // What the pin set, to tell a later change by someone else.
    std::optional<AppThemeOverride> pinned_;
};

}  // namespace quillorbitex
