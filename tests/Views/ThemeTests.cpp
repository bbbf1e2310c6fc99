#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGraphicsDropShadowEffect>
#include <QImage>
#include <QPainter>
#include <QSlider>
#include <QTest>

#include "Application/ThemeStyle.h"
#include "Views/Theme/AccentButton.h"
#include "Views/Theme/DarkCardFrame.h"
#include "Views/Theme/GhostButton.h"
#include "Views/Theme/Theme.h"
#include "support/Contrast.h"
#include "support/ViewTestHelpers.h"

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
    testing::AnimationsOff animationsOff_;
    QWidget holder_;
};

TEST_F(ThemeWidgetTest, AccentButtonFillsAndShadowsInItsRoleColourAndShrinksWhilePressed) {
    for (const bool dark : {false, true}) {
        for (const bool destructive : {false, true}) {
            SCOPED_TRACE(::testing::Message()
                         << "dark " << dark << ", destructive " << destructive);
            AccentButton button(QStringLiteral("Save"), destructive, &holder_);
            // Set twice: the shadow follows an appearance change.
            button.setPalette(ThemePalette::qtPalette(!dark));
            button.setPalette(ThemePalette::qtPalette(dark));
            button.resize(200, 40);
            const Token role = destructive ? Token::statusRed : Token::accentPrimary;
            const auto* shadow = qobject_cast<QGraphicsDropShadowEffect*>(button.graphicsEffect());
            ASSERT_NE(shadow, nullptr);
            EXPECT_EQ(shadow->color().rgb() & 0xFFFFFF, rgbOf(role, dark));
            EXPECT_EQ(render(button).pixel(8, 20), rgbOf(role, dark) | 0xFF000000);

            // The left edge at mid-height: covered at full size, bare once shrunk.
            QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(100, 20));
            EXPECT_LT(button.currentScale(), 1.0);
            EXPECT_EQ(shadow->color().alpha(), 0);
            EXPECT_EQ(qAlpha(render(button).pixel(1, 20)), 0);
            QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(100, 20));
            EXPECT_DOUBLE_EQ(button.currentScale(), 1.0);
            EXPECT_GT(shadow->color().alpha(), 0);
            EXPECT_EQ(qAlpha(render(button).pixel(1, 20)), 255);
        }
    }
}

TEST_F(ThemeWidgetTest, GhostButtonIsOutlinedAndFillsWhilePressed) {
    for (const bool dark : {false, true}) {
        SCOPED_TRACE(dark);
        GhostButton button(QStringLiteral("Cancel"), &holder_);
        button.setPalette(ThemePalette::qtPalette(dark));
        button.resize(120, 40);
        EXPECT_EQ(button.currentTextColor().rgb() & 0xFFFFFF, rgbOf(Token::textSecondary, dark));
        EXPECT_EQ(qAlpha(render(button).pixel(6, 20)), 0) << "clear inside while released";
        EXPECT_GT(qAlpha(render(button).pixel(60, 0)), 0) << "the outline";

        QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(60, 20));
        EXPECT_EQ(button.currentTextColor().rgb() & 0xFFFFFF, rgbOf(Token::textPrimary, dark));
        EXPECT_EQ(render(button).pixel(6, 20) & 0xFFFFFF, rgbOf(Token::bgHover, dark));
        QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(60, 20));
        EXPECT_EQ(qAlpha(render(button).pixel(6, 20)), 0);
    }
}

// A disabled button reads as unavailable in either style and appearance: it stands out much less
// from what lies around it, and the pointer over it is no longer the hand.
TEST_F(ThemeWidgetTest, DisabledButtonsAreFadedAndOfferNoHand) {
    for (const bool dark : {false, true}) {
        for (QPushButton* button :
             {static_cast<QPushButton*>(new AccentButton(QStringLiteral("Save"), false, &holder_)),
              static_cast<QPushButton*>(new GhostButton(QStringLiteral("Next"), &holder_))}) {
            SCOPED_TRACE(::testing::Message()
                         << button->metaObject()->className() << " dark " << dark);
            button->setPalette(ThemePalette::qtPalette(dark));
            button->resize(120, 40);
            // Drawn on the card, against what lies around it (its rounded corner shows it).
            const auto contrast = [&] {
                QImage image(button->size(), QImage::Format_RGB32);
                image.fill(ThemePalette::color(Token::bgElevated, dark));
                QPainter(&image).drawImage(0, 0, render(*button));
                return testing::strongestContrast(image, image.pixelColor(0, 0));
            };
            const double enabled = contrast();
            EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor);
            button->setEnabled(false);
            EXPECT_LT(contrast(), 0.6 * enabled);
            EXPECT_NE(button->cursor().shape(), Qt::PointingHandCursor);
            button->setEnabled(true);
            EXPECT_DOUBLE_EQ(contrast(), enabled);
            EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor);
        }
    }
}

// The stock slider drawn by the theme's style: its unfilled track and its handle stand out at least
// 3:1 from the card in both appearances; the track is filled in the accent up to the handle.
TEST_F(ThemeWidgetTest, TheSliderIsDrawnFromTheThemeAndStandsOutFromTheCard) {
    ThemeStyle style;
    for (const bool dark : {false, true}) {
        SCOPED_TRACE(dark);
        QSlider slider(Qt::Horizontal, &holder_);
        slider.setStyle(&style);
        slider.setPalette(ThemePalette::qtPalette(dark));
        slider.setRange(0, 100);
        slider.setValue(25);
        slider.resize(300, slider.sizeHint().height());
        const QColor card = ThemePalette::color(Token::bgElevated, dark);
        QImage image(slider.size(), QImage::Format_RGB32);
        image.fill(card);
        slider.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        const int middle = image.height() / 2;
        EXPECT_GE(testing::contrastRatio(image.pixelColor(250, middle), card), 3.0) << "track";
        EXPECT_EQ(image.pixelColor(30, middle), ThemePalette::color(Token::accentPrimary, dark));
        EXPECT_GE(testing::strongestContrast(image.copy(60, 0, 40, image.height()), card), 3.0)
            << "handle";
    }
}

// A combo box's open list in both appearances: a rounded panel at least as wide as its field, on
// the card colour, with padded rows and the current one in the selection colour.
TEST_F(ThemeWidgetTest, AnOpenListIsARoundedThemedPanelAtLeastAsWideAsItsField) {
    ThemeStyle::install();
    const QPalette before = QApplication::palette();
    for (const bool dark : {false, true}) {
        SCOPED_TRACE(dark);
        QApplication::setPalette(ThemePalette::qtPalette(dark));
        testing::settle();
        QComboBox combo(&holder_);
        combo.addItems({"English", "Deutsch", "日本語"});
        combo.setCurrentIndex(1);
        combo.resize(420, combo.sizeHint().height());
        holder_.show();
        combo.show();
        combo.showPopup();
        QWidget* popup = combo.view()->window();
        ASSERT_TRUE(popup->isVisible());
        EXPECT_GE(popup->width(), combo.width());
        EXPECT_FALSE(popup->mask().contains(QPoint(0, 0))) << "rounded corner";
        EXPECT_TRUE(popup->mask().contains(popup->rect().center()));
        EXPECT_GE(combo.view()->sizeHintForRow(0), QFontMetrics(combo.font()).height() + 12);

        const QImage image = popup->grab().toImage();
        const auto rowColor = [&](int row) {
            const QRect area = combo.view()->visualRect(combo.model()->index(row, 0));
            return image.pixelColor(
                combo.view()->viewport()->mapTo(popup, QPoint(6, area.center().y())));
        };
        EXPECT_EQ(rowColor(1), ThemePalette::color(Token::accentMuted, dark)) << "current row";
        EXPECT_EQ(rowColor(2), ThemePalette::color(Token::bgElevated, dark)) << "another row";
        combo.hidePopup();
    }
    QApplication::setPalette(before);
}

TEST_F(ThemeWidgetTest, CardIsARoundedOutlinedPanelOnTheElevatedBackground) {
    for (const bool dark : {false, true}) {
        SCOPED_TRACE(dark);
        DarkCardFrame card(&holder_);
        card.setPalette(ThemePalette::qtPalette(dark));
        card.resize(200, 120);
        const QImage image = render(card);
        EXPECT_EQ(image.pixel(100, 60) & 0xFFFFFF, rgbOf(Token::bgElevated, dark));
        EXPECT_EQ(qAlpha(image.pixel(1, 1)), 0) << "rounded corner";
        EXPECT_NE(image.pixel(100, 0), image.pixel(100, 60)) << "outline";
    }
}

}  // namespace
}  // namespace quillorbitex
