#include "Views/Onboarding/SpringCurve.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quillorbitex {

namespace {

constexpr double kSettledWithin = 0.001;

double naturalFrequency(const SpringCurve& curve) {
    return 2 * std::numbers::pi / std::max(curve.responseSeconds, 1e-3);
}

}  // namespace

double SpringCurve::value(double seconds) const {
    if (seconds <= 0) {
        return 0;
    }
    const double omega = naturalFrequency(*this);
    const double zeta = std::max(dampingFraction, 0.0);
    const double decay = std::exp(-zeta * omega * seconds);
    if (zeta < 1) {
        const double damped = omega * std::sqrt(1 - zeta * zeta);
        return 1 - decay * (std::cos(damped * seconds) +
                            zeta * omega / damped * std::sin(damped * seconds));
    }
    // Critically damped or slower: no overshoot.
    return 1 - decay * (1 + omega * seconds);
}

std::chrono::milliseconds SpringCurve::settlingTime() const {
    const double omega = naturalFrequency(*this);
    const double zeta = std::clamp(dampingFraction, 0.05, 1.0);
    // The envelope of the oscillation, with some slack for the critically damped term.
    const double seconds = (std::log(1 / kSettledWithin) + 2) / (zeta * omega);
    return std::chrono::milliseconds(static_cast<long long>(std::ceil(seconds * 1000)));
}

}  // namespace quillorbitex
