#include "Views/Theme/TokenLabel.h"

#include <QEvent>

namespace quillorbitex {

TokenLabel::TokenLabel(const QString& text, Theme::Font font, ThemePalette::Token color,
                       QWidget* parent)
    : QLabel(text, parent), color_(color) {
    setTextFormat(Qt::PlainText);
    setFont(Theme::font(font));
    applyColor();
}

void TokenLabel::setColorToken(ThemePalette::Token color) {
    if (color != color_) {
        color_ = color;
        applyColor();
    }
}

void TokenLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    // Only the text role is set here; the window role still comes from the application, so it
    // tells which appearance is in force. Setting the same colour again sends no further event.
    if (event->type() == QEvent::PaletteChange) {
        applyColor();
    }
}

void TokenLabel::applyColor() {
    const QColor wanted = Theme::color(color_, *this);
    if (palette().color(QPalette::WindowText) == wanted) {
        return;
    }
    QPalette p = palette();
    p.setColor(QPalette::WindowText, wanted);
    p.setColor(QPalette::Text, wanted);
    setPalette(p);
}

}  // namespace quillorbitex
