#pragma once

#include <functional>

#include "Models/AppThemeOverride.h"
#include "Platform/CurrentValueSubject.h"

namespace quillorbitex {

// The light or dark look of every window and overlay of the program. Main thread.
class Appearance {
public:
    virtual ~Appearance() = default;

    // `system` follows the desktop; `light` and `dark` force that look whatever the desktop says.
    virtual void apply(AppThemeOverride choice) = 0;
    // Whether the program is drawn dark now.
    virtual bool isDark() const = 0;
    // Hears the current look at once and every change of it after, on the main thread.
    [[nodiscard]] virtual Subscription subscribe(std::function<void(bool dark)> receiver) = 0;
};

}  // namespace quillorbitex
