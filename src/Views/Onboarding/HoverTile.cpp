#include "Views/Onboarding/HoverTile.h"

#include <QPainter>
#include <QPainterPath>

#include "Views/Theme/Theme.h"

namespace quillorbitex {

HoverTile::HoverTile(double cornerRadius, QWidget* parent)
    : QWidget(parent), cornerRadius_(cornerRadius) {}

void HoverTile::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), cornerRadius_, cornerRadius_);
    painter.fillPath(shape, Theme::color(ThemePalette::Token::bgHover, *this));
}

}  // namespace quillorbitex
