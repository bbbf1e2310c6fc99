#pragma once

#include <memory>
#include <optional>

#include "Models/LiveHUDState.h"
#include "Platform/CurrentValueSubject.h"
#include "Services/Capture/GestureCaptureEngine.h"

namespace quillorbitex {

// What the overlays observe of the engine: the stroke in progress (copied from the capture engine
// under its lock) and the latest HUD state, none while no stroke is drawn.
struct GestureOverlayRuntime {
    explicit GestureOverlayRuntime(std::shared_ptr<GestureCaptureEngine> engine)
        : captureEngine(std::move(engine)) {}

    const std::shared_ptr<GestureCaptureEngine> captureEngine;
    CurrentValueSubject<std::optional<LiveHUDState>> liveHUDState{std::nullopt};
};

}  // namespace quillorbitex
