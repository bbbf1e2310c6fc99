#include "Application/UpdateAppearanceCoordinator.h"

#include <utility>

namespace quillorbitex {

UpdateAppearanceCoordinator::UpdateAppearanceCoordinator(Target* target) : target_(target) {}

void UpdateAppearanceCoordinator::pinCurrentAppearance() {
    if (target_ == nullptr) {
        return;
    }
    if (!original_) {
        original_ = target_->appliedAppearance();
    }
    pinned_ = target_->isEffectivelyDark() ? AppThemeOverride::dark : AppThemeOverride::light;
    target_->applyAppearance(*pinned_);
}

void UpdateAppearanceCoordinator::restoreAppearance() {
    const auto original = std::exchange(original_, std::nullopt);
    const auto pinned = std::exchange(pinned_, std::nullopt);
    if (target_ == nullptr || !original) {
        return;
    }
    if (target_->appliedAppearance() == pinned) {
        target_->applyAppearance(*original);
    }
}

void UpdateAppearanceCoordinator::updaterWillShowWindow() {
    pinCurrentAppearance();
}

void UpdateAppearanceCoordinator::updaterWillFinishSession() {
    restoreAppearance();
}

}  // namespace quillorbitex
