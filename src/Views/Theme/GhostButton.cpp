#include "Views/Theme/GhostButton.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "Views/Theme/TextWidths.h"
#include "Views/Theme/Theme.h"

namespace quillorbitex {

namespace {

constexpr double kCornerRadius = 9;
constexpr int kHorizontalPadding = 14;
constexpr int kVerticalPadding = 9;

}  // namespace

GhostButton::GhostButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent), press_(this, std::chrono::milliseconds(100)) {
    setFont(Theme::systemFont(14, QFont::Medium));
    setAutoDefault(false);
    Theme::followEnabledState(*this);
    connect(this, &QAbstractButton::pressed, this, [this] { press_.moveTo(true); });
    connect(this, &QAbstractButton::released, this, [this] { press_.moveTo(false); });
}

void GhostButton::setTextColorToken(std::optional<ThemePalette::Token> token) {
    textColorToken_ = token;
    update();
}

QColor GhostButton::currentTextColor() const {
    if (textColorToken_) {
        return Theme::color(*textColorToken_, *this);
    }
    return Theme::mix(Theme::color(ThemePalette::Token::textSecondary, *this),
                      Theme::color(ThemePalette::Token::textPrimary, *this), press_.progress());
}

QColor GhostButton::currentFillColor() const {
    QColor hover = Theme::color(ThemePalette::Token::bgHover, *this);
    QColor clear = hover;
    clear.setAlpha(0);
    return Theme::mix(clear, hover, press_.progress());
}

QSize GhostButton::sizeHint() const {
    // Rounded up, so that the label is never elided at its own size.
    const QFontMetricsF metrics(font());
    return {static_cast<int>(std::ceil(textAdvance(font(), text()))) + 2 * kHorizontalPadding,
            static_cast<int>(std::ceil(metrics.height())) + 2 * kVerticalPadding};
}

QSize GhostButton::minimumSizeHint() const {
    return sizeHint();
}

void GhostButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        Theme::followEnabledState(*this);
    }
    QPushButton::changeEvent(event);
}

void GhostButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled()) {
        painter.setOpacity(Theme::disabledOpacity);
    }
    // Half a pixel in, so that the 1 px outline covers whole pixels.
    const QRectF outline = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(outline, kCornerRadius, kCornerRadius);
    painter.fillPath(shape, currentFillColor());
    const bool keyboardFocus = hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange);
    painter.setPen(QPen(Theme::color(keyboardFocus ? ThemePalette::Token::accentPrimary
                                                   : ThemePalette::Token::borderMid,
                                     *this),
                        1));
    painter.drawPath(shape);

    painter.setFont(font());
    painter.setPen(currentTextColor());
    const QRectF textArea = QRectF(rect()).adjusted(kHorizontalPadding, 0, -kHorizontalPadding, 0);
    const QString label =
        QFontMetricsF(font()).elidedText(text(), Qt::ElideRight, textArea.width());
    painter.drawText(textArea, Qt::AlignCenter | Qt::TextShowMnemonic, label);
}

}  // namespace quillorbitex
