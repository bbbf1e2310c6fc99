#include "Models/GestureAppScopeRule.h"

#include "Platform/Hashing.h"

namespace quillorbitex {

GestureAppScopeRule::GestureAppScopeRule(const QString& bundleIdentifier, const QString& appName,
                                         bool isEnabled)
    : bundleIdentifier_(bundleIdentifier.trimmed()),
      appName_(appName.trimmed()),
      isEnabled_(isEnabled) {
    if (appName_.isEmpty()) {
        appName_ = bundleIdentifier_;
    }
}

}  // namespace quillorbitex

std::size_t std::hash<quillorbitex::GestureAppScopeRule>::operator()(
    const quillorbitex::GestureAppScopeRule& r) const noexcept {
    std::size_t seed = 0;
    quillorbitex::hashCombine(seed, r.bundleIdentifier());
    quillorbitex::hashCombine(seed, r.appName());
    quillorbitex::hashCombine(seed, r.isEnabled());
    return seed;
}
