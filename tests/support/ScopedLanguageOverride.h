#pragma once

#include "Localization/L10n.h"

namespace quillorbitex::testing {

// Sets the process-wide language for one test and puts the previous one back afterwards, so that
// tests of texts do not depend on the machine's language or on each other.
class ScopedLanguageOverride {
public:
    explicit ScopedLanguageOverride(AppLanguageOverride language)
        : previous_(L10n::languageOverride()) {
        L10n::setLanguageOverride(language);
    }
    ~ScopedLanguageOverride() { L10n::setLanguageOverride(previous_); }

    ScopedLanguageOverride(const ScopedLanguageOverride&) = delete;
    ScopedLanguageOverride& operator=(const ScopedLanguageOverride&) = delete;

private:
    AppLanguageOverride previous_;
};

}  // namespace quillorbitex::testing
