#include "Views/AppScopes/AppScopeEditorState.h"

#include <QSet>
#include <algorithm>

#include "Localization/LocalizedStandardCollator.h"

namespace quillorbitex {

AppScopeEditorState::AppScopeEditorState(GestureDescriptor pattern,
                                         std::vector<GestureAppScopeRule> initialRules)
    : pattern_(std::move(pattern)), rules_(std::move(initialRules)) {}

QString AppScopeEditorState::applicationKey(const QString& bundleIdentifier) {
    // Rules are built with trimmed identifiers while choices keep theirs as found: compare both
    // trimmed, or a choice with stray blanks could be added beside its own rule.
    return bundleIdentifier.trimmed().toLower();
}

std::vector<GestureAppScopeChoice> AppScopeEditorState::availableChoices(
    const std::vector<GestureAppScopeChoice>& offered) const {
    QSet<QString> taken;
    for (const GestureAppScopeRule& rule : rules_) {
        taken.insert(applicationKey(rule.bundleIdentifier()));
    }
    std::vector<GestureAppScopeChoice> available;
    for (const GestureAppScopeChoice& choice : offered) {
        if (!taken.contains(applicationKey(choice.bundleIdentifier))) {
            available.push_back(choice);
        }
    }
    return available;
}

bool AppScopeEditorState::addSelectedRule(bool isEnabled,
                                          const std::vector<GestureAppScopeChoice>& offered) {
    const std::vector<GestureAppScopeChoice> available = availableChoices(offered);
    const auto chosen = std::find_if(
        available.begin(), available.end(),
        [this](const GestureAppScopeChoice& c) { return c.bundleIdentifier == selected_; });
    if (chosen == available.end()) {
        return false;
    }
    rules_.emplace_back(chosen->bundleIdentifier, chosen->displayName, isEnabled);
    const QCollator collator = makeLocalizedStandardCollator();
    std::stable_sort(rules_.begin(), rules_.end(),
                     [&collator](const GestureAppScopeRule& a, const GestureAppScopeRule& b) {
                         return collator.compare(a.appName(), b.appName()) < 0;
                     });
    selected_.clear();
    return true;
}

void AppScopeEditorState::setRuleEnabled(const GestureAppScopeRule& rule, bool isEnabled) {
    const QString key = applicationKey(rule.bundleIdentifier());
    for (GestureAppScopeRule& existing : rules_) {
        if (applicationKey(existing.bundleIdentifier()) == key) {
            existing =
                GestureAppScopeRule(existing.bundleIdentifier(), existing.appName(), isEnabled);
        }
    }
}

void AppScopeEditorState::removeRule(const GestureAppScopeRule& rule) {
    const QString key = applicationKey(rule.bundleIdentifier());
    std::erase_if(rules_, [&key](const GestureAppScopeRule& existing) {
        return applicationKey(existing.bundleIdentifier()) == key;
    });
}

}  // namespace quillorbitex
