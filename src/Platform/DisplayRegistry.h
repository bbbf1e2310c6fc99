#pragma once

#include <functional>
#include <vector>

#include "Platform/DisplayGeometry.h"

namespace quillorbitex {

// The displays attached now, and word when that changes.
class DisplayRegistry {
public:
    virtual ~DisplayRegistry() = default;

    // In the desktop's order; empty when there is none.
    virtual std::vector<DisplayGeometry> currentDisplays() const = 0;
    // Called on the main thread after a display was added or removed or changed its geometry or
    // scale. Replaces an earlier handler; an empty one stops the calls.
    virtual void setChangeHandler(std::function<void()> handler) = 0;
};

}  // namespace quillorbitex
