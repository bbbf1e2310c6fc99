#pragma once

#include <QString>
#include <QWidget>

#include "Views/Theme/Theme.h"

namespace quillorbitex {

// A short caption on a filled capsule (padding 8 across, 3 up and down): a rule's source, its kind
// of action, its state. Colours are theme tokens resolved when drawn; the fill may be a token at
// an opacity (a tint). Plain text, never elided: the texts are a word or two.
class CapsuleLabel : public QWidget {
    Q_OBJECT

public:
    explicit CapsuleLabel(QWidget* parent = nullptr);

    const QString& text() const { return text_; }
    void setText(const QString& text);
    // Text in `text`, fill `fill` at `fillOpacity`.
    void setColors(ThemePalette::Token text, ThemePalette::Token fill, double fillOpacity = 1);
    ThemePalette::Token textColorToken() const { return textColor_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString text_;
    ThemePalette::Token textColor_ = ThemePalette::Token::accentText;
    ThemePalette::Token fillColor_ = ThemePalette::Token::accentMuted;
    double fillOpacity_ = 1;
    mutable QSize sizeHint_;
};

}  // namespace quillorbitex
