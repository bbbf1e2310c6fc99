#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

#include "Models/GestureDescriptor.h"
#include "Models/GestureMapping.h"

namespace quillorbitex {

// Everything a rule card shows that is worked out from the rule itself, in the current language.
// Worked out afresh for every new value of the rule and on every change of language; the card
// keeps nothing else.
struct GestureRuleRowContent {
    // The rule's name when it has a non-empty one, else its gesture's label.
    QString title;
    // What the rename field starts with: the name, even an empty one, else the title.
    QString renameStartText;
    // "Custom" or "Preset"; custom rules are tinted with the accent.
    QString sourceLabel;
    bool isCustom = false;
    // "Disabled" while the rule is switched off.
    std::optional<QString> disabledCapsule;
    // "1 App Rule", "2 App Rules", … while the rule has application rules.
    std::optional<QString> scopeCapsule;
    // The sentence describing the action (never the stored notes).
    QString notes;
    // "Editor: Allowed, Mail: Blocked" while the rule has application rules.
    std::optional<QString> scopeSummary;
    // "Disable" or "Enable".
    QString toggleTitle;
    // "App Rules…" with application rules, else "Scope to App…".
    QString manageAppsTitle;

    static GestureRuleRowContent make(const GestureMapping& mapping);

    friend bool operator==(const GestureRuleRowContent&, const GestureRuleRowContent&) = default;
};

// "Invocations: <count>".
QString invocationCountText(qint64 count);

// The accessibility identifier of the card of a rule (or of the removed preset in its place):
// "GestureMappingRow_" and the gesture's identifier.
QString gestureRuleRowIdentifier(const GestureDescriptor& pattern);
// The identifier of a custom rule's entry in the custom list: "CustomGesture_Row_" and, for a
// directional gesture, its directions ("up-down"), for a freeform one "template:" and its id.
QString customRuleEntryIdentifier(const GestureDescriptor& pattern);

// The name a finished rename stores: the field's text trimmed of white space and line breaks; none
// when that is what the field started with, so leaving the field untouched stores nothing (an
// unnamed preset would otherwise be stored under its own label, which no longer follows the
// language).
std::optional<QString> committedRuleName(const QString& startText, const QString& fieldText);

}  // namespace quillorbitex
