#include "Models/GesturePattern.h"

#include "Platform/Hashing.h"

namespace quillorbitex {

const GesturePattern GesturePattern::upThenDown{GestureDirection::up, GestureDirection::down};
const GesturePattern GesturePattern::leftThenUp{GestureDirection::left, GestureDirection::up};
const GesturePattern GesturePattern::leftThenDown{GestureDirection::left, GestureDirection::down};
const GesturePattern GesturePattern::rightThenUp{GestureDirection::right, GestureDirection::up};
const GesturePattern GesturePattern::rightThenDown{GestureDirection::right, GestureDirection::down};
const GesturePattern GesturePattern::suggestedCustomPattern{GestureDirection::right,
                                                            GestureDirection::down};

std::optional<GesturePattern> GesturePattern::make(
    const std::vector<GestureDirection>& directions) {
    if (directions.size() != 2) {
        return std::nullopt;
    }
    return GesturePattern(directions[0], directions[1]);
}

QString GesturePattern::id() const {
    const auto name = [](GestureDirection d) {
        const auto raw = rawValue(d);
        return QString::fromLatin1(raw.data(), static_cast<qsizetype>(raw.size()));
    };
    return name(directions_[0]) + QLatin1Char('-') + name(directions_[1]);
}

}  // namespace quillorbitex

std::size_t std::hash<quillorbitex::GesturePattern>::operator()(
    const quillorbitex::GesturePattern& p) const noexcept {
    std::size_t seed = 0;
    for (const auto d : p.directions()) {
        quillorbitex::hashCombine(seed, static_cast<int>(d));
    }
    return seed;
}
