#include "Platform/X11/X11ErrorTrap.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <map>
#include <mutex>
#include <utility>
#include <vector>

namespace quillorbitex::x11::X11ErrorTrap {

namespace {

constexpr std::size_t kFailedRequestsKept = 256;

struct ConnectionState {
    int lastError = 0;
    std::vector<unsigned long> failedRequests;
    bool broken = false;
};

// Recursive: closing a connection flushes it, which may report an error on the same thread while
// the registry is held.
std::recursive_mutex& registryMutex() {
    static std::recursive_mutex mutex;
    return mutex;
}
std::map<Display*, ConnectionState>& registry() {
    static std::map<Display*, ConnectionState> connections;
    return connections;
}

// Guarded by the registry mutex.
XErrorHandler previousErrorHandler = nullptr;
XIOErrorHandler previousIOErrorHandler = nullptr;

int recordError(Display* display, XErrorEvent* error) {
    XErrorHandler previous = nullptr;
    {
        std::lock_guard lock(registryMutex());
        if (const auto it = registry().find(display); it != registry().end()) {
            it->second.lastError = error->error_code;
            auto& failed = it->second.failedRequests;
            if (failed.size() == kFailedRequestsKept) {
                failed.erase(failed.begin());
            }
            failed.push_back(error->serial);
            return 0;
        }
        previous = previousErrorHandler;
    }
    return previous ? previous(display, error) : 0;
}

void markBroken(Display* display) {
    std::lock_guard lock(registryMutex());
    if (const auto it = registry().find(display); it != registry().end()) {
        it->second.broken = true;
    }
}

int recordIOError(Display* display) {
    XIOErrorHandler previous = nullptr;
    {
        std::lock_guard lock(registryMutex());
        if (const auto it = registry().find(display); it != registry().end()) {
            it->second.broken = true;
            return 0;  // Xlib goes on to the connection's exit handler, which lets us live
        }
        previous = previousIOErrorHandler;
    }
    return previous ? previous(display) : 0;
}

void keepAlive(Display* display, void*) {
    markBroken(display);
}

// Someone (such as the GUI toolkit) may have replaced our handlers since the last connection;
// take them back, passing the newer ones everything that is not ours.
void installHandlers() {
    if (const auto previous = XSetErrorHandler(recordError); previous != recordError) {
        previousErrorHandler = previous;
    }
    if (const auto previous = XSetIOErrorHandler(recordIOError); previous != recordIOError) {
        previousIOErrorHandler = previous;
    }
}

}  // namespace

_XDisplay* openDisplay(const std::string& displayName) {
    Display* display = XOpenDisplay(displayName.empty() ? nullptr : displayName.c_str());
    if (!display) {
        return nullptr;
    }
    std::lock_guard lock(registryMutex());
    installHandlers();
    registry()[display] = ConnectionState{};
    XSetIOErrorExitHandler(display, keepAlive, nullptr);
    return display;
}

_XDisplay* openDisplayWithXTest(const std::string& displayName) {
    Display* display = openDisplay(displayName);
    if (!display) {
        return nullptr;
    }
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (!XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor)) {
        closeDisplay(display);
        return nullptr;
    }
    return display;
}

void closeDisplay(_XDisplay* display) {
    if (!display) {
        return;
    }
    std::lock_guard lock(registryMutex());
    XCloseDisplay(display);
    registry().erase(display);
}

int takeLastError(_XDisplay* display) {
    std::lock_guard lock(registryMutex());
    const auto it = registry().find(display);
    if (it == registry().end()) {
        return 0;
    }
    return std::exchange(it->second.lastError, 0);
}

std::vector<unsigned long> takeFailedRequests(_XDisplay* display) {
    std::lock_guard lock(registryMutex());
    const auto it = registry().find(display);
    if (it == registry().end()) {
        return {};
    }
    return std::exchange(it->second.failedRequests, {});
}

bool isBroken(_XDisplay* display) {
    std::lock_guard lock(registryMutex());
    const auto it = registry().find(display);
    return it != registry().end() && it->second.broken;
}

}  // namespace quillorbitex::x11::X11ErrorTrap
