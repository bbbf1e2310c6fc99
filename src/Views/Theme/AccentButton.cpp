#include "Views/Theme/AccentButton.h"

#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "Views/Theme/TextWidths.h"
#include "Views/Theme/Theme.h"

namespace quillorbitex {

namespace {

constexpr double kCornerRadius = 9;
constexpr int kHorizontalPadding = 16;
constexpr int kVerticalPadding = 9;
constexpr double kPressedScale = 0.97;
constexpr double kShadowOpacity = 0.35;
// A Gaussian of about 8 px; Qt's radius counts the whole kernel.
constexpr double kShadowBlurRadius = 16;
constexpr double kShadowOffsetY = 3;

}  // namespace

AccentButton::AccentButton(const QString& text, bool isDestructive, QWidget* parent)
    : QPushButton(text, parent),
      isDestructive_(isDestructive),
      press_(this, std::chrono::milliseconds(120)),
      shadow_(new QGraphicsDropShadowEffect(this)) {
    setFont(Theme::systemFont(14, QFont::DemiBold));
    setAutoDefault(false);
    Theme::followEnabledState(*this);
    setAttribute(Qt::WA_Hover);
    shadow_->setBlurRadius(kShadowBlurRadius);
    shadow_->setOffset(0, kShadowOffsetY);
    setGraphicsEffect(shadow_);
    connect(this, &QAbstractButton::pressed, this, [this] { press_.moveTo(true); });
    connect(this, &QAbstractButton::released, this, [this] { press_.moveTo(false); });
    connect(&press_, &EasedProgress::progressChanged, this, [this] { updateShadow(); });
    updateShadow();
}

void AccentButton::setDestructive(bool destructive) {
    if (destructive == isDestructive_) {
        return;
    }
    isDestructive_ = destructive;
    updateShadow();
    update();
}

double AccentButton::currentScale() const {
    return 1.0 - (1.0 - kPressedScale) * press_.progress();
}

double AccentButton::currentShadowOpacity() const {
    return kShadowOpacity * (1.0 - press_.progress());
}

QSize AccentButton::sizeHint() const {
    // Rounded up, so that the label is never elided at its own size.
    const QFontMetricsF metrics(font());
    return {static_cast<int>(std::ceil(textAdvance(font(), text()))) + 2 * kHorizontalPadding,
            static_cast<int>(std::ceil(metrics.height())) + 2 * kVerticalPadding};
}

QSize AccentButton::minimumSizeHint() const {
    return sizeHint();
}

QColor AccentButton::fillColor() const {
    return Theme::color(
        isDestructive_ ? ThemePalette::Token::statusRed : ThemePalette::Token::accentPrimary,
        *this);
}

void AccentButton::updateShadow() {
    QColor color = fillColor();
    color.setAlphaF(isEnabled() ? static_cast<float>(currentShadowOpacity()) : 0.0F);
    shadow_->setColor(color);
}

void AccentButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::EnabledChange) {
        updateShadow();
    }
    if (event->type() == QEvent::EnabledChange) {
        Theme::followEnabledState(*this);
    }
    QPushButton::changeEvent(event);
}

void AccentButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled()) {
        painter.setOpacity(Theme::disabledOpacity);
    }
    const QRectF bounds = rect();
    const double scale = currentScale();
    painter.translate(bounds.center());
    painter.scale(scale, scale);
    painter.translate(-bounds.center());

    QPainterPath shape;
    shape.addRoundedRect(bounds, kCornerRadius, kCornerRadius);
    painter.fillPath(shape, fillColor());
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setPen(QPen(Theme::color(ThemePalette::Token::bgElevated, *this), 2));
        painter.drawRoundedRect(bounds.adjusted(2, 2, -2, -2), kCornerRadius - 2,
                                kCornerRadius - 2);
    }

    painter.setFont(font());
    painter.setPen(Qt::white);
    const QRectF textArea = bounds.adjusted(kHorizontalPadding, 0, -kHorizontalPadding, 0);
    const QString label =
        QFontMetricsF(font()).elidedText(text(), Qt::ElideRight, textArea.width());
    painter.drawText(textArea, Qt::AlignCenter | Qt::TextShowMnemonic, label);
}

}  // namespace quillorbitex
