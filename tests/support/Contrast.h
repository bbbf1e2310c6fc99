#pragma once

#include <QColor>
#include <QImage>
#include <algorithm>
#include <cmath>

namespace quillorbitex::testing {

// The WCAG contrast ratio of two opaque colours: 1 (the same) to 21 (black on white).
inline double contrastRatio(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The strongest contrast any pixel of `image` has against `background`.
inline double strongestContrast(const QImage& image, const QColor& background) {
    double strongest = 1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            strongest = std::max(strongest, contrastRatio(image.pixelColor(x, y), background));
        }
    }
    return strongest;
}

}  // namespace quillorbitex::testing
