#include "Services/Settings/GestureMappingSnapshot.h"

#include <QLocale>
#include <algorithm>

#include "Localization/L10n.h"

#include "Services/Settings/GesturePresets.h"

namespace quillorbitex {

namespace {

const GestureMapping* firstWithPattern(const std::vector<GestureMapping>& mappings,
                                       const GestureDescriptor& pattern) {
    const auto it = std::find_if(mappings.begin(), mappings.end(),
                                 [&](const GestureMapping& m) { return m.pattern() == pattern; });
    return it == mappings.end() ? nullptr : &*it;
}

}  // namespace

std::vector<GestureMapping> GestureMappingSnapshot::mappings() const {
    std::vector<GestureMapping> result;
    result.reserve(builtInMappings.size() + customMappings.size());
    // Removed presets are skipped before overrides are looked at.
    for (const GestureMapping& preset : builtInMappings) {
        if (isDisabledBuiltInPattern(preset.pattern())) {
            continue;
        }
        const GestureMapping* override = firstCustomMapping(preset.pattern());
        result.push_back(override != nullptr ? *override : preset);
    }
    std::vector<GestureMapping> others;
    for (const GestureMapping& custom : customMappings) {
        if (firstBuiltInMapping(custom.pattern()) == nullptr) {
            others.push_back(custom);
        }
    }
    // The order follows the current language: sorted again unless the list is in it already.
    if (customOrderLanguage != orderLanguage()) {
        GesturePresets::sortInRuleOrder(others);
    }
    result.insert(result.end(), std::make_move_iterator(others.begin()),
                  std::make_move_iterator(others.end()));
    return result;
}

QString GestureMappingSnapshot::orderLanguage() {
    return QLocale::system().name() + QLatin1Char('/') +
           QString::number(static_cast<int>(L10n::languageOverride()));
}

std::optional<GestureMapping> GestureMappingSnapshot::mapping(
    const GestureDescriptor& pattern) const {
    // Overrides are looked at before the removed check.
    if (const GestureMapping* custom = firstCustomMapping(pattern)) {
        return *custom;
    }
    if (isDisabledBuiltInPattern(pattern)) {
        return std::nullopt;
    }
    if (const GestureMapping* preset = firstBuiltInMapping(pattern)) {
        return *preset;
    }
    return std::nullopt;
}

std::optional<GestureMapping> GestureMappingSnapshot::resolvedMapping(
    const GesturePattern& pattern, const std::optional<QString>& bundleIdentifier) const {
    return resolvedMapping(GestureDescriptor::directional(pattern), bundleIdentifier);
}

std::optional<GestureMapping> GestureMappingSnapshot::resolvedMapping(
    const GestureDescriptor& pattern, const std::optional<QString>& bundleIdentifier) const {
    auto stored = mapping(pattern);
    if (!stored || !stored->isEnabledFor(bundleIdentifier)) {
        return std::nullopt;
    }
    return stored;
}

bool GestureMappingSnapshot::hasCustomTemplateMappings() const {
    return std::any_of(customMappings.begin(), customMappings.end(), [](const GestureMapping& m) {
        return m.pattern().kind() == GestureDescriptor::Kind::templateGesture;
    });
}

std::optional<GestureMapping> GestureMappingSnapshot::bestTemplateMatch(
    const std::vector<Point>& points, const GestureTemplateMatcher& matcher, double threshold,
    const std::optional<QString>& bundleIdentifier) const {
    std::vector<GestureMapping> candidates;
    for (const GestureMapping& custom : customMappings) {
        if (custom.pattern().kind() == GestureDescriptor::Kind::templateGesture &&
            custom.isEnabledFor(bundleIdentifier)) {
            candidates.push_back(custom);
        }
    }
    if (candidates.empty()) {
        return std::nullopt;
    }
    return matcher.bestMatch(points, candidates, threshold);
}

const GestureMapping* GestureMappingSnapshot::firstCustomMapping(
    const GestureDescriptor& pattern) const {
    return firstWithPattern(customMappings, pattern);
}

const GestureMapping* GestureMappingSnapshot::firstBuiltInMapping(
    const GestureDescriptor& pattern) const {
    return firstWithPattern(builtInMappings, pattern);
}

bool GestureMappingSnapshot::isDisabledBuiltInPattern(const GestureDescriptor& pattern) const {
    return std::find(disabledBuiltInPatterns.begin(), disabledBuiltInPatterns.end(), pattern) !=
           disabledBuiltInPatterns.end();
}

}  // namespace quillorbitex
