// The views' one text label: what each way of handling overflow shows and asks of the layout,
// shrinking captions, remeasuring after changes, and colours that follow the appearance.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QTextDocumentFragment>

#include "Views/Components/PlainText.h"
#include "Views/Components/ThemedTextLabel.h"

namespace quillorbitex {
namespace {

using Overflow = ThemedTextLabel::Overflow;
using Token = ThemePalette::Token;

const QString kLongText = QStringLiteral(
    "Lower values are stricter <b>and</b> & raise this if drawn logos need more tolerance");

int textWidth(const ThemedTextLabel& label, const QString& text) {
    return static_cast<int>(std::ceil(QFontMetricsF(label.font()).horizontalAdvance(text)));
}

TEST(ThemedTextLabel, EachOverflowShowsTheTextAsWrittenAndAsksForWhatItNeeds) {
    struct Case {
        Overflow overflow;
        bool elided;
        bool shrinksBelowText;
        bool heightFollowsWidth;
        // Where the ellipsis stands in the shown text: -1 nowhere, 0 inside, 1 at the end.
        int ellipsis;
    };
    const Case cases[] = {
        {Overflow::wrap, false, true, true, -1},
        {Overflow::elideRight, true, true, false, 1},
        {Overflow::elideMiddle, true, true, false, 0},
        {Overflow::none, false, false, false, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.overflow));
        ThemedTextLabel label(Theme::Font::bodyText, Token::textSecondary, c.overflow);
        label.setText(kLongText);
        // Shown, so that resizing reaches it at once as it does on screen.
        label.show();
        label.resize(160, label.heightForWidth(160));

        EXPECT_EQ(label.accessibleName(), kLongText);
        EXPECT_EQ(label.isElided(), c.elided);
        const QString shown = label.displayedText();
        const auto ellipsisAt = shown.indexOf(QChar(0x2026));
        EXPECT_EQ(ellipsisAt < 0                   ? -1
                  : ellipsisAt == shown.size() - 1 ? 1
                                                   : 0,
                  c.ellipsis)
            << shown.toStdString();
        // Markup stays text, also in the tooltip of an elided label.
        EXPECT_EQ(c.elided ? QTextDocumentFragment::fromHtml(label.toolTip()).toPlainText()
                           : label.toolTip(),
                  c.elided ? kLongText : QString());

        EXPECT_EQ(label.minimumSizeHint().width() < textWidth(label, kLongText),
                  c.shrinksBelowText);
        EXPECT_EQ(label.hasHeightForWidth(), c.heightFollowsWidth);
        const int lineHeight = QFontMetrics(label.font()).height();
        if (c.heightFollowsWidth) {
            EXPECT_GE(label.heightForWidth(160), 3 * lineHeight);
            EXPECT_LE(label.heightForWidth(100000), lineHeight + 1);
        }
    }
}

// Too narrow for one line, or for wrapped text too short for its lines: the text is shortened and
// the whole of it is the tooltip, until the label has the room again.
TEST(ThemedTextLabel, ElidedLabelsDropTheirTooltipOnceTheTextFits) {
    for (const Overflow overflow : {Overflow::elideRight, Overflow::wrap}) {
        SCOPED_TRACE(static_cast<int>(overflow));
        ThemedTextLabel label(Theme::Font::bodyText, Token::textPrimary, overflow);
        label.setText(kLongText);
        label.show();
        label.resize(80, label.minimumSizeHint().height());
        EXPECT_TRUE(label.isElided());
        EXPECT_EQ(QTextDocumentFragment::fromHtml(label.toolTip()).toPlainText(), kLongText);
        const int width = overflow == Overflow::wrap ? 80 : label.sizeHint().width();
        label.resize(width, label.heightForWidth(width));
        EXPECT_FALSE(label.isElided());
        EXPECT_TRUE(label.toolTip().isEmpty());
    }
}

// A name with line breaks stays on its one line, the breaks shown as spaces.
TEST(ThemedTextLabel, OneLineLabelsShowLineBreaksAsSpaces) {
    for (const Overflow overflow : {Overflow::none, Overflow::elideRight, Overflow::elideMiddle}) {
        ThemedTextLabel label(Theme::Font::bodyText, Token::textPrimary, overflow);
        label.setText(QStringLiteral("Open\nthe\r\ndocs\u2028now"));
        label.resize(label.sizeHint());
        EXPECT_EQ(label.displayedText(), QStringLiteral("Open the docs now"));
        EXPECT_FALSE(label.isElided());
    }
}

// A tooltip wraps at a readable width, also inside a run as long as a URL, and a huge text keeps
// only its start and end: the label a tooltip is shown in never runs off the screen.
TEST(ThemedTextLabel, TooltipsWrapAndAreCappedInLength) {
    for (const QString& text : {QString(500, QLatin1Char('a')).replace(QLatin1Char('a'), "word "),
                                QStringLiteral("https://example.com/") + QString(3000, 'u'),
                                QString(1000000, QLatin1Char('n'))}) {
        const QString tip = plainToolTip(text);
        EXPECT_LT(tip.size(), 5000);
        QLabel shown(tip);
        shown.setWordWrap(Qt::mightBeRichText(tip));
        EXPECT_LT(shown.sizeHint().width(), 800);
        EXPECT_LT(shown.sizeHint().height(), 1000);
    }
}

TEST(ThemedTextLabel, MeasuresAgainAfterANewTextOrFont) {
    ThemedTextLabel label(Theme::Font::bodyText, Token::textPrimary, Overflow::wrap);
    label.setText(QStringLiteral("short"));
    const int oneLine = label.heightForWidth(200);
    const int shortWidth = label.sizeHint().width();

    // Remembered heights belong to the text they were measured for.
    label.setText(kLongText);
    EXPECT_GT(label.heightForWidth(200), 2 * oneLine);
    EXPECT_GT(label.sizeHint().width(), shortWidth);

    const int bodyHeight = label.heightForWidth(200);
    label.setFont(Theme::font(Theme::Font::heading1));
    EXPECT_GT(label.heightForWidth(200), bodyHeight);
}

TEST(ThemedTextLabel, ACaptionShrinksToItsLeastSizeBeforeBreakingAWord) {
    ThemedTextLabel label(Theme::Font::captionText, Token::textTertiary, Overflow::wrap);
    label.setText(QStringLiteral("Aufrufe Schwellenwert"));
    const int fullSize = label.font().pixelSize();
    const int wordWidth = textWidth(label, QStringLiteral("Schwellenwert"));

    // Without a least size the font stays; with one it shrinks as far as needed, and no further.
    EXPECT_EQ(label.fittedFont(wordWidth - 4).pixelSize(), fullSize);
    label.setMinimumShrinkPixelSize(fullSize - 3);
    EXPECT_EQ(label.fittedFont(wordWidth + 10).pixelSize(), fullSize);
    const QFont fitted = label.fittedFont(wordWidth - 4);
    EXPECT_LT(fitted.pixelSize(), fullSize);
    EXPECT_LE(QFontMetricsF(fitted).horizontalAdvance(QStringLiteral("Schwellenwert")),
              wordWidth - 4);
    EXPECT_EQ(label.fittedFont(wordWidth / 3).pixelSize(), fullSize - 3);
    // The line keeps the full size's height, so shrunk captions stay in line with their row.
    EXPECT_GE(label.heightForWidth(wordWidth - 4), QFontMetrics(label.font()).height());
}

TEST(ThemedTextLabel, DrawsInItsTokenOfTheAppearanceInForce) {
    QWidget window;
    ThemedTextLabel label(Theme::Font::heading1, Token::statusRed, Overflow::none, &window);
    label.setText(QStringLiteral("MMMM"));
    label.resize(label.sizeHint());
    const auto holds = [&label](const QColor& color) {
        const QImage image = label.grab().toImage();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y).rgb() == color.rgb()) {
                    return true;
                }
            }
        }
        return false;
    };
    for (const bool dark : {false, true}) {
        window.setPalette(ThemePalette::qtPalette(dark));
        EXPECT_TRUE(holds(ThemePalette::color(Token::statusRed, dark))) << dark;
        EXPECT_FALSE(holds(ThemePalette::color(Token::statusRed, !dark))) << dark;
    }
    label.setColorToken(Token::accentPrimary);
    EXPECT_TRUE(holds(ThemePalette::color(Token::accentPrimary, true)));
}

}  // namespace
}  // namespace quillorbitex
