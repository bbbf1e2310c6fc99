#pragma once

#include <QProxyStyle>

namespace quillorbitex {

// The stock controls drawn from the theme's tokens, so that they sit with the themed ones in every
// window and follow the appearance through the palette: sliders (a thin rounded track, filled in
// the accent up to a round handle), scroll bars (a rounded thumb, no arrow buttons) and combo
// boxes (a rounded field with a chevron, as tall as the theme's text fields). The unfilled track
// and the thumb stand out at least 3:1 from the cards and pages they sit on. A combo box's open
// list is a rounded elevated panel, at least as wide as its field, whose rows are padded and take
// the theme's hover and selection colours.
class ThemeStyle final : public QProxyStyle {
public:
    ThemeStyle();

    // Makes a ThemeStyle the application's style, once.
    static void install();

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget = nullptr) const override;
    SubControl hitTestComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     const QPoint& position,
                                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;

    void polish(QWidget* widget) override;
    void unpolish(QWidget* widget) override;
    using QProxyStyle::polish;
    using QProxyStyle::unpolish;

    // The colour of an unfilled slider track and of a scroll bar's thumb in `palette`'s appearance.
    static QColor trackColor(const QPalette& palette);
    // The corner radius of an open combo box list.
    static constexpr double popupRadius = 10;
    // The padding of each row of an open combo box list, across and up and down.
    static constexpr int popupRowHorizontalPadding = 10;
    static constexpr int popupRowVerticalPadding = 6;
    // The room between an open list's rounded edge and its first and last rows.
    static constexpr int popupVerticalInset = 4;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace quillorbitex
