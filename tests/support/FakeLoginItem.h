#pragma once

#include <QString>
#include <optional>

#include "Platform/LaunchAtLoginControlling.h"

namespace quillorbitex::testing {

// An in-memory login item. A failing change can be set up to leave the item as it was or to take
// effect anyway (as a service that registers but then reports an error may).
class FakeLoginItem final : public LaunchAtLoginControlling {
public:
    bool isEnabled() const override { return enabled_; }
    std::optional<QString> setEnabled(bool enabled) override {
        ++changeCount_;
        if (failure_) {
            if (failureTakesEffect_) {
                enabled_ = enabled;
            }
            return failure_;
        }
        enabled_ = enabled;
        return std::nullopt;
    }

    // As if the user changed it in the session's settings.
    void setExternallyEnabled(bool enabled) { enabled_ = enabled; }
    void failWith(std::optional<QString> failure, bool takesEffect = false) {
        failure_ = std::move(failure);
        failureTakesEffect_ = takesEffect;
    }
    int changeCount() const { return changeCount_; }

private:
    bool enabled_ = false;
    std::optional<QString> failure_;
    bool failureTakesEffect_ = false;
    int changeCount_ = 0;
};

}  // namespace quillorbitex::testing
