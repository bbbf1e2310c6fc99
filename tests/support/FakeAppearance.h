#pragma once

#include <vector>

#include "Platform/Appearance.h"

namespace quillorbitex::testing {

// Records every choice applied; `system` follows a settable desktop look.
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

    void setDesktopIsDark(bool dark) {
        desktopIsDark_ = dark;
        update();
    }
    const std::vector<AppThemeOverride>& applied() const { return applied_; }

private:
    void update() {
        const bool dark = choice_ == AppThemeOverride::system ? desktopIsDark_
                                                              : choice_ == AppThemeOverride::dark;
        if (dark != isDark_.value()) {
            isDark_.send(dark);
        }
    }

    AppThemeOverride choice_ = AppThemeOverride::system;
    bool desktopIsDark_ = false;
    std::vector<AppThemeOverride> applied_;
    CurrentValueSubject<bool> isDark_{false};
};

}  // namespace quillorbitex::testing
