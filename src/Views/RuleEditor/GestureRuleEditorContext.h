#pragma once

#include <QMetaType>
#include <QUuid>
#include <optional>

#include "Models/GestureMapping.h"

namespace quillorbitex {

// What the rule editor is opened to do.
enum class GestureRuleEditorMode {
    // "Create Rule": capture a gesture, choose an action, save a new rule.
    newRule,
    // "Change Action": keep the rule's gesture, change what it sends.
    overrideCommand,
    // "Change Gesture": keep the rule's action, replace the gesture that triggers it.
    overrideGesture,
};

// One opening of the rule editor. Every opening gets an identifier of its own, so asking for the
// editor again, even for the same rule, opens a fresh editor rather than the previous one.
struct GestureRuleEditorContext {
    QUuid id;
    GestureRuleEditorMode mode = GestureRuleEditorMode::newRule;
    // The rule being edited; none for a new rule.
    std::optional<GestureMapping> mapping;

    // A context with a new random identifier.
    static GestureRuleEditorContext open(GestureRuleEditorMode mode,
                                         std::optional<GestureMapping> mapping = std::nullopt) {
        return {QUuid::createUuid(), mode, std::move(mapping)};
    }

    friend bool operator==(const GestureRuleEditorContext&,
                           const GestureRuleEditorContext&) = default;
};

}  // namespace quillorbitex

Q_DECLARE_METATYPE(quillorbitex::GestureRuleEditorContext)
