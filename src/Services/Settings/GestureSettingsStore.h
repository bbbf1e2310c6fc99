#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <map>
#include <memory>

#include "Platform/Executor.h"
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
//
// Another instance may change the rule lists at the same moment: a change made here is stored
// over theirs rule by rule (the removed presets as a set), so that changes of different rules are
// all kept, and only two changes of one rule end as the later one. A list set here is the owner's
// change from the list it last read or set, so a list the defaults took in from another instance
// before the owner read it is merged with, not undone. Lists are compared as the rule store holds
// them (empty notes filled in).
//
// Given the main thread's executor, a long custom-rule list is encoded on a thread of its own:
// the list is stored on the main thread once it is encoded (only the newest of the lists handed
// over meanwhile), and reads give it from the moment it is set. A reset or a shorter list set
// meanwhile wins over an encoding still under way; the store's end waits for the last one and
// stores it. Main thread only.
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

    // Lists of at least this many rules are encoded off the main thread.
    static constexpr std::size_t backgroundEncodingRuleCount = 500;

    // Without `mainExecutor` every list is encoded at once, on the caller's thread.
    explicit GestureSettingsStore(std::shared_ptr<UserDefaults> defaults,
                                  Executor* mainExecutor = nullptr);
    ~GestureSettingsStore() override;

    GestureSettingsStore(const GestureSettingsStore&) = delete;
    GestureSettingsStore& operator=(const GestureSettingsStore&) = delete;

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
    std::optional<std::vector<GestureMapping>> wholeCustomMappings() const override;
    std::vector<GestureDescriptor> disabledBuiltInPatterns() const override;
    std::optional<std::vector<GestureDescriptor>> wholeDisabledBuiltInPatterns() const override;
    void setDisabledBuiltInPatterns(const std::vector<GestureDescriptor>& patterns) override;
    double gestureMatchingThreshold() const override;
    void setGestureMatchingThreshold(double threshold) override;
    AppThemeOverride themeOverride() const override;
    void setThemeOverride(AppThemeOverride theme) override;
    void reset() override;
    // Each value is copied and named once, here or before it is first replaced.
    std::vector<QString> keepUnreadableValues() override;
    void setDeferredWriteObserver(std::function<void()> observer) override;

    // The threshold kept within its bounds (infinities included); NaN, which has no place
    // between them, is the default.
    static double clampedThreshold(double threshold);

private:
    // Stores `value` under `key`, or removes the key when there is none, after keeping a copy of
    // a stored value that does not read as what the key holds.
    void replaceValue(const QString& key, const std::optional<UserDefaults::Value>& value);
    // The stored list; with `wholeOnly`, nothing when an element cannot be read.
    std::optional<std::vector<GestureMapping>> readCustomMappings(bool wholeOnly) const;
    std::optional<std::vector<GestureDescriptor>> readDisabledBuiltInPatterns(bool wholeOnly) const;
    // What to store for a rule list (`key`) the owner set: `list` itself, or merged with what was
    // taken in under the key since the owner last read or set it.
    std::optional<UserDefaults::Value> ownersChange(const QString& key,
                                                    const std::optional<UserDefaults::Value>& list);
    // Copies what is stored under `key` into the preferences folder unless it reads as what the
    // key holds (for a rule list: every element). False when a copy was needed and could not be
    // made.
    bool keepUnreadableValue(const QString& key) const;

    // Shared with the encoding thread; defined with the store.
    struct RuleEncoder;
    // Forgets a list handed over and not yet stored: something newer replaces it.
    void dropUnwrittenRules();
    // Stores what the encoding thread made for the newest list, when it has.
    void storeEncodedRules();
    void storeEncodedRules(std::uint64_t generation, const std::optional<QByteArray>& data);
    // Stores the newest list handed over, encoding it here if the thread has not begun it.
    void finishEncodingRules();

    std::shared_ptr<UserDefaults> defaults_;
    Executor* const mainExecutor_;
    // The data last written, found readable or already copied aside under each key: while the
    // stored bytes are these, they need no copy, and reading them again to decide would only
    // cost time.
    mutable std::map<QString, QByteArray> readableData_;
    // Under each rule-list key, the stored value the owner's copy of the list comes from: the one
    // it last read, or the list it last set.
    mutable std::map<QString, std::optional<UserDefaults::Value>> ownerBases_;
    // Counts the custom-rule lists set; an encoded list is stored only while it is the newest.
    std::uint64_t rulesGeneration_ = 0;
    // The newest list handed to the encoding thread until it is stored.
    std::shared_ptr<const std::vector<GestureMapping>> unwrittenRules_;
    std::function<void()> deferredWriteObserver_;
    std::shared_ptr<RuleEncoder> ruleEncoder_;
    // Made with the first long list; goes first, so that its thread ends before the encoder.
    std::unique_ptr<Executor> encodingQueue_;
};

}  // namespace quillorbitex
