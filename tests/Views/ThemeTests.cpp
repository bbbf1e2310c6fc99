#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QGraphicsDropShadowEffect>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QVBoxLayout>

#include "Views/Theme/AccentButton.h"
#include "Views/Theme/DarkCardFrame.h"
#include "Views/Theme/GhostButton.h"
#include "Views/Theme/Theme.h"

namespace quillorbitex {
namespace {

using Token = ThemePalette::Token;

// Draws a widget alone on a transparent image. QWidget::render() leaves graphics effects out, and
// grab() adds the window's background unless an effect draws the widget; so each where it works.
QImage render(QWidget& widget) {
    if (widget.graphicsEffect() != nullptr) {
        return widget.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    }
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

QRgb rgbOf(Token token, bool dark) {
    return ThemePalette::color(token, dark).rgb() & 0xFFFFFF;
}

class ThemeWidgetTest : public ::testing::Test {
protected:
    void SetUp() override { Theme::setAnimationsEnabled(false); }
    void TearDown() override { Theme::setAnimationsEnabled(true); }

    // Parent of the widgets under test.
    QWidget holder_;
};

TEST_F(ThemeWidgetTest, TypeScaleUsesPixelSizesAndTheSystemFixedFontForMono) {
    const struct {
        Theme::Font token;
        int pixels;
        QFont::Weight weight;
        bool mono;
    } cases[] = {
        {Theme::Font::displayL, 36, QFont::ExtraBold, false},
        {Theme::Font::heading1, 22, QFont::Bold, false},
        {Theme::Font::heading2, 17, QFont::DemiBold, false},
        {Theme::Font::heading3, 15, QFont::Medium, false},
        {Theme::Font::bodyText, 14, QFont::Normal, false},
        {Theme::Font::bodyMono, 13, QFont::Normal, true},
        {Theme::Font::captionText, 12, QFont::Medium, false},
        {Theme::Font::captionMono, 11, QFont::Normal, true},
    };
    const QString fixedFamily = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    const QString generalFamily = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pixels);
        const QFont font = Theme::font(c.token);
        EXPECT_EQ(font.pixelSize(), c.pixels);
        EXPECT_EQ(font.pointSize(), -1) << "sized in pixels, not points";
        EXPECT_EQ(font.weight(), c.weight);
        EXPECT_EQ(font.family(), c.mono ? fixedFamily : generalFamily);
    }
}

TEST_F(ThemeWidgetTest, AccentButtonFillsWithItsRoleColourAndCastsItsShadow) {
    for (const bool dark : {false, true}) {
        for (const bool destructive : {false, true}) {
            SCOPED_TRACE(std::string(dark ? "dark" : "light") +
                         (destructive ? ", destructive" : ""));
            AccentButton button(QStringLiteral("Save"), destructive, &holder_);
            button.setPalette(ThemePalette::qtPalette(dark));
            button.resize(120, 40);
            const Token role = destructive ? Token::statusRed : Token::accentPrimary;

            const QImage image = render(button);
            EXPECT_EQ(image.pixel(8, 20) & 0xFFFFFF, rgbOf(role, dark));
            EXPECT_EQ(qAlpha(image.pixel(8, 20)), 255);

            const auto* shadow = qobject_cast<QGraphicsDropShadowEffect*>(button.graphicsEffect());
            ASSERT_NE(shadow, nullptr);
            EXPECT_EQ(shadow->color().rgb() & 0xFFFFFF, rgbOf(role, dark));
            EXPECT_NEAR(shadow->color().alphaF(), 0.35, 0.01);
            EXPECT_EQ(shadow->offset(), QPointF(0, 3));
        }
    }
}

TEST_F(ThemeWidgetTest, AccentShadowFollowsAnAppearanceChange) {
    AccentButton button(QStringLiteral("Remove"), true, &holder_);
    button.setPalette(ThemePalette::qtPalette(true));
    button.setPalette(ThemePalette::qtPalette(false));
    const auto* shadow = qobject_cast<QGraphicsDropShadowEffect*>(button.graphicsEffect());
    ASSERT_NE(shadow, nullptr);
    EXPECT_EQ(shadow->color().rgb() & 0xFFFFFF, rgbOf(Token::statusRed, false));
}

TEST_F(ThemeWidgetTest, PressedAccentButtonShrinksAndLosesItsShadow) {
    AccentButton button(QStringLiteral("Continue"), false, &holder_);
    button.setPalette(ThemePalette::qtPalette(true));
    button.resize(200, 40);
    const auto* shadow = qobject_cast<QGraphicsDropShadowEffect*>(button.graphicsEffect());
    ASSERT_NE(shadow, nullptr);
    const QPoint middle(100, 20);

    // The left edge at mid-height: covered at full size, bare once shrunk by 3 %.
    EXPECT_EQ(qAlpha(render(button).pixel(1, 20)), 255);
    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, middle);
    EXPECT_DOUBLE_EQ(button.currentScale(), 0.97);
    EXPECT_EQ(shadow->color().alpha(), 0);
    EXPECT_EQ(qAlpha(render(button).pixel(1, 20)), 0);

    QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, middle);
    EXPECT_DOUBLE_EQ(button.currentScale(), 1.0);
    EXPECT_NEAR(shadow->color().alphaF(), 0.35, 0.01);
    EXPECT_EQ(qAlpha(render(button).pixel(1, 20)), 255);
}

TEST_F(ThemeWidgetTest, PressEasesToTheEndState) {
    Theme::setAnimationsEnabled(true);
    AccentButton accent(QStringLiteral("Continue"));
    GhostButton ghost(QStringLiteral("Cancel"));
    accent.resize(120, 40);
    ghost.resize(120, 40);
    QTest::mousePress(&accent, Qt::LeftButton, Qt::NoModifier, QPoint(60, 20));
    QTest::mousePress(&ghost, Qt::LeftButton, Qt::NoModifier, QPoint(60, 20));
    // The press starts from the released look and arrives at the pressed one.
    EXPECT_GT(accent.currentScale(), 0.97);
    EXPECT_TRUE(QTest::qWaitFor([&] { return accent.currentScale() == 0.97; }, 2000));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return ghost.currentFillColor() == Theme::color(Token::bgHover, ghost); }, 2000));
}

TEST_F(ThemeWidgetTest, GhostButtonIsOutlinedAndFillsWhilePressed) {
    for (const bool dark : {false, true}) {
        SCOPED_TRACE(dark ? "dark" : "light");
        GhostButton button(QStringLiteral("Cancel"), &holder_);
        button.setPalette(ThemePalette::qtPalette(dark));
        button.resize(120, 40);

        EXPECT_EQ(button.currentTextColor().rgb() & 0xFFFFFF, rgbOf(Token::textSecondary, dark));
        QImage image = render(button);
        EXPECT_EQ(qAlpha(image.pixel(6, 20)), 0) << "clear inside while released";
        EXPECT_GT(qAlpha(image.pixel(60, 0)), 0) << "the outline";

        QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(60, 20));
        EXPECT_EQ(button.currentTextColor().rgb() & 0xFFFFFF, rgbOf(Token::textPrimary, dark));
        image = render(button);
        EXPECT_EQ(image.pixel(6, 20) & 0xFFFFFF, rgbOf(Token::bgHover, dark));
        QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(60, 20));
        EXPECT_EQ(qAlpha(render(button).pixel(6, 20)), 0);
    }
}

TEST_F(ThemeWidgetTest, CardHoldsItsContentsTwentyPixelsInOnTheElevatedBackground) {
    for (const bool dark : {false, true}) {
        SCOPED_TRACE(dark ? "dark" : "light");
        DarkCardFrame card(&holder_);
        card.setPalette(ThemePalette::qtPalette(dark));
        auto* content = new QWidget(&card);
        card.contentLayout()->addWidget(content);
        card.resize(200, 120);
        card.contentLayout()->activate();

        EXPECT_EQ(content->geometry(), QRect(20, 20, 160, 80));
        const QImage image = render(card);
        EXPECT_EQ(image.pixel(100, 60) & 0xFFFFFF, rgbOf(Token::bgElevated, dark));
        EXPECT_EQ(qAlpha(image.pixel(1, 1)), 0) << "rounded corner";
        // The outline is the subtle border over the elevated background.
        EXPECT_NE(image.pixel(100, 0), image.pixel(100, 60));
    }
}

}  // namespace
}  // namespace quillorbitex
