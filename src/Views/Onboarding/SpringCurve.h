#pragma once

#include <chrono>

namespace quillorbitex {

// A damped spring settling from 0 at rest onto 1, described as designers do: the period of the
// undamped oscillation (response) and the damping fraction (1 is critically damped, below 1 it
// overshoots a little before settling).
struct SpringCurve {
    double responseSeconds;
    double dampingFraction;

    // Where the spring is `seconds` after it was let go; 0 before that.
    double value(double seconds) const;
    // How long until it stays within a thousandth of 1, the end of its animation.
    std::chrono::milliseconds settlingTime() const;
};

}  // namespace quillorbitex
