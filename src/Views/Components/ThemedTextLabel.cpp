#include "Views/Components/ThemedTextLabel.h"

#include <QEvent>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include "Views/Components/PlainText.h"
#include "Views/Theme/TextWidths.h"

namespace quillorbitex {

namespace {

// A wrapping paragraph asks for no more than this width; the layout gives it what there is.
constexpr int kPreferredWrapWidth = 480;
// An elided line may shrink to about a word and the ellipsis.
constexpr int kMinimumElidedWidth = 48;
// A line width no text reaches: wrapped text laid out in it keeps its lines whole.
constexpr int kUnwrappedWidth = 1 << 24;

int ceilToInt(qreal value) {
    return static_cast<int>(std::ceil(value));
}

}  // namespace

ThemedTextLabel::ThemedTextLabel(Theme::Font font, ThemePalette::Token color, Overflow overflow,
                                 QWidget* parent)
    : QLabel(parent), color_(color), overflow_(overflow) {
    setFont(Theme::font(font));
    // A wrapped paragraph's height follows its width; a fixed vertical policy would cap it at the
    // height of the preferred width.
    const bool wraps = overflow == Overflow::wrap;
    QSizePolicy policy(QSizePolicy::Preferred, wraps ? QSizePolicy::Preferred : QSizePolicy::Fixed);
    policy.setHeightForWidth(wraps);
    setSizePolicy(policy);
}

void ThemedTextLabel::setText(const QString& text) {
    if (text == text_) {
        return;
    }
    text_ = text;
    shown_ = prepared(text);
    forgetMeasurements();
    setAccessibleName(text);
    updateToolTip();
    updateGeometry();
    update();
}

void ThemedTextLabel::setMaximumLength(int characters) {
    maximumLength_ = characters;
    shown_ = prepared(text_);
    forgetMeasurements();
    updateToolTip();
    updateGeometry();
    update();
}

QString ThemedTextLabel::prepared(const QString& text) const {
    QString shown = text;
    if (overflow_ != Overflow::wrap) {
        // One line: a line break inside a name shows as a space rather than cutting it in half.
        shown.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        for (QChar& c : shown) {
            if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator ||
                c == QChar::ParagraphSeparator) {
                c = QLatin1Char(' ');
            }
        }
    }
    if (maximumLength_ > 0 && shown.size() > maximumLength_) {
        qsizetype head = maximumLength_ / 2;
        qsizetype tail = maximumLength_ - head - 1;
        // Never between the halves of a surrogate pair.
        if (shown.at(head - 1).isHighSurrogate()) {
            --head;
        }
        if (shown.at(shown.size() - tail).isLowSurrogate()) {
            --tail;
        }
        shown = shown.left(head) + QChar(0x2026) + shown.right(tail);
    }
    return shown;
}

void ThemedTextLabel::setColorToken(ThemePalette::Token color) {
    if (color == color_) {
        return;
    }
    color_ = color;
    update();
}

void ThemedTextLabel::setMinimumShrinkPixelSize(int pixelSize) {
    if (pixelSize == minimumShrinkPixelSize_) {
        return;
    }
    minimumShrinkPixelSize_ = pixelSize;
    forgetMeasurements();
    updateGeometry();
    update();
}

QFont ThemedTextLabel::fittedFont(int width) const {
    QFont fitted = font();
    if (overflow_ != Overflow::wrap || minimumShrinkPixelSize_ <= 0 || fitted.pixelSize() <= 0) {
        return fitted;
    }
    const QStringList words = shown_.split(QChar(' '), Qt::SkipEmptyParts);
    const auto widest = [&words](const QFont& candidate) {
        double widestWord = 0;
        for (const QString& word : words) {
            widestWord = std::max(widestWord, textAdvance(candidate, word));
        }
        return widestWord;
    };
    while (fitted.pixelSize() > minimumShrinkPixelSize_ && widest(fitted) > width) {
        fitted.setPixelSize(fitted.pixelSize() - 1);
    }
    return fitted;
}

QString ThemedTextLabel::displayedText() const {
    if (overflow_ == Overflow::wrap || overflow_ == Overflow::none) {
        return shown_;
    }
    const Qt::TextElideMode mode =
        overflow_ == Overflow::elideMiddle ? Qt::ElideMiddle : Qt::ElideRight;
    return QFontMetricsF(font()).elidedText(shown_, mode, contentsRect().width());
}

bool ThemedTextLabel::isElided() const {
    if (maximumLength_ > 0 && text_.size() > maximumLength_) {
        return true;
    }
    if (overflow_ == Overflow::wrap) {
        return isCutShort();
    }
    return displayedText() != shown_;
}

bool ThemedTextLabel::isCutShort() const {
    const QRect area = contentsRect();
    // Only what is on screen (a label not yet laid out has a size it will not keep), and most
    // labels have the height their lines need; only those short of it are laid out here.
    if (shown_.isEmpty() || !isVisible() || area.width() <= 0 ||
        wrappedHeight(area.width()) <= area.height()) {
        return false;
    }
    QTextLayout layout;
    layOut(layout, area.width());
    return linesThatFit(layout, area.height()) < layout.lineCount();
}

int ThemedTextLabel::linesThatFit(const QTextLayout& layout, int height) {
    int lines = layout.lineCount();
    // The first line is drawn however little room there is.
    while (lines > 1) {
        const QTextLine last = layout.lineAt(lines - 1);
        if (std::ceil(last.y() + last.height()) <= height) {
            break;
        }
        --lines;
    }
    return lines;
}

int ThemedTextLabel::singleLineHeight() const {
    return ceilToInt(QFontMetricsF(font()).height());
}

int ThemedTextLabel::naturalWidth() const {
    if (naturalWidth_ < 0) {
        if (overflow_ == Overflow::wrap) {
            // Measured as it is drawn: the font metrics' advance of a text can fall short of its
            // laid-out width by a pixel, and at that width the last word went to a second line.
            QTextLayout layout;
            layOut(layout, kUnwrappedWidth);
            qreal widest = 0;
            for (int i = 0; i < layout.lineCount(); ++i) {
                widest = std::max(widest, layout.lineAt(i).naturalTextWidth());
            }
            naturalWidth_ = ceilToInt(widest);
        } else {
            naturalWidth_ = ceilToInt(textAdvance(font(), shown_));
        }
    }
    return naturalWidth_;
}

int ThemedTextLabel::oneLineWidth() const {
    const QMargins margins = contentsMargins();
    return naturalWidth() + margins.left() + margins.right();
}

QSize ThemedTextLabel::sizeHint() const {
    const QMargins margins = contentsMargins();
    int width = naturalWidth();
    int height = singleLineHeight();
    if (overflow_ == Overflow::wrap && width > kPreferredWrapWidth) {
        width = kPreferredWrapWidth;
        height = wrappedHeight(width);
    }
    return {width + margins.left() + margins.right(), height + margins.top() + margins.bottom()};
}

QSize ThemedTextLabel::minimumSizeHint() const {
    const QSize preferred = sizeHint();
    if (overflow_ == Overflow::none) {
        return preferred;
    }
    const QMargins margins = contentsMargins();
    const int horizontal = margins.left() + margins.right();
    const int width = std::min(preferred.width() - horizontal, kMinimumElidedWidth) + horizontal;
    // A wrapped paragraph's height comes from heightForWidth(); one line is its least.
    return {width, overflow_ == Overflow::wrap
                       ? singleLineHeight() + margins.top() + margins.bottom()
                       : preferred.height()};
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

qreal ThemedTextLabel::layOut(QTextLayout& layout, int width) const {
    layout.setText(shown_);
    layout.setFont(fittedFont(width));
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

int ThemedTextLabel::wrappedHeight(int width) const {
    for (const auto& [cachedWidth, height] : wrappedHeights_) {
        if (cachedWidth == width) {
            return height;
        }
    }
    QTextLayout layout;
    // At least a line of the full-size font, so that shrunk text keeps its neighbours in line.
    const int height = std::max(ceilToInt(layOut(layout, width)), singleLineHeight());
    // Layouts ask for a few widths in turn (the current one, the one being tried); keep the last.
    std::rotate(wrappedHeights_.rbegin(), wrappedHeights_.rbegin() + 1, wrappedHeights_.rend());
    wrappedHeights_.front() = {width, height};
    return height;
}

void ThemedTextLabel::forgetMeasurements() {
    wrappedHeights_.fill({-1, 0});
    naturalWidth_ = -1;
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
    QTextLayout layout;
    layOut(layout, area.width());
    const int lines = linesThatFit(layout, area.height());
    if (lines == layout.lineCount()) {
        layout.draw(&painter, area.topLeft());
        return;
    }
    // Less room than the lines need: those that fit, the last of them ending in an ellipsis.
    for (int i = 0; i + 1 < lines; ++i) {
        layout.lineAt(i).draw(&painter, area.topLeft());
    }
    const QTextLine last = layout.lineAt(lines - 1);
    QString rest = shown_.mid(last.textStart());
    rest.replace(QLatin1Char('\n'), QLatin1Char(' '));
    painter.setFont(layout.font());
    painter.drawText(QPointF(area.left(), area.top() + last.y() + last.ascent()),
                     QFontMetricsF(layout.font()).elidedText(rest, Qt::ElideRight, area.width()));
}

void ThemedTextLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    updateToolTip();
}

void ThemedTextLabel::showEvent(QShowEvent* event) {
    QLabel::showEvent(event);
    updateToolTip();
}

void ThemedTextLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        forgetMeasurements();
        updateGeometry();
    }
    QLabel::changeEvent(event);
}

void ThemedTextLabel::updateToolTip() {
    if (overflow_ == Overflow::none) {
        return;
    }
    QString tip = isElided() ? plainToolTip(text_) : QString();
    // Most labels never have one; each change is an event of its own.
    if (tip != toolTip()) {
        setToolTip(tip);
    }
}

}  // namespace quillorbitex
