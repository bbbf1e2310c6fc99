#pragma once

#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "Models/GestureDirection.h"

namespace quillorbitex {

// A directional gesture: exactly two straight directions in the order drawn (they may be equal).
class GesturePattern {
public:
    // Only a list of exactly two directions makes a pattern.
    static std::optional<GesturePattern> make(const std::vector<GestureDirection>& directions);
    constexpr GesturePattern(GestureDirection first, GestureDirection second)
        : directions_{first, second} {}

    const std::array<GestureDirection, 2>& directions() const { return directions_; }
    std::vector<GestureDirection> directionList() const {
        return {directions_.begin(), directions_.end()};
    }
    // The stored direction names joined by "-", e.g. "up-down".
    QString id() const;

    static const GesturePattern upThenDown;
    static const GesturePattern leftThenUp;
    static const GesturePattern leftThenDown;
    static const GesturePattern rightThenUp;
    static const GesturePattern rightThenDown;
    static const GesturePattern suggestedCustomPattern;

    friend bool operator==(const GesturePattern&, const GesturePattern&) = default;

private:
    std::array<GestureDirection, 2> directions_;
};

}  // namespace quillorbitex

template <>
struct std::hash<quillorbitex::GesturePattern> {
    std::size_t operator()(const quillorbitex::GesturePattern& p) const noexcept;
};
