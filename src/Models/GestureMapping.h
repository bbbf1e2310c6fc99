#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "Models/GestureAction.h"
#include "Models/GestureAppScopeRule.h"
#include "Models/GestureDescriptor.h"
#include "Models/GestureMappingSource.h"

namespace quillorbitex {

// One rule: a gesture bound to an action. Identified by its gesture. Every rule is built through
// the one constructor, so its name and scope list are always sanitised; edits build a new rule.
class GestureMapping {
public:
    GestureMapping(GestureDescriptor pattern, GestureAction action, QString notes,
                   std::optional<QString> name, GestureMappingSource source, bool isEnabled,
                   std::vector<GestureAppScopeRule> appScopeRules);

    const GestureDescriptor& pattern() const { return pattern_; }
    const GestureAction& action() const { return action_; }
    const QString& notes() const { return notes_; }
    const std::optional<QString>& name() const { return name_; }
    GestureMappingSource source() const { return source_; }
    bool isEnabled() const { return isEnabled_; }
    const std::vector<GestureAppScopeRule>& appScopeRules() const { return appScopeRules_; }

    QString id() const { return pattern_.id(); }
    bool isCustom() const { return source_ == GestureMappingSource::custom; }
    bool hasAppScopeRules() const { return !appScopeRules_.empty(); }

    // Does the rule run in the application with this identifier? A scope rule for the application
    // (compared ignoring letter case) decides; otherwise the rule's own switch.
    bool isEnabledFor(const std::optional<QString>& bundleIdentifier) const;

    // Trimmed; blank becomes no name.
    static std::optional<QString> sanitizedName(const std::optional<QString>& name);
    // Trimmed, blank identifiers dropped, one rule per application (the first), sorted by name.
    static std::vector<GestureAppScopeRule> sanitizedAppScopeRules(
        const std::vector<GestureAppScopeRule>& rules);

    friend bool operator==(const GestureMapping&, const GestureMapping&) = default;

private:
    GestureDescriptor pattern_;
    GestureAction action_;
    QString notes_;
    std::optional<QString> name_;
    GestureMappingSource source_;
    bool isEnabled_;
    std::vector<GestureAppScopeRule> appScopeRules_;
};

}  // namespace quillorbitex

template <>
struct std::hash<quillorbitex::GestureMapping> {
    std::size_t operator()(const quillorbitex::GestureMapping& m) const noexcept;
};
