#include "Services/Settings/GestureSettingsStore.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <string>

#include "Models/GestureJson.h"
#include "Platform/ApplicationIdentifier.h"
#include "Platform/SerialQueue.h"
#include "Platform/SetAside.h"
#include "Services/Settings/GesturePresets.h"

namespace quillorbitex {

const QString GestureSettingsStore::Keys::automaticUpdateChecks =
    QStringLiteral("gestureAutomaticUpdateChecks");
const QString GestureSettingsStore::Keys::languageOverride =
    QStringLiteral("gestureLanguageOverride");
const QString GestureSettingsStore::Keys::captureEnabled = QStringLiteral("gestureCaptureEnabled");
const QString GestureSettingsStore::Keys::onboardingCompleted =
    QStringLiteral("gestureOnboardingCompleted");
const QString GestureSettingsStore::Keys::customMappings = QStringLiteral("gestureCustomMappings");
const QString GestureSettingsStore::Keys::disabledBuiltInPatterns =
    QStringLiteral("gestureDisabledBuiltInPatterns");
const QString GestureSettingsStore::Keys::matchingThreshold =
    QStringLiteral("gestureMatchingThreshold");
const QString GestureSettingsStore::Keys::themeOverride = QStringLiteral("gestureThemeOverride");

namespace {

// Rules read from or written to the store are always the user's own.
GestureMapping asCustom(const GestureMapping& mapping) {
    return GestureMapping(mapping.pattern(), mapping.action(), mapping.notes(), mapping.name(),
                          GestureMappingSource::custom, mapping.isEnabled(),
                          mapping.appScopeRules());
}

template <typename E>
std::optional<E> storedCase(const UserDefaults& defaults, const QString& key) {
    const auto text = defaults.stringValue(key);
    if (!text) {
        return std::nullopt;
    }
    return fromRawValue<E>(text->toStdString());
}

// The default choice is stored as the absence of the key.
template <typename E>
std::optional<UserDefaults::Value> caseValue(E value) {
    if (value == E::system) {
        return std::nullopt;
    }
    const auto raw = rawValue(value);
    return QString::fromLatin1(raw.data(), static_cast<qsizetype>(raw.size()));
}

// Whether a stored value reads as what its key holds; anything else is copied aside before it
// is replaced.
bool readsAsBoolean(const UserDefaults::Value& value) {
    return !std::holds_alternative<QByteArray>(value);
}

bool readsAsNumber(const UserDefaults::Value& value) {
    return std::holds_alternative<double>(value);
}

template <typename E>
bool readsAsCase(const UserDefaults::Value& value) {
    const auto* text = std::get_if<QString>(&value);
    return text != nullptr && fromRawValue<E>(text->toStdString()).has_value();
}

template <typename T>
bool readsAsList(const UserDefaults::Value& value) {
    const auto* data = std::get_if<QByteArray>(&value);
    return data != nullptr && GestureJson::decodeEach<T>(*data).isComplete();
}

struct StoredKey {
    const QString& key;
    bool (*reads)(const UserDefaults::Value&);
};

// The eight keys in the order reset() removes them.
const std::array<StoredKey, 8>& storedKeys() {
    using Keys = GestureSettingsStore::Keys;
    static const std::array<StoredKey, 8> keys = {{
        {Keys::automaticUpdateChecks, readsAsBoolean},
        {Keys::languageOverride, readsAsCase<AppLanguageOverride>},
        {Keys::captureEnabled, readsAsBoolean},
        {Keys::onboardingCompleted, readsAsBoolean},
        {Keys::customMappings, readsAsList<GestureMapping>},
        {Keys::disabledBuiltInPatterns, readsAsList<GestureDescriptor>},
        {Keys::matchingThreshold, readsAsNumber},
        {Keys::themeOverride, readsAsCase<AppThemeOverride>},
    }};
    return keys;
}

// Equal rules may still differ in what is written: a freeform gesture compares by its template's
// identifier alone, but its name and points are written too.
bool writesAlike(const GestureMapping& a, const GestureMapping& b) {
    if (!(a == b)) {
        return false;
    }
    const auto* first = a.pattern().gestureTemplate();
    const auto* second = b.pattern().gestureTemplate();
    return first == nullptr || (first->name() == second->name() &&
                                first->normalizedPoints() == second->normalizedPoints());
}

// `theirs` with the changes made in `mine` since `base` carried over, element by element (`id`):
// elements added or changed here replace theirs or are added, those removed here go, and what
// was not changed here stays as it is there. Two changes of one element end as the one here.
template <typename T, typename Id, typename Same>
std::vector<T> mergedList(const std::vector<T>& base, const std::vector<T>& mine,
                          const std::vector<T>& theirs, Id id, Same same) {
    std::map<QString, const T*> before;
    for (const T& element : base) {
        before.emplace(id(element), &element);
    }
    std::map<QString, std::size_t> at;
    std::vector<std::optional<T>> result(theirs.begin(), theirs.end());
    for (std::size_t i = 0; i < theirs.size(); ++i) {
        at.emplace(id(theirs[i]), i);
    }
    for (const T& element : mine) {
        const QString key = id(element);
        const auto old = before.find(key);
        if (old != before.end()) {
            const bool unchanged = same(*old->second, element);
            before.erase(old);
            if (unchanged) {
                continue;
            }
        }
        const auto there = at.find(key);
        if (there != at.end()) {
            result[there->second] = element;
        } else {
            at.emplace(key, result.size());
            result.emplace_back(element);
        }
    }
    // What is left of the base was removed here.
    for (const auto& [key, element] : before) {
        if (const auto there = at.find(key); there != at.end()) {
            result[there->second].reset();
        }
    }
    std::vector<T> merged;
    merged.reserve(result.size());
    for (auto& element : result) {
        if (element) {
            merged.push_back(std::move(*element));
        }
    }
    return merged;
}

// A stored list as its elements: none for an absent key, nothing when it cannot be read whole.
template <typename T>
std::optional<std::vector<T>> storedList(const std::optional<UserDefaults::Value>& value) {
    if (!value) {
        return std::vector<T>{};
    }
    const auto* data = std::get_if<QByteArray>(&*value);
    if (data == nullptr) {
        return std::nullopt;
    }
    auto decoded = GestureJson::decodeEach<T>(*data);
    return decoded.isComplete() ? std::optional(std::move(decoded.values)) : std::nullopt;
}

// A rule as the rule store holds it once read (empty notes filled in), so that a rule stored before
// that and one stored after differ only in what was changed.
GestureMapping asHeld(const GestureMapping& rule) {
    if (!rule.notes().isEmpty()) {
        return rule;
    }
    return GestureMapping(rule.pattern(), rule.action(), GesturePresets::customNotes(rule.action()),
                          rule.name(), rule.source(), rule.isEnabled(), rule.appScopeRules());
}

// The rule lists of two instances, merged rule by rule, and the removed presets as a set. A list
// that cannot be read whole leaves nothing to merge with: the list made here is stored.
template <typename T, typename Same>
std::optional<UserDefaults::Value> mergeStoredLists(
    const std::optional<UserDefaults::Value>& base, const std::optional<UserDefaults::Value>& mine,
    const std::optional<UserDefaults::Value>& theirs, Same same) {
    const auto baseList = storedList<T>(base);
    const auto mineList = storedList<T>(mine);
    const auto theirList = storedList<T>(theirs);
    if (!baseList || !mineList || !theirList) {
        return mine;
    }
    const auto merged = mergedList(
        *baseList, *mineList, *theirList, [](const T& element) { return element.id(); }, same);
    if (merged.empty()) {
        return std::nullopt;
    }
    const auto data = GestureJson::encode(merged);
    return data ? std::optional<UserDefaults::Value>(*data) : mine;
}

std::optional<UserDefaults::Value> mergeRules(const std::optional<UserDefaults::Value>& base,
                                              const std::optional<UserDefaults::Value>& mine,
                                              const std::optional<UserDefaults::Value>& theirs) {
    return mergeStoredLists<GestureMapping>(base, mine, theirs,
                                            [](const GestureMapping& a, const GestureMapping& b) {
                                                return writesAlike(asHeld(a), asHeld(b));
                                            });
}

std::optional<UserDefaults::Value> mergePatterns(const std::optional<UserDefaults::Value>& base,
                                                 const std::optional<UserDefaults::Value>& mine,
                                                 const std::optional<UserDefaults::Value>& theirs) {
    return mergeStoredLists<GestureDescriptor>(base, mine, theirs,
                                               std::equal_to<GestureDescriptor>());
}

}  // namespace

// Encodes rule lists, on the encoding thread or on the main thread, one at a time.
struct GestureSettingsStore::RuleEncoder {
    struct Request {
        std::uint64_t generation;
        std::shared_ptr<const std::vector<GestureMapping>> rules;
    };
    struct Result {
        std::uint64_t generation;
        // Nothing when a rule could not be encoded: the stored list then stays as it was.
        std::optional<QByteArray> data;
    };

    // The list is the rules' own JSON texts joined into an array, exactly what encoding the whole
    // list at once writes; a rule encoded before and written alike is taken from `cache`.
    std::optional<QByteArray> encode(const std::vector<GestureMapping>& mappings) {
        const std::lock_guard lock(cacheMutex);
        std::map<QString, EncodedRule> encoded;
        QByteArray data("[");
        for (const auto& mapping : mappings) {
            GestureMapping custom = asCustom(mapping);
            const QString id = custom.id();
            const auto cached = cache.find(id);
            QByteArray json;
            if (cached != cache.end() && writesAlike(cached->second.mapping, custom)) {
                json = cached->second.json;
            } else if (const auto fresh = GestureJson::encode(custom)) {
                json = *fresh;
            } else {
                return std::nullopt;
            }
            if (data.size() > 1) {
                data.append(',');
            }
            data.append(json);
            encoded.insert_or_assign(id, EncodedRule{std::move(custom), std::move(json)});
        }
        data.append(']');
        cache = std::move(encoded);
        return data;
    }

    void clearCache() {
        const std::lock_guard lock(cacheMutex);
        cache.clear();
    }

    // Each custom rule's JSON as last encoded, by gesture identifier. Saving a long list after
    // one rule changed then encodes that one rule; the rest is joined from here.
    struct EncodedRule {
        GestureMapping mapping;
        QByteArray json;
    };
    std::mutex cacheMutex;
    std::map<QString, EncodedRule> cache;

    // What passes between the main thread and the encoding thread.
    std::mutex mutex;
    std::condition_variable idle;
    // The newest list not yet begun.
    std::optional<Request> waiting;
    // The encoding thread has a task queued or running.
    bool scheduled = false;
    // The encoding thread is encoding.
    bool busy = false;
    // The encoding thread's newest result not yet stored.
    std::optional<Result> finished;
};

GestureSettingsStore::GestureSettingsStore(std::shared_ptr<UserDefaults> defaults,
                                           Executor* mainExecutor)
    : defaults_(std::move(defaults)),
      mainExecutor_(mainExecutor),
      ruleEncoder_(std::make_shared<RuleEncoder>()) {
    // Another instance may change other rules at the same moment; both changes are kept.
    defaults_->setMerger(Keys::customMappings, mergeRules);
    defaults_->setMerger(Keys::disabledBuiltInPatterns, mergePatterns);
}

GestureSettingsStore::~GestureSettingsStore() {
    // Quitting stores the last list; the defaults write it before they go.
    finishEncodingRules();
    encodingQueue_.reset();
}

bool GestureSettingsStore::isAutomaticUpdateCheckEnabled() const {
    return !defaults_->contains(Keys::automaticUpdateChecks) ||
           defaults_->boolValue(Keys::automaticUpdateChecks);
}

void GestureSettingsStore::setAutomaticUpdateCheckEnabled(bool enabled) {
    replaceValue(Keys::automaticUpdateChecks, enabled);
}

AppLanguageOverride GestureSettingsStore::languageOverride() const {
    return storedCase<AppLanguageOverride>(*defaults_, Keys::languageOverride)
        .value_or(AppLanguageOverride::system);
}

void GestureSettingsStore::setLanguageOverride(AppLanguageOverride language) {
    replaceValue(Keys::languageOverride, caseValue(language));
}

bool GestureSettingsStore::isCaptureEnabled() const {
    return !defaults_->contains(Keys::captureEnabled) || defaults_->boolValue(Keys::captureEnabled);
}

void GestureSettingsStore::setCaptureEnabled(bool enabled) {
    replaceValue(Keys::captureEnabled, enabled);
}

bool GestureSettingsStore::hasCompletedOnboarding() const {
    return defaults_->boolValue(Keys::onboardingCompleted);
}

void GestureSettingsStore::setHasCompletedOnboarding(bool completed) {
    replaceValue(Keys::onboardingCompleted, completed);
}

std::vector<GestureMapping> GestureSettingsStore::customMappings() const {
    return readCustomMappings(false).value_or(std::vector<GestureMapping>{});
}

std::optional<std::vector<GestureMapping>> GestureSettingsStore::wholeCustomMappings() const {
    return readCustomMappings(true);
}

std::optional<std::vector<GestureMapping>> GestureSettingsStore::readCustomMappings(
    bool wholeOnly) const {
    std::vector<GestureMapping> mappings;
    if (unwrittenRules_) {
        mappings.reserve(unwrittenRules_->size());
        for (const auto& mapping : *unwrittenRules_) {
            mappings.push_back(asCustom(mapping));
        }
        return mappings;
    }
    if (const auto data = defaults_->dataValue(Keys::customMappings)) {
        const auto decoded = GestureJson::decodeEach<GestureMapping>(*data);
        if (decoded.isComplete()) {
            readableData_[Keys::customMappings] = *data;
        } else if (wholeOnly) {
            return std::nullopt;
        }
        for (const auto& mapping : decoded.values) {
            mappings.push_back(asCustom(mapping));
        }
    }
    // The owner takes this list in: a list it sets later is its change from this one.
    ownerBases_[Keys::customMappings] = defaults_->value(Keys::customMappings);
    return mappings;
}

void GestureSettingsStore::setCustomMappings(const std::vector<GestureMapping>& mappings) {
    dropUnwrittenRules();
    const std::uint64_t generation = ++rulesGeneration_;
    if (mappings.empty()) {
        ruleEncoder_->clearCache();
        replaceValue(Keys::customMappings, ownersChange(Keys::customMappings, std::nullopt));
        return;
    }
    if (mainExecutor_ == nullptr || mappings.size() < backgroundEncodingRuleCount) {
        storeEncodedRules(generation, ruleEncoder_->encode(mappings));
        return;
    }
    // Encoding ten thousand rules takes several frames; the main thread only hands them over.
    unwrittenRules_ = std::make_shared<const std::vector<GestureMapping>>(mappings);
    RuleEncoder& encoder = *ruleEncoder_;
    {
        const std::lock_guard lock(encoder.mutex);
        encoder.waiting = RuleEncoder::Request{generation, unwrittenRules_};
        if (encoder.scheduled) {
            return;
        }
        encoder.scheduled = true;
    }
    if (!encodingQueue_) {
        encodingQueue_ =
            std::make_unique<SerialQueue>(std::string(kApplicationIdentifier) + ".rule-encoder");
    }
    encodingQueue_->async(
        [this, &encoder, weak = std::weak_ptr<RuleEncoder>(ruleEncoder_), main = mainExecutor_] {
            std::unique_lock lock(encoder.mutex);
            while (encoder.waiting) {
                const RuleEncoder::Request request = *std::exchange(encoder.waiting, std::nullopt);
                encoder.busy = true;
                lock.unlock();
                auto data = encoder.encode(*request.rules);
                lock.lock();
                encoder.busy = false;
                encoder.finished = RuleEncoder::Result{request.generation, std::move(data)};
                encoder.idle.notify_all();
                lock.unlock();
                // The encoder lives as long as the store, and both go on the main thread.
                main->async([this, weak] {
                    if (weak.lock()) {
                        storeEncodedRules();
                    }
                });
                lock.lock();
            }
            encoder.scheduled = false;
        });
}

void GestureSettingsStore::dropUnwrittenRules() {
    if (!unwrittenRules_) {
        return;
    }
    unwrittenRules_.reset();
    const std::lock_guard lock(ruleEncoder_->mutex);
    ruleEncoder_->waiting.reset();
}

void GestureSettingsStore::storeEncodedRules() {
    std::optional<RuleEncoder::Result> result;
    {
        const std::lock_guard lock(ruleEncoder_->mutex);
        result = std::exchange(ruleEncoder_->finished, std::nullopt);
    }
    if (result && result->generation == rulesGeneration_ && unwrittenRules_) {
        storeEncodedRules(result->generation, result->data);
        if (deferredWriteObserver_) {
            deferredWriteObserver_();
        }
    }
}

void GestureSettingsStore::storeEncodedRules(std::uint64_t generation,
                                             const std::optional<QByteArray>& data) {
    if (generation != rulesGeneration_) {
        return;
    }
    unwrittenRules_.reset();
    // A rule that cannot be written leaves the stored list as it was.
    if (data) {
        replaceValue(Keys::customMappings, ownersChange(Keys::customMappings, *data));
    }
}

void GestureSettingsStore::finishEncodingRules() {
    if (!unwrittenRules_) {
        return;
    }
    RuleEncoder& encoder = *ruleEncoder_;
    std::optional<RuleEncoder::Request> request;
    std::optional<RuleEncoder::Result> result;
    {
        std::unique_lock lock(encoder.mutex);
        request = std::exchange(encoder.waiting, std::nullopt);
        if (!request) {
            // The thread has the newest list: it is encoding it or has done so.
            encoder.idle.wait(lock, [&encoder] { return !encoder.busy; });
            result = std::exchange(encoder.finished, std::nullopt);
        }
    }
    if (request) {
        result = RuleEncoder::Result{request->generation, encoder.encode(*request->rules)};
    }
    if (result) {
        storeEncodedRules(result->generation, result->data);
    }
}

void GestureSettingsStore::setDeferredWriteObserver(std::function<void()> observer) {
    deferredWriteObserver_ = std::move(observer);
}

std::vector<GestureDescriptor> GestureSettingsStore::disabledBuiltInPatterns() const {
    return readDisabledBuiltInPatterns(false).value_or(std::vector<GestureDescriptor>{});
}

std::optional<std::vector<GestureDescriptor>> GestureSettingsStore::wholeDisabledBuiltInPatterns()
    const {
    return readDisabledBuiltInPatterns(true);
}

std::optional<std::vector<GestureDescriptor>> GestureSettingsStore::readDisabledBuiltInPatterns(
    bool wholeOnly) const {
    std::vector<GestureDescriptor> patterns;
    if (const auto data = defaults_->dataValue(Keys::disabledBuiltInPatterns)) {
        auto decoded = GestureJson::decodeEach<GestureDescriptor>(*data);
        if (wholeOnly && !decoded.isComplete()) {
            return std::nullopt;
        }
        patterns = std::move(decoded.values);
    }
    ownerBases_[Keys::disabledBuiltInPatterns] = defaults_->value(Keys::disabledBuiltInPatterns);
    return patterns;
}

void GestureSettingsStore::setDisabledBuiltInPatterns(
    const std::vector<GestureDescriptor>& patterns) {
    const QString& key = Keys::disabledBuiltInPatterns;
    if (patterns.empty()) {
        replaceValue(key, ownersChange(key, std::nullopt));
        return;
    }
    if (const auto data = GestureJson::encode(patterns)) {
        replaceValue(key, ownersChange(key, *data));
    }
}

std::optional<UserDefaults::Value> GestureSettingsStore::ownersChange(
    const QString& key, const std::optional<UserDefaults::Value>& list) {
    std::optional<UserDefaults::Value> value = list;
    const auto base = ownerBases_.find(key);
    if (base != ownerBases_.end()) {
        // Taken in from another instance since the owner last read the list: the owner's list
        // does not hold it yet, and would undo it if stored as it is.
        const auto stored = defaults_->value(key);
        if (stored != base->second) {
            value = key == Keys::customMappings ? mergeRules(base->second, list, stored)
                                                : mergePatterns(base->second, list, stored);
        }
    }
    ownerBases_[key] = list;
    return value;
}

double GestureSettingsStore::gestureMatchingThreshold() const {
    const auto stored = defaults_->numberValue(Keys::matchingThreshold);
    return stored ? clampedThreshold(*stored) : defaultMatchingThreshold;
}

void GestureSettingsStore::setGestureMatchingThreshold(double threshold) {
    replaceValue(Keys::matchingThreshold, clampedThreshold(threshold));
}

AppThemeOverride GestureSettingsStore::themeOverride() const {
    return storedCase<AppThemeOverride>(*defaults_, Keys::themeOverride)
        .value_or(AppThemeOverride::system);
}

void GestureSettingsStore::setThemeOverride(AppThemeOverride theme) {
    replaceValue(Keys::themeOverride, caseValue(theme));
}

std::vector<QString> GestureSettingsStore::keepUnreadableValues() {
    std::vector<QString> uncopied;
    for (const StoredKey& stored : storedKeys()) {
        if (!keepUnreadableValue(stored.key)) {
            uncopied.push_back(stored.key);
        }
    }
    return uncopied;
}

void GestureSettingsStore::reset() {
    // A list still being encoded must not come back after the reset.
    dropUnwrittenRules();
    ++rulesGeneration_;
    ownerBases_.clear();
    // A reset is asked for, so unreadable values go even when no copy of them can be kept.
    for (const StoredKey& stored : storedKeys()) {
        keepUnreadableValue(stored.key);
        defaults_->removeValue(stored.key);
    }
}

double GestureSettingsStore::clampedThreshold(double threshold) {
    // NaN slips through both comparisons below and would switch freeform matching off; the
    // infinities are clamped like any other number.
    if (std::isnan(threshold)) {
        return defaultMatchingThreshold;
    }
    if (threshold <= minimumMatchingThreshold) {
        threshold = minimumMatchingThreshold;
    }
    if (threshold > maximumMatchingThreshold) {
        threshold = maximumMatchingThreshold;
    }
    return threshold;
}

void GestureSettingsStore::replaceValue(const QString& key,
                                        const std::optional<UserDefaults::Value>& value) {
    if (!keepUnreadableValue(key)) {
        return;
    }
    if (value) {
        defaults_->setValue(key, *value);
    } else {
        defaults_->removeValue(key);
    }
    if (const auto* data = value ? std::get_if<QByteArray>(&*value) : nullptr) {
        readableData_[key] = *data;
    } else {
        readableData_.erase(key);
    }
}

bool GestureSettingsStore::keepUnreadableValue(const QString& key) const {
    // Raw bytes cover entries of every form, also those that read as no value at all.
    const auto bytes = defaults_->storedBytes(key);
    if (!bytes) {
        return true;
    }
    const auto known = readableData_.find(key);
    if (known != readableData_.end() && known->second == *bytes) {
        return true;
    }
    const auto stored = defaults_->value(key);
    const auto& keys = storedKeys();
    const auto it = std::find_if(keys.begin(), keys.end(),
                                 [&](const StoredKey& candidate) { return candidate.key == key; });
    if (stored && it != keys.end() && it->reads(*stored)) {
        if (const auto* data = std::get_if<QByteArray>(&*stored)) {
            readableData_[key] = *data;
        }
        return true;
    }
    const auto directory = defaults_->storageDirectory();
    const auto copy = directory ? SetAside::keepCopy(*directory, key, *bytes) : std::nullopt;
    if (copy) {
        defaults_->noteSetAsideFile(*copy);
        readableData_[key] = *bytes;
    }
    return copy.has_value();
}

}  // namespace quillorbitex
