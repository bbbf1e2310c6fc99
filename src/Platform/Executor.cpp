#include "Platform/Executor.h"

namespace quillorbitex {

Duration SteadyClock::now() const {
    return std::chrono::duration_cast<Duration>(
        std::chrono::steady_clock::now().time_since_epoch());
}

const SteadyClock& SteadyClock::shared() {
    static const SteadyClock clock;
    return clock;
}

}  // namespace quillorbitex
