#pragma once

#include <QByteArray>
#include <QString>
#include <map>
#include <memory>

#include "Platform/UserDefaults.h"
#include "Services/Settings/GestureSettingsStoreProtocol.h"

namespace quillorbitex {

// The preferences in the user defaults, under eight keys that all begin with "gesture". Holds no
// copy of any value: every read goes to the defaults and every write straight to them.
//
// The two rule lists are JSON data. A list is read element by element, so one rule that cannot
// be read does not hide the others. Before any of the eight values is replaced or removed while
// what is stored under its key does not read as that value (a list with an element that cannot
// be read, a list edited by hand into a plain JSON array, a text that names no language), the
// stored entry is copied into the preferences folder ("<key>.unreadable-<hash>"); when no copy
// can be made, the entry is left as it is.
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
    // Each value is copied and named once, here or before it is first replaced.
    std::vector<QString> keepUnreadableValues() override;

    // The threshold kept within its bounds (infinities included); NaN, which has no place
    // between them, is the default.
    static double clampedThreshold(double threshold);

private:
    // Stores `value` under `key`, or removes the key when there is none, after keeping a copy of
    // a stored value that does not read as what the key holds.
    void replaceValue(const QString& key, const std::optional<UserDefaults::Value>& value);
    // Copies what is stored under `key` into the preferences folder unless it reads as what the
    // key holds (for a rule list: every element). False when a copy was needed and could not be
    // made.
    bool keepUnreadableValue(const QString& key) const;

    std::shared_ptr<UserDefaults> defaults_;
    // The data last written, found readable or already copied aside under each key: while the
    // stored bytes are these, they need no copy, and reading them again to decide would only
    // cost time.
    mutable std::map<QString, QByteArray> readableData_;
    // Each custom rule's JSON as last written, by gesture identifier. Saving a long list after
    // one rule changed then encodes that one rule; the rest is joined from here.
    struct EncodedRule {
        GestureMapping mapping;
        QByteArray json;
    };
    std::map<QString, EncodedRule> encodedRules_;
};

}  // namespace quillorbitex
