#include "Services/Settings/GestureSettingsStore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cmath>

#include "Models/GestureJson.h"

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

template <typename E>
void storeCase(UserDefaults& defaults, const QString& key, E value) {
    // The default choice is stored as the absence of the key.
    if (value == E::system) {
        defaults.removeValue(key);
        return;
    }
    const auto raw = rawValue(value);
    defaults.setValue(key, QString::fromLatin1(raw.data(), static_cast<qsizetype>(raw.size())));
}

QByteArray storedBytes(const UserDefaults::Value& value) {
    if (const auto* data = std::get_if<QByteArray>(&value)) {
        return *data;
    }
    if (const auto* text = std::get_if<QString>(&value)) {
        return text->toUtf8();
    }
    if (const auto* flag = std::get_if<bool>(&value)) {
        return *flag ? QByteArrayLiteral("true") : QByteArrayLiteral("false");
    }
    return QByteArray::number(std::get<double>(value), 'g', 17);
}

// Writes `bytes` into `directory` under a name made of `key` and a hash of the bytes, so the
// same data is kept once. True when the copy exists afterwards.
bool writeCopy(const QString& directory, const QString& key, const QByteArray& bytes) {
    if (!QDir().mkpath(directory)) {
        return false;
    }
    const QByteArray hash =
        QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().left(16);
    const QString path =
        QDir(directory).filePath(key + QStringLiteral(".unreadable-") + QString::fromLatin1(hash));
    if (QFileInfo::exists(path)) {
        return true;
    }
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

}  // namespace

GestureSettingsStore::GestureSettingsStore(std::shared_ptr<UserDefaults> defaults)
    : defaults_(std::move(defaults)) {}

bool GestureSettingsStore::isAutomaticUpdateCheckEnabled() const {
    return !defaults_->contains(Keys::automaticUpdateChecks) ||
           defaults_->boolValue(Keys::automaticUpdateChecks);
}

void GestureSettingsStore::setAutomaticUpdateCheckEnabled(bool enabled) {
    defaults_->setValue(Keys::automaticUpdateChecks, enabled);
}

AppLanguageOverride GestureSettingsStore::languageOverride() const {
    return storedCase<AppLanguageOverride>(*defaults_, Keys::languageOverride)
        .value_or(AppLanguageOverride::system);
}

void GestureSettingsStore::setLanguageOverride(AppLanguageOverride language) {
    storeCase(*defaults_, Keys::languageOverride, language);
}

bool GestureSettingsStore::isCaptureEnabled() const {
    return !defaults_->contains(Keys::captureEnabled) || defaults_->boolValue(Keys::captureEnabled);
}

void GestureSettingsStore::setCaptureEnabled(bool enabled) {
    defaults_->setValue(Keys::captureEnabled, enabled);
}

bool GestureSettingsStore::hasCompletedOnboarding() const {
    return defaults_->boolValue(Keys::onboardingCompleted);
}

void GestureSettingsStore::setHasCompletedOnboarding(bool completed) {
    defaults_->setValue(Keys::onboardingCompleted, completed);
}

std::vector<GestureMapping> GestureSettingsStore::customMappings() const {
    const auto data = defaults_->dataValue(Keys::customMappings);
    if (!data) {
        return {};
    }
    std::vector<GestureMapping> mappings;
    for (const auto& mapping : GestureJson::decodeEach<GestureMapping>(*data).values) {
        mappings.push_back(asCustom(mapping));
    }
    return mappings;
}

void GestureSettingsStore::setCustomMappings(const std::vector<GestureMapping>& mappings) {
    if (mappings.empty()) {
        replaceList<GestureMapping>(Keys::customMappings, std::nullopt);
        return;
    }
    std::vector<GestureMapping> custom;
    custom.reserve(mappings.size());
    for (const auto& mapping : mappings) {
        custom.push_back(asCustom(mapping));
    }
    // A rule that cannot be written leaves the stored list as it was.
    if (const auto data = GestureJson::encode(custom)) {
        replaceList<GestureMapping>(Keys::customMappings, data);
    }
}

std::vector<GestureDescriptor> GestureSettingsStore::disabledBuiltInPatterns() const {
    const auto data = defaults_->dataValue(Keys::disabledBuiltInPatterns);
    if (!data) {
        return {};
    }
    return GestureJson::decodeEach<GestureDescriptor>(*data).values;
}

void GestureSettingsStore::setDisabledBuiltInPatterns(
    const std::vector<GestureDescriptor>& patterns) {
    if (patterns.empty()) {
        replaceList<GestureDescriptor>(Keys::disabledBuiltInPatterns, std::nullopt);
        return;
    }
    if (const auto data = GestureJson::encode(patterns)) {
        replaceList<GestureDescriptor>(Keys::disabledBuiltInPatterns, data);
    }
}

double GestureSettingsStore::gestureMatchingThreshold() const {
    const auto stored = defaults_->numberValue(Keys::matchingThreshold);
    return stored ? clampedThreshold(*stored) : defaultMatchingThreshold;
}

void GestureSettingsStore::setGestureMatchingThreshold(double threshold) {
    defaults_->setValue(Keys::matchingThreshold, clampedThreshold(threshold));
}

AppThemeOverride GestureSettingsStore::themeOverride() const {
    return storedCase<AppThemeOverride>(*defaults_, Keys::themeOverride)
        .value_or(AppThemeOverride::system);
}

void GestureSettingsStore::setThemeOverride(AppThemeOverride theme) {
    storeCase(*defaults_, Keys::themeOverride, theme);
}

void GestureSettingsStore::reset() {
    // A reset is asked for, so unreadable lists go even when no copy of them can be kept.
    keepUnreadableList<GestureMapping>(Keys::customMappings);
    keepUnreadableList<GestureDescriptor>(Keys::disabledBuiltInPatterns);
    for (const QString* key :
         {&Keys::automaticUpdateChecks, &Keys::languageOverride, &Keys::captureEnabled,
          &Keys::onboardingCompleted, &Keys::customMappings, &Keys::disabledBuiltInPatterns,
          &Keys::matchingThreshold, &Keys::themeOverride}) {
        defaults_->removeValue(*key);
    }
}

double GestureSettingsStore::clampedThreshold(double threshold) {
    // NaN slips through both comparisons below and would switch freeform matching off.
    if (!std::isfinite(threshold)) {
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

template <typename T>
void GestureSettingsStore::replaceList(const QString& key, const std::optional<QByteArray>& data) {
    if (!keepUnreadableList<T>(key)) {
        return;
    }
    if (data) {
        defaults_->setValue(key, *data);
    } else {
        defaults_->removeValue(key);
    }
}

template <typename T>
bool GestureSettingsStore::keepUnreadableList(const QString& key) const {
    const auto stored = defaults_->value(key);
    if (!stored) {
        return true;
    }
    const auto* data = std::get_if<QByteArray>(&*stored);
    if (data != nullptr && GestureJson::decodeEach<T>(*data).isComplete()) {
        return true;
    }
    const auto directory = defaults_->storageDirectory();
    return directory && writeCopy(*directory, key, storedBytes(*stored));
}

}  // namespace quillorbitex
