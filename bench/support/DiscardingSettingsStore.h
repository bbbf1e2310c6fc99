#pragma once

#include "Services/Settings/GestureSettingsStoreProtocol.h"

namespace quillorbitex::bench {

// Preferences that keep nothing: what is left of an edit is the model's republish and the views.
class DiscardingSettingsStore final : public GestureSettingsStoreProtocol {
public:
    bool isAutomaticUpdateCheckEnabled() const override { return true; }
    void setAutomaticUpdateCheckEnabled(bool) override {}
    AppLanguageOverride languageOverride() const override { return AppLanguageOverride::english; }
    void setLanguageOverride(AppLanguageOverride) override {}
    bool isCaptureEnabled() const override { return false; }
    void setCaptureEnabled(bool) override {}
    bool hasCompletedOnboarding() const override { return true; }
    void setHasCompletedOnboarding(bool) override {}
    std::vector<GestureMapping> customMappings() const override { return {}; }
    void setCustomMappings(const std::vector<GestureMapping>&) override {}
    std::vector<GestureDescriptor> disabledBuiltInPatterns() const override { return {}; }
    void setDisabledBuiltInPatterns(const std::vector<GestureDescriptor>&) override {}
    double gestureMatchingThreshold() const override { return 0.18; }
    void setGestureMatchingThreshold(double) override {}
    AppThemeOverride themeOverride() const override { return AppThemeOverride::system; }
    void setThemeOverride(AppThemeOverride) override {}
    void reset() override {}
};

}  // namespace quillorbitex::bench
