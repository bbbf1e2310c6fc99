#include "Platform/X11/X11EventTap.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <mutex>
#include <utility>
#include <vector>

#include "Platform/X11/X11ErrorTrap.h"

namespace quillorbitex::x11 {

namespace {

thread_local X11TapConnection* currentConnection = nullptr;

constexpr unsigned kGrabbedEvents = ButtonPressMask | ButtonReleaseMask | ButtonMotionMask;

struct ModifierCombination {
    unsigned mask = 0;       // X modifier mask
    unsigned modifiers = 0;  // TapModifier flags
};

// The modifier bit Num Lock sets, 0 when it sets none of its own.
unsigned numLockMask(Display* display) {
    const KeyCode numLock = XKeysymToKeycode(display, XK_Num_Lock);
    XModifierKeymap* map = XGetModifierMapping(display);
    unsigned mask = 0;
    for (int modifier = 0; map != nullptr && numLock != 0 && modifier < 8; ++modifier) {
        for (int key = 0; key < map->max_keypermod; ++key) {
            if (map->modifiermap[modifier * map->max_keypermod + key] == numLock) {
                mask = 1u << modifier;
            }
        }
    }
    if (map != nullptr) {
        XFreeModifiermap(map);
    }
    constexpr unsigned kCombined = ShiftMask | LockMask | ControlMask | Mod1Mask | Mod4Mask;
    return (mask & kCombined) != 0 ? 0 : mask;
}

// Every combination grabbed: each subset of Shift, Control, Alt and Super, by itself and with
// Caps Lock, Num Lock and both (the button is ours whatever the lock keys are).
std::vector<ModifierCombination> modifierCombinations(Display* display) {
    const std::vector<ModifierCombination> held = {{ShiftMask, TapModifier::shift},
                                                   {ControlMask, TapModifier::control},
                                                   {Mod1Mask, TapModifier::alt},
                                                   {Mod4Mask, TapModifier::super}};
    std::vector<ModifierCombination> locks = {{0, 0}, {LockMask, TapModifier::capsLock}};
    if (const unsigned numLock = numLockMask(display); numLock != 0) {
        locks.push_back({numLock, TapModifier::numLock});
        locks.push_back({numLock | LockMask, TapModifier::numLock | TapModifier::capsLock});
    }
    std::vector<ModifierCombination> combinations;
    for (unsigned subset = 0; subset < (1u << held.size()); ++subset) {
        ModifierCombination base;
        for (std::size_t i = 0; i < held.size(); ++i) {
            if ((subset & (1u << i)) != 0) {
                base.mask |= held[i].mask;
                base.modifiers |= held[i].modifiers;
            }
        }
        for (const ModifierCombination& lock : locks) {
            combinations.push_back({base.mask | lock.mask, base.modifiers | lock.modifiers});
        }
    }
    return combinations;
}

constexpr unsigned kLockModifiers = TapModifier::capsLock | TapModifier::numLock;

int toPixel(double coordinate) {
    return static_cast<int>(std::lround(coordinate));
}

class CurrentConnectionScope {
public:
    explicit CurrentConnectionScope(X11TapConnection* connection)
        : previous_(std::exchange(currentConnection, connection)) {}
    ~CurrentConnectionScope() { currentConnection = previous_; }
    CurrentConnectionScope(const CurrentConnectionScope&) = delete;
    CurrentConnectionScope& operator=(const CurrentConnectionScope&) = delete;

private:
    X11TapConnection* previous_;
};

class X11TapLoop final : public TapLoop {
public:
    X11TapLoop() : wakeFd_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}
    ~X11TapLoop() override {
        if (wakeFd_ >= 0) {
            close(wakeFd_);
        }
    }
    X11TapLoop(const X11TapLoop&) = delete;
    X11TapLoop& operator=(const X11TapLoop&) = delete;

    void attach(std::shared_ptr<TapHandle> tap) override {
        auto connection = std::dynamic_pointer_cast<X11TapConnection>(std::move(tap));
        if (!connection) {
            return;
        }
        std::lock_guard lock(mutex_);
        attached_.push_back(std::move(connection));
    }

    void detach(const std::shared_ptr<TapHandle>& tap) override {
        std::lock_guard lock(mutex_);
        std::erase_if(attached_, [&](const auto& each) { return each.get() == tap.get(); });
    }

    void run() override {
        while (true) {
            // Strong references for the whole round, so that a tap detached meanwhile keeps its
            // connection (and descriptor) until we are done with it.
            std::vector<std::shared_ptr<X11TapConnection>> taps;
            {
                std::lock_guard lock(mutex_);
                if (std::exchange(stopped_, false)) {
                    return;
                }
                taps = attached_;
            }
            if (taps.empty()) {
                return;
            }
            // Xlib may already hold events it read while answering an earlier request.
            if (!dispatch(taps)) {
                continue;
            }
            std::vector<pollfd> descriptors;
            descriptors.push_back(pollfd{wakeFd_, POLLIN, 0});
            for (const auto& tap : taps) {
                descriptors.push_back(pollfd{tap->fileDescriptor(), POLLIN, 0});
            }
            if (poll(descriptors.data(), descriptors.size(), -1) < 0 && errno != EINTR) {
                return;
            }
            if (descriptors[0].revents != 0) {
                eventfd_t ignored = 0;
                eventfd_read(wakeFd_, &ignored);
            }
        }
    }

    void stop() override {
        std::lock_guard lock(mutex_);
        stopped_ = true;
    }

    void wakeUp() override {
        if (wakeFd_ >= 0) {
            eventfd_write(wakeFd_, 1);
        }
    }

private:
    // False when a tap lost its connection and was detached.
    bool dispatch(const std::vector<std::shared_ptr<X11TapConnection>>& taps) {
        bool allAlive = true;
        for (const auto& tap : taps) {
            if (!tap->dispatchPending()) {
                detach(tap);
                allAlive = false;
            }
        }
        return allAlive;
    }

    const int wakeFd_;
    std::mutex mutex_;
    std::vector<std::shared_ptr<X11TapConnection>> attached_;
    bool stopped_ = false;
};

}  // namespace

X11TapConnection::X11TapConnection(_XDisplay* display, TapCallback callback,
                                   std::vector<unsigned> grabbedMasks,
                                   std::vector<unsigned> skipped)
    : display_(display),
      root_(DefaultRootWindow(display)),
      callback_(std::move(callback)),
      grabbedMasks_(std::move(grabbedMasks)),
      skipped_(std::move(skipped)),
      grabbed_(true) {}

std::shared_ptr<X11TapConnection> X11TapConnection::open(const std::string& displayName,
                                                         TapCallback callback) {
    Display* display = X11ErrorTrap::openDisplayWithXTest(displayName);
    if (!display) {
        return nullptr;
    }
    // All grabs in one round trip; a failed one is known by its request's serial number.
    const std::vector<ModifierCombination> combinations = modifierCombinations(display);
    std::vector<unsigned long> requests;
    for (const ModifierCombination& combination : combinations) {
        requests.push_back(NextRequest(display));
        XGrabButton(display, Button3, combination.mask, DefaultRootWindow(display), False,
                    kGrabbedEvents, GrabModeAsync, GrabModeAsync, None, None);
    }
    XSync(display, False);
    const std::vector<unsigned long> failed = X11ErrorTrap::takeFailedRequests(display);
    X11ErrorTrap::takeLastError(display);
    // BadAccess: another client grabbed that combination first.
    std::vector<unsigned> grabbed;
    std::vector<unsigned> skipped;
    bool plainButtonTaken = true;
    for (std::size_t i = 0; i < combinations.size(); ++i) {
        if (std::find(failed.begin(), failed.end(), requests[i]) == failed.end()) {
            grabbed.push_back(combinations[i].mask);
            continue;
        }
        skipped.push_back(combinations[i].modifiers);
        plainButtonTaken = plainButtonTaken && (combinations[i].modifiers & ~kLockModifiers) != 0;
    }
    if (!plainButtonTaken || X11ErrorTrap::isBroken(display)) {
        X11ErrorTrap::closeDisplay(display);  // releases the grabs that were taken
        return nullptr;
    }
    return std::shared_ptr<X11TapConnection>(
        new X11TapConnection(display, std::move(callback), std::move(grabbed), std::move(skipped)));
}

X11TapConnection::~X11TapConnection() {
    X11ErrorTrap::closeDisplay(display_);
}

void X11TapConnection::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (enabled) {
        grab();
    } else {
        ungrab();
    }
    XFlush(display_);
}

void X11TapConnection::invalidate() {
    valid_.store(false, std::memory_order_release);
}

int X11TapConnection::fileDescriptor() const {
    return ConnectionNumber(display_);
}

X11TapConnection* X11TapConnection::current() {
    return currentConnection;
}

bool X11TapConnection::dispatchPending() {
    while (!X11ErrorTrap::isBroken(display_) && XPending(display_) > 0) {
        XEvent event;
        XNextEvent(display_, &event);
        TapEvent tapEvent;
        switch (event.type) {
            case ButtonPress:
            case ButtonRelease:
                if (event.xbutton.button == Button3) {
                    tapEvent.type = event.type == ButtonPress ? TapEventType::secondaryButtonDown
                                                              : TapEventType::secondaryButtonUp;
                }
                tapEvent.location =
                    Point{double(event.xbutton.x_root), double(event.xbutton.y_root)};
                tapEvent.sourceUserData = sourceUserDataFor(event.xbutton.serial);
                break;
            case MotionNotify:
                tapEvent.type = TapEventType::secondaryButtonDragged;
                tapEvent.location =
                    Point{double(event.xmotion.x_root), double(event.xmotion.y_root)};
                break;
            default:
                continue;  // nothing a tap reports
        }
        if (!enabled_ || !valid_.load(std::memory_order_acquire)) {
            continue;
        }
        const CurrentConnectionScope scope(this);
        // While the grab is active nobody else gets the event, whatever the verdict.
        callback_(tapEvent);
    }
    return !X11ErrorTrap::isBroken(display_);
}

bool X11TapConnection::replayButtonPress(Point location, std::int64_t sourceUserData) {
    Window rootReturn = 0;
    Window childReturn = 0;
    int rootX = 0;
    int rootY = 0;
    int windowX = 0;
    int windowY = 0;
    unsigned mask = 0;
    const int x = toPixel(location.x);
    const int y = toPixel(location.y);
    pointerRestore_.reset();
    if (XQueryPointer(display_, root_, &rootReturn, &childReturn, &rootX, &rootY, &windowX,
                      &windowY, &mask)) {
        pointerRestore_ = PointerRestore{x, y, rootX, rootY};
    }
    const bool wasGrabbed = grabbed_;
    ungrab();
    XTestFakeMotionEvent(display_, -1, x, y, CurrentTime);
    rememberOwnRequest(sourceUserData);
    XTestFakeButtonEvent(display_, Button3, True, CurrentTime);
    if (wasGrabbed) {
        grab();
    }
    XSync(display_, False);
    return !X11ErrorTrap::isBroken(display_);
}

bool X11TapConnection::replayButtonRelease(std::int64_t sourceUserData) {
    rememberOwnRequest(sourceUserData);
    XTestFakeButtonEvent(display_, Button3, False, CurrentTime);
    if (const auto restore = std::exchange(pointerRestore_, std::nullopt)) {
        // The server moves the pointer back only if it is still on the replay's pixel, in the
        // same request that checks it; a user who moved it during the click keeps it where it
        // went.
        XWarpPointer(display_, root_, root_, restore->replayX, restore->replayY, 1, 1,
                     restore->userX, restore->userY);
    }
    XFlush(display_);
    return !X11ErrorTrap::isBroken(display_);
}

void X11TapConnection::grab() {
    if (!grabbed_) {
        for (const unsigned mask : grabbedMasks_) {
            XGrabButton(display_, Button3, mask, root_, False, kGrabbedEvents, GrabModeAsync,
                        GrabModeAsync, None, None);
        }
        grabbed_ = true;
    }
}

void X11TapConnection::ungrab() {
    if (grabbed_) {
        // Releases this connection's grabs of the button only, whatever their modifiers.
        XUngrabButton(display_, Button3, AnyModifier, root_);
        grabbed_ = false;
    }
}

void X11TapConnection::rememberOwnRequest(std::int64_t sourceUserData) {
    ownRequests_[nextOwnRequest_] = {NextRequest(display_), sourceUserData};
    nextOwnRequest_ = (nextOwnRequest_ + 1) % ownRequests_.size();
}

std::int64_t X11TapConnection::sourceUserDataFor(unsigned long serial) const {
    for (const auto& [request, userData] : ownRequests_) {
        if (request != 0 && request == serial) {
            return userData;
        }
    }
    return 0;
}

X11EventTap::X11EventTap(std::string displayName) : displayName_(std::move(displayName)) {}

std::shared_ptr<TapHandle> X11EventTap::createTap(TapCallback callback) {
    return X11TapConnection::open(displayName_, std::move(callback));
}

std::shared_ptr<TapLoop> X11EventTap::makeLoop() {
    return std::make_shared<X11TapLoop>();
}

}  // namespace quillorbitex::x11
