#include "Views/Components/CapsuleLabel.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace quillorbitex {

namespace {

constexpr int kHorizontalPadding = 8;
constexpr int kVerticalPadding = 3;

}  // namespace

CapsuleLabel::CapsuleLabel(QWidget* parent) : QWidget(parent) {
    setFont(Theme::font(Theme::Font::captionText));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void CapsuleLabel::setText(const QString& text) {
    if (text == text_) {
        return;
    }
    text_ = text;
    sizeHint_ = {};
    setAccessibleName(text);
    updateGeometry();
    update();
}

void CapsuleLabel::setColors(ThemePalette::Token text, ThemePalette::Token fill,
                             double fillOpacity) {
    textColor_ = text;
    fillColor_ = fill;
    fillOpacity_ = fillOpacity;
    update();
}

QSize CapsuleLabel::sizeHint() const {
    if (!sizeHint_.isValid()) {
        const QFontMetricsF metrics(font());
        sizeHint_ = QSize(
            static_cast<int>(std::ceil(metrics.horizontalAdvance(text_))) + 2 * kHorizontalPadding,
            static_cast<int>(std::ceil(metrics.height())) + 2 * kVerticalPadding);
    }
    return sizeHint_;
}

QSize CapsuleLabel::minimumSizeHint() const {
    return sizeHint();
}

void CapsuleLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds = rect();
    const double radius = bounds.height() / 2;
    QColor fill = Theme::color(fillColor_, *this);
    fill.setAlphaF(fill.alphaF() * static_cast<float>(fillOpacity_));
    QPainterPath capsule;
    capsule.addRoundedRect(bounds, radius, radius);
    painter.fillPath(capsule, fill);
    painter.setFont(font());
    painter.setPen(Theme::color(textColor_, *this));
    painter.drawText(bounds, Qt::AlignCenter, text_);
}

void CapsuleLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        sizeHint_ = {};
        updateGeometry();
    }
    QWidget::changeEvent(event);
}

}  // namespace quillorbitex
