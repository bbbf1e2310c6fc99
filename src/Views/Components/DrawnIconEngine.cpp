#include "Views/Components/DrawnIconEngine.h"

#include <QPainter>
#include <QPixmap>
#include <cmath>

namespace quillorbitex {

DrawnIconEngine::DrawnIconEngine(Painter painter) : painter_(std::move(painter)) {}

void DrawnIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter_(*painter, QRectF(rect), mode);
    painter->restore();
}

QPixmap DrawnIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return scaledPixmap(size, mode, state, 1.0);
}

QPixmap DrawnIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State,
                                      qreal scale) {
    if (size.isEmpty() || !(scale > 0)) {
        return {};
    }
    // Drawn at the device's own resolution: a 32 px icon at ratio 2 is 64 device pixels of detail.
    const QSize deviceSize(static_cast<int>(std::ceil(size.width() * scale)),
                           static_cast<int>(std::ceil(size.height() * scale)));
    QPixmap pixmap(deviceSize);
    pixmap.fill(Qt::transparent);
    pixmap.setDevicePixelRatio(scale);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter_(painter, QRectF(QPointF(0, 0), QSizeF(size)), mode);
    return pixmap;
}

QIconEngine* DrawnIconEngine::clone() const {
    return new DrawnIconEngine(painter_);
}

QString DrawnIconEngine::key() const {
    return QStringLiteral("quillorbitex.drawn");
}

}  // namespace quillorbitex
