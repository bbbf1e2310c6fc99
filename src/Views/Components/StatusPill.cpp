#include "Views/Components/StatusPill.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "Views/Theme/Theme.h"

namespace quillorbitex {

namespace {

constexpr double kDot = 6;
constexpr double kGlowRadius = 3;
constexpr int kSpacing = 6;
constexpr int kHorizontalPadding = 10;
constexpr int kVerticalPadding = 5;

}  // namespace

StatusPill::State StatusPill::State::from(PermissionState permission) {
    switch (permission) {
        case PermissionState::granted:
            return green(title(permission));
        case PermissionState::denied:
            return red(title(permission));
        case PermissionState::unknown:
            break;
    }
    return amber(title(permission));
}

StatusPill::State StatusPill::State::from(const GestureMonitorState& monitorState) {
    switch (monitorState.kind()) {
        case GestureMonitorState::Kind::running:
            return green(monitorState.title());
        case GestureMonitorState::Kind::blocked:
            return red(monitorState.title());
        case GestureMonitorState::Kind::stopped:
            break;
    }
    return amber(monitorState.title());
}

ThemePalette::Token StatusPill::State::colorToken() const {
    switch (kind_) {
        case Kind::green:
            return ThemePalette::Token::statusGreen;
        case Kind::amber:
            return ThemePalette::Token::statusAmber;
        case Kind::red:
            return ThemePalette::Token::statusRed;
    }
    return ThemePalette::Token::statusAmber;
}

StatusPill::StatusPill(State state, QWidget* parent) : QWidget(parent), state_(std::move(state)) {
    setFont(Theme::font(Theme::Font::captionText));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleName(state_.label());
}

void StatusPill::setState(State state) {
    if (state == state_) {
        return;
    }
    const bool resized = state.label() != state_.label();
    state_ = std::move(state);
    setAccessibleName(state_.label());
    if (resized) {
        updateGeometry();
    }
    update();
}

QSize StatusPill::sizeHint() const {
    // Rounded up, so that the label is never cut at the pill's own size.
    const QFontMetricsF metrics(font());
    const double width = kHorizontalPadding * 2 + kDot + kSpacing +
                         std::ceil(metrics.horizontalAdvance(state_.label()));
    const double height = kVerticalPadding * 2 + std::ceil(std::max(metrics.height(), kDot));
    return {static_cast<int>(width), static_cast<int>(height)};
}

QSize StatusPill::minimumSizeHint() const {
    return sizeHint();
}

void StatusPill::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor color = Theme::color(state_.colorToken(), *this);

    const QRectF bounds(rect());
    QPainterPath capsule;
    capsule.addRoundedRect(bounds, bounds.height() / 2, bounds.height() / 2);
    QColor wash = color;
    wash.setAlphaF(0.12F);
    painter.fillPath(capsule, wash);
    painter.setClipPath(capsule);

    const QPointF dotCentre(kHorizontalPadding + kDot / 2, bounds.center().y());
    // The glow: the dot's colour at half opacity, fading out over the shadow radius.
    QRadialGradient glow(dotCentre, kDot / 2 + kGlowRadius);
    QColor glowColor = color;
    glowColor.setAlphaF(0.5F);
    glow.setColorAt(kDot / 2 / (kDot / 2 + kGlowRadius), glowColor);
    glowColor.setAlphaF(0);
    glow.setColorAt(1, glowColor);
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(dotCentre, kDot / 2 + kGlowRadius, kDot / 2 + kGlowRadius);
    painter.setBrush(color);
    painter.drawEllipse(dotCentre, kDot / 2, kDot / 2);

    painter.setFont(font());
    painter.setPen(Theme::color(ThemePalette::Token::textPrimary, *this));
    const QRectF textArea =
        bounds.adjusted(kHorizontalPadding + kDot + kSpacing, 0, -kHorizontalPadding, 0);
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     state_.label());
}

}  // namespace quillorbitex
