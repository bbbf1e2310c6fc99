#pragma once

#include <QIconEngine>
#include <functional>

namespace quillorbitex {

// An icon drawn by code at whatever size and device pixel ratio it is asked for, so it stays sharp
// on every screen instead of being scaled from a bitmap.
class DrawnIconEngine final : public QIconEngine {
public:
    // Paints the icon into `area` (logical pixels); the painter is already set to antialias.
    using Painter = std::function<void(QPainter& painter, const QRectF& area, QIcon::Mode mode)>;

    explicit DrawnIconEngine(Painter painter);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    QIconEngine* clone() const override;
    QString key() const override;

private:
    Painter painter_;
};

}  // namespace quillorbitex
