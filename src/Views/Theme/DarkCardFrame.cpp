#include "Views/Theme/DarkCardFrame.h"

#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "Views/Theme/Theme.h"

namespace quillorbitex {

namespace {

constexpr double kCornerRadius = 12;

}  // namespace

DarkCardFrame::DarkCardFrame(QWidget* parent) : QFrame(parent), layout_(new QVBoxLayout(this)) {
    setFrameShape(QFrame::NoFrame);
    layout_->setContentsMargins(contentPadding, contentPadding, contentPadding, contentPadding);
}

void DarkCardFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF outline = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(outline, kCornerRadius, kCornerRadius);
    painter.fillPath(shape, Theme::color(ThemePalette::Token::bgElevated, *this));
    painter.setPen(QPen(Theme::color(ThemePalette::Token::borderSubtle, *this), 1));
    painter.drawPath(shape);
}

}  // namespace quillorbitex
