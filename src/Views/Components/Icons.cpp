#include "Views/Components/Icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include "Application/ThemePalette.h"
#include "Views/Components/DrawnIconEngine.h"

namespace quillorbitex {

namespace {

// The drawing is laid out on a 64 × 64 grid and scaled to the area asked for.
constexpr double kGrid = 64;

QPainterPath strokePath() {
    QPainterPath path(QPointF(18, 46));
    path.cubicTo(QPointF(21, 31), QPointF(25, 18), QPointF(32, 18));
    path.cubicTo(QPointF(39, 18), QPointF(43, 31), QPointF(46, 44));
    return path;
}

// Two barbs at the stroke's end, along its last direction.
QPainterPath arrowHead(const QPainterPath& stroke) {
    const QPointF end = stroke.pointAtPercent(1.0);
    const double angle = qDegreesToRadians(stroke.angleAtPercent(1.0));
    // angleAtPercent counts counter-clockwise with y up; the grid's y runs down.
    const QPointF back(-std::cos(angle), std::sin(angle));
    constexpr double kBarbLength = 10;
    constexpr double kSpread = qDegreesToRadians(40.0);
    QPainterPath head;
    for (const double turn : {kSpread, -kSpread}) {
        const QPointF direction(back.x() * std::cos(turn) - back.y() * std::sin(turn),
                                back.x() * std::sin(turn) + back.y() * std::cos(turn));
        head.moveTo(end);
        head.lineTo(end + direction * kBarbLength);
    }
    return head;
}

void paint(QPainter& painter, const QRectF& area, QIcon::Mode mode) {
    const double side = std::min(area.width(), area.height());
    if (side <= 0) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(area.center().x() - side / 2, area.center().y() - side / 2);
    painter.scale(side / kGrid, side / kGrid);
    if (mode == QIcon::Disabled) {
        painter.setOpacity(0.45);
    }

    const QColor accent = ThemePalette::color(ThemePalette::Token::accentPrimary, false);
    QLinearGradient fill(QPointF(4, 4), QPointF(60, 60));
    fill.setColorAt(0, accent);
    fill.setColorAt(1, accent.darker(140));
    QPainterPath tile;
    tile.addRoundedRect(QRectF(4, 4, 56, 56), 14, 14);
    painter.fillPath(tile, fill);

    const QPainterPath stroke = strokePath();
    QPen pen(Qt::white, 5.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(stroke);
    painter.drawPath(arrowHead(stroke));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(stroke.pointAtPercent(0), 4.5, 4.5);
    painter.restore();
}

}  // namespace

QIcon Icons::applicationIcon() {
    return QIcon(new DrawnIconEngine(&paint));
}

void Icons::paintApplicationIcon(QPainter& painter, const QRectF& area) {
    paint(painter, area, QIcon::Normal);
}

QImage Icons::applicationIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paint(painter, QRectF(0, 0, size, size), QIcon::Normal);
    painter.end();
    return image;
}

}  // namespace quillorbitex
