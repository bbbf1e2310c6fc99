#pragma once

#include <atomic>
#include <limits>

#include "Platform/Executor.h"

namespace quillorbitex {

// The moment (on the steady clock) after which a usage store waits for nothing and works on
// nothing more. Shared by the store and whoever closes it, so that it binds the store from its
// first statement on, also when it is set while the store is still being opened on another thread.
// It only ever moves earlier. Any thread.
class ClosingDeadline final {
public:
    void moveTo(Duration deadline) {
        Duration::rep current = value_.load();
        while (deadline.count() < current &&
               !value_.compare_exchange_weak(current, deadline.count())) {
        }
    }

    // Duration::max() while none was set.
    Duration value() const { return Duration(value_.load(std::memory_order_relaxed)); }
    bool isSet() const { return value() != Duration::max(); }

private:
    std::atomic<Duration::rep> value_{std::numeric_limits<Duration::rep>::max()};
};

}  // namespace quillorbitex
