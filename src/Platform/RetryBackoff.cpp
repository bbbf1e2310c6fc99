#include "Platform/RetryBackoff.h"

#include <algorithm>

namespace quillorbitex {

Duration RetryBackoff::next() {
    // Doubled only while twice the delay stays within the longest, so that it can never overflow.
    previous_ = previous_ == Duration::zero() ? std::min(first_, longest_)
                : previous_ <= longest_ / 2   ? previous_ * 2
                                              : longest_;
    return previous_;
}

}  // namespace quillorbitex
