#pragma once

#include <QHashFunctions>
#include <cstddef>
#include <functional>

namespace quillorbitex {

// Mixes `value`'s hash into `seed` (order-sensitive).
template <typename T>
void hashCombine(std::size_t& seed, const T& value) {
    seed ^= std::hash<T>{}(value) + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
}

}  // namespace quillorbitex
