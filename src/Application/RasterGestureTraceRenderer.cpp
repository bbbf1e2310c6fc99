#include "Application/RasterGestureTraceRenderer.h"

#include <QGuiApplication>
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "Application/GestureOverlayLayout.h"
#include "Application/ThemePalette.h"

namespace quillorbitex {

namespace {

constexpr double kStrokeAlpha = 0.82;
constexpr double kSuppressingStrokeAlpha = 0.95;
constexpr double kStartDotAlpha = 0.92;
constexpr double kEndDotAlpha = 0.96;
// Runs of more curves than this are drawn in sections: the rasteriser slows down on long paths.
constexpr std::size_t kSegmentsPerSection = 48;

double strokeOpacity(bool suppresses) {
    return suppresses ? kSuppressingStrokeAlpha : kStrokeAlpha;
}

QPointF toQt(Point p) {
    return QPointF(p.x, p.y);
}

QPointF midpoint(Point a, Point b) {
    return QPointF((a.x + b.x) * 0.5, (a.y + b.y) * 0.5);
}

QColor withAlpha(QColor colour, double alpha) {
    colour.setAlphaF(static_cast<float>(alpha));
    return colour;
}

QColor opaque(QColor colour) {
    colour.setAlpha(255);
    return colour;
}

// The rows of `image` inside `area` as a region of the pixels whose alpha reaches `threshold`.
QRegion coveredPixels(const QImage& image, const QRect& area, int threshold) {
    QList<QRect> rects;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int x = area.left();
        const int end = area.right() + 1;
        while (x < end) {
            while (x < end && qAlpha(row[x]) < threshold) {
                ++x;
            }
            const int first = x;
            while (x < end && qAlpha(row[x]) >= threshold) {
                ++x;
            }
            if (x > first) {
                rects.append(QRect(first, y, x - first, 1));
            }
        }
    }
    QRegion region;
    // One-pixel rows sorted by y, then x, never overlapping: the banded form setRects expects.
    region.setRects(rects.constData(), static_cast<int>(rects.size()));
    return region;
}

// A transparent image on `storage`, which keeps its capacity from one image to the next: a fresh
// allocation of a panel-sized image costs more in page faults than everything drawn into it.
// Everything outside `keep` is cleared; what lies inside is about to be overwritten anyway.
QImage transparentImage(std::vector<QRgb>& storage, QSize size, const QRect& keep = QRect()) {
    const auto count =
        static_cast<std::size_t>(size.width()) * static_cast<std::size_t>(size.height());
    if (storage.size() < count) {
        storage.resize(count);
    }
    const QRect kept = keep.intersected(QRect(QPoint(), size));
    if (kept.isEmpty()) {
        std::memset(storage.data(), 0, count * sizeof(QRgb));
    } else {
        const auto width = static_cast<std::size_t>(size.width());
        for (int y = 0; y < size.height(); ++y) {
            QRgb* row = storage.data() + static_cast<std::size_t>(y) * width;
            if (y < kept.top() || y > kept.bottom()) {
                std::memset(row, 0, width * sizeof(QRgb));
            } else {
                std::memset(row, 0, static_cast<std::size_t>(kept.left()) * sizeof(QRgb));
                std::memset(row + kept.right() + 1, 0,
                            (width - static_cast<std::size_t>(kept.right()) - 1) * sizeof(QRgb));
            }
        }
    }
    return QImage(reinterpret_cast<uchar*>(storage.data()), size.width(), size.height(),
                  static_cast<qsizetype>(size.width()) * 4, QImage::Format_ARGB32_Premultiplied);
}

void copyRows(const QImage& from, const QRect& source, QImage& to, QPoint target) {
    const qsizetype bytes = static_cast<qsizetype>(source.width()) * 4;
    for (int row = 0; row < source.height(); ++row) {
        std::memcpy(to.scanLine(target.y() + row) + static_cast<qsizetype>(target.x()) * 4,
                    from.constScanLine(source.y() + row) + static_cast<qsizetype>(source.x()) * 4,
                    static_cast<std::size_t>(bytes));
    }
}

}  // namespace

double RasterGestureTraceRenderer::lineWidth() const {
    return GestureOverlayLayout::lineWidth(scale_);
}

double RasterGestureTraceRenderer::dotDiameter() const {
    return GestureOverlayLayout::dotDiameter(scale_);
}

QPainterPath RasterGestureTraceRenderer::smoothedPath(const std::vector<Point>& points) {
    QPainterPath path;
    const std::size_t n = points.size();
    if (n == 0) {
        return path;
    }
    path.moveTo(toQt(points[0]));
    if (n == 2) {
        path.lineTo(toQt(points[1]));
    } else if (n >= 3) {
        path.lineTo(midpoint(points[0], points[1]));
        for (std::size_t i = 1; i + 2 < n; ++i) {
            path.quadTo(toQt(points[i]), midpoint(points[i], points[i + 1]));
        }
        path.quadTo(toQt(points[n - 2]), toQt(points[n - 2]));
        path.lineTo(toQt(points[n - 1]));
    }
    return path;
}

QColor RasterGestureTraceRenderer::strokeColor(const QPalette& palette,
                                               bool suppressesSystemClick) {
    return withAlpha(ThemePalette::color(ThemePalette::Token::accentText, palette),
                     suppressesSystemClick ? kSuppressingStrokeAlpha : kStrokeAlpha);
}

QColor RasterGestureTraceRenderer::startDotColor(const QPalette& palette) {
    return withAlpha(ThemePalette::color(ThemePalette::Token::textSecondary, palette),
                     kStartDotAlpha);
}

QColor RasterGestureTraceRenderer::endDotColor(const QPalette& palette) {
    return withAlpha(ThemePalette::color(ThemePalette::Token::accentText, palette), kEndDotAlpha);
}

QSize RasterGestureTraceRenderer::deviceSize() const {
    return QSize(static_cast<int>(std::ceil(bounds_.width * scale_ - 1e-9)),
                 static_cast<int>(std::ceil(bounds_.height * scale_ - 1e-9)));
}

QRect RasterGestureTraceRenderer::toDevice(const QRectF& area) const {
    if (area.isEmpty()) {
        return QRect();
    }
    const int x0 = static_cast<int>(std::floor(area.left() * scale_));
    const int y0 = static_cast<int>(std::floor(area.top() * scale_));
    const int x1 = static_cast<int>(std::ceil(area.right() * scale_));
    const int y1 = static_cast<int>(std::ceil(area.bottom() * scale_));
    return QRect(QPoint(x0, y0), QPoint(x1 - 1, y1 - 1)).intersected(QRect(QPoint(), deviceSize()));
}

QRectF RasterGestureTraceRenderer::toLogical(const QRect& area) const {
    return QRectF(area.x() / scale_, area.y() / scale_, area.width() / scale_,
                  area.height() / scale_);
}

bool RasterGestureTraceRenderer::ensureCache() {
    const QSize size = deviceSize();
    if (size.isEmpty()) {
        return false;
    }
    if (cache_.size() != size) {
        cache_ = QImage();
        cache_ = transparentImage(cacheStorage_, size);
        drawnArea_ = QRect();
    }
    cache_.setDevicePixelRatio(scale_);
    if (!cacheColour_.isValid()) {
        // Until the first paint tells the palette the panel is drawn with.
        cacheColour_ = opaque(
            ThemePalette::color(ThemePalette::Token::accentText, QGuiApplication::palette()));
        cacheOpacity_ = strokeOpacity(suppresses_);
    }
    return true;
}

void RasterGestureTraceRenderer::clearCache() {
    if (cache_.isNull() || drawnArea_.isEmpty()) {
        drawnArea_ = QRect();
        return;
    }
    const QRect area = drawnArea_.intersected(cache_.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        std::memset(cache_.scanLine(y) + static_cast<qsizetype>(area.x()) * 4, 0,
                    static_cast<std::size_t>(area.width()) * 4);
    }
    drawnArea_ = QRect();
}

void RasterGestureTraceRenderer::reset(const Size& bounds, double backingScale) {
    markDirty(toLogical(drawnArea_));
    markDirty(dotArea(start_));
    markDirty(dotArea(end_));
    clearCache();
    points_.clear();
    start_.reset();
    end_.reset();
    drawnSegments_ = 0;
    tailArea_ = QRect();
    coverage_ = QRegion();
    coverageStale_ = QRect();
    bounds_ = bounds;
    scale_ = backingScale > 0 ? backingScale : 1;
    if (!cache_.isNull() && cache_.size() != deviceSize()) {
        cache_ = QImage();
    }
}

void RasterGestureTraceRenderer::releaseMemory() {
    reset(bounds_, scale_);
    cache_ = QImage();
    // Swapped with empty vectors: clearing them would keep their capacity.
    std::vector<QRgb>().swap(cacheStorage_);
    std::vector<QRgb>().swap(spareStorage_);
    scratch_ = QImage();
    tailBackup_ = QImage();
}

std::size_t RasterGestureTraceRenderer::retainedBytes() const {
    return (cacheStorage_.capacity() + spareStorage_.capacity()) * sizeof(QRgb) +
           static_cast<std::size_t>(scratch_.sizeInBytes() + tailBackup_.sizeInBytes());
}

void RasterGestureTraceRenderer::setSuppressesSystemClick(bool suppresses) {
    if (suppresses_ == suppresses) {
        return;
    }
    suppresses_ = suppresses;
    markDirty(toLogical(drawnArea_));
}

void RasterGestureTraceRenderer::append(const std::vector<Point>& deltaPoints) {
    if (deltaPoints.empty()) {
        return;
    }
    points_.insert(points_.end(), deltaPoints.begin(), deltaPoints.end());
    if (ensureCache()) {
        drawNewSegments();
    }
}

void RasterGestureTraceRenderer::draw(const QPainterPath& path) {
    const double width = lineWidth();
    const double reach = width * 0.5 + 1;
    const QRectF area = path.controlPointRect().adjusted(-reach, -reach, reach, reach);
    const QRect device = toDevice(area);
    if (device.isEmpty()) {
        return;
    }
    // Drawn on its own first, then merged keeping the larger coverage of each pixel: where the new
    // section meets the line so far, their soft edges would otherwise add up to a heavier edge than
    // the line drawn in one go has.
    if (scratch_.width() < device.width() || scratch_.height() < device.height()) {
        scratch_ = QImage(std::max(device.width(), scratch_.width()),
                          std::max(device.height(), scratch_.height()),
                          QImage::Format_ARGB32_Premultiplied);
    }
    scratch_.setDevicePixelRatio(1);
    const QRect section(QPoint(), device.size());
    for (int y = 0; y < section.height(); ++y) {
        std::memset(scratch_.scanLine(y), 0, static_cast<std::size_t>(section.width()) * 4);
    }
    {
        QPainter painter(&scratch_);
        painter.setClipRect(section);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(-device.x(), -device.y());
        painter.scale(scale_, scale_);
        painter.setPen(QPen(withAlpha(cacheColour_, cacheOpacity_), width, Qt::SolidLine,
                            Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }
    for (int y = 0; y < section.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(scratch_.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(cache_.scanLine(device.y() + y)) + device.x();
        for (int x = 0; x < section.width(); ++x) {
            // One colour throughout: the pixel with more alpha is the more covered one.
            if (qAlpha(from[x]) > qAlpha(to[x])) {
                to[x] = from[x];
            }
        }
    }
    drawnArea_ = drawnArea_.united(device);
    coverageStale_ = coverageStale_.united(device);
    markDirty(area);
}

void RasterGestureTraceRenderer::restoreTail() {
    if (tailArea_.isEmpty()) {
        return;
    }
    copyRows(tailBackup_, tailBackup_.rect(), cache_, tailArea_.topLeft());
    coverageStale_ = coverageStale_.united(tailArea_);
    markDirty(toLogical(tailArea_));
    tailArea_ = QRect();
}

void RasterGestureTraceRenderer::drawNewSegments() {
    restoreTail();
    const std::size_t n = points_.size();
    // Curve k runs from the midpoint before point k to the one after it (the first from point
    // 0); once the point after k + 1 is known, curve k never changes again.
    const std::size_t settled = n >= 3 ? n - 2 : 0;
    while (settled > drawnSegments_) {
        const std::size_t first = drawnSegments_;
        const std::size_t last = std::min(settled, first + kSegmentsPerSection);
        QPainterPath body;
        body.moveTo(first == 0 ? toQt(points_[0]) : midpoint(points_[first - 1], points_[first]));
        for (std::size_t k = first; k < last; ++k) {
            if (k == 0) {
                body.lineTo(midpoint(points_[0], points_[1]));
            } else {
                body.quadTo(toQt(points_[k]), midpoint(points_[k], points_[k + 1]));
            }
        }
        draw(body);
        drawnSegments_ = last;
    }
    if (n < 2) {
        return;
    }
    QPainterPath tail;
    if (n == 2) {
        tail.moveTo(toQt(points_[0]));
    } else {
        tail.moveTo(midpoint(points_[n - 3], points_[n - 2]));
        tail.lineTo(toQt(points_[n - 2]));
    }
    tail.lineTo(toQt(points_[n - 1]));
    const double reach = lineWidth() * 0.5 + 1;
    const QRect area = toDevice(tail.controlPointRect().adjusted(-reach, -reach, reach, reach));
    if (area.isEmpty()) {
        return;
    }
    tailBackup_ = cache_.copy(area);
    tailArea_ = area;
    draw(tail);
}

void RasterGestureTraceRenderer::updateEndpoints(std::optional<Point> start,
                                                 std::optional<Point> end) {
    if (start != start_) {
        markDirty(dotArea(start_));
        markDirty(dotArea(start));
        start_ = start;
    }
    if (end != end_) {
        markDirty(dotArea(end_));
        markDirty(dotArea(end));
        end_ = end;
    }
}

bool RasterGestureTraceRenderer::translate(Point offset, const Size& bounds) {
    const double dx = offset.x * scale_;
    const double dy = offset.y * scale_;
    if (std::abs(dx - std::round(dx)) > 1e-6 || std::abs(dy - std::round(dy)) > 1e-6) {
        return false;
    }
    const QPoint shift(static_cast<int>(std::round(dx)), static_cast<int>(std::round(dy)));
    const Size oldBounds = bounds_;
    bounds_ = bounds;
    const QRect target(QPoint(), deviceSize());
    const QRect moved = drawnArea_.translated(shift);
    if (!drawnArea_.isEmpty() && !target.contains(moved)) {
        bounds_ = oldBounds;
        return false;
    }
    if (!cache_.isNull() && !drawnArea_.isEmpty()) {
        QImage next = transparentImage(spareStorage_, target.size(), moved);
        copyRows(cache_, drawnArea_, next, moved.topLeft());
        next.setDevicePixelRatio(scale_);
        // The vectors trade their buffers; the images keep pointing at the same memory.
        std::swap(cacheStorage_, spareStorage_);
        cache_ = std::move(next);
    } else {
        cache_ = QImage();
    }
    drawnArea_ = drawnArea_.isEmpty() ? QRect() : moved;
    tailArea_ = tailArea_.isEmpty() ? QRect() : tailArea_.translated(shift);
    coverage_.translate(shift);
    coverageStale_ = coverageStale_.isEmpty() ? QRect() : coverageStale_.translated(shift);
    for (auto& point : points_) {
        point = Point{point.x + offset.x, point.y + offset.y};
    }
    const auto move = [&](std::optional<Point>& point) {
        if (point) {
            point = Point{point->x + offset.x, point->y + offset.y};
        }
    };
    move(start_);
    move(end_);
    dirty_ = QRectF(0, 0, bounds.width, bounds.height);
    return true;
}

Rect RasterGestureTraceRenderer::takeDirtyArea() {
    const QRectF area = dirty_.intersected(QRectF(0, 0, bounds_.width, bounds_.height));
    dirty_ = QRectF();
    if (area.isEmpty()) {
        return Rect{};
    }
    return Rect{{area.x(), area.y()}, {area.width(), area.height()}};
}

QRectF RasterGestureTraceRenderer::dotArea(std::optional<Point> centre) const {
    if (!centre) {
        return QRectF();
    }
    const double reach = dotDiameter() * 0.5 + 1;
    return QRectF(centre->x - reach, centre->y - reach, reach * 2, reach * 2);
}

QRegion RasterGestureTraceRenderer::dotRegion(std::optional<Point> centre) const {
    if (!centre) {
        return QRegion();
    }
    const double d = dotDiameter();
    const QRectF square(centre->x - d / 2, centre->y - d / 2, d, d);
    return QRegion(square.toAlignedRect(), QRegion::Ellipse);
}

void RasterGestureTraceRenderer::recolour(const QColor& colour, double opacity) {
    const double previousOpacity = cacheOpacity_;
    cacheColour_ = colour;
    cacheOpacity_ = opacity;
    if (cache_.isNull() || drawnArea_.isEmpty() || previousOpacity <= 0) {
        return;
    }
    // Every pixel of the cache is the one colour at some coverage, which its alpha tells.
    std::array<QRgb, 256> byAlpha{};
    for (int alpha = 0; alpha < 256; ++alpha) {
        const double coverage = std::min(1.0, alpha / (255 * previousOpacity));
        const int next = static_cast<int>(std::lround(coverage * opacity * 255));
        byAlpha[static_cast<std::size_t>(alpha)] =
            qPremultiply(qRgba(colour.red(), colour.green(), colour.blue(), next));
    }
    const QRect area = drawnArea_.intersected(cache_.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(cache_.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            row[x] = byAlpha[static_cast<std::size_t>(qAlpha(row[x]))];
        }
    }
}

void RasterGestureTraceRenderer::refreshCoverage() {
    if (coverageStale_.isEmpty() || cache_.isNull()) {
        coverageStale_ = QRect();
        return;
    }
    const QRect area = coverageStale_.intersected(cache_.rect());
    // Half covered or more: such a pixel belongs to the line when the panel is cut to its shape.
    const int threshold = std::max(1, static_cast<int>(std::ceil(127.5 * cacheOpacity_)));
    coverage_ = coverage_.subtracted(QRegion(coverageStale_))
                    .united(coveredPixels(cache_, area, threshold));
    coverageStale_ = QRect();
}

QRegion RasterGestureTraceRenderer::shape() {
    refreshCoverage();
    QRegion region =
        scale_ == 1 ? coverage_ : QTransform::fromScale(1 / scale_, 1 / scale_).map(coverage_);
    return region.united(dotRegion(start_)).united(dotRegion(end_));
}

void RasterGestureTraceRenderer::paint(QPainter& painter, const QRect& area,
                                       const QPalette& palette, bool shaped) {
    const QColor accent = opaque(ThemePalette::color(ThemePalette::Token::accentText, palette));
    const double opacity = strokeOpacity(suppresses_);
    if (accent != cacheColour_ || opacity != cacheOpacity_) {
        recolour(accent, opacity);
    }
    painter.save();
    if (shaped) {
        // Edges are hard here: every pixel inside the shape is drawn fully, in the colour it
        // would mostly show.
        painter.setRenderHint(QPainter::Antialiasing, false);
        refreshCoverage();
        const QTransform toLogicalPixels = QTransform::fromScale(1 / scale_, 1 / scale_);
        const auto fill = [&](const QRegion& region, const QColor& colour) {
            if (region.isEmpty()) {
                return;
            }
            painter.setClipRegion(region.intersected(area));
            painter.fillRect(area, opaque(colour));
        };
        fill(scale_ == 1 ? coverage_ : toLogicalPixels.map(coverage_), accent);
        fill(dotRegion(start_), startDotColor(palette));
        fill(dotRegion(end_), endDotColor(palette));
    } else {
        const QRect device = toDevice(QRectF(area)).intersected(drawnArea_);
        if (!cache_.isNull() && !device.isEmpty()) {
            // The line is all the panel shows beneath the dots: copied, not blended.
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(toLogical(device), cache_, QRectF(device));
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        }
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        const double radius = dotDiameter() / 2;
        if (start_) {
            painter.setBrush(startDotColor(palette));
            painter.drawEllipse(toQt(*start_), radius, radius);
        }
        if (end_) {
            painter.setBrush(endDotColor(palette));
            painter.drawEllipse(toQt(*end_), radius, radius);
        }
    }
    painter.restore();
}

}  // namespace quillorbitex
