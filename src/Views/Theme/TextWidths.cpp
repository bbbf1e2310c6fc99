#include "Views/Theme/TextWidths.h"

#include <QFontMetricsF>
#include <QHash>

namespace quillorbitex {

namespace {

// Enough for every text of a dashboard with a few hundred rules; past it the table starts over
// rather than growing without bound.
constexpr qsizetype kCapacity = 4096;

}  // namespace

double textAdvance(const QFont& font, const QString& text) {
    // Fonts compare by everything that changes the advance: family, size, weight, style,
    // capitalisation, spacing.
    static QHash<QFont, QHash<QString, double>> advances;
    QHash<QString, double>& inFont = advances[font];
    if (const auto found = inFont.constFind(text); found != inFont.constEnd()) {
        return *found;
    }
    if (inFont.size() >= kCapacity) {
        inFont.clear();
    }
    const double advance = QFontMetricsF(font).horizontalAdvance(text);
    inFont.insert(text, advance);
    return advance;
}

}  // namespace quillorbitex
