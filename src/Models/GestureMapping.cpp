#include "Models/GestureMapping.h"

#include <QSet>
#include <algorithm>

#include "Localization/LocalizedStandardCollator.h"
#include "Platform/Hashing.h"

namespace quillorbitex {

GestureMapping::GestureMapping(GestureDescriptor pattern, GestureAction action, QString notes,
                               std::optional<QString> name, GestureMappingSource source,
                               bool isEnabled, std::vector<GestureAppScopeRule> appScopeRules)
    : pattern_(std::move(pattern)),
      action_(std::move(action)),
      notes_(std::move(notes)),
      name_(sanitizedName(name)),
      source_(source),
      isEnabled_(isEnabled),
      appScopeRules_(sanitizedAppScopeRules(appScopeRules)) {}

bool GestureMapping::isEnabledFor(const std::optional<QString>& bundleIdentifier) const {
    if (!bundleIdentifier || bundleIdentifier->isEmpty()) {
        return isEnabled_;
    }
    for (const auto& rule : appScopeRules_) {
        if (rule.bundleIdentifier().compare(*bundleIdentifier, Qt::CaseInsensitive) == 0) {
            return rule.isEnabled();
        }
    }
    return isEnabled_;
}

std::optional<QString> GestureMapping::sanitizedName(const std::optional<QString>& name) {
    if (!name) {
        return std::nullopt;
    }
    QString trimmed = name->trimmed();
    if (trimmed.isEmpty()) {
        return std::nullopt;
    }
    return trimmed;
}

std::vector<GestureAppScopeRule> GestureMapping::sanitizedAppScopeRules(
    const std::vector<GestureAppScopeRule>& rules) {
    std::vector<GestureAppScopeRule> kept;
    QSet<QString> seen;
    for (const auto& rule : rules) {
        GestureAppScopeRule trimmed(rule.bundleIdentifier(), rule.appName(), rule.isEnabled());
        if (trimmed.bundleIdentifier().isEmpty()) {
            continue;
        }
        const QString key = trimmed.id();
        if (seen.contains(key)) {
            continue;
        }
        seen.insert(key);
        kept.push_back(std::move(trimmed));
    }
    const QCollator collator = makeLocalizedStandardCollator();
    std::stable_sort(kept.begin(), kept.end(),
                     [&](const GestureAppScopeRule& a, const GestureAppScopeRule& b) {
                         return collator.compare(a.displayLabel(), b.displayLabel()) < 0;
                     });
    return kept;
}

}  // namespace quillorbitex

std::size_t std::hash<quillorbitex::GestureMapping>::operator()(
    const quillorbitex::GestureMapping& m) const noexcept {
    std::size_t seed = 0;
    quillorbitex::hashCombine(seed, m.pattern());
    quillorbitex::hashCombine(seed, m.action());
    quillorbitex::hashCombine(seed, m.notes());
    quillorbitex::hashCombine(seed, m.name().has_value());
    if (m.name()) {
        quillorbitex::hashCombine(seed, *m.name());
    }
    quillorbitex::hashCombine(seed, static_cast<int>(m.source()));
    quillorbitex::hashCombine(seed, m.isEnabled());
    for (const auto& rule : m.appScopeRules()) {
        quillorbitex::hashCombine(seed, rule);
    }
    return seed;
}
