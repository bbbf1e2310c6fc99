#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "Views/Components/Icons.h"

namespace quillorbitex {
namespace {

int countPixels(const QImage& image, const std::function<bool(QRgb)>& matches) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += matches(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

bool isWhite(QRgb pixel) {
    return qAlpha(pixel) == 255 && qRed(pixel) > 240 && qGreen(pixel) > 240 && qBlue(pixel) > 240;
}

TEST(Icons, ApplicationIconIsATileWithAWhiteStrokeAtEverySize) {
    for (const int size : {16, 22, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage image = Icons::applicationIconImage(size);
        ASSERT_EQ(image.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "rounded, inset corner";
        // Left of the stroke, inside the tile: the violet accent.
        const QRgb tile = image.pixel(size * 15 / 100, size / 2);
        EXPECT_EQ(qAlpha(tile), 255);
        EXPECT_GT(qBlue(tile), qRed(tile));
        EXPECT_GT(qRed(tile), qGreen(tile));
        // The stroke covers a visible share of the tile at every size.
        const int white = countPixels(image, isWhite);
        EXPECT_GT(white, size * size / 40);
        EXPECT_LT(white, size * size / 4);
    }
}

TEST(Icons, ApplicationIconIsDrawnAtTheScreensOwnResolutionAndFadedWhenDisabled) {
    const QIcon icon = Icons::applicationIcon();
    for (const qreal ratio : {1.0, 2.0}) {
        SCOPED_TRACE(ratio);
        const QPixmap pixmap = icon.pixmap(QSize(32, 32), ratio);
        EXPECT_EQ(pixmap.devicePixelRatio(), ratio);
        const int device = static_cast<int>(32 * ratio);
        ASSERT_EQ(pixmap.size(), QSize(device, device));
        // Exactly what a drawing at that many pixels gives: not a smaller one scaled up.
        EXPECT_EQ(pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  Icons::applicationIconImage(device));
    }
    const QImage disabled = icon.pixmap(QSize(32, 32), 1.0, QIcon::Disabled).toImage();
    EXPECT_LT(qAlpha(disabled.pixel(16, 16)), 160) << "faded when disabled";
}

}  // namespace
}  // namespace quillorbitex
