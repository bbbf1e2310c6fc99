#include "Views/Dashboard/GestureRuleRowContent.h"

#include "Localization/L10n.h"
#include "Models/GestureLabels.h"

namespace quillorbitex {

GestureRuleRowContent GestureRuleRowContent::make(const GestureMapping& mapping) {
    GestureRuleRowContent content;
    content.title = displayLabel(mapping);
    content.renameStartText = mapping.name().value_or(content.title);
    content.sourceLabel = displayLabel(mapping.source());
    content.isCustom = mapping.isCustom();
    if (!mapping.isEnabled()) {
        content.disabledCapsule = L10n::string("Disabled");
    }
    const auto scopeRules = static_cast<qint64>(mapping.appScopeRules().size());
    if (scopeRules > 0) {
        content.scopeCapsule = scopeRules == 1 ? L10n::format("%lld App Rule", scopeRules)
                                               : L10n::format("%lld App Rules", scopeRules);
        content.scopeSummary = appScopeSummary(mapping);
    }
    content.notes = localizedNotes(mapping);
    content.toggleTitle = mapping.isEnabled() ? L10n::string("Disable") : L10n::string("Enable");
    content.manageAppsTitle =
        scopeRules > 0 ? L10n::string("App Rules…") : L10n::string("Scope to App…");
    return content;
}

QString invocationCountText(qint64 count) {
    return L10n::format("Invocations: %lld", count);
}

QString gestureRuleRowIdentifier(const GestureDescriptor& pattern) {
    return QStringLiteral("GestureMappingRow_") + pattern.id();
}

QString customRuleEntryIdentifier(const GestureDescriptor& pattern) {
    const auto directional = pattern.directionalPattern();
    return QStringLiteral("CustomGesture_Row_") + (directional ? directional->id() : pattern.id());
}

std::optional<QString> committedRuleName(const QString& startText, const QString& fieldText) {
    QString trimmed = fieldText.trimmed();
    if (trimmed == startText) {
        return std::nullopt;
    }
    return trimmed;
}

}  // namespace quillorbitex
