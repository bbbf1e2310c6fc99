#include "Localization/AppLanguageOverride.h"

#include "Localization/L10n.h"

namespace quillorbitex {

std::optional<QString> localizationResource(AppLanguageOverride language) {
    switch (language) {
        case AppLanguageOverride::system:
            return std::nullopt;
        case AppLanguageOverride::english:
            return QStringLiteral("en");
        case AppLanguageOverride::simplifiedChinese:
            return QStringLiteral("zh-Hans");
        case AppLanguageOverride::traditionalChinese:
            return QStringLiteral("zh-Hant");
        case AppLanguageOverride::japanese:
            return QStringLiteral("ja");
        case AppLanguageOverride::korean:
            return QStringLiteral("ko");
        case AppLanguageOverride::french:
            return QStringLiteral("fr");
        case AppLanguageOverride::german:
            return QStringLiteral("de");
        case AppLanguageOverride::spanish:
            return QStringLiteral("es");
    }
    return std::nullopt;
}

QLocale locale(AppLanguageOverride language) {
    const auto code = localizationResource(language);
    return code ? QLocale(*code) : QLocale::system();
}

QString displayLabel(AppLanguageOverride language) {
    switch (language) {
        case AppLanguageOverride::system:
            return L10n::string("System");
        case AppLanguageOverride::english:
            return QStringLiteral("English");
        case AppLanguageOverride::simplifiedChinese:
            return QStringLiteral("简体中文");
        case AppLanguageOverride::traditionalChinese:
            return QStringLiteral("繁體中文");
        case AppLanguageOverride::japanese:
            return QStringLiteral("日本語");
        case AppLanguageOverride::korean:
            return QStringLiteral("한국어");
        case AppLanguageOverride::french:
            return QStringLiteral("Français");
        case AppLanguageOverride::german:
            return QStringLiteral("Deutsch");
        case AppLanguageOverride::spanish:
            return QStringLiteral("Español");
    }
    return {};
}

}  // namespace quillorbitex
