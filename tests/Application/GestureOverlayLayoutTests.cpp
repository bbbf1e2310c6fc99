#include <gtest/gtest.h>

#include "Application/GestureOverlayLayout.h"
#include "support/GeometryPrinters.h"

namespace quillorbitex {
namespace {

using Layout = GestureOverlayLayout;

Rect rect(double x, double y, double w, double h) {
    return Rect{{x, y}, {w, h}};
}

DisplayGeometry display(const char* id, Rect points, std::optional<Rect> pixels = std::nullopt,
                        double scale = 1) {
    return DisplayGeometry(QString::fromLatin1(id), points, pixels, scale);
}

// Two monitors side by side, as the end-to-end server shows them.
const std::vector<DisplayGeometry> kSideBySide = {
    display("left", rect(0, 0, 1152, 800)),
    display("right", rect(1152, 0, 1152, 800)),
};

TEST(GestureOverlayLayout, APointBelongsToTheFirstDisplayHoldingItElseTheNearest) {
    const std::vector<DisplayGeometry> apart = {display("a", rect(0, 0, 100, 100)),
                                                display("c", rect(300, 0, 100, 100))};
    const std::vector<DisplayGeometry> apartReversed = {apart[1], apart[0]};
    const struct {
        const std::vector<DisplayGeometry>* displays;
        Point point;
        const char* expected;
    } cases[] = {
        {&kSideBySide, {10, 10}, "left"},
        // The shared edge: the right edge of the first display counts as on it, and it comes
        // first.
        {&kSideBySide, {1152, 400}, "left"},
        {&kSideBySide, {1153, 400}, "right"},
        // One pixel past the last row still belongs to the display.
        {&kSideBySide, {600, 800.5}, "left"},
        {&kSideBySide, {-50, 300}, "left"},
        // Equally far from two displays: the one listed first.
        {&apart, {200, 50}, "a"},
        {&apartReversed, {200, 50}, "c"},
        {&apart, {201, 50}, "c"},
    };
    for (const auto& c : cases) {
        const DisplayGeometry* found = Layout::display(c.point, *c.displays);
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->id, QString::fromLatin1(c.expected))
            << "point (" << c.point.x << ", " << c.point.y << ")";
    }
    EXPECT_EQ(Layout::display({10, 10}, {}), nullptr);
}

TEST(GestureOverlayLayout, ViewportIsTheStrokeGrownByThePaddingClippedToTheDisplay) {
    const Rect screen = rect(0, 0, 1152, 800);
    const struct {
        Rect bounds;
        Rect expected;
    } cases[] = {
        {rect(100, 100, 0, 0), rect(16, 16, 168, 168)},
        // In a corner the viewport stops at the display's edges.
        {rect(10, 790, 5, 5), rect(0, 706, 99, 94)},
        {rect(10.5, 20.25, 1, 1), rect(0, 0, 96, 106)},
        // Nothing of the grown stroke on the display: all of it.
        {rect(2000, 2000, 0, 0), screen},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Layout::viewportFrame(c.bounds, 84, screen), c.expected);
    }
}

TEST(GestureOverlayLayout, KeepsAPanelWhileTheStrokeStaysWellInsideIt) {
    const Rect screen = rect(0, 0, 1152, 800);
    const Rect stored = rect(100, 100, 300, 300);
    // Reaching the display's right edge.
    const Rect atEdge = rect(1000, 100, 152, 300);
    const Rect shortOfEdge = rect(1000, 100, 99, 300);
    const struct {
        Rect stored;
        Rect stroke;
        bool keep;
    } cases[] = {
        {stored, rect(184, 184, 132, 132), true},
        // 28 from every edge still keeps the panel; 27 needs a new one.
        {stored, rect(128, 128, 244, 244), true},
        {stored, rect(128, 128, 245, 244), false},
        {stored, rect(127, 128, 100, 100), false},
        {stored, rect(200, 127, 100, 100), false},
        {stored, rect(200, 200, 100, 173), false},
        // Where the panel reaches the display's edge the stroke may come as close as it likes.
        {atEdge, rect(1040, 200, 113, 50), true},
        {shortOfEdge, rect(1040, 200, 111, 50), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Layout::keepsViewport(c.stored, c.stroke, screen, 28), c.keep);
    }
}

TEST(GestureOverlayLayout, PanelFramesShowTheViewportWhereTheDisplayShowsThosePixels) {
    const DisplayGeometry plain = display("plain", rect(0, 0, 1152, 800));
    // Twice as many pixels as logical points; Qt keeps the top-left corner in pixels.
    const DisplayGeometry dense =
        display("dense", rect(1152, 0, 1152, 800), rect(1152, 0, 2304, 1600), 2);
    const DisplayGeometry noPixels = display("none", rect(10, 20, 300, 200), rect(0, 0, 0, 0));
    const struct {
        const DisplayGeometry* display;
        Rect viewport;
        Rect expected;
    } cases[] = {
        {&plain, rect(100, 200, 300, 400), rect(100, 200, 300, 400)},
        {&dense, rect(1352, 400, 200, 100), rect(1252, 200, 100, 50)},
        // Fractional edges widen to whole points, in both directions.
        {&dense, rect(1153, 1, 3, 3), rect(1152, 0, 2, 2)},
        {&noPixels, rect(5, 5, 50, 50), rect(10, 20, 300, 200)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Layout::panelFrame(c.viewport, *c.display), c.expected);
    }
}

TEST(GestureOverlayLayout, LocalPointsKeepTheirPlaceInThePanel) {
    const Rect viewport = rect(100, 200, 400, 300);
    const Rect panel = rect(0, 0, 400, 300);
    const struct {
        Point global;
        Rect target;
        Point expected;
    } cases[] = {
        {{100, 200}, panel, {0, 0}},
        {{300, 350}, panel, {200, 150}},
        {{500, 500}, rect(0, 0, 200, 150), {200, 150}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Layout::localPoint(c.global, viewport, c.target), c.expected);
    }
    EXPECT_EQ(Layout::localPoint({300, 350}, rect(100, 200, 0, 300), panel), (Point{0, 0}));
}

TEST(GestureOverlayLayout, LinesAndDotsGrowWithThePixelDensityWithinLimits) {
    const struct {
        double scale;
        double line;
        double dot;
    } cases[] = {
        // Between the limits, at them, and a scale no display reports.
        {2, 5.25, 13},
        {6, 10, 16},
        {0, 4, 10},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(Layout::lineWidth(c.scale), c.line) << "scale " << c.scale;
        EXPECT_DOUBLE_EQ(Layout::dotDiameter(c.scale), c.dot) << "scale " << c.scale;
    }
}

}  // namespace
}  // namespace quillorbitex
