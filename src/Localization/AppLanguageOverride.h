#pragma once

#include <QLocale>
#include <QString>
#include <optional>

#include "Platform/RawValueEnum.h"

namespace quillorbitex {

// The user's language choice, in the order the language picker shows it.
enum class AppLanguageOverride {
    system,
    english,
    simplifiedChinese,
    traditionalChinese,
    japanese,
    korean,
    french,
    german,
    spanish,
};

template <>
struct RawValueCases<AppLanguageOverride> {
    static constexpr std::array<std::pair<AppLanguageOverride, std::string_view>, 9> cases = {{
        {AppLanguageOverride::system, "system"},
        {AppLanguageOverride::english, "english"},
        {AppLanguageOverride::simplifiedChinese, "simplifiedChinese"},
        {AppLanguageOverride::traditionalChinese, "traditionalChinese"},
        {AppLanguageOverride::japanese, "japanese"},
        {AppLanguageOverride::korean, "korean"},
        {AppLanguageOverride::french, "french"},
        {AppLanguageOverride::german, "german"},
        {AppLanguageOverride::spanish, "spanish"},
    }};
};

// The language folder code of the string table ("en", "zh-Hans", …); none for `system`.
std::optional<QString> localizationResource(AppLanguageOverride language);
// The locale numbers are formatted in: the folder code's locale, or the user's for `system`.
QLocale locale(AppLanguageOverride language);
// Each language's own name; only "System" is translated.
QString displayLabel(AppLanguageOverride language);

}  // namespace quillorbitex
