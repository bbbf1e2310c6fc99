#include "Models/ActionLabels.h"

#include <QStringList>

#include "Localization/L10n.h"
#include "Models/PredefinedActionCatalog.h"

namespace quillorbitex {

QString displayLabel(ModifierKey modifier) {
    switch (modifier) {
        case ModifierKey::command:
        case ModifierKey::control:
            return L10n::string("Control");
        case ModifierKey::option:
            return L10n::string("Alt");
        case ModifierKey::shift:
            return L10n::string("Shift");
    }
    return {};
}

std::vector<ModifierKey> sentModifiers(const ModifierKeySet& modifiers) {
    const auto holds = [&](ModifierKey m) { return modifiers.count(m) != 0; };
    std::vector<ModifierKey> sent;
    if (holds(ModifierKey::control) || holds(ModifierKey::command)) {
        sent.push_back(ModifierKey::control);
    }
    if (holds(ModifierKey::shift)) {
        sent.push_back(ModifierKey::shift);
    }
    if (holds(ModifierKey::option)) {
        sent.push_back(ModifierKey::option);
    }
    return sent;
}

QString displayLabel(KeyboardKeyToken key) {
    using K = KeyboardKeyToken;
    switch (key) {
        case K::tab:
            return L10n::string("Tab");
        case K::space:
            return L10n::string("Space");
        case K::returnKey:
            return L10n::string("Return");
        case K::escape:
            return L10n::string("Escape");
        case K::deleteKey:
            return L10n::string("Backspace");
        case K::upArrow:
            return L10n::string("Up Arrow");
        case K::downArrow:
            return L10n::string("Down Arrow");
        case K::leftArrow:
            return L10n::string("Left Arrow");
        case K::rightArrow:
            return L10n::string("Right Arrow");
        default:
            break;
    }
    if (key >= K::zero && key <= K::nine) {
        return QString::number(static_cast<int>(key) - static_cast<int>(K::zero));
    }
    // Letters and function keys: the stored name in upper case ("A", "F10").
    const auto raw = rawValue(key);
    return QString::fromLatin1(raw.data(), static_cast<qsizetype>(raw.size())).toUpper();
}

QString displayLabel(const KeyboardShortcutDescriptor& shortcut) {
    QStringList parts;
    for (const ModifierKey modifier : sentModifiers(shortcut.modifiers)) {
        parts.push_back(displayLabel(modifier));
    }
    parts.push_back(displayLabel(shortcut.key));
    return parts.join(QStringLiteral(" + "));
}

QStringList keyCapLabels(const KeyboardShortcutDescriptor& shortcut) {
    QStringList caps;
    for (const ModifierKey modifier : sentModifiers(shortcut.modifiers)) {
        // Only Control has a shorter name on the key than in text.
        caps.push_back(modifier == ModifierKey::control ? L10n::string("Ctrl")
                                                        : displayLabel(modifier));
    }
    caps.push_back(displayLabel(shortcut.key));
    return caps;
}

QString displayLabel(const GestureAction& action) {
    switch (action.kind()) {
        case GestureAction::Kind::keyboardShortcut:
            return displayLabel(*action.shortcut());
        case GestureAction::Kind::predefined:
            return displayLabel(*action.predefinedAction());
        case GestureAction::Kind::openApp:
            return L10n::format("Open %@", *action.bundleIdentifier());
        case GestureAction::Kind::openURL:
            return L10n::format("Open %@", *action.url());
    }
    return {};
}

QString executionLabel(const GestureAction& action) {
    if (const auto* predefined = action.predefinedAction()) {
        // A command the window manager performs sends no keys; its name says what happens.
        const auto shortcut = PredefinedActionCatalog::keyboardShortcut(*predefined);
        return shortcut ? displayLabel(*shortcut) : displayLabel(*predefined);
    }
    return displayLabel(action);
}

QString kindLabel(const GestureAction& action) {
    switch (action.kind()) {
        case GestureAction::Kind::keyboardShortcut:
            return L10n::string("Shortcut");
        case GestureAction::Kind::predefined:
            return L10n::string("Preset Action");
        case GestureAction::Kind::openApp:
            return L10n::string("Open App");
        case GestureAction::Kind::openURL:
            return L10n::string("Open URL");
    }
    return {};
}

QString defaultNotes(const GestureAction& action) {
    switch (action.kind()) {
        case GestureAction::Kind::keyboardShortcut:
            return L10n::format("Send %@ to the frontmost app.", displayLabel(*action.shortcut()));
        case GestureAction::Kind::predefined:
            return PredefinedActionCatalog::defaultNotes(*action.predefinedAction());
        case GestureAction::Kind::openApp:
            return L10n::format("Open %@ when this gesture matches.", *action.bundleIdentifier());
        case GestureAction::Kind::openURL:
            return L10n::format("Open %@ when this gesture matches.", *action.url());
    }
    return {};
}

}  // namespace quillorbitex
