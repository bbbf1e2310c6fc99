#pragma once

#include <functional>
#include <vector>

#include "Platform/DisplayRegistry.h"

namespace quillorbitex::testing {

// A settable display list; change() calls the handler as a screen change would.
class FakeDisplayRegistry final : public DisplayRegistry {
public:
    explicit FakeDisplayRegistry(std::vector<DisplayGeometry> displays = {})
        : displays_(std::move(displays)) {}

    std::vector<DisplayGeometry> currentDisplays() const override { return displays_; }
    void setChangeHandler(std::function<void()> handler) override {
        handler_ = std::move(handler);
        ++handlerInstallCount;
    }

    void setDisplays(std::vector<DisplayGeometry> displays) { displays_ = std::move(displays); }
    void change() {
        if (handler_) {
            handler_();
        }
    }

    int handlerInstallCount = 0;

private:
    std::vector<DisplayGeometry> displays_;
    std::function<void()> handler_;
};

}  // namespace quillorbitex::testing
