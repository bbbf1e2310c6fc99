#include "Application/GestureHUDOverlayController.h"

#include <algorithm>

#include "Application/GestureOverlayLayout.h"

namespace quillorbitex {

GestureHUDOverlayController::GestureHUDOverlayController(OverlayPanelFactory panelFactory)
    : panelFactory_(std::move(panelFactory)) {}

void GestureHUDOverlayController::configure(std::shared_ptr<GestureOverlayRuntime> runtime) {
    runtime_ = std::move(runtime);
}

void GestureHUDOverlayController::updateDisplays(std::vector<DisplayGeometry> displays) {
    displays_ = std::move(displays);
}

void GestureHUDOverlayController::setLiveHUDState(std::optional<LiveHUDState> state) {
    currentState_ = std::move(state);
}

OverlayPanel& GestureHUDOverlayController::ensurePanel() {
    if (!panel_) {
        view_ = std::make_unique<GestureHUDView>();
        view_->setBounds(GestureOverlayLayout::hudSize);
        panel_ = panelFactory_(*view_, Rect{{0, 0}, GestureOverlayLayout::hudSize});
        view_->setHost(panel_.get());
    }
    return *panel_;
}

void GestureHUDOverlayController::hide() {
    if (panel_) {
        panel_->orderOut();
    }
}

void GestureHUDOverlayController::bringToFront() {
    if (panel_) {
        panel_->bringToFront();
    }
}

void GestureHUDOverlayController::renderFrame(
    const std::optional<GestureCaptureEngine::StrokeHeader>& header,
    const std::optional<QString>& hudDisplayID) {
    if (!header) {
        hide();
        return;
    }
    const DisplayGeometry* display = nullptr;
    if (hudDisplayID) {
        const auto found = std::find_if(displays_.begin(), displays_.end(),
                                        [&](const auto& d) { return d.id == *hudDisplayID; });
        if (found != displays_.end()) {
            display = &*found;
        }
    }
    if (display == nullptr) {
        display = GestureOverlayLayout::display(header->endPoint, displays_);
    }
    if (display == nullptr) {
        hide();
        return;
    }
    OverlayPanel& panel = ensurePanel();
    const Rect rect = GestureOverlayLayout::hudRect(display->frameInPoints);
    if (panel.frame() != rect) {
        panel.setFrame(rect);
    }
    view_->setBounds(rect.size);
    view_->update(currentState_, display->backingScale);
    if (!panel.isVisible()) {
        panel.orderFront();
    }
}

}  // namespace quillorbitex
