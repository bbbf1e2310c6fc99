#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <utility>

namespace quillorbitex {

// Enumerations whose stored value is their case name specialise this with
//   static constexpr std::array<std::pair<E, std::string_view>, N> cases = {...};
// listing every case in declaration order.
template <typename E>
struct RawValueCases;

template <typename E>
constexpr std::string_view rawValue(E value) {
    for (const auto& [c, name] : RawValueCases<E>::cases) {
        if (c == value) {
            return name;
        }
    }
    return {};
}

template <typename E>
constexpr std::optional<E> fromRawValue(std::string_view text) {
    for (const auto& [c, name] : RawValueCases<E>::cases) {
        if (name == text) {
            return c;
        }
    }
    return std::nullopt;
}

template <typename E>
constexpr auto allCases() {
    constexpr auto& table = RawValueCases<E>::cases;
    std::array<E, table.size()> result{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        result[i] = table[i].first;
    }
    return result;
}

}  // namespace quillorbitex
