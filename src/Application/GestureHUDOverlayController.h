#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "Application/GestureHUDView.h"
#include "Application/OverlayPanelContent.h"
#include "Models/LiveHUDState.h"
#include "Platform/DisplayGeometry.h"
#include "Platform/OverlayPanel.h"
#include "Services/Capture/GestureCaptureEngine.h"
#include "Services/Capture/GestureOverlayRuntime.h"

namespace quillorbitex {

// Shows the HUD card on the display of the stroke's end point while a stroke is drawn. One panel
// for the life of the process, made the first time it is shown. Main thread only.
class GestureHUDOverlayController {
public:
    explicit GestureHUDOverlayController(OverlayPanelFactory panelFactory);
    GestureHUDOverlayController(const GestureHUDOverlayController&) = delete;
    GestureHUDOverlayController& operator=(const GestureHUDOverlayController&) = delete;

    void configure(std::shared_ptr<GestureOverlayRuntime> runtime);
    void updateDisplays(std::vector<DisplayGeometry> displays);
    void setLiveHUDState(std::optional<LiveHUDState> state);
    const std::optional<LiveHUDState>& currentState() const { return currentState_; }

    // Shows, moves or hides the card: hidden without a stroke. `hudDisplayID` is the display the
    // trace chose; one that is gone falls back to the display under the stroke's end point.
    void renderFrame(const std::optional<GestureCaptureEngine::StrokeHeader>& header,
                     const std::optional<QString>& hudDisplayID);
    void hide();
    // Puts the shown card back above panels shown after it, so that no line crosses its text.
    void bringToFront();

    OverlayPanel& ensurePanel();
    // Null until the card was first shown.
    OverlayPanel* panel() const { return panel_.get(); }
    GestureHUDView* view() const { return view_.get(); }

private:
    OverlayPanelFactory panelFactory_;
    std::shared_ptr<GestureOverlayRuntime> runtime_;
    std::vector<DisplayGeometry> displays_;
    // Declared first: the view outlives the panel that shows it.
    std::unique_ptr<GestureHUDView> view_;
    std::unique_ptr<OverlayPanel> panel_;
    std::optional<LiveHUDState> currentState_;
};

}  // namespace quillorbitex
