// The ready-made commands' sentences name the keys they send the way the key labels of the same
// language do ("Strg" in German, "Ctrl" in French), so that a note and the key caps beside it
// never disagree.
#include <gtest/gtest.h>

#include "Models/ActionLabels.h"
#include "Models/PredefinedActionCatalog.h"
#include "support/ScopedLanguageOverride.h"

namespace quillorbitex {
namespace {

TEST(KeyNamesInSentences, EveryLanguageNamesTheSentKeysAsItsLabelsDo) {
    for (const AppLanguageOverride language : allCases<AppLanguageOverride>()) {
        if (language == AppLanguageOverride::system) {
            continue;
        }
        testing::ScopedLanguageOverride scoped(language);
        const QString control = displayLabel(ModifierKey::control);
        const QString shift = displayLabel(ModifierKey::shift);
        for (const PredefinedAction action : allCases<PredefinedAction>()) {
            const QString notes = PredefinedActionCatalog::defaultNotes(action);
            const auto shortcut = PredefinedActionCatalog::keyboardShortcut(action);
            SCOPED_TRACE(std::string(rawValue(language)) + " / " + std::string(rawValue(action)) +
                         ": " + notes.toStdString());
            // The refresh sentence names no key at all, nor do those of the commands sent as no
            // keys; every other one names what it sends.
            if (action == PredefinedAction::refresh || !shortcut) {
                EXPECT_FALSE(notes.contains(control));
                continue;
            }
            const ModifierKeySet sent = shortcut->modifiers;
            EXPECT_TRUE(notes.contains(control));
            EXPECT_EQ(notes.contains(shift), sent.count(ModifierKey::shift) != 0);
            // Neither the other system's names nor another language's spelling of Control.
            for (const char* foreign : {"Command", "Cmd", "\u2318", "Contr\u00f4le", "Steuerung"}) {
                EXPECT_FALSE(notes.contains(QString::fromUtf8(foreign))) << foreign;
            }
            if (control != QStringLiteral("Control")) {
                EXPECT_FALSE(notes.contains(QStringLiteral("Control")));
            }
        }
    }
}

}  // namespace
}  // namespace quillorbitex
