#include <gtest/gtest.h>

#include <QApplication>
#include <QBackingStore>
#include <QPainter>

#include "Application/QtOverlayPanel.h"
#include "Application/ThemePalette.h"

namespace quillorbitex {
namespace {

// A disc, drawn translucent or opaque as asked.
class Disc final : public OverlayPanelContent {
public:
    void paint(QPainter& painter, const QRect&, const QPalette&, bool shaped) override {
        lastShaped = shaped;
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(200, 0, 0, shaped ? 255 : 128));
        painter.drawEllipse(QRect(10, 10, 40, 40));
    }
    QRegion shape() override { return QRegion(QRect(10, 10, 40, 40), QRegion::Ellipse); }

    bool lastShaped = false;
};

class Compositing final : public CompositingManagerWatch {
public:
    bool isCompositing() const override { return running; }
    void change(bool now) {
        running = now;
        notifyChange();
    }
    bool running = true;
};

TEST(QtOverlayPanel, IsCutToItsContentExactlyWhileNoCompositorRuns) {
    Disc disc;
    auto compositing = std::make_shared<Compositing>();
    QtOverlayPanel panel(disc, Rect{{100, 100}, {60, 60}}, compositing);
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(panel.frame(), (Rect{{100, 100}, {60, 60}}));

    // Shown anew, or still shown while a compositor starts or stops (with no new content).
    const struct {
        bool compositor;
        bool shownAgain;
        bool shaped;
    } cases[] = {{false, true, true},
                 {true, true, false},
                 {false, true, true},
                 {true, false, false},
                 {false, false, true}};
    for (const auto& c : cases) {
        if (c.shownAgain) {
            compositing->running = c.compositor;
            panel.orderOut();
            panel.orderFront();
        } else {
            compositing->change(c.compositor);
        }
        EXPECT_TRUE(panel.isVisible());
        EXPECT_EQ(panel.isShaped(), c.shaped);
        EXPECT_EQ(panel.mask(), c.shaped ? disc.shape() : QRegion());
        const QImage image = panel.grab().toImage();
        EXPECT_EQ(disc.lastShaped, c.shaped);
        EXPECT_EQ(qAlpha(image.pixel(30, 30)), c.shaped ? 255 : 128);
        EXPECT_EQ(qAlpha(image.pixel(2, 2)), 0);
    }

    // Content changes move the cut with them.
    compositing->running = false;
    panel.setFrame(Rect{{120, 90}, {80, 70}});
    panel.setNeedsDisplay(Rect{{0, 0}, {80, 70}});
    EXPECT_EQ(panel.frame(), (Rect{{120, 90}, {80, 70}}));
    EXPECT_EQ(panel.mask(), disc.shape());
    QApplication::processEvents();
    ASSERT_EQ(panel.backingStore()->size(), QSize(80, 70));
    panel.orderOut();
    EXPECT_FALSE(panel.isVisible());
    EXPECT_LE(panel.backingStore()->size().width() * panel.backingStore()->size().height(), 1)
        << "a hidden panel keeps a backing store as large as itself";
}

}  // namespace
}  // namespace quillorbitex
