#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <tuple>

#include "Application/GestureOverlayLayout.h"
#include "Application/GestureTraceViewportView.h"
#include "Application/RasterGestureTraceRenderer.h"
#include "Application/ThemePalette.h"
#include "support/FakeOverlayPanel.h"
#include "support/GeometryPrinters.h"
#include "support/StrokeShapes.h"

namespace quillorbitex {
namespace {

const QPalette kLight = ThemePalette::qtPalette(false);
const QPalette kDark = ThemePalette::qtPalette(true);

QImage paintOf(GestureTraceRendering& renderer, QSize size, const QPalette& palette,
               bool shaped = false) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.paint(painter, QRect(QPoint(), size), palette, shaped);
    return image;
}

// The line drawn in one go from the whole path, at the renderer's opacity, with its dots.
QImage referenceOf(const std::vector<Point>& points, QSize size, const QPalette& palette,
                   bool suppresses) {
    QImage layer(size, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QColor opaque = RasterGestureTraceRenderer::strokeColor(palette, suppresses);
    const double alpha = opaque.alphaF();
    opaque.setAlpha(255);
    {
        QPainter painter(&layer);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(opaque, GestureOverlayLayout::lineWidth(1), Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        painter.drawPath(RasterGestureTraceRenderer::smoothedPath(points));
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setOpacity(alpha);
    painter.drawImage(0, 0, layer);
    painter.setOpacity(1);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const double r = GestureOverlayLayout::dotDiameter(1) / 2;
    painter.setBrush(RasterGestureTraceRenderer::startDotColor(palette));
    painter.drawEllipse(QPointF(points.front().x, points.front().y), r, r);
    painter.setBrush(RasterGestureTraceRenderer::endDotColor(palette));
    painter.drawEllipse(QPointF(points.back().x, points.back().y), r, r);
    return image;
}

// Pixels whose alpha differs by more than a rounding step of antialiasing.
QColor colourAt(const QImage& image, int x, int y) {
    return QColor::fromRgba(qUnpremultiply(image.pixel(x, y)));
}

int differingPixels(const QImage& a, const QImage& b, int tolerance = 24) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (std::abs(qAlpha(a.pixel(x, y)) - qAlpha(b.pixel(x, y))) > tolerance) {
                ++count;
            }
        }
    }
    return count;
}

std::vector<Point> wavyStroke() {
    std::vector<Point> points;
    for (int i = 0; i < 120; ++i) {
        const double t = i * 0.08;
        points.push_back({20 + i * 2.2, 100 + 50 * std::sin(t) + 20 * std::sin(3.1 * t)});
    }
    // Back across itself, so that overlaps show whether the line is drawn as one.
    for (int i = 0; i < 60; ++i) {
        points.push_back({280 - i * 4.0, 60 + i * 2.0});
    }
    return points;
}

void appendInChunks(RasterGestureTraceRenderer& renderer, const std::vector<Point>& points,
                    std::size_t chunk) {
    for (std::size_t i = 0; i < points.size(); i += chunk) {
        const auto end = std::min(points.size(), i + chunk);
        renderer.append(std::vector<Point>(points.begin() + long(i), points.begin() + long(end)));
        renderer.updateEndpoints(points.front(), points[end - 1]);
    }
}

TEST(RasterGestureTraceRenderer, SmoothsThroughTheMidpointsAndEndsStraight) {
    using E = QPainterPath::ElementType;
    const Point a{0, 0};
    const Point b{10, 0};
    const Point c{10, 10};
    const Point d{20, 10};
    // Qt stores a quadratic curve as a cubic one: controls at two thirds towards the quadratic's
    // control point. Each row: element count, then (index, type, x, y) checks.
    const struct {
        std::vector<Point> points;
        int count;
        std::vector<std::tuple<int, E, double, double>> elements;
    } cases[] = {
        {{}, 0, {}},
        {{a}, 1, {{0, E::MoveToElement, 0, 0}}},
        {{a, b}, 2, {{1, E::LineToElement, 10, 0}}},
        // From the midpoint of a and b to that of b and c, bent towards b; then straight on.
        {{a, b, c, d},
         9,
         {{1, E::LineToElement, 5, 0},
          {2, E::CurveToElement, 5 + 5 * 2.0 / 3, 0},
          {4, E::CurveToDataElement, 10, 5},
          {7, E::CurveToDataElement, 10, 10},
          {8, E::LineToElement, 20, 10}}},
    };
    for (const auto& row : cases) {
        const QPainterPath path = RasterGestureTraceRenderer::smoothedPath(row.points);
        ASSERT_EQ(path.elementCount(), row.count);
        for (const auto& [index, type, x, y] : row.elements) {
            SCOPED_TRACE(::testing::Message() << row.count << " elements, #" << index);
            EXPECT_EQ(path.elementAt(index).type, type);
            EXPECT_NEAR(path.elementAt(index).x, x, 1e-9);
            EXPECT_NEAR(path.elementAt(index).y, y, 1e-9);
        }
    }
}

TEST(RasterGestureTraceRenderer, DrawingSectionBySectionGivesTheLineDrawnInOneGo) {
    const auto points = wavyStroke();
    const QSize size(320, 200);
    for (const std::size_t chunk :
         {std::size_t{1}, std::size_t{3}, std::size_t{17}, points.size()}) {
        RasterGestureTraceRenderer renderer;
        renderer.reset({320, 200}, 1);
        appendInChunks(renderer, points, chunk);
        const QImage drawn = paintOf(renderer, size, kDark);
        const QImage reference = referenceOf(points, size, kDark, false);
        EXPECT_LE(differingPixels(drawn, reference), 6) << "chunks of " << chunk;
    }
}

TEST(RasterGestureTraceRenderer, ColoursFollowThePaletteAndTheLineDeepensOnceTheClickIsSuppressed) {
    RasterGestureTraceRenderer renderer;
    renderer.reset({200, 100}, 1);
    renderer.append(testing::polyline({{20, 50}, {180, 50}}, 4));
    renderer.updateEndpoints(Point{20, 50}, Point{180, 50});
    for (const double opacity : {0.82, 0.95}) {
        if (opacity > 0.9) {
            renderer.takeDirtyArea();
            renderer.setSuppressesSystemClick(true);
            EXPECT_FALSE(renderer.takeDirtyArea().isEmpty()) << "the changed line was not redrawn";
        }
        for (const QPalette* palette : {&kLight, &kDark, &kLight}) {
            const QImage image = paintOf(renderer, {200, 100}, *palette);
            const QColor accent = ThemePalette::color(ThemePalette::Token::accentText, *palette);
            const QColor secondary =
                ThemePalette::color(ThemePalette::Token::textSecondary, *palette);
            const QColor line = colourAt(image, 100, 50);
            EXPECT_NEAR(qAlpha(image.pixel(100, 50)), opacity * 255, 2);
            EXPECT_NEAR(line.red(), accent.red(), 3);
            EXPECT_NEAR(line.blue(), accent.blue(), 3);
            // The start dot lies over the line's end: secondary over accent, mostly secondary.
            EXPECT_NEAR(colourAt(image, 20, 50).green(),
                        secondary.green() * 0.92 + accent.green() * 0.08 * opacity, 6);
        }
    }
}

TEST(RasterGestureTraceRenderer, OnePointShowsBothDotsAndNoLine) {
    RasterGestureTraceRenderer renderer;
    renderer.reset({100, 100}, 1);
    renderer.append({{50, 50}});
    renderer.updateEndpoints(Point{50, 50}, Point{50, 50});
    const QImage image = paintOf(renderer, {100, 100}, kLight);
    const QColor centre = colourAt(image, 50, 50);
    const QColor accent = ThemePalette::color(ThemePalette::Token::accentText, kLight);
    EXPECT_NEAR(centre.alphaF(), 1 - (1 - 0.96) * (1 - 0.92), 0.01);
    EXPECT_NEAR(centre.red(), accent.red(), 12);
    // Nothing beyond the dot's radius.
    EXPECT_EQ(qAlpha(image.pixel(50, 58)), 0);
    EXPECT_EQ(qAlpha(image.pixel(58, 50)), 0);
}

TEST(RasterGestureTraceRenderer, ResetLeavesNothingDrawn) {
    RasterGestureTraceRenderer renderer;
    renderer.reset({200, 200}, 1);
    renderer.append(testing::circle({100, 100}, 60, 40));
    renderer.updateEndpoints(Point{160, 100}, Point{160, 100});
    renderer.reset({200, 200}, 1);
    const QImage image = paintOf(renderer, {200, 200}, kLight);
    for (int y = 0; y < 200; y += 3) {
        for (int x = 0; x < 200; x += 3) {
            ASSERT_EQ(qAlpha(image.pixel(x, y)), 0) << x << ", " << y;
        }
    }
    EXPECT_TRUE(renderer.shape().isEmpty());
    EXPECT_TRUE(renderer.renderedPoints().empty());
}

// Whole-pixel moves are compared with a fresh drawing through the viewport view below.
TEST(RasterGestureTraceRenderer, AMoveByPartOfADevicePixelIsRefused) {
    RasterGestureTraceRenderer dense;
    dense.reset({100, 100}, 2);
    dense.append({{10, 10}, {50, 50}});
    EXPECT_FALSE(dense.translate({0.25, 0}, {120, 100}));
    EXPECT_EQ(dense.renderedPoints().front(), (Point{10, 10}));
}

TEST(RasterGestureTraceRenderer, WithoutACompositorTheShapeHoldsExactlyWhatIsPaintedOpaque) {
    RasterGestureTraceRenderer renderer;
    renderer.reset({200, 120}, 1);
    const auto points = testing::polyline({{20, 60}, {100, 20}, {180, 60}}, 3);
    renderer.append(points);
    renderer.updateEndpoints(points.front(), points.back());
    const QRegion shape = renderer.shape();
    const QImage image = paintOf(renderer, {200, 120}, kDark, true);
    const QColor accent = ThemePalette::color(ThemePalette::Token::accentText, kDark);

    EXPECT_TRUE(shape.contains(QPoint(60, 40)));
    EXPECT_TRUE(shape.contains(QPoint(180, 60)));
    EXPECT_FALSE(shape.contains(QPoint(100, 60)));
    EXPECT_EQ(colourAt(image, 60, 40), accent);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            // Inside the shape every pixel is opaque, outside it nothing is drawn.
            ASSERT_EQ(alpha, shape.contains(QPoint(x, y)) ? 255 : 0) << x << ", " << y;
        }
    }
}

TEST(GestureTraceViewportView, PlacesRootPixelsInThePanelAndAppendsOnlyNewPoints) {
    auto owned = std::make_unique<RasterGestureTraceRenderer>();
    RasterGestureTraceRenderer& renderer = *owned;
    GestureTraceViewportView view(std::move(owned));
    testing::FakeOverlayPanel panel(Rect{{0, 0}, {400, 300}});
    view.setHost(&panel);

    view.append(std::vector<Point>{{150, 250}}, true);
    EXPECT_TRUE(view.globalPoints().empty()) << "a view without a viewport took points";
    EXPECT_FALSE(view.suppressesSystemClick());

    view.setBounds({400, 300});
    const Rect viewport{{100, 200}, {400, 300}};
    view.rebuild(viewport, std::vector<Point>{{100, 200}, {500, 500}}, 1, false);
    EXPECT_EQ(renderer.renderedPoints(), (std::vector<Point>{{0, 0}, {400, 300}}));
    EXPECT_EQ(renderer.startPoint(), (Point{0, 0}));
    EXPECT_EQ(renderer.endPoint(), (Point{400, 300}));
    EXPECT_FALSE(panel.state().needsDisplay.empty());

    view.append(std::vector<Point>{{300, 350}}, true);
    EXPECT_EQ(renderer.renderedPoints().size(), 3u);
    EXPECT_EQ(renderer.renderedPoints().back(), (Point{200, 150}));
    EXPECT_EQ(renderer.endPoint(), (Point{200, 150}));
    EXPECT_TRUE(renderer.suppressesSystemClick());

    view.clear();
    EXPECT_TRUE(renderer.renderedPoints().empty());
    EXPECT_FALSE(renderer.startPoint().has_value());
    EXPECT_FALSE(view.viewportPixels().has_value());
}

TEST(GestureTraceViewportView, AGrownViewportKeepsTheDrawingOfTheSameStroke) {
    auto owned = std::make_unique<RasterGestureTraceRenderer>();
    RasterGestureTraceRenderer& renderer = *owned;
    GestureTraceViewportView view(std::move(owned));
    auto points = wavyStroke();
    for (auto& p : points) {
        p = Point{p.x + 1000, p.y + 500};
    }
    const std::vector<Point> first(points.begin(), points.begin() + 100);
    view.setBounds({300, 200});
    view.rebuild({{1000, 500}, {300, 200}}, first, 1, false);
    view.setBounds({340, 260});
    view.rebuild({{980, 470}, {340, 260}}, points, 1, true);

    std::vector<Point> expected;
    for (const Point p : points) {
        expected.push_back(Point{p.x - 980, p.y - 470});
    }
    ASSERT_EQ(renderer.renderedPoints().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(renderer.renderedPoints()[i].x, expected[i].x, 1e-9);
        EXPECT_NEAR(renderer.renderedPoints()[i].y, expected[i].y, 1e-9);
    }
    EXPECT_TRUE(renderer.suppressesSystemClick());

    RasterGestureTraceRenderer fresh;
    fresh.reset({340, 260}, 1);
    fresh.setSuppressesSystemClick(true);
    fresh.append(std::vector<Point>(expected.begin(), expected.begin() + 100));
    fresh.append(std::vector<Point>(expected.begin() + 100, expected.end()));
    fresh.updateEndpoints(expected.front(), expected.back());
    EXPECT_EQ(
        differingPixels(paintOf(renderer, {340, 260}, kDark), paintOf(fresh, {340, 260}, kDark), 1),
        0);
}

}  // namespace
}  // namespace quillorbitex
