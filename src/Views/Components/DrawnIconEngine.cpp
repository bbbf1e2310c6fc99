#include "Views/Components/DrawnIconEngine.h"

#include <QPainter>
#include <QPixmap>

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
    // QIcon asks for its logical size times the ratio, so `size` counts device pixels: the icon
    // is drawn with all of them rather than drawn small and scaled up.
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    pixmap.setDevicePixelRatio(scale);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter_(painter, QRectF(QPointF(0, 0), QSizeF(size) / scale), mode);
    return pixmap;
}

QIconEngine* DrawnIconEngine::clone() const {
    return new DrawnIconEngine(painter_);
}

QString DrawnIconEngine::key() const {
    return QStringLiteral("quillorbitex.drawn");
}

}  // namespace quillorbitex
