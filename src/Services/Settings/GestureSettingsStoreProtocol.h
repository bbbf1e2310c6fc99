#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "Localization/AppLanguageOverride.h"
#include "Models/AppThemeOverride.h"
#include "Models/GestureDescriptor.h"
#include "Models/GestureMapping.h"

namespace quillorbitex {

// The user's preferences and own rules, kept between runs. Reads never fail (unreadable values
// read as their defaults) and writes are stored at once.
class GestureSettingsStoreProtocol {
public:
    virtual ~GestureSettingsStoreProtocol() = default;

    virtual bool isAutomaticUpdateCheckEnabled() const = 0;
    virtual void setAutomaticUpdateCheckEnabled(bool enabled) = 0;

    virtual AppLanguageOverride languageOverride() const = 0;
    virtual void setLanguageOverride(AppLanguageOverride language) = 0;

    virtual bool isCaptureEnabled() const = 0;
    virtual void setCaptureEnabled(bool enabled) = 0;

    virtual bool hasCompletedOnboarding() const = 0;
    virtual void setHasCompletedOnboarding(bool completed) = 0;

    // Always custom rules with sanitised scope lists.
    virtual std::vector<GestureMapping> customMappings() const = 0;
    virtual void setCustomMappings(const std::vector<GestureMapping>& mappings) = 0;

    virtual std::vector<GestureDescriptor> disabledBuiltInPatterns() const = 0;
    virtual void setDisabledBuiltInPatterns(const std::vector<GestureDescriptor>& patterns) = 0;

    // The lists as above when every element stored can be read; nothing when one cannot (a rule
    // damaged by a hand edit), so that a list held whole is not replaced by what is left of it.
    virtual std::optional<std::vector<GestureMapping>> wholeCustomMappings() const {
        return customMappings();
    }
    virtual std::optional<std::vector<GestureDescriptor>> wholeDisabledBuiltInPatterns() const {
        return disabledBuiltInPatterns();
    }

    // Always within 0.05 and 0.4.
    virtual double gestureMatchingThreshold() const = 0;
    virtual void setGestureMatchingThreshold(double threshold) = 0;

    virtual AppThemeOverride themeOverride() const = 0;
    virtual void setThemeOverride(AppThemeOverride theme) = 0;

    // Forgets all of the above; other preferences are left alone.
    virtual void reset() = 0;

    // Keeps a copy of every stored value that cannot be read whole (a rule list read only in
    // part included), so that the user can be told at start rather than when it is replaced.
    // The keys of values of which no copy could be kept: they stay as they are. Stores that keep
    // nothing on disk have nothing to copy.
    virtual std::vector<QString> keepUnreadableValues() { return {}; }
    // A store that finishes some writes later (a long rule list) calls `observer` on the main
    // thread after each, so that whoever follows the storage can look at it again.
    virtual void setDeferredWriteObserver(std::function<void()> observer) { (void)observer; }
};

}  // namespace quillorbitex
