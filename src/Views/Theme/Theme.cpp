#include "Views/Theme/Theme.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>
#include <atomic>

namespace quillorbitex {

namespace {

std::atomic<bool> gAnimationsEnabled{true};

struct Scale {
    int pixelSize;
    QFont::Weight weight;
    bool monospaced;
};

Scale scaleOf(Theme::Font token) {
    switch (token) {
        case Theme::Font::displayL:
            return {36, QFont::ExtraBold, false};
        case Theme::Font::heading1:
            return {22, QFont::Bold, false};
        case Theme::Font::heading2:
            return {17, QFont::DemiBold, false};
        case Theme::Font::heading3:
            return {15, QFont::Medium, false};
        case Theme::Font::bodyText:
            return {14, QFont::Normal, false};
        case Theme::Font::bodyMono:
            return {13, QFont::Normal, true};
        case Theme::Font::captionText:
            return {12, QFont::Medium, false};
        case Theme::Font::captionMono:
            return {11, QFont::Normal, true};
    }
    return {14, QFont::Normal, false};
}

}  // namespace

QFont Theme::font(Font token) {
    const Scale scale = scaleOf(token);
    if (!scale.monospaced) {
        return systemFont(scale.pixelSize, scale.weight);
    }
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(scale.pixelSize);
    font.setWeight(scale.weight);
    return font;
}

QFont Theme::systemFont(int pixelSize, QFont::Weight weight) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

QColor Theme::color(ThemePalette::Token token, const QWidget& widget) {
    return ThemePalette::color(token, widget.palette());
}

QColor Theme::mix(const QColor& from, const QColor& to, double t) {
    return ThemePalette::mix(from, to, t);
}

void Theme::paintPanel(QPainter& painter, const QWidget& widget, double cornerRadius,
                       ThemePalette::Token fill, ThemePalette::Token border,
                       const std::function<void(QPainter&)>& inside) {
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(widget.rect()).adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius,
                         cornerRadius);
    painter.fillPath(shape, color(fill, widget));
    if (inside) {
        painter.save();
        painter.setClipPath(shape);
        inside(painter);
        painter.restore();
    }
    painter.setPen(QPen(color(border, widget), 1));
    painter.drawPath(shape);
}

void Theme::followEnabledState(QWidget& widget) {
    if (widget.isEnabled()) {
        widget.setCursor(Qt::PointingHandCursor);
    } else {
        widget.unsetCursor();
    }
}

bool Theme::animationsEnabled() {
    return gAnimationsEnabled.load(std::memory_order_relaxed);
}

void Theme::setAnimationsEnabled(bool enabled) {
    gAnimationsEnabled.store(enabled, std::memory_order_relaxed);
}

QEasingCurve Theme::easeOut() {
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(0, 0), QPointF(0.58, 1), QPointF(1, 1));
    return curve;
}

}  // namespace quillorbitex
