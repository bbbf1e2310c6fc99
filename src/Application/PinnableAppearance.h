#pragma once

#include <memory>

#include "Application/UpdateAppearanceCoordinator.h"
#include "Platform/Appearance.h"

namespace quillorbitex {

// The program's appearance as one object for everyone who sets it: the model applies the user's
// theme choice through it and the update window's coordinator pins and restores it. It forwards
// to the desktop's appearance and remembers the choice last applied, which that appearance does
// not report. Main thread.
class PinnableAppearance final : public Appearance, public UpdateAppearanceCoordinator::Target {
public:
    explicit PinnableAppearance(std::shared_ptr<Appearance> desktop);

    // Appearance
    void apply(AppThemeOverride choice) override;
    bool isDark() const override;
    [[nodiscard]] Subscription subscribe(std::function<void(bool dark)> receiver) override;

    // UpdateAppearanceCoordinator::Target
    AppThemeOverride appliedAppearance() const override { return applied_; }
    bool isEffectivelyDark() const override { return isDark(); }
    void applyAppearance(AppThemeOverride appearance) override { apply(appearance); }

private:
    std::shared_ptr<Appearance> desktop_;
    AppThemeOverride applied_ = AppThemeOverride::system;
};

}  // namespace quillorbitex
