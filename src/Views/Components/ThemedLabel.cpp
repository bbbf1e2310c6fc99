#include "Views/Components/ThemedLabel.h"

#include <QEvent>

namespace quillorbitex {

ThemedLabel::ThemedLabel(const QString& text, Theme::Font font, ThemePalette::Token color,
                         QWidget* parent)
    : QLabel(parent), color_(color) {
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setFont(Theme::font(font));
    setText(text);
    applyColor();
}

void ThemedLabel::setColorToken(ThemePalette::Token color) {
    if (color != color_) {
        color_ = color;
        applyColor();
    }
}

void ThemedLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    // Only the text roles are set here; the window role still comes from the application, so it
    // tells which appearance is in force. Setting the same colour again sends no further event.
    if (event->type() == QEvent::PaletteChange) {
        applyColor();
    }
}

void ThemedLabel::applyColor() {
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
