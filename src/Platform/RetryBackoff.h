#pragma once

#include "Platform/Executor.h"

namespace quillorbitex {

// The delays between tries of something that keeps failing: the first delay, then twice the one
// before up to the longest, so that a lasting failure costs little and a short one is soon over.
// reset() after a success starts again from the first delay.
class RetryBackoff final {
public:
    // `first` above zero.
    constexpr RetryBackoff(Duration first, Duration longest) : first_(first), longest_(longest) {}

    // The delay before the next try.
    Duration next();
    void reset() { previous_ = Duration::zero(); }

private:
    Duration first_;
    Duration longest_;
    // Zero before the first try.
    Duration previous_ = Duration::zero();
};

}  // namespace quillorbitex
