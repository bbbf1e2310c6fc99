#pragma once

#include <cstdint>

#include "Models/GestureAction.h"

namespace quillorbitex {

// Performs a rule's action.
class GestureActionDispatching {
public:
    virtual ~GestureActionDispatching() = default;
    // True when the action was performed (for an application: when opening it was requested).
    virtual bool dispatch(const GestureAction& action) = 0;
    // The same for the window the action is meant for (FrontmostWindow::window; 0: the active
    // window): its keys reach that window even when the focus has followed the pointer elsewhere.
    virtual bool dispatchTo(const GestureAction& action, std::uint64_t window) {
        static_cast<void>(window);
        return dispatch(action);
    }
};

}  // namespace quillorbitex
