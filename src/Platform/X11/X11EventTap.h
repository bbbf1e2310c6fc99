#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Platform/EventTap.h"

struct _XDisplay;

namespace quillorbitex::x11 {

// Passive grabs of the secondary button (button 3) on the root window, on a connection of its
// own: one for each combination of Shift, Control, Alt and Super held with it, each also with Caps
// Lock, Num Lock and both. A combination another client grabbed first (such as a hotkey daemon's
// Super+right button) is left to it. While the button is held every pointer event goes to this
// connection and to no other client, which is what swallowing means here: an event the callback
// lets pass cannot be handed back to the application under the pointer. Closing the connection
// releases the grabs.
//
// The connection is used by one thread at a time: the creating thread until the tap is attached
// to its loop, then the tap thread.
class X11TapConnection final : public TapHandle {
public:
    // Nothing when the display does not open, has no XTEST, or another client holds the button
    // without modifiers (or with only Caps Lock or Num Lock).
    static std::shared_ptr<X11TapConnection> open(const std::string& displayName,
                                                  TapCallback callback);
    ~X11TapConnection() override;

    X11TapConnection(const X11TapConnection&) = delete;
    X11TapConnection& operator=(const X11TapConnection&) = delete;

    // Tap thread.
    void setEnabled(bool enabled) override;
    // Any thread.
    void invalidate() override;
    std::vector<unsigned> skippedModifierCombinations() const override { return skipped_; }

    int fileDescriptor() const;
    // Tap thread: runs the callback for every event that has arrived. False once the connection
    // to the server is lost.
    bool dispatchPending();

    // The connection whose callback runs on the calling thread, if any.
    static X11TapConnection* current();

    // Replays a secondary click from inside the callback. Everything goes through this
    // connection, whose requests the server handles in order: the grab is released before the
    // press and taken again before the release, so the tap never catches its own click. Once the
    // button is up the pointer returns to where it was, unless the user has moved it meanwhile.
    // False when the connection to the server is lost.
    bool replayButtonPress(Point location, std::int64_t sourceUserData);
    bool replayButtonRelease(std::int64_t sourceUserData);

private:
    X11TapConnection(_XDisplay* display, TapCallback callback, std::vector<unsigned> grabbedMasks,
                     std::vector<unsigned> skipped);
    void grab();
    void ungrab();
    // X events carry no user data; the requests that made our own events are remembered by their
    // sequence number instead, which the server copies into the events they cause.
    void rememberOwnRequest(std::int64_t sourceUserData);
    std::int64_t sourceUserDataFor(unsigned long serial) const;

    _XDisplay* display_;
    unsigned long root_;
    TapCallback callback_;
    // The X modifier masks of the grabs taken at opening, taken again after each replay.
    const std::vector<unsigned> grabbedMasks_;
    const std::vector<unsigned> skipped_;
    std::atomic<bool> valid_{true};
    bool enabled_ = false;
    bool grabbed_ = false;
    // Where the replay put the pointer and where it was before, in root pixels.
    struct PointerRestore {
        int replayX = 0;
        int replayY = 0;
        int userX = 0;
        int userY = 0;
    };
    std::optional<PointerRestore> pointerRestore_;
    std::array<std::pair<unsigned long, std::int64_t>, 4> ownRequests_{};
    std::size_t nextOwnRequest_ = 0;
};

// The event tap service on an X display: taps are X11TapConnections; a loop waits with poll() on
// the connections of its taps and a wake-up descriptor.
class X11EventTap final : public EventTap {
public:
    // An empty name means $DISPLAY.
    explicit X11EventTap(std::string displayName = {});

    std::shared_ptr<TapHandle> createTap(TapCallback callback) override;
    std::shared_ptr<TapLoop> makeLoop() override;

private:
    const std::string displayName_;
};

}  // namespace quillorbitex::x11
