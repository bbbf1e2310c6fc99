#include "Models/GestureAction.h"

#include "Platform/Hashing.h"

std::size_t std::hash<quillorbitex::GestureAction>::operator()(
    const quillorbitex::GestureAction& a) const noexcept {
    using Kind = quillorbitex::GestureAction::Kind;
    std::size_t seed = 0;
    quillorbitex::hashCombine(seed, static_cast<int>(a.kind()));
    switch (a.kind()) {
        case Kind::keyboardShortcut:
            quillorbitex::hashCombine(seed, *a.shortcut());
            break;
        case Kind::predefined:
            quillorbitex::hashCombine(seed, quillorbitex::rawValue(*a.predefinedAction()));
            break;
        case Kind::openApp:
            quillorbitex::hashCombine(seed, *a.bundleIdentifier());
            break;
        case Kind::openURL:
            quillorbitex::hashCombine(seed, *a.url());
            break;
    }
    return seed;
}
