#pragma once

#include <QString>
#include <QWidget>

#include "Views/Theme/Theme.h"

namespace quillorbitex {

// A line or paragraph of plain text in one of the theme's fonts and colours. The colour is a token
// resolved when it is drawn, so the text follows the appearance; the text is never read as rich
// text or mnemonics (rule names, URLs and application names are shown exactly as written). Text
// that does not fit is wrapped (at word boundaries, or anywhere inside a word too long for a line,
// such as a URL) or elided, as chosen; elided text shows the whole text as its tooltip.
class ThemedTextLabel : public QWidget {
    Q_OBJECT

public:
    enum class Overflow { wrap, elideRight, elideMiddle };

    ThemedTextLabel(Theme::Font font, ThemePalette::Token color, Overflow overflow,
                    QWidget* parent = nullptr);

    const QString& text() const { return text_; }
    void setText(const QString& text);
    ThemePalette::Token colorToken() const { return color_; }
    void setColorToken(ThemePalette::Token color);

    // The text as drawn at the current width (with the ellipsis when elided).
    QString displayedText() const;
    bool isElided() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The height of the text wrapped at `width`; the last answer is kept, since layouts ask
    // again and again for the same width.
    int wrappedHeight(int width) const;
    void updateToolTip();
    int singleLineHeight() const;

    QString text_;
    ThemePalette::Token color_;
    Overflow overflow_;
    mutable int wrappedWidth_ = -1;
    mutable int wrappedHeight_ = 0;
    mutable int naturalWidth_ = -1;
};

}  // namespace quillorbitex
