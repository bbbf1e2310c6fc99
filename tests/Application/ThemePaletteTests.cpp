#include <gtest/gtest.h>

#include "Application/ThemePalette.h"

namespace quillorbitex {
namespace {

using Token = ThemePalette::Token;

TEST(ThemePalette, ResolvesEachTokenAgainstTheAppearanceItIsDrawnIn) {
    struct Case {
        Token token;
        QRgb light;
        QRgb dark;
    };
    const Case cases[] = {
        {Token::bgPrimary, 0xF4F6FB, 0x0E0E10},     {Token::accentPrimary, 0x7C5CFC, 0x7C5CFC},
        {Token::accentText, 0x5C43D8, 0xA78BFA},    {Token::statusRed, 0xDC2626, 0xF87171},
        {Token::textSecondary, 0x5C6270, 0x8B8B9A}, {Token::keyCapText, 0x2D3342, 0xC8C8D8},
    };
    const QPalette light = ThemePalette::qtPalette(false);
    const QPalette dark = ThemePalette::qtPalette(true);
    ASSERT_FALSE(ThemePalette::isDark(light));
    ASSERT_TRUE(ThemePalette::isDark(dark));
    for (const Case& c : cases) {
        EXPECT_EQ(ThemePalette::color(c.token, light).rgb() & 0xFFFFFF, c.light);
        EXPECT_EQ(ThemePalette::color(c.token, dark).rgb() & 0xFFFFFF, c.dark);
        EXPECT_EQ(ThemePalette::color(c.token, dark).alpha(), 255);
    }
}

TEST(ThemePalette, BordersAreWhiteInTheDarkAndBlackInTheLight) {
    const struct {
        Token token;
        double light;
        double dark;
    } cases[] = {{Token::borderSubtle, 0.08, 0.06},
                 {Token::borderMid, 0.14, 0.10},
                 {Token::borderStrong, 0.22, 0.18}};
    for (const auto& c : cases) {
        const QColor light = ThemePalette::color(c.token, false);
        const QColor dark = ThemePalette::color(c.token, true);
        EXPECT_EQ(light.rgb() & 0xFFFFFF, 0x000000u);
        EXPECT_EQ(dark.rgb() & 0xFFFFFF, 0xFFFFFFu);
        EXPECT_NEAR(light.alphaF(), c.light, 0.003);
        EXPECT_NEAR(dark.alphaF(), c.dark, 0.003);
    }
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
