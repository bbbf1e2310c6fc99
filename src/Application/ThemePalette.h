#pragma once

#include <QColor>
#include <QPalette>
#include <QStringView>

namespace quillorbitex {

// The program's named colours. Each token has a light and a dark value and is resolved each time
// it is drawn, against the palette it is drawn with, so switching the appearance recolours every
// window and overlay without rebuilding anything.
class ThemePalette {
public:
    enum class Token {
        bgPrimary,
        bgElevated,
        bgHover,
        bgSunken,
        borderSubtle,
        borderMid,
        borderStrong,
        accentPrimary,
        accentMuted,
        accentText,
        statusGreen,
        statusAmber,
        statusRed,
        statusBlue,
        textPrimary,
        textSecondary,
        textTertiary,
        keyCapBg,
        keyCapText,
        // Small text on the accent and status tints, where the shared colours above fall short of
        // 4.5:1 (they stay as they are for lines, marks and larger text).
        accentCapsuleText,
        statusRedText,
        statusBlueText,
    };

    static QColor color(Token token, bool dark);
    // The colour for small text tinted with `tint`, readable on that tint at low opacity and on
    // the page's backgrounds.
    static Token textOn(Token tint);
    // The colour in the appearance `drawnWith` belongs to.
    static QColor color(Token token, const QPalette& drawnWith);

    // Whether a palette is a dark one: its window colour is darker than mid grey. The appearance
    // layer installs palettes built by qtPalette(), so this tells which of the two is in force.
    static bool isDark(const QPalette& palette);
    // The colour `t` of the way from `from` to `to` (0 gives `from`, 1 gives `to`), alpha included.
    static QColor mix(const QColor& from, const QColor& to, double t);

    // The palette for the native controls in one appearance, built from the tokens.
    static QPalette qtPalette(bool dark);

    // An opaque sRGB colour from six hexadecimal digits: punctuation and spaces at either end are
    // ignored, scanning stops at the first character that is not a hexadecimal digit, and text that
    // does not begin with one gives black.
    static QColor fromHex(QStringView code);
};

}  // namespace quillorbitex
