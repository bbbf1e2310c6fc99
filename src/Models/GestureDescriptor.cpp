#include "Models/GestureDescriptor.h"

#include "Platform/Hashing.h"

namespace quillorbitex {

QString GestureDescriptor::id() const {
    if (const auto* pattern = std::get_if<GesturePattern>(&value_)) {
        return QStringLiteral("directional:") + pattern->id();
    }
    return QStringLiteral("template:") + std::get<GestureTemplate>(value_).id();
}

std::optional<GesturePattern> GestureDescriptor::directionalPattern() const {
    if (const auto* pattern = std::get_if<GesturePattern>(&value_)) {
        return *pattern;
    }
    return std::nullopt;
}

}  // namespace quillorbitex

std::size_t std::hash<quillorbitex::GestureDescriptor>::operator()(
    const quillorbitex::GestureDescriptor& d) const noexcept {
    std::size_t seed = 0;
    if (const auto pattern = d.directionalPattern()) {
        quillorbitex::hashCombine(seed, 0);
        quillorbitex::hashCombine(seed, *pattern);
    } else {
        quillorbitex::hashCombine(seed, 1);
        quillorbitex::hashCombine(seed, d.gestureTemplate()->id());
    }
    return seed;
}
