#include "Views/Components/ThemedTextLabel.h"

#include <QEvent>
#include <QPainter>
#include <QTextLayout>
#include <cmath>

namespace quillorbitex {

namespace {

// A wrapping paragraph asks for no more than this width; the layout gives it what there is.
constexpr int kPreferredWrapWidth = 480;
// An elided line may shrink to about a word and the ellipsis.
constexpr int kMinimumElidedWidth = 48;

int ceilToInt(qreal value) {
    return static_cast<int>(std::ceil(value));
}

}  // namespace

ThemedTextLabel::ThemedTextLabel(Theme::Font font, ThemePalette::Token color, Overflow overflow,
                                 QWidget* parent)
    : QWidget(parent), color_(color), overflow_(overflow) {
    setFont(Theme::font(font));
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    policy.setHeightForWidth(overflow == Overflow::wrap);
    setSizePolicy(policy);
}

void ThemedTextLabel::setText(const QString& text) {
    if (text == text_) {
        return;
    }
    text_ = text;
    wrappedWidth_ = -1;
    naturalWidth_ = -1;
    setAccessibleName(text);
    updateToolTip();
    updateGeometry();
    update();
}

void ThemedTextLabel::setColorToken(ThemePalette::Token color) {
    if (color == color_) {
        return;
    }
    color_ = color;
    update();
}

QString ThemedTextLabel::displayedText() const {
    if (overflow_ == Overflow::wrap) {
        return text_;
    }
    const Qt::TextElideMode mode =
        overflow_ == Overflow::elideMiddle ? Qt::ElideMiddle : Qt::ElideRight;
    return QFontMetricsF(font()).elidedText(text_, mode, contentsRect().width());
}

bool ThemedTextLabel::isElided() const {
    return displayedText() != text_;
}

int ThemedTextLabel::singleLineHeight() const {
    return ceilToInt(QFontMetricsF(font()).height());
}

QSize ThemedTextLabel::sizeHint() const {
    if (naturalWidth_ < 0) {
        naturalWidth_ = ceilToInt(QFontMetricsF(font()).horizontalAdvance(text_));
    }
    const QMargins margins = contentsMargins();
    int width = naturalWidth_;
    int height = singleLineHeight();
    if (overflow_ == Overflow::wrap && width > kPreferredWrapWidth) {
        width = kPreferredWrapWidth;
        height = wrappedHeight(width);
    }
    return {width + margins.left() + margins.right(), height + margins.top() + margins.bottom()};
}

QSize ThemedTextLabel::minimumSizeHint() const {
    const QSize preferred = sizeHint();
    const QMargins margins = contentsMargins();
    const int horizontal = margins.left() + margins.right();
    const int width = std::min(preferred.width() - horizontal, kMinimumElidedWidth) + horizontal;
    if (overflow_ == Overflow::wrap) {
        return {width, heightForWidth(width)};
    }
    return {width, preferred.height()};
}

bool ThemedTextLabel::hasHeightForWidth() const {
    return overflow_ == Overflow::wrap;
}

int ThemedTextLabel::heightForWidth(int width) const {
    if (overflow_ != Overflow::wrap) {
        return sizeHint().height();
    }
    const QMargins margins = contentsMargins();
    const int inner = std::max(1, width - margins.left() - margins.right());
    return wrappedHeight(inner) + margins.top() + margins.bottom();
}

namespace {

// Lays the text out in lines of `width`, breaking between words where it can and inside a word
// that is longer than a line; returns the height of the lines.
qreal layOut(QTextLayout& layout, int width) {
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
    return y;
}

}  // namespace

int ThemedTextLabel::wrappedHeight(int width) const {
    if (wrappedWidth_ != width) {
        QTextLayout layout(text_, font());
        wrappedWidth_ = width;
        wrappedHeight_ = std::max(ceilToInt(layOut(layout, width)), singleLineHeight());
    }
    return wrappedHeight_;
}

void ThemedTextLabel::paintEvent(QPaintEvent*) {
    if (text_.isEmpty()) {
        return;
    }
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(Theme::color(color_, *this));
    const QRect area = contentsRect();
    if (overflow_ != Overflow::wrap) {
        painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, displayedText());
        return;
    }
    QTextLayout layout(text_, font());
    layOut(layout, area.width());
    layout.draw(&painter, area.topLeft());
}

void ThemedTextLabel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    updateToolTip();
}

void ThemedTextLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        wrappedWidth_ = -1;
        naturalWidth_ = -1;
        updateGeometry();
    }
    QWidget::changeEvent(event);
}

void ThemedTextLabel::updateToolTip() {
    if (overflow_ == Overflow::wrap) {
        return;
    }
    setToolTip(isElided() ? text_ : QString());
}

}  // namespace quillorbitex
