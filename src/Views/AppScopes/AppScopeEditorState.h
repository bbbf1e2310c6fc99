#pragma once

#include <QString>
#include <vector>

#include "Models/GestureAppScopeChoice.h"
#include "Models/GestureAppScopeRule.h"
#include "Models/GestureDescriptor.h"

namespace quillorbitex {

// What the scope editor holds while it is open: the rule's gesture, a working copy of its
// per-application rules and the application chosen in the picker. Nothing here reaches the rule
// store; the sheet hands rules() to the model on Save and drops the whole state on Cancel.
//
// Applications are told apart by their identifier ignoring letter case and surrounding blanks, so
// the working copy never holds two rules for one application.
class AppScopeEditorState {
public:
    AppScopeEditorState(GestureDescriptor pattern, std::vector<GestureAppScopeRule> initialRules);

    const GestureDescriptor& pattern() const { return pattern_; }
    // The working copy, in the order shown.
    const std::vector<GestureAppScopeRule>& rules() const { return rules_; }

    // The picker's choice; empty means none.
    const QString& selectedBundleIdentifier() const { return selected_; }
    void setSelectedBundleIdentifier(const QString& bundleIdentifier) {
        selected_ = bundleIdentifier;
    }
    // Only the empty text counts as no choice.
    bool hasSelection() const { return !selected_.isEmpty(); }

    // The applications of `offered` (in its order) that have no rule in the working copy.
    std::vector<GestureAppScopeChoice> availableChoices(
        const std::vector<GestureAppScopeChoice>& offered) const;

    // Adds a rule for the chosen application, allowed or blocked, keeps the list ordered by name
    // (digits by value; a new rule follows existing ones of the same name) and clears the choice.
    // Nothing happens, and the choice stays, when the chosen application is not among the
    // available ones (it may have quit since the picker was filled). Returns whether it added.
    bool addSelectedRule(bool isEnabled, const std::vector<GestureAppScopeChoice>& offered);
    // Allows or blocks the application of `rule` in place.
    void setRuleEnabled(const GestureAppScopeRule& rule, bool isEnabled);
    // Takes the application of `rule` out of the working copy; it is offered again.
    void removeRule(const GestureAppScopeRule& rule);

    // The key that tells applications apart.
    static QString applicationKey(const QString& bundleIdentifier);

private:
    GestureDescriptor pattern_;
    std::vector<GestureAppScopeRule> rules_;
    QString selected_;
};

}  // namespace quillorbitex
