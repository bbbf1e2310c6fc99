#pragma once

#include <memory>

#include "Platform/Executor.h"
#include "Platform/KeyEventMonitor.h"
#include "Platform/Workspace.h"

namespace quillorbitex {

// What the rule editor needs of the desktop beyond the model.
struct RuleEditorPlatform {
    // Installed applications, URL handlers and the application the user came from; none: no
    // application or URL resolves and "Use Frontmost" does nothing.
    std::shared_ptr<const Workspace> workspace{};
    // Key presses for recording a shortcut; none: a QtKeyEventMonitor that knows keys only by
    // what Qt reports of them (main.cpp hands in one that asks X11 for the physical key).
    std::shared_ptr<KeyEventMonitor> keyEventMonitor{};
    // The main thread, where the editor waits for pauses in typing; none: MainExecutor::shared().
    Executor* executor = nullptr;
};

}  // namespace quillorbitex
