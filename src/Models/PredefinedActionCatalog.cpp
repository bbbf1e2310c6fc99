#include "Models/PredefinedActionCatalog.h"

#include "Localization/L10n.h"

namespace quillorbitex {

namespace {

struct CatalogEntry {
    const char* label;
    // Nothing for the commands the window manager performs.
    std::optional<KeyboardShortcutDescriptor> shortcut;
    const char* notes;
};

const CatalogEntry& entry(PredefinedAction action) {
    using K = KeyboardKeyToken;
    using M = ModifierKey;
    static const std::array<CatalogEntry, 9> entries = {{
        {L10N_KEY("Refresh"), KeyboardShortcutDescriptor{K::r, {M::command}},
         L10N_KEY("Trigger a refresh action in the frontmost app.")},
        {L10N_KEY("Previous Tab"), KeyboardShortcutDescriptor{K::tab, {M::control, M::shift}},
         L10N_KEY("Switch to the previous tab in apps that use Control plus Shift plus Tab.")},
        {L10N_KEY("Next Tab"), KeyboardShortcutDescriptor{K::tab, {M::control}},
         L10N_KEY("Switch to the next tab in apps that use Control plus Tab.")},
        {L10N_KEY("New Tab"), KeyboardShortcutDescriptor{K::t, {M::command}},
         L10N_KEY("Create a new tab in apps that support Control plus T.")},
        {L10N_KEY("Close Tab or Window"), KeyboardShortcutDescriptor{K::w, {M::command}},
         L10N_KEY("Close the current tab or window in apps that support Control plus W.")},
        {L10N_KEY("New Window"), KeyboardShortcutDescriptor{K::n, {M::command}},
         L10N_KEY("Create a new window in apps that support Control plus N.")},
        // Control+M and Control+H are Return and Backspace in a terminal: these two are asked of
        // the window manager instead of sent as keys.
        {L10N_KEY("Minimize Window"), std::nullopt, L10N_KEY("Minimize the frontmost window.")},
        {L10N_KEY("Hide App"), std::nullopt,
         L10N_KEY("Minimize every window of the frontmost app.")},
        {L10N_KEY("Quit App"), KeyboardShortcutDescriptor{K::q, {M::command}},
         L10N_KEY("Quit the frontmost app with Control plus Q.")},
    }};
    return entries[static_cast<std::size_t>(action)];
}

}  // namespace

QString displayLabel(PredefinedAction action) {
    return L10n::string(entry(action).label);
}

std::optional<KeyboardShortcutDescriptor> PredefinedActionCatalog::keyboardShortcut(
    PredefinedAction action) {
    return entry(action).shortcut;
}

QString PredefinedActionCatalog::defaultNotes(PredefinedAction action) {
    return L10n::string(entry(action).notes);
}

}  // namespace quillorbitex
