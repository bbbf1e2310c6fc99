#pragma once

#include <QString>
#include <memory>

#include "Platform/UserDefaults.h"
#include "Services/Settings/GestureSettingsStoreProtocol.h"

namespace quillorbitex {

// The preferences in the user defaults, under eight keys that all begin with "gesture". Holds no
// copy of any value: every read goes to the defaults and every write straight to them.
//
// The two rule lists are JSON data. A list is read element by element, so one rule that cannot
// be read does not hide the others. Before a list is replaced or removed while its stored data
// holds something that cannot be read, that data is copied into the preferences folder
// ("<key>.unreadable-<hash>"); when no copy can be made, the stored data is left as it is.
class GestureSettingsStore final : public GestureSettingsStoreProtocol {
public:
    struct Keys {
        static const QString automaticUpdateChecks;
        static const QString languageOverride;
        static const QString captureEnabled;
        static const QString onboardingCompleted;
        static const QString customMappings;
        static const QString disabledBuiltInPatterns;
        static const QString matchingThreshold;
        static const QString themeOverride;
    };

    static constexpr double defaultMatchingThreshold = 0.18;
    static constexpr double minimumMatchingThreshold = 0.05;
    static constexpr double maximumMatchingThreshold = 0.4;

    explicit GestureSettingsStore(std::shared_ptr<UserDefaults> defaults);

    bool isAutomaticUpdateCheckEnabled() const override;
    void setAutomaticUpdateCheckEnabled(bool enabled) override;
    AppLanguageOverride languageOverride() const override;
    void setLanguageOverride(AppLanguageOverride language) override;
    bool isCaptureEnabled() const override;
    void setCaptureEnabled(bool enabled) override;
    bool hasCompletedOnboarding() const override;
    void setHasCompletedOnboarding(bool completed) override;
    std::vector<GestureMapping> customMappings() const override;
    void setCustomMappings(const std::vector<GestureMapping>& mappings) override;
    std::vector<GestureDescriptor> disabledBuiltInPatterns() const override;
    void setDisabledBuiltInPatterns(const std::vector<GestureDescriptor>& patterns) override;
    double gestureMatchingThreshold() const override;
    void setGestureMatchingThreshold(double threshold) override;
    AppThemeOverride themeOverride() const override;
    void setThemeOverride(AppThemeOverride theme) override;
    void reset() override;

    // The threshold kept within its bounds; a value that is not a finite number is the default.
    static double clampedThreshold(double threshold);

private:
    // Stores `data` under `key`, or removes the key when there is none, after keeping a copy of
    // stored data that `T`'s list reader cannot fully read.
    template <typename T>
    void replaceList(const QString& key, const std::optional<QByteArray>& data);
    // Copies what is stored under `key` into the preferences folder unless every element of it
    // can be read. False when a copy was needed and could not be made.
    template <typename T>
    bool keepUnreadableList(const QString& key) const;

    std::shared_ptr<UserDefaults> defaults_;
};

}  // namespace quillorbitex
