#pragma once

#include <QLabel>

#include "Views/Theme/Theme.h"

namespace quillorbitex {

// Plain text in one of the theme's fonts and colour tokens: never read as rich text or
// mnemonics, so user data shows as typed. The colour is resolved against the label's palette
// again whenever that changes, so a new appearance recolours it.
class ThemedLabel final : public QLabel {
    Q_OBJECT

public:
    ThemedLabel(const QString& text, Theme::Font font, ThemePalette::Token color,
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
