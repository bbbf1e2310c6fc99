#include "Models/PredefinedActionCatalog.h"

#include "Localization/L10n.h"

namespace quillorbitex {

namespace {

struct CatalogEntry {
    const char* label;
    KeyboardKeyToken key;
    ModifierKeySet modifiers;
    const char* notes;
};

const CatalogEntry& entry(PredefinedAction action) {
    using K = KeyboardKeyToken;
    using M = ModifierKey;
    static const std::array<CatalogEntry, 9> entries = {{
        {L10N_KEY("Refresh"),
         K::r,
         {M::command},
         L10N_KEY("Trigger a refresh action in the frontmost app.")},
        {L10N_KEY("Previous Tab"),
         K::tab,
         {M::control, M::shift},
         L10N_KEY("Switch to the previous tab in apps that use Control plus Shift plus Tab.")},
        {L10N_KEY("Next Tab"),
         K::tab,
         {M::control},
         L10N_KEY("Switch to the next tab in apps that use Control plus Tab.")},
        {L10N_KEY("New Tab"),
         K::t,
         {M::command},
         L10N_KEY("Create a new tab in apps that support Control plus T.")},
        {L10N_KEY("Close Tab or Window"),
         K::w,
         {M::command},
         L10N_KEY("Close the current tab or window in apps that support Control plus W.")},
        {L10N_KEY("New Window"),
         K::n,
         {M::command},
         L10N_KEY("Create a new window in apps that support Control plus N.")},
        {L10N_KEY("Minimize Window"),
         K::m,
         {M::command},
         L10N_KEY("Send Control plus M to the frontmost app, which minimizes its window "
                  "where the app supports that.")},
        {L10N_KEY("Hide App"),
         K::h,
         {M::command},
         L10N_KEY("Send Control plus H to the frontmost app, which hides it where the app "
                  "supports that.")},
        {L10N_KEY("Quit App"),
         K::q,
         {M::command},
         L10N_KEY("Quit the frontmost app with Control plus Q.")},
    }};
    return entries[static_cast<std::size_t>(action)];
}

}  // namespace

QString displayLabel(PredefinedAction action) {
    return L10n::string(entry(action).label);
}

KeyboardShortcutDescriptor PredefinedActionCatalog::keyboardShortcut(PredefinedAction action) {
    const CatalogEntry& e = entry(action);
    return KeyboardShortcutDescriptor{e.key, e.modifiers};
}

QString PredefinedActionCatalog::defaultNotes(PredefinedAction action) {
    return L10n::string(entry(action).notes);
}

}  // namespace quillorbitex
