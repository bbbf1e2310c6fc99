#include "Application/PinnableAppearance.h"

namespace quillorbitex {

PinnableAppearance::PinnableAppearance(std::shared_ptr<Appearance> desktop)
    : desktop_(std::move(desktop)) {}

void PinnableAppearance::apply(AppThemeOverride choice) {
    applied_ = choice;
    if (desktop_) {
        desktop_->apply(choice);
    }
}

bool PinnableAppearance::isDark() const {
    return desktop_ ? desktop_->isDark() : applied_ == AppThemeOverride::dark;
}

Subscription PinnableAppearance::subscribe(std::function<void(bool dark)> receiver) {
    if (!desktop_) {
        receiver(isDark());
        return {};
    }
    return desktop_->subscribe(std::move(receiver));
}

}  // namespace quillorbitex
