#pragma once

#include <QLabel>
#include <QString>
#include <array>
#include <utility>

#include "Views/Theme/Theme.h"

class QTextLayout;

namespace quillorbitex {

// A line or paragraph of plain text in one of the theme's fonts and colours: the one text label of
// the views. The colour is a token resolved when it is drawn, so the text follows the appearance;
// the text is never read as rich text or mnemonics (rule names, URLs and application names are
// shown exactly as written), and it is the label's accessible name.
//
// Text that does not fit is handled as chosen: kept whole on one line (`none`, the least width is
// the text's), wrapped (at word boundaries, or anywhere inside a word too long for a line, such as
// a URL; the height follows the width), or elided at the end or in the middle with the whole text
// as tooltip. Wrapped text given less height than its lines need shows the lines that fit, the last
// one ending in an ellipsis, with the whole text as tooltip. A label given a maximum length shows a
// longer text (a URL of thousands of characters) with its middle left out, the whole text as
// tooltip. On one line, line breaks show as spaces.
//
// It is a QLabel only so that it can name a control for assistive technology (setBuddy, with the
// control beside it under the same parent): on Linux Qt names a combo box by its value and finds
// its label through that relation. It draws and measures itself; QLabel's own text stays empty.
class ThemedTextLabel : public QLabel {
    Q_OBJECT

public:
    enum class Overflow { wrap, elideRight, elideMiddle, none };

    ThemedTextLabel(Theme::Font font, ThemePalette::Token color, Overflow overflow,
                    QWidget* parent = nullptr);

    const QString& text() const { return text_; }
    void setText(const QString& text);
    ThemePalette::Token colorToken() const { return color_; }
    void setColorToken(ThemePalette::Token color);
    Overflow overflow() const { return overflow_; }
    // Texts longer than `characters` show their start and end around an ellipsis; 0 (the default)
    // shows any length.
    void setMaximumLength(int characters);
    // The maximum length of the texts that describe an action (a URL, an application), in rows and
    // in the rule editor: a few lines at most.
    static constexpr int actionTextLength = 160;

    // Wrapped text only: lets the type shrink, down to `pixelSize`, until the longest word fits the
    // line, before a word is broken; for short captions in narrow places. Off (0) by default.
    void setMinimumShrinkPixelSize(int pixelSize);
    // The font the text is drawn in at `width`.
    QFont fittedFont(int width) const;

    // The text as drawn at the current width (with the ellipsis when elided).
    QString displayedText() const;
    bool isElided() const;
    // The least width at which the text is drawn on one line (for wrapped text, the width of its
    // longest line when nothing is wrapped), margins included. A wrapped paragraph prefers no
    // more than a few hundred pixels; a layout that knows better asks this.
    int oneLineWidth() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The height of the text wrapped at `width`; the last few answers are kept, since layouts
    // ask again and again for the same widths.
    int wrappedHeight(int width) const;
    // Lays the text out in `layout` in lines of `width`; returns the height of the lines.
    qreal layOut(QTextLayout& layout, int width) const;
    // Wrapped text only: whether the label is too short for the lines at its width.
    bool isCutShort() const;
    // How many of the laid-out lines are drawn in `height` (at least one).
    static int linesThatFit(const QTextLayout& layout, int height);
    void forgetMeasurements();
    void updateToolTip();
    // `text` as it is laid out: shortened to the maximum length, on one line without breaks.
    QString prepared(const QString& text) const;
    int singleLineHeight() const;
    int naturalWidth() const;

    QString text_;
    QString shown_;
    int maximumLength_ = 0;
    ThemePalette::Token color_;
    Overflow overflow_;
    int minimumShrinkPixelSize_ = 0;
    mutable std::array<std::pair<int, int>, 4> wrappedHeights_{
        {{-1, 0}, {-1, 0}, {-1, 0}, {-1, 0}}};
    mutable int naturalWidth_ = -1;
};

}  // namespace quillorbitex
