#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "Application/AppcastItem.h"

namespace quillorbitex {

// What one update check found.
struct UpdateCheckOutcome {
    enum class Kind {
        // The feed's newest release is not newer than ours.
        upToDate,
        // A newer release exists: `newest` describes it.
        updateAvailable,
        // The feed could not be fetched (no connection, no answer in time).
        unreachable,
        // The server answered, but not with a readable feed (an error status, broken or empty).
        unreadable,
    };

    Kind kind = Kind::unreadable;
    // Our own version, as shown to the user.
    QString currentVersion;
    // The feed's newest release, when the feed was read.
    std::optional<AppcastItem> newest;

    friend bool operator==(const UpdateCheckOutcome&, const UpdateCheckOutcome&) = default;
};

// Shows an update check's outcome to the user. Main thread.
class UpdatePresenter {
public:
    virtual ~UpdatePresenter() = default;
    // Shows the outcome and calls `closed` once, when the user has dismissed it (however that
    // happens, the presenter's own destruction included).
    virtual void present(const UpdateCheckOutcome& outcome, std::function<void()> closed) = 0;
    // Puts the window of the outcome shown last in front of the program's other windows and
    // activates it, if it is still open.
    virtual void bringToFront() = 0;
};

}  // namespace quillorbitex
