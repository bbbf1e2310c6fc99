#pragma once

#include <functional>

namespace quillorbitex {

// A tick per display refresh while it runs; nothing at all while it is stopped.
class DisplayClock {
public:
    virtual ~DisplayClock() = default;

    // Called on the main thread on every tick. Replaces an earlier handler.
    virtual void setTickHandler(std::function<void()> handler) = 0;
    // Starting a running clock or stopping a stopped one does nothing.
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool isRunning() const = 0;
};

}  // namespace quillorbitex
