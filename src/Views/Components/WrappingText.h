#pragma once

#include <QWidget>

#include "Views/Theme/Theme.h"

class QTextLayout;

namespace quillorbitex {

// Plain text in one of the theme's fonts and colour tokens that wraps at word boundaries and,
// where a single word (a URL, an identifier, a long compound) is wider than the line, inside it,
// so nothing is ever cut off; as tall as its lines need at the width it is given.
class WrappingText final : public QWidget {
    Q_OBJECT

public:
    WrappingText(Theme::Font font, ThemePalette::Token color, QWidget* parent = nullptr);

    const QString& text() const { return text_; }
    void setText(const QString& text);

    // Lets the type shrink, down to `pixelSize`, until the longest word fits the line, before a
    // word is broken; for short captions in narrow places. Off (0) by default.
    void setMinimumShrinkPixelSize(int pixelSize);
    // The font the text is drawn in at `width`.
    QFont fittedFont(int width) const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Lays the text out in `layout` at `width`; returns its height.
    double lay(QTextLayout& layout, int width) const;

    ThemePalette::Token color_;
    QString text_;
    int minimumShrinkPixelSize_ = 0;
};

}  // namespace quillorbitex
