#include "Localization/L10n.h"

#include <gtest/gtest.h>

#include "support/ScopedLanguageOverride.h"

namespace quillorbitex {
namespace {

using testing::ScopedLanguageOverride;

TEST(L10n, LooksUpTheChosenLanguageAndFallsBackToTheKey) {
    const std::pair<AppLanguageOverride, QString> cases[] = {
        {AppLanguageOverride::german, QStringLiteral("Aktualisieren")},
        {AppLanguageOverride::japanese, QString::fromUtf8("更新")},
        {AppLanguageOverride::english, QStringLiteral("Refresh")},
    };
    for (const auto& [language, expected] : cases) {
        ScopedLanguageOverride chosen(language);
        EXPECT_EQ(L10n::string("Refresh"), expected);
        EXPECT_EQ(L10n::string("A text nobody translated"), "A text nobody translated");
    }
    {
        ScopedLanguageOverride german(AppLanguageOverride::german);
        EXPECT_EQ(L10n::format("Untranslated %@ with %.2f", "x", 0.5),
                  QStringLiteral("Untranslated x with 0,50"));
    }
    // Language names are written in their own language.
    ScopedLanguageOverride japanese(AppLanguageOverride::japanese);
    EXPECT_EQ(displayLabel(AppLanguageOverride::german), QStringLiteral("Deutsch"));
    EXPECT_EQ(displayLabel(AppLanguageOverride::system), QString::fromUtf8("システム"));
}

TEST(L10n, SystemChoosesTheFirstUiLanguageWithATable) {
    EXPECT_EQ(L10n::availableLanguageCodes(),
              QStringList({"en", "zh-Hans", "zh-Hant", "ja", "ko", "fr", "de", "es"}));
    const std::pair<QStringList, const char*> cases[] = {
        {{"tlh", "pt-BR", "fr-CA", "de"}, "fr"},
        {{"de_AT"}, "de"},
        {{"ko-KR"}, "ko"},
        {{"zh-CN"}, "zh-Hans"},
        {{"zh_SG"}, "zh-Hans"},
        {{"zh-Hans-HK"}, "zh-Hans"},
        {{"zh-TW"}, "zh-Hant"},
        {{"zh_HK"}, "zh-Hant"},
        {{"zh-MO"}, "zh-Hant"},
        {{"zh-Hant"}, "zh-Hant"},
        {{"pt", "ru"}, "en"},
        {{}, "en"},
    };
    for (const auto& [languages, code] : cases) {
        EXPECT_EQ(L10n::languageCodeFor(languages), QString::fromLatin1(code)) << code;
    }
}

TEST(L10n, SwitchingBackToSystemReadsTheSystemTableAgain) {
    const QString systemCode = L10n::systemLanguageCode();
    EXPECT_TRUE(L10n::availableLanguageCodes().contains(systemCode));
    QString systemText;
    {
        ScopedLanguageOverride system(AppLanguageOverride::system);
        systemText = L10n::string("Refresh");
    }
    ScopedLanguageOverride japanese(AppLanguageOverride::japanese);
    ASSERT_EQ(L10n::string("Refresh"), QString::fromUtf8("更新"));
    L10n::setLanguageOverride(AppLanguageOverride::system);
    EXPECT_EQ(L10n::string("Refresh"), systemText);
}

TEST(L10n, StoredLanguageValuesRoundTripExactly) {
    for (const auto language : allCases<AppLanguageOverride>()) {
        EXPECT_EQ(fromRawValue<AppLanguageOverride>(rawValue(language)), language);
    }
    EXPECT_FALSE(fromRawValue<AppLanguageOverride>("English").has_value());
    EXPECT_EQ(localizationResource(AppLanguageOverride::traditionalChinese),
              QStringLiteral("zh-Hant"));
    EXPECT_EQ(localizationResource(AppLanguageOverride::korean), QStringLiteral("ko"));
    EXPECT_FALSE(localizationResource(AppLanguageOverride::system).has_value());
    EXPECT_EQ(locale(AppLanguageOverride::german).language(), QLocale::German);
}

TEST(L10n, FillPutsArgumentsInPlaceOnceAndLeavesMalformedFormatsReadable) {
    const QLocale en(QStringLiteral("en"));
    const QLocale fr(QStringLiteral("fr"));
    const std::pair<QString, const char*> cases[] = {
        {L10n::fill("%@ -> %@", en, {"Up", "Refresh"}), "Up -> Refresh"},
        {L10n::fill("%2$@ before %1$@", en, {"a", "b"}), "b before a"},
        {L10n::fill("%d of %lld", en, {3, 1234567LL}), "3 of 1234567"},
        {L10n::fill("%.2f and %d", en, {0.18, 2.0}), "0.18 and 2"},
        {L10n::fill("%.1f %@ %f", en, {2, 0.5, "x"}), "2.0 0.500000 x"},
        {L10n::fill("100%%", en, {}), "100%"},
        // Numbers follow the language, without grouping.
        {L10n::fill("%.2f", fr, {0.18}), "0,18"},
        {L10n::fill("%.2f", QLocale(QStringLiteral("de")), {1234.5}), "1234,50"},
        {L10n::fill("%lld", fr, {1234567}), "1234567"},
        // Arguments are never expanded again.
        {L10n::fill("Open %@ now %@", en, {"%@", "x"}), "Open %@ now x"},
        {L10n::fill("%@|%@", en, {"%1$@ %%", "%d"}), "%1$@ %%|%d"},
        {L10n::fill("Open %@", en, {"50% off %s %n"}), "Open 50% off %s %n"},
        // Missing arguments and unknown conversions stay as written.
        {L10n::fill("%@ and %@", en, {"one"}), "one and %@"},
        {L10n::fill("%9$@", en, {"one"}), "%9$@"},
        {L10n::fill("trailing %", en, {"x"}), "trailing %"},
        {L10n::fill("%s %x", en, {"x"}), "%s %x"},
        {L10n::fill("%", en, {}), "%"},
    };
    for (const auto& [filled, expected] : cases) {
        EXPECT_EQ(filled, QString::fromUtf8(expected));
    }
}

}  // namespace
}  // namespace quillorbitex
