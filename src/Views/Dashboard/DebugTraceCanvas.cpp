#include "Views/Dashboard/DebugTraceCanvas.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "Localization/L10n.h"
#include "Views/Theme/Theme.h"

namespace quillorbitex {

namespace {

using Token = ThemePalette::Token;

constexpr double kCornerRadius = 12;
constexpr double kLineWidth = 4;
constexpr double kStartMark = 10;
constexpr double kEndMark = 12;
constexpr double kEndRing = 2;

}  // namespace

DebugTraceCanvas::DebugTraceCanvas(std::vector<Point> points, QWidget* parent)
    : QWidget(parent), points_(std::move(points)) {
    setFixedHeight(fixedHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void DebugTraceCanvas::setPoints(std::vector<Point> points) {
    if (points != points_) {
        points_ = std::move(points);
        update();
    }
}

std::vector<QPointF> DebugTraceCanvas::normalizedPoints(const std::vector<Point>& points,
                                                        QSizeF area) {
    if (points.size() < 2) {
        return {};
    }
    const auto [minX, maxX] = std::minmax_element(
        points.begin(), points.end(), [](const Point& a, const Point& b) { return a.x < b.x; });
    const auto [minY, maxY] = std::minmax_element(
        points.begin(), points.end(), [](const Point& a, const Point& b) { return a.y < b.y; });
    const double availableWidth = std::max(area.width() - 2 * inset, 1.0);
    const double availableHeight = std::max(area.height() - 2 * inset, 1.0);
    const double spanX = std::max(maxX->x - minX->x, 1.0);
    const double spanY = std::max(maxY->y - minY->y, 1.0);
    const double scale = std::min(availableWidth / spanX, availableHeight / spanY);
    const double left = inset + (availableWidth - spanX * scale) / 2;
    const double top = inset + (availableHeight - spanY * scale) / 2;

    std::vector<QPointF> fitted;
    fitted.reserve(points.size());
    for (const Point& p : points) {
        fitted.emplace_back(left + (p.x - minX->x) * scale, top + (p.y - minY->y) * scale);
    }
    return fitted;
}

QSize DebugTraceCanvas::sizeHint() const {
    return {360, fixedHeight};
}

QSize DebugTraceCanvas::minimumSizeHint() const {
    return {2 * static_cast<int>(padding + inset), fixedHeight};
}

void DebugTraceCanvas::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        update();
    }
}

void DebugTraceCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Half a pixel in, so that the 1 px border covers whole pixels.
    const QRectF panel = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(panel, kCornerRadius, kCornerRadius);
    painter.fillPath(shape, Theme::color(Token::bgSunken, *this));
    QPen border(Theme::color(Token::borderSubtle, *this), 1, Qt::CustomDashLine, Qt::FlatCap,
                Qt::MiterJoin);
    border.setDashPattern({6, 4});
    border.setMiterLimit(10);
    painter.strokePath(shape, border);

    const QRectF area = QRectF(rect()).adjusted(padding, padding, -padding, -padding);
    const std::vector<QPointF> fitted = normalizedPoints(points_, area.size());
    if (fitted.empty()) {
        painter.setFont(Theme::font(Theme::Font::bodyText));
        painter.setPen(Theme::color(Token::textSecondary, *this));
        painter.drawText(rect(), Qt::AlignCenter, L10n::string("No gesture path yet"));
        return;
    }

    painter.translate(area.topLeft());
    QPainterPath stroke(fitted.front());
    for (std::size_t i = 1; i < fitted.size(); ++i) {
        stroke.lineTo(fitted[i]);
    }
    painter.strokePath(stroke, QPen(Theme::color(Token::accentPrimary, *this), kLineWidth,
                                    Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    const QColor mark = Theme::color(Token::accentText, *this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(mark);
    painter.drawEllipse(fitted.front(), kStartMark / 2, kStartMark / 2);
    painter.drawEllipse(fitted.back(), kEndMark / 2, kEndMark / 2);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Theme::color(Token::bgPrimary, *this), kEndRing));
    painter.drawEllipse(fitted.back(), kEndMark / 2, kEndMark / 2);
}

}  // namespace quillorbitex
