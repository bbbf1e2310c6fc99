#include "Views/Components/GesturePathGlyph.h"

#include <QPainter>
#include <QPainterPath>
#include <QPauseAnimation>
#include <QSequentialAnimationGroup>
#include <QVariantAnimation>

#include "Views/Components/GesturePathGlyphGeometry.h"
#include "Views/Theme/Theme.h"

namespace quillorbitex {

namespace {

constexpr int kDrawOnDelayMilliseconds = 100;
constexpr int kDrawOnMilliseconds = 550;

// The standard ease-in-out: a cubic Bézier through (0.42, 0) and (0.58, 1).
QEasingCurve easeInOut() {
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(0.42, 0), QPointF(0.58, 1), QPointF(1, 1));
    return curve;
}

}  // namespace

GesturePathGlyph::GesturePathGlyph(std::optional<GestureDescriptor> pattern, int size,
                                   ThemePalette::Token color, bool animated, QWidget* parent)
    : QWidget(parent),
      pattern_(std::move(pattern)),
      size_(size),
      color_(color),
      animated_(animated) {
    setFixedSize(size, size);
}

GesturePathGlyph::~GesturePathGlyph() = default;

void GesturePathGlyph::setPattern(std::optional<GestureDescriptor> pattern) {
    // Templates compare by identifier only; a new template value may carry other points.
    pattern_ = std::move(pattern);
    update();
}

void GesturePathGlyph::setColorToken(ThemePalette::Token color) {
    if (color != color_) {
        color_ = color;
        update();
    }
}

QSize GesturePathGlyph::sizeHint() const {
    return {size_, size_};
}

void GesturePathGlyph::setDrawProgress(double progress) {
    drawProgress_ = progress;
    update();
}

void GesturePathGlyph::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!animated_ || !Theme::animationsEnabled()) {
        return;
    }
    if (drawOn_ == nullptr) {
        drawOn_ = new QSequentialAnimationGroup(this);
        drawOn_->addAnimation(new QPauseAnimation(kDrawOnDelayMilliseconds, drawOn_));
        auto* draw = new QVariantAnimation(drawOn_);
        draw->setStartValue(0.0);
        draw->setEndValue(1.0);
        draw->setDuration(kDrawOnMilliseconds);
        draw->setEasingCurve(easeInOut());
        connect(draw, &QVariantAnimation::valueChanged, this,
                [this](const QVariant& value) { setDrawProgress(value.toDouble()); });
        drawOn_->addAnimation(draw);
    }
    drawOn_->stop();
    setDrawProgress(0);
    drawOn_->start();
}

void GesturePathGlyph::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (drawOn_ != nullptr && drawOn_->state() == QAbstractAnimation::Running) {
        // Off screen nothing is seen; the next showing starts over.
        drawOn_->stop();
        setDrawProgress(1);
    }
}

void GesturePathGlyph::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double w = width();
    const double h = height();
    const auto points = GesturePathGlyphGeometry::fittedPoints(pattern_, QSizeF(w, h));
    if (!points) {
        QPen pen(Theme::color(ThemePalette::Token::textTertiary, *this), 1.5, Qt::SolidLine,
                 Qt::RoundCap, Qt::MiterJoin);
        painter.setPen(pen);
        painter.drawLine(QPointF(0.3 * w, 0.5 * h), QPointF(0.7 * w, 0.5 * h));
        painter.drawLine(QPointF(0.5 * w, 0.3 * h), QPointF(0.5 * w, 0.7 * h));
        return;
    }
    const QColor color = Theme::color(color_, *this);
    const auto drawn = GesturePathGlyphGeometry::trimmed(*points, drawProgress_);
    QPainterPath path(drawn.front());
    for (std::size_t i = 1; i < drawn.size(); ++i) {
        path.lineTo(drawn[i]);
    }
    painter.setPen(QPen(color, GesturePathGlyphGeometry::lineWidth(w), Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);

    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    const double start = GesturePathGlyphGeometry::startDotRadius(w);
    painter.drawEllipse(points->front(), start, start);
    if (drawProgress_ >= GesturePathGlyphGeometry::endDotProgress) {
        const double end = GesturePathGlyphGeometry::endDotRadius(w);
        painter.setBrush(Theme::color(ThemePalette::Token::statusGreen, *this));
        painter.drawEllipse(points->back(), end, end);
    }
}

}  // namespace quillorbitex
