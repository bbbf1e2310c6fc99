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
    const double zeta = std::max(dampingFraction, 0.05);
    double seconds = 0;
    if (zeta < 1) {
        // The oscillation stays within its envelope e^(-ζωt) / sqrt(1 - ζ²).
        seconds = std::log(1 / (kSettledWithin * std::sqrt(1 - zeta * zeta))) / (zeta * omega);
    } else {
        // (1 + u) e^(-u) falls to the band at u = ln((1 + u) / band); a few rounds settle it.
        double u = std::log(1 / kSettledWithin);
        for (int round = 0; round < 8; ++round) {
            u = std::log((1 + u) / kSettledWithin);
        }
        seconds = u / omega;
    }
    return std::chrono::milliseconds(static_cast<long long>(std::ceil(seconds * 1000)));
}

}  // namespace quillorbitex
