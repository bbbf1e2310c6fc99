#include "Views/Components/WrappingText.h"

#include <QPainter>
#include <QTextLayout>
#include <cmath>

namespace quillorbitex {

WrappingText::WrappingText(Theme::Font font, ThemePalette::Token color, QWidget* parent)
    : QWidget(parent), color_(color) {
    setFont(Theme::font(font));
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void WrappingText::setText(const QString& text) {
    if (text == text_) {
        return;
    }
    text_ = text;
    setAccessibleName(text);
    updateGeometry();
    update();
}

void WrappingText::setMinimumShrinkPixelSize(int pixelSize) {
    minimumShrinkPixelSize_ = pixelSize;
    updateGeometry();
    update();
}

QFont WrappingText::fittedFont(int width) const {
    QFont fitted = font();
    if (minimumShrinkPixelSize_ <= 0 || fitted.pixelSize() <= 0) {
        return fitted;
    }
    const QStringList words = text_.split(QChar(' '), Qt::SkipEmptyParts);
    const auto widest = [&words](const QFont& candidate) {
        const QFontMetricsF metrics(candidate);
        double widestWord = 0;
        for (const QString& word : words) {
            widestWord = std::max(widestWord, metrics.horizontalAdvance(word));
        }
        return widestWord;
    };
    while (fitted.pixelSize() > minimumShrinkPixelSize_ && widest(fitted) > width) {
        fitted.setPixelSize(fitted.pixelSize() - 1);
    }
    return fitted;
}

int WrappingText::heightForWidth(int width) const {
    QTextLayout layout;
    return static_cast<int>(std::ceil(lay(layout, width)));
}

QSize WrappingText::sizeHint() const {
    // One line as wide as the text, rounded up so that it is never wrapped at its own size.
    const double width = QFontMetricsF(font()).horizontalAdvance(text_);
    const int whole = std::max(static_cast<int>(std::ceil(width)), 1);
    return {whole, heightForWidth(whole)};
}

QSize WrappingText::minimumSizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.averageCharWidth() * 4, metrics.height()};
}

double WrappingText::lay(QTextLayout& layout, int width) const {
    const QFont fitted = fittedFont(width);
    layout.setText(text_);
    layout.setFont(fitted);
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    double y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max(width, 1));
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
    // At least a line of the full-size font, so that shrunk text keeps its neighbours in line.
    return std::max(y, QFontMetricsF(font()).height());
}

void WrappingText::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(Theme::color(color_, *this));
    QTextLayout layout;
    lay(layout, width());
    layout.draw(&painter, QPointF(0, 0));
}

}  // namespace quillorbitex
