#pragma once

namespace quillorbitex {

// Told by an updater around the windows it shows, so that they can be given the program's look.
// Main thread.
class UpdaterWindowDelegate {
public:
    virtual ~UpdaterWindowDelegate() = default;
    // An update window is about to be shown.
    virtual void updaterWillShowWindow() = 0;
    // The update session ends: its window is gone, or it ended without one.
    virtual void updaterWillFinishSession() = 0;
};

// Finds out whether a newer version of the program exists and tells the user. Main thread.
class Updater {
public:
    virtual ~Updater() = default;

    // Starts the automatic schedule; until then only checkForUpdates() checks. Called once.
    virtual void start() = 0;
    virtual bool automaticallyChecksForUpdates() const = 0;
    // Switches the automatic schedule on or off; takes effect at once when started.
    virtual void setAutomaticallyChecksForUpdates(bool enabled) = 0;
    // Checks now, at the user's request; the answer is always shown, "up to date" included.
    virtual void checkForUpdates() = 0;
};

}  // namespace quillorbitex
