#pragma once

#include <QLabel>

#include "Views/Theme/Theme.h"

namespace quillorbitex {

// Plain text in one of the theme's fonts and colour tokens. The colour is resolved against the
// label's palette again whenever the palette changes, so a new appearance recolours it.
class TokenLabel final : public QLabel {
    Q_OBJECT

public:
    TokenLabel(const QString& text, Theme::Font font, ThemePalette::Token color,
               QWidget* parent = nullptr);

    ThemePalette::Token colorToken() const { return color_; }
    void setColorToken(ThemePalette::Token color);

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyColor();

    ThemePalette::Token color_;
};

}  // namespace quillorbitex
