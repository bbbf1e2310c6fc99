#include "Views/Onboarding/TransformEffect.h"

#include <QPainter>
#include <algorithm>

namespace quillorbitex {

TransformEffect::TransformEffect(Anchor anchor, QObject* parent)
    : QGraphicsEffect(parent), anchor_(anchor) {}

void TransformEffect::setState(double opacity, QPointF translation, double scale) {
    opacity = std::clamp(opacity, 0.0, 1.0);
    if (opacity == opacity_ && translation == translation_ && scale == scale_) {
        return;
    }
    opacity_ = opacity;
    translation_ = translation;
    scale_ = scale;
    updateBoundingRect();
    update();
}

QTransform TransformEffect::transformFor(const QRectF& sourceRect) const {
    const QPointF anchor = anchor_ == Anchor::topLeft ? sourceRect.topLeft() : sourceRect.center();
    QTransform transform;
    transform.translate(anchor.x() + translation_.x(), anchor.y() + translation_.y());
    transform.scale(scale_, scale_);
    transform.translate(-anchor.x(), -anchor.y());
    return transform;
}

QRectF TransformEffect::boundingRectFor(const QRectF& sourceRect) const {
    return sourceRect.united(transformFor(sourceRect).mapRect(sourceRect));
}

void TransformEffect::draw(QPainter* painter) {
    if (opacity_ <= 0) {
        return;
    }
    if (opacity_ >= 1 && translation_.isNull() && scale_ == 1) {
        drawSource(painter);
        return;
    }
    // The widget as drawn on the device, then placed with the painter's own transform followed by
    // ours (taken in the widget's coordinates).
    const QTransform world = painter->worldTransform();
    QPoint offset;
    const QPixmap pixmap = sourcePixmap(Qt::DeviceCoordinates, &offset, QGraphicsEffect::NoPad);
    if (pixmap.isNull()) {
        return;
    }
    const QTransform ours = transformFor(sourceBoundingRect(Qt::LogicalCoordinates));
    painter->save();
    painter->setWorldTransform(world.inverted() * ours * world);
    painter->setOpacity(painter->opacity() * opacity_);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawPixmap(offset, pixmap);
    painter->restore();
}

}  // namespace quillorbitex
