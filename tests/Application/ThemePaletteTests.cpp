#include <gtest/gtest.h>

#include "Application/ThemePalette.h"

namespace quillorbitex {
namespace {

using Token = ThemePalette::Token;

TEST(ThemePalette, TokensResolveByTheDarknessOfThePaletteTheyAreDrawnIn) {
    for (const bool dark : {false, true}) {
        const QPalette palette = ThemePalette::qtPalette(dark);
        EXPECT_EQ(ThemePalette::isDark(palette), dark);
        for (const Token token : {Token::bgPrimary, Token::accentText, Token::statusRed,
                                  Token::textSecondary, Token::borderSubtle, Token::borderStrong}) {
            EXPECT_EQ(ThemePalette::color(token, palette), ThemePalette::color(token, dark));
        }
        // Borders are white in the dark and black in the light, faint either way.
        const QColor border = ThemePalette::color(Token::borderMid, dark);
        EXPECT_EQ(border.rgb() & 0xFFFFFF, dark ? 0xFFFFFFu : 0x000000u);
        EXPECT_LT(border.alphaF(), 0.25);
    }
    EXPECT_NE(ThemePalette::color(Token::bgPrimary, false),
              ThemePalette::color(Token::bgPrimary, true));
}

TEST(ThemePalette, ReadsHexCodesLeniently) {
    const struct {
        const char16_t* code;
        QRgb rgb;
    } cases[] = {
        {u"7C5CFC", 0x7C5CFC},
        {u"#7C5CFC", 0x7C5CFC},
        {u"  7c5cfc;", 0x7C5CFC},
        {u"zz7C5CFC", 0x000000},
        {u"7C5CxFC", 0x0007C5C},
        {u"", 0x000000},
        {u"FFFFFFFFFFFFFFFFFF", 0xFFFFFF},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ThemePalette::fromHex(c.code).rgb() & 0xFFFFFF, c.rgb)
            << QString::fromUtf16(c.code).toStdString();
    }
}

}  // namespace
}  // namespace quillorbitex
