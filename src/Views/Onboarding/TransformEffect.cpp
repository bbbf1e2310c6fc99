#include "Views/Onboarding/TransformEffect.h"

#include <QPainter>
#include <QPixmap>
#include <QWidget>
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
    auto* widget = qobject_cast<QWidget*>(parent());
    if (opacity_ <= 0 || widget == nullptr || !painter->isActive()) {
        return;
    }
    // Drawn through a painter of our own: Qt's own source pixmap, and drawing the source directly,
    // open a second painter on a device that is already being painted whenever an effect of a
    // child (a part's reveal, a button's shadow) is drawn inside this one.
    const qreal ratio = painter->device()->devicePixelRatio();
    QPixmap pixmap(widget->size() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    {
        QPainter source(&pixmap);
        widget->render(&source, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    painter->save();
    painter->setWorldTransform(transformFor(QRectF(widget->rect())), true);
    painter->setOpacity(painter->opacity() * opacity_);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawPixmap(QPointF(), pixmap);
    painter->restore();
}

}  // namespace quillorbitex
