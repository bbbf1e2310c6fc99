#include "Application/GestureHUDView.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "Application/GestureOverlayLayout.h"
#include "Application/ThemePalette.h"
#include "Localization/L10n.h"
#include "Platform/OverlayPanel.h"

namespace quillorbitex {

namespace {

constexpr double kFillAlpha = 0.9;
constexpr double kBorderAlpha = 0.34;
constexpr double kSideMargin = 16;

QColor withAlpha(QColor colour, double alpha) {
    colour.setAlphaF(static_cast<float>(alpha));
    return colour;
}

// `over` laid on opaque `under`: what a compositor would show, for a panel that has no compositor.
QColor blended(const QColor& over, const QColor& under) {
    const double a = over.alphaF();
    const auto mix = [a](int top, int bottom) {
        return static_cast<int>(std::lround(top * a + bottom * (1 - a)));
    };
    return QColor(mix(over.red(), under.red()), mix(over.green(), under.green()),
                  mix(over.blue(), under.blue()));
}

QRectF toQt(const Rect& rect) {
    return QRectF(rect.minX(), rect.minY(), rect.width(), rect.height());
}

}  // namespace

void GestureHUDView::setBounds(const Size& bounds) {
    if (bounds_ == bounds) {
        return;
    }
    bounds_ = bounds;
    announceChanges();
}

void GestureHUDView::update(const std::optional<LiveHUDState>& state, double backingScale) {
    QString title;
    QString detail;
    bool highlighted = false;
    if (state) {
        title = state->overlayTitleLabel();
        detail = state->overlayStatusLabel();
        highlighted = state->hasMatchedGesture();
    } else {
        title = L10n::string("Tracing gesture");
        detail = L10n::string("Analyzing...");
    }
    if (title == title_ && detail == detail_ && highlighted == highlighted_ &&
        backingScale == backingScale_) {
        return;
    }
    title_ = title;
    detail_ = detail;
    highlighted_ = highlighted;
    backingScale_ = backingScale;
    announceChanges();
}

QColor GestureHUDView::titleColor(const QPalette& palette) const {
    return ThemePalette::color(
        highlighted_ ? ThemePalette::Token::accentText : ThemePalette::Token::textPrimary, palette);
}

QColor GestureHUDView::detailColor(const QPalette& palette) const {
    return ThemePalette::color(
        highlighted_ ? ThemePalette::Token::accentText : ThemePalette::Token::textSecondary,
        palette);
}

QColor GestureHUDView::fillColor(const QPalette& palette) {
    return withAlpha(ThemePalette::color(ThemePalette::Token::bgElevated, palette), kFillAlpha);
}

QColor GestureHUDView::borderColor(const QPalette& palette) {
    return withAlpha(ThemePalette::color(ThemePalette::Token::borderStrong, palette), kBorderAlpha);
}

Rect GestureHUDView::titleFrame() const {
    // Laid out upwards from the card's bottom edge, as the card is drawn.
    const double midY = bounds_.height / 2;
    const Rect upward{{kSideMargin, midY + 4}, {bounds_.width - 2 * kSideMargin, 24}};
    return GestureOverlayLayout::flippedVertically(upward, bounds_.height);
}

Rect GestureHUDView::detailFrame() const {
    const double midY = bounds_.height / 2;
    const Rect upward{{kSideMargin, midY - 22}, {bounds_.width - 2 * kSideMargin, 18}};
    return GestureOverlayLayout::flippedVertically(upward, bounds_.height);
}

QFont GestureHUDView::titleFont() {
    QFont font;
    font.setPixelSize(22);
    font.setWeight(QFont::DemiBold);
    return font;
}

QFont GestureHUDView::detailFont() {
    QFont font;
    font.setPixelSize(16);
    font.setWeight(QFont::Medium);
    return font;
}

QRegion GestureHUDView::shape() {
    QPainterPath card;
    card.addRoundedRect(QRectF(0, 0, bounds_.width, bounds_.height), kCornerRadius, kCornerRadius);
    return QRegion(card.toFillPolygon().toPolygon());
}

void GestureHUDView::paint(QPainter& painter, const QRect& area, const QPalette& palette,
                           bool shaped) {
    painter.save();
    painter.setClipRect(area);
    const QRectF card(0, 0, bounds_.width, bounds_.height);
    QColor fill = fillColor(palette);
    QColor border = borderColor(palette);
    if (shaped) {
        // The card is exactly its shape, and its border the shape's outermost pixels, so that the
        // border follows the cut edge without gaps.
        fill.setAlpha(255);
        border = blended(border, fill);
        const QRegion region = shape().intersected(area);
        const QRegion inner = region.intersected(region.translated(1, 0))
                                  .intersected(region.translated(-1, 0))
                                  .intersected(region.translated(0, 1))
                                  .intersected(region.translated(0, -1));
        painter.setClipRegion(region);
        painter.fillRect(card, fill);
        painter.setClipRegion(region.subtracted(inner));
        painter.fillRect(card, border);
        painter.setClipRegion(region);
    } else {
        // The border runs along the card's edge; half a pixel in keeps all of its width inside.
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath outline;
        outline.addRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), kCornerRadius, kCornerRadius);
        painter.setPen(QPen(border, 1));
        painter.setBrush(fill);
        painter.drawPath(outline);
    }

    painter.setRenderHint(QPainter::TextAntialiasing);
    const auto drawLine = [&](const QString& text, const QFont& font, const Rect& frame,
                              const QColor& colour) {
        painter.setFont(font);
        painter.setPen(colour);
        const QRectF rect = toQt(frame);
        const QString shown = QFontMetricsF(font).elidedText(text, Qt::ElideRight, rect.width());
        painter.drawText(
            rect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine, shown);
    };
    drawLine(title_, titleFont(), titleFrame(), titleColor(palette));
    drawLine(detail_, detailFont(), detailFrame(), detailColor(palette));
    painter.restore();
}

void GestureHUDView::announceChanges() {
    if (host_ != nullptr && bounds_.width > 0 && bounds_.height > 0) {
        host_->setNeedsDisplay(Rect{{0, 0}, bounds_});
    }
}

}  // namespace quillorbitex
