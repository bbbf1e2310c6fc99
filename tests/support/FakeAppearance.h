#pragma once

#include <vector>

#include "Platform/Appearance.h"

namespace quillorbitex::testing {

// Records every choice applied; the desktop it stands for is light.
class FakeAppearance final : public Appearance {
public:
    void apply(AppThemeOverride choice) override {
        applied_.push_back(choice);
        choice_ = choice;
        update();
    }
    bool isDark() const override { return isDark_.value(); }
    Subscription subscribe(std::function<void(bool dark)> receiver) override {
        return isDark_.subscribe(std::move(receiver));
    }

    const std::vector<AppThemeOverride>& applied() const { return applied_; }

private:
    void update() {
        if (const bool dark = choice_ == AppThemeOverride::dark; dark != isDark_.value()) {
            isDark_.send(dark);
        }
    }

    AppThemeOverride choice_ = AppThemeOverride::system;
    std::vector<AppThemeOverride> applied_;
    CurrentValueSubject<bool> isDark_{false};
};

}  // namespace quillorbitex::testing
