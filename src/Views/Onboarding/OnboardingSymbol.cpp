#include "Views/Onboarding/OnboardingSymbol.h"

#include <QPainter>
#include <QPainterPath>

#include "Views/Theme/Theme.h"

namespace quillorbitex {

OnboardingSymbol::OnboardingSymbol(Shape shape, int size, ThemePalette::Token color,
                                   QWidget* parent)
    : QWidget(parent), shape_(shape), color_(color) {
    setFixedSize(size, size);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void OnboardingSymbol::setColorToken(ThemePalette::Token color) {
    if (color != color_) {
        color_ = color;
        update();
    }
}

void OnboardingSymbol::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint(painter, shape_, QRectF(rect()), Theme::color(color_, *this));
}

void OnboardingSymbol::paint(QPainter& painter, Shape shape, const QRectF& area,
                             const QColor& color) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn in a unit square, with a line about as heavy as a medium-weight glyph.
    const double side = std::min(area.width(), area.height());
    painter.translate(area.center().x() - side / 2, area.center().y() - side / 2);
    painter.scale(side, side);
    QPen pen(color, std::max(1.5 / side, 0.085), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    switch (shape) {
        case Shape::display: {
            painter.drawRoundedRect(QRectF(0.1, 0.16, 0.8, 0.56), 0.08, 0.08);
            painter.drawLine(QPointF(0.5, 0.72), QPointF(0.5, 0.84));
            painter.drawLine(QPointF(0.32, 0.86), QPointF(0.68, 0.86));
            break;
        }
        case Shape::eyeSlash: {
            QPainterPath eye(QPointF(0.08, 0.5));
            eye.quadTo(QPointF(0.5, 0.08), QPointF(0.92, 0.5));
            eye.quadTo(QPointF(0.5, 0.92), QPointF(0.08, 0.5));
            painter.drawPath(eye);
            painter.drawEllipse(QPointF(0.5, 0.5), 0.12, 0.12);
            painter.drawLine(QPointF(0.16, 0.14), QPointF(0.84, 0.86));
            break;
        }
        case Shape::checkmarkCircle: {
            painter.drawEllipse(QPointF(0.5, 0.5), 0.42, 0.42);
            QPainterPath tick(QPointF(0.3, 0.52));
            tick.lineTo(0.44, 0.65);
            tick.lineTo(0.7, 0.37);
            painter.drawPath(tick);
            break;
        }
    }
    painter.restore();
}

}  // namespace quillorbitex
