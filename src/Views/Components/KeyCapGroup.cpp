#include "Views/Components/KeyCapGroup.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "Models/ActionLabels.h"
#include "Views/Components/PlainText.h"
#include "Views/Theme/TextWidths.h"
#include "Views/Theme/Theme.h"

namespace quillorbitex {

namespace {

constexpr int kCapSpacing = 4;
constexpr int kCapHorizontalPadding = 7;
constexpr int kCapVerticalPadding = 4;
constexpr double kCapCornerRadius = 5;
constexpr int kTokenHorizontalPadding = 10;
constexpr int kTokenVerticalPadding = 6;
// A shortened token keeps room for a few characters on each side of the ellipsis.
constexpr int kMinimumTokenWidth = 120;

int ceilToInt(qreal value) {
    return static_cast<int>(std::ceil(value));
}

}  // namespace

KeyCapGroup::KeyCapGroup(const GestureAction& action, QWidget* parent)
    : QWidget(parent), action_(action) {
    capFont_ = Theme::font(Theme::Font::captionMono);
    tokenFont_ = Theme::font(Theme::Font::captionText);
    tokenFont_.setWeight(QFont::DemiBold);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    rebuild();
}

KeyCapGroup::KeyCapGroup(std::optional<KeyboardShortcutDescriptor> shortcut,
                         std::optional<QString> actionLabel, QWidget* parent)
    : QWidget(parent), shortcut_(std::move(shortcut)), fixedLabel_(std::move(actionLabel)) {
    capFont_ = Theme::font(Theme::Font::captionMono);
    tokenFont_ = Theme::font(Theme::Font::captionText);
    tokenFont_.setWeight(QFont::DemiBold);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    rebuild();
}

void KeyCapGroup::setAction(const GestureAction& action) {
    if (action_ == action) {
        return;
    }
    action_ = action;
    shortcut_.reset();
    fixedLabel_.reset();
    rebuild();
}

void KeyCapGroup::retranslate() {
    rebuild();
}

void KeyCapGroup::setContentOpacity(double opacity) {
    opacity_ = opacity;
    update();
}

void KeyCapGroup::rebuild() {
    std::optional<KeyboardShortcutDescriptor> shortcut = shortcut_;
    std::optional<QString> label = fixedLabel_;
    if (action_) {
        if (const auto* sent = action_->shortcut()) {
            shortcut = *sent;
        } else {
            label = displayLabel(*action_);
        }
    }
    QStringList caps;
    std::optional<QString> token;
    if (label) {
        token = label;
    } else if (shortcut) {
        caps = keyCapLabels(*shortcut);
    }
    if (caps == caps_ && token == token_) {
        return;
    }
    caps_ = std::move(caps);
    token_ = std::move(token);
    setAccessibleName(token_ ? *token_ : caps_.join(QStringLiteral(" + ")));

    QSize hint(0, 0);
    tokenTextWidth_ = token_ ? ceilToInt(QFontMetricsF(tokenFont_).horizontalAdvance(*token_)) : 0;
    if (token_) {
        hint = QSize(std::min(tokenTextWidth() + 2 * kTokenHorizontalPadding, maximumTokenWidth),
                     tokenHeight());
    } else {
        for (const QString& cap : caps_) {
            const QSize size = capSize(cap);
            hint.rwidth() += size.width() + (hint.width() > 0 ? kCapSpacing : 0);
            hint.setHeight(std::max(hint.height(), size.height()));
        }
    }
    sizeHint_ = hint;
    updateGeometry();
    updateToolTip();
    update();
}

QSize KeyCapGroup::capSize(const QString& label) const {
    const QFontMetricsF metrics(capFont_);
    return {ceilToInt(textAdvance(capFont_, label)) + 2 * kCapHorizontalPadding,
            ceilToInt(metrics.height()) + 2 * kCapVerticalPadding};
}

int KeyCapGroup::tokenHeight() const {
    return ceilToInt(QFontMetricsF(tokenFont_).height()) + 2 * kTokenVerticalPadding;
}

int KeyCapGroup::tokenTextWidth() const {
    return tokenTextWidth_;
}

QString KeyCapGroup::displayedTokenText() const {
    if (!token_) {
        return {};
    }
    const int available = std::min(width(), maximumTokenWidth) - 2 * kTokenHorizontalPadding;
    return QFontMetricsF(tokenFont_).elidedText(*token_, Qt::ElideMiddle, available);
}

QSize KeyCapGroup::sizeHint() const {
    return sizeHint_;
}

QSize KeyCapGroup::minimumSizeHint() const {
    if (token_) {
        return {std::min(sizeHint_.width(), kMinimumTokenWidth), sizeHint_.height()};
    }
    return sizeHint_;
}

void KeyCapGroup::resizeEvent(QResizeEvent*) {
    updateToolTip();
}

void KeyCapGroup::updateToolTip() {
    // Before its first layout the group has no width of its own to shorten the token to.
    const bool elided =
        token_ && testAttribute(Qt::WA_Resized) &&
        tokenTextWidth() + 2 * kTokenHorizontalPadding > std::min(width(), maximumTokenWidth);
    setToolTip(elided ? plainToolTip(*token_) : QString());
}

void KeyCapGroup::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(opacity_);
    const double top = (height() - sizeHint_.height()) / 2.0;
    if (token_) {
        // Right-aligned, as the group sits at the end of its row.
        const double tokenWidth = std::min(width(), sizeHint_.width());
        const QRectF bounds(width() - tokenWidth, top, tokenWidth, sizeHint_.height());
        const QRectF outline = bounds.adjusted(0.5, 0.5, -0.5, -0.5);
        QPainterPath capsule;
        capsule.addRoundedRect(outline, outline.height() / 2, outline.height() / 2);
        painter.fillPath(capsule, Theme::color(ThemePalette::Token::accentMuted, *this));
        QColor border = Theme::color(ThemePalette::Token::accentPrimary, *this);
        border.setAlphaF(0.35f);
        painter.setPen(QPen(border, 1));
        painter.drawPath(capsule);
        painter.setFont(tokenFont_);
        painter.setPen(Theme::color(ThemePalette::Token::accentCapsuleText, *this));
        painter.drawText(bounds.adjusted(kTokenHorizontalPadding, 0, -kTokenHorizontalPadding, 0),
                         Qt::AlignCenter, displayedTokenText());
        return;
    }
    double x = width() - sizeHint_.width();
    painter.setFont(capFont_);
    for (const QString& cap : caps_) {
        const QSize size = capSize(cap);
        const QRectF bounds(x, top + (sizeHint_.height() - size.height()) / 2.0, size.width(),
                            size.height());
        const QRectF outline = bounds.adjusted(0.5, 0.5, -0.5, -0.5);
        QPainterPath shape;
        shape.addRoundedRect(outline, kCapCornerRadius, kCapCornerRadius);
        painter.fillPath(shape, Theme::color(ThemePalette::Token::keyCapBg, *this));
        painter.setPen(QPen(Theme::color(ThemePalette::Token::borderStrong, *this), 1));
        painter.drawPath(shape);
        painter.setPen(Theme::color(ThemePalette::Token::keyCapText, *this));
        painter.drawText(bounds, Qt::AlignCenter, cap);
        x += size.width() + kCapSpacing;
    }
}

}  // namespace quillorbitex
