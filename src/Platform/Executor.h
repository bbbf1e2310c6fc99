#pragma once

#include <chrono>
#include <functional>

namespace quillorbitex {

using Duration = std::chrono::nanoseconds;
using Task = std::function<void()>;

// Somewhere to run work later: the main thread, a serial queue or, in tests, virtual time.
class Executor {
public:
    virtual ~Executor() = default;
    virtual void async(Task task) = 0;
    virtual void asyncAfter(Duration delay, Task task) = 0;
};

// A monotonic clock; its origin is arbitrary, only differences mean anything.
class Clock {
public:
    virtual ~Clock() = default;
    virtual Duration now() const = 0;
};

class SteadyClock final : public Clock {
public:
    Duration now() const override;
    static const SteadyClock& shared();
};

template <typename Rep, typename Period>
constexpr Duration toDuration(std::chrono::duration<Rep, Period> d) {
    return std::chrono::duration_cast<Duration>(d);
}

inline constexpr Duration seconds(double s) {
    return Duration(static_cast<Duration::rep>(s * 1e9));
}

}  // namespace quillorbitex
