#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "Platform/OverlayPanel.h"

namespace quillorbitex::testing {

// What was done to a fake panel; it outlives the panel, so a test can look at a panel that was
// dropped.
struct FakeOverlayPanelState {
    Rect frame;
    bool visible = false;
    bool destroyed = false;
    int setFrameCount = 0;
    int orderFrontCount = 0;
    std::vector<Rect> needsDisplay;
    // Grows each time a panel comes to the front: of two shown panels, the one with the larger
    // value lies above.
    std::uint64_t stackingOrder = 0;
};

// Records what is done to a panel instead of showing anything.
class FakeOverlayPanel final : public OverlayPanel {
public:
    explicit FakeOverlayPanel(const Rect& frame, std::shared_ptr<FakeOverlayPanelState> state =
                                                     std::make_shared<FakeOverlayPanelState>())
        : state_(std::move(state)) {
        state_->frame = frame;
    }
    ~FakeOverlayPanel() override { state_->destroyed = true; }

    Rect frame() const override { return state_->frame; }
    void setFrame(const Rect& frame) override {
        state_->frame = frame;
        ++state_->setFrameCount;
    }
    bool isVisible() const override { return state_->visible; }
    void orderFront() override {
        state_->visible = true;
        ++state_->orderFrontCount;
        state_->stackingOrder = nextStackingOrder();
    }
    void bringToFront() override {
        if (state_->visible) {
            state_->stackingOrder = nextStackingOrder();
        }
    }
    void orderOut() override { state_->visible = false; }
    void setNeedsDisplay(const Rect& area) override { state_->needsDisplay.push_back(area); }

    const FakeOverlayPanelState& state() const { return *state_; }

private:
    static std::uint64_t nextStackingOrder() {
        static std::uint64_t next = 0;
        return ++next;
    }

    std::shared_ptr<FakeOverlayPanelState> state_;
};

// Makes FakeOverlayPanels and keeps the state of each, in the order they were made; `contents`
// keeps what each panel was made to show.
template <typename Content>
class FakeOverlayPanelMaker {
public:
    std::function<std::unique_ptr<OverlayPanel>(Content&, const Rect&)> factory() {
        return [this](Content& content, const Rect& frame) {
            auto state = std::make_shared<FakeOverlayPanelState>();
            panels.push_back(state);
            contents.push_back(&content);
            return std::make_unique<FakeOverlayPanel>(frame, state);
        };
    }

    std::vector<std::shared_ptr<FakeOverlayPanelState>> panels;
    std::vector<Content*> contents;
};

}  // namespace quillorbitex::testing
