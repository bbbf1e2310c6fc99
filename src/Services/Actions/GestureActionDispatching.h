#pragma once

#include "Models/GestureAction.h"

namespace quillorbitex {

// Performs a rule's action.
class GestureActionDispatching {
public:
    virtual ~GestureActionDispatching() = default;
    // True when the action was performed (for an application: when opening it was requested).
    virtual bool dispatch(const GestureAction& action) = 0;
};

}  // namespace quillorbitex
