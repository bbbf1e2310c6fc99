#pragma once

#include <QColor>
#include <QEasingCurve>
#include <QFont>
#include <functional>

#include "Application/ThemePalette.h"

class QPainter;
class QWidget;

namespace quillorbitex {

// The widget side of the theme: the type scale, colours resolved for a widget, and the switch
// that turns the theme's animations off (tests then see every end state at once).
class Theme {
public:
    // The type scale, from the largest.
    enum class Font {
        displayL,     // 36 px, heavy
        heading1,     // 22 px, bold
        heading2,     // 17 px, semibold
        heading3,     // 15 px, medium
        bodyText,     // 14 px, regular
        bodyMono,     // 13 px, regular, monospaced
        captionText,  // 12 px, medium
        captionMono,  // 11 px, regular, monospaced
    };

    Theme() = delete;

    // The system sans (or, for the mono tokens, the system's fixed-width font) at the token's
    // pixel size and weight.
    static QFont font(Font token);
    // The system sans at any pixel size and weight, for the few places off the scale (button
    // labels).
    static QFont systemFont(int pixelSize, QFont::Weight weight);

    // A colour token in the appearance `widget` is drawn in (its palette).
    static QColor color(ThemePalette::Token token, const QWidget& widget);
    // The colour `t` of the way from `from` to `to` (0 gives `from`, 1 gives `to`), alpha included.
    static QColor mix(const QColor& from, const QColor& to, double t);

    // The panel every card is: the widget's whole rectangle with rounded corners, filled with
    // `fill` and outlined by a 1 px `border` set half a pixel in so that it covers whole pixels.
    // `inside` paints over the fill and under the outline, clipped to the panel.
    static void paintPanel(QPainter& painter, const QWidget& widget, double cornerRadius,
                           ThemePalette::Token fill,
                           ThemePalette::Token border = ThemePalette::Token::borderSubtle,
                           const std::function<void(QPainter&)>& inside = {});

    // How opaque a disabled control is drawn (text, fill and outline alike): its contrast drops
    // well below the enabled state's, in both appearances.
    static constexpr double disabledOpacity = 0.45;
    // The pointing hand over `widget` while it is enabled and the ordinary arrow while it is not,
    // so that a control that does nothing does not invite a click.
    static void followEnabledState(QWidget& widget);

    static bool animationsEnabled();
    static void setAnimationsEnabled(bool enabled);

    // The curve of the theme's short state changes: the standard ease-out, a cubic Bézier through
    // (0.58, 1).
    static QEasingCurve easeOut();
};

}  // namespace quillorbitex
