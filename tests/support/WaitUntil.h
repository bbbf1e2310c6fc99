#pragma once

#include <chrono>
#include <thread>

namespace quillorbitex::testing {

// Bounds waits for other threads and processes: long enough for a loaded CI machine, short
// enough to fail clearly before CTest's own timeout.
inline constexpr std::chrono::milliseconds kDefaultWaitTimeout{20000};

// Polls `predicate` until it returns true or `timeout` has passed; returns its last answer.
template <typename Predicate>
bool waitUntil(Predicate&& predicate, std::chrono::milliseconds timeout = kDefaultWaitTimeout,
               std::chrono::microseconds interval = std::chrono::milliseconds{10}) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (true) {
        if (predicate()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(interval);
    }
}

}  // namespace quillorbitex::testing
