#include "Localization/L10n.h"

#include <gtest/gtest.h>

namespace quillorbitex {
namespace {

class L10nTest : public ::testing::Test {
protected:
    void TearDown() override { L10n::setLanguageOverride(AppLanguageOverride::system); }
};

TEST_F(L10nTest, LooksUpTheChosenLanguageAndFallsBackToTheKey) {
    L10n::setLanguageOverride(AppLanguageOverride::german);
    EXPECT_EQ(L10n::string("Refresh"), QString::fromUtf8("Aktualisieren"));
    EXPECT_EQ(L10n::string("A text nobody translated"), QStringLiteral("A text nobody translated"));

    L10n::setLanguageOverride(AppLanguageOverride::japanese);
    EXPECT_EQ(L10n::string("Refresh"), QString::fromUtf8("更新"));

    L10n::setLanguageOverride(AppLanguageOverride::english);
    EXPECT_EQ(L10n::string("Refresh"), QStringLiteral("Refresh"));
}

TEST_F(L10nTest, EveryLanguageHasATable) {
    EXPECT_EQ(L10n::availableLanguageCodes(),
              QStringList({"en", "zh-Hans", "zh-Hant", "ja", "ko", "fr", "de", "es"}));
}

TEST_F(L10nTest, SystemChoosesTheFirstUiLanguageWithATable) {
    EXPECT_EQ(L10n::languageCodeFor({"tlh", "pt-BR", "fr-CA", "de"}), QStringLiteral("fr"));
    EXPECT_EQ(L10n::languageCodeFor({"de_AT"}), QStringLiteral("de"));
    EXPECT_EQ(L10n::languageCodeFor({"zh-CN"}), QStringLiteral("zh-Hans"));
    EXPECT_EQ(L10n::languageCodeFor({"zh_SG"}), QStringLiteral("zh-Hans"));
    EXPECT_EQ(L10n::languageCodeFor({"zh-Hans-HK"}), QStringLiteral("zh-Hans"));
    EXPECT_EQ(L10n::languageCodeFor({"zh-TW"}), QStringLiteral("zh-Hant"));
    EXPECT_EQ(L10n::languageCodeFor({"zh_HK"}), QStringLiteral("zh-Hant"));
    EXPECT_EQ(L10n::languageCodeFor({"zh-MO"}), QStringLiteral("zh-Hant"));
    EXPECT_EQ(L10n::languageCodeFor({"zh-Hant"}), QStringLiteral("zh-Hant"));
    EXPECT_EQ(L10n::languageCodeFor({"pt", "ru"}), QStringLiteral("en"));
    EXPECT_EQ(L10n::languageCodeFor({}), QStringLiteral("en"));
}

TEST_F(L10nTest, SwitchingBackToSystemReadsTheSystemTableAgain) {
    L10n::setLanguageOverride(AppLanguageOverride::japanese);
    ASSERT_NE(L10n::string("Refresh"), QStringLiteral("Refresh"));
    L10n::setLanguageOverride(AppLanguageOverride::system);
    const QString code = L10n::systemLanguageCode();
    L10n::setLanguageOverride(AppLanguageOverride::english);
    const QString english = L10n::string("Refresh");
    L10n::setLanguageOverride(AppLanguageOverride::system);
    if (code == QLatin1String("en")) {
        EXPECT_EQ(L10n::string("Refresh"), english);
    } else {
        EXPECT_NE(L10n::string("Refresh"), QString::fromUtf8("更新"));
    }
}

TEST_F(L10nTest, LanguageNamesAreWrittenInTheirOwnLanguage) {
    L10n::setLanguageOverride(AppLanguageOverride::japanese);
    EXPECT_EQ(displayLabel(AppLanguageOverride::german), QStringLiteral("Deutsch"));
    EXPECT_EQ(displayLabel(AppLanguageOverride::system), QString::fromUtf8("システム"));
    L10n::setLanguageOverride(AppLanguageOverride::french);
    EXPECT_EQ(displayLabel(AppLanguageOverride::german), QStringLiteral("Deutsch"));
    EXPECT_EQ(displayLabel(AppLanguageOverride::system), QString::fromUtf8("Système"));
}

TEST_F(L10nTest, StoredValuesRoundTripExactly) {
    for (const auto language : allCases<AppLanguageOverride>()) {
        EXPECT_EQ(fromRawValue<AppLanguageOverride>(rawValue(language)), language);
    }
    EXPECT_EQ(fromRawValue<AppLanguageOverride>("english"), AppLanguageOverride::english);
    EXPECT_FALSE(fromRawValue<AppLanguageOverride>("English").has_value());
    EXPECT_FALSE(fromRawValue<AppLanguageOverride>("").has_value());
    EXPECT_EQ(localizationResource(AppLanguageOverride::traditionalChinese),
              QStringLiteral("zh-Hant"));
    EXPECT_FALSE(localizationResource(AppLanguageOverride::system).has_value());
    EXPECT_EQ(locale(AppLanguageOverride::german).language(), QLocale::German);
}

TEST(L10nFill, FillsPlaceholdersInOrderAndByPosition) {
    const QLocale en(QStringLiteral("en"));
    EXPECT_EQ(L10n::fill("%@ -> %@", en, {"Up", "Refresh"}), QStringLiteral("Up -> Refresh"));
    EXPECT_EQ(L10n::fill("%2$@ before %1$@", en, {"a", "b"}), QStringLiteral("b before a"));
    EXPECT_EQ(L10n::fill("%d of %lld", en, {3, 1234567LL}), QStringLiteral("3 of 1234567"));
    EXPECT_EQ(L10n::fill("%.2f", en, {0.18}), QStringLiteral("0.18"));
    EXPECT_EQ(L10n::fill("100%%", en, {}), QStringLiteral("100%"));
}

TEST(L10nFill, NumbersFollowTheLanguage) {
    EXPECT_EQ(L10n::fill("%.2f", QLocale(QStringLiteral("fr")), {0.18}), QStringLiteral("0,18"));
    EXPECT_EQ(L10n::fill("%.2f", QLocale(QStringLiteral("de")), {1234.5}),
              QStringLiteral("1234,50"));
    EXPECT_EQ(L10n::fill("%lld", QLocale(QStringLiteral("fr")), {1234567}),
              QStringLiteral("1234567"));
}

TEST(L10nFill, ArgumentsAreNeverExpandedAgain) {
    const QLocale en(QStringLiteral("en"));
    EXPECT_EQ(L10n::fill("Open %@ now %@", en, {"%@", "x"}), QStringLiteral("Open %@ now x"));
    EXPECT_EQ(L10n::fill("%@|%@", en, {"%1$@ %%", "%d"}), QStringLiteral("%1$@ %%|%d"));
    EXPECT_EQ(L10n::fill("Open %@", en, {"50% off %s %n"}), QStringLiteral("Open 50% off %s %n"));
}

TEST(L10nFill, MalformedFormatsAndMissingArgumentsStayReadable) {
    const QLocale en(QStringLiteral("en"));
    EXPECT_EQ(L10n::fill("%@ and %@", en, {"one"}), QStringLiteral("one and %@"));
    EXPECT_EQ(L10n::fill("%9$@", en, {"one"}), QStringLiteral("%9$@"));
    EXPECT_EQ(L10n::fill("trailing %", en, {"x"}), QStringLiteral("trailing %"));
    EXPECT_EQ(L10n::fill("%s %x", en, {"x"}), QStringLiteral("%s %x"));
    EXPECT_EQ(L10n::fill("%", en, {}), QStringLiteral("%"));
}

TEST_F(L10nTest, FormatLooksUpThenFills) {
    L10n::setLanguageOverride(AppLanguageOverride::german);
    EXPECT_EQ(L10n::format("Untranslated %@ with %.2f", "x", 0.5),
              QStringLiteral("Untranslated x with 0,50"));
}

}  // namespace
}  // namespace quillorbitex
