#pragma once

#include <QString>
#include <variant>

#include "Models/KeyboardShortcutDescriptor.h"
#include "Models/PredefinedAction.h"

namespace quillorbitex {

// What a rule does. The two text payloads are kept exactly as entered; they are only trimmed and
// checked when the action runs.
class GestureAction {
public:
    enum class Kind { keyboardShortcut, predefined, openApp, openURL };

    static GestureAction keyboardShortcut(KeyboardShortcutDescriptor shortcut) {
        return GestureAction(Value(std::in_place_index<0>, std::move(shortcut)));
    }
    static GestureAction predefined(PredefinedAction action) {
        return GestureAction(Value(std::in_place_index<1>, action));
    }
    static GestureAction openApp(QString bundleIdentifier) {
        return GestureAction(Value(std::in_place_index<2>, std::move(bundleIdentifier)));
    }
    static GestureAction openURL(QString url) {
        return GestureAction(Value(std::in_place_index<3>, std::move(url)));
    }

    Kind kind() const { return static_cast<Kind>(value_.index()); }
    const KeyboardShortcutDescriptor* shortcut() const { return std::get_if<0>(&value_); }
    const PredefinedAction* predefinedAction() const { return std::get_if<1>(&value_); }
    // The bundle identifier of openApp, or nothing.
    const QString* bundleIdentifier() const { return std::get_if<2>(&value_); }
    // The URL text of openURL, or nothing.
    const QString* url() const { return std::get_if<3>(&value_); }

    friend bool operator==(const GestureAction&, const GestureAction&) = default;

private:
    using Value = std::variant<KeyboardShortcutDescriptor, PredefinedAction, QString, QString>;
    explicit GestureAction(Value value) : value_(std::move(value)) {}

    Value value_;
};

// The stored kind tags.
template <>
struct RawValueCases<GestureAction::Kind> {
    static constexpr std::array<std::pair<GestureAction::Kind, std::string_view>, 4> cases = {{
        {GestureAction::Kind::keyboardShortcut, "keyboardShortcut"},
        {GestureAction::Kind::predefined, "predefined"},
        {GestureAction::Kind::openApp, "openApp"},
        {GestureAction::Kind::openURL, "openURL"},
    }};
};

}  // namespace quillorbitex

template <>
struct std::hash<quillorbitex::GestureAction> {
    std::size_t operator()(const quillorbitex::GestureAction& a) const noexcept;
};
