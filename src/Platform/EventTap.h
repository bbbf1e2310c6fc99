#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "Platform/Geometry.h"

namespace quillorbitex {

enum class TapEventType {
    secondaryButtonDown,
    secondaryButtonUp,
    secondaryButtonDragged,
    // The system stopped delivering events to the tap (it answered too slowly, or the user's
    // input turned it off); the tap stays off until it is enabled again.
    tapDisabledByTimeout,
    tapDisabledByUserInput,
    other,
};

// One event seen by a tap. Locations are in the global display space.
struct TapEvent {
    TapEventType type = TapEventType::other;
    Point location;
    // The value the poster put into the event's source user-data, 0 for events of other origins.
    std::int64_t sourceUserData = 0;
    std::int64_t clickState = 0;

    friend bool operator==(const TapEvent&, const TapEvent&) = default;
};

enum class TapVerdict { pass, swallow };

// Runs on the tap thread for every event; must return quickly.
using TapCallback = std::function<TapVerdict(const TapEvent&)>;

// Modifier keys held with the secondary button; a combination is a bitwise or of these.
namespace TapModifier {
inline constexpr unsigned shift = 1u << 0;
inline constexpr unsigned control = 1u << 1;
inline constexpr unsigned alt = 1u << 2;
inline constexpr unsigned super = 1u << 3;
inline constexpr unsigned capsLock = 1u << 4;
inline constexpr unsigned numLock = 1u << 5;
}  // namespace TapModifier

// An installed global tap on secondary-button down, drag and up events. Events reach its callback
// only while it is enabled and attached to a running TapLoop.
class TapHandle {
public:
    virtual ~TapHandle() = default;
    virtual void setEnabled(bool enabled) = 0;
    // Ends the tap for good: no event reaches the callback afterwards. Any thread.
    virtual void invalidate() = 0;
    // The combinations of modifiers (TapModifier), Caps Lock and Num Lock included, whose strokes
    // the tap never sees because another program took them first. Empty when it sees them all.
    virtual std::vector<unsigned> skippedModifierCombinations() const { return {}; }
};

// The loop of a tap thread: waits for the events of the taps attached to it and runs their
// callbacks on that thread.
class TapLoop {
public:
    virtual ~TapLoop() = default;
    virtual void attach(std::shared_ptr<TapHandle> tap) = 0;
    // Any thread; a callback already running finishes.
    virtual void detach(const std::shared_ptr<TapHandle>& tap) = 0;
    // Serves events on the calling thread until stop() is called or no tap is attached any more
    // (a tap whose connection to the system broke detaches itself).
    virtual void run() = 0;
    // Any thread. A loop waiting for events notices a stop only once woken.
    virtual void stop() = 0;
    virtual void wakeUp() = 0;
};

// The platform's global event tap service.
class EventTap {
public:
    virtual ~EventTap() = default;
    // Installs a tap whose events go to `callback`; nothing when the system refuses one (no
    // display, no permission, another client holds the events). Enable it once it is attached to
    // the loop that will serve it.
    virtual std::shared_ptr<TapHandle> createTap(TapCallback callback) = 0;
    // A loop for the calling thread, which is the one that must run it.
    virtual std::shared_ptr<TapLoop> makeLoop() = 0;
};

}  // namespace quillorbitex
