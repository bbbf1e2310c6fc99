#include "Views/Components/ToggleSwitch.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

#include "Views/Theme/Theme.h"

namespace quillorbitex {

namespace {

constexpr int kWidth = 38;
constexpr int kHeight = 22;
// The knob sits this far inside the track.
constexpr double kKnobInset = 2.5;

}  // namespace

ToggleSwitch::ToggleSwitch(QWidget* parent)
    : QAbstractButton(parent), knob_(this, std::chrono::milliseconds(animationMilliseconds)) {
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    Theme::followEnabledState(*this);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void ToggleSwitch::checkStateSet() {
    // Views follow their model with signals blocked, so the knob is moved from these two hooks
    // rather than from toggled().
    knob_.moveTo(isChecked());
}

void ToggleSwitch::nextCheckState() {
    QAbstractButton::nextCheckState();
    knob_.moveTo(isChecked());
}

void ToggleSwitch::setTint(ThemePalette::Token tint) {
    tint_ = tint;
    update();
}

QColor ToggleSwitch::currentTrackColor() const {
    return Theme::mix(Theme::color(ThemePalette::Token::borderStrong, *this),
                      Theme::color(tint_, *this), position());
}

QSize ToggleSwitch::sizeHint() const {
    return {kWidth, kHeight};
}

QSize ToggleSwitch::minimumSizeHint() const {
    return sizeHint();
}

void ToggleSwitch::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        Theme::followEnabledState(*this);
    }
    QAbstractButton::changeEvent(event);
}

bool ToggleSwitch::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void ToggleSwitch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled()) {
        painter.setOpacity(Theme::disabledOpacity);
    }
    // The track keeps its proportions when the layout gives the switch more room than it asks.
    const QSizeF size(std::min<double>(width(), kWidth), std::min<double>(height(), kHeight));
    const QRectF track(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    const double radius = track.height() / 2;
    QPainterPath capsule;
    capsule.addRoundedRect(track, radius, radius);
    painter.fillPath(capsule, currentTrackColor());

    const bool keyboardFocus = hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange);
    if (keyboardFocus) {
        painter.setPen(QPen(Theme::color(ThemePalette::Token::accentText, *this), 1.5));
        painter.drawRoundedRect(track.adjusted(0.75, 0.75, -0.75, -0.75), radius - 0.75,
                                radius - 0.75);
    }

    const double knob = track.height() - 2 * kKnobInset;
    const double travel = track.width() - 2 * kKnobInset - knob;
    const QRectF knobRect(track.left() + kKnobInset + travel * position(), track.top() + kKnobInset,
                          knob, knob);
    // A faint shadow under the knob lifts it off a light track.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawEllipse(knobRect.translated(0, 0.75));
    painter.setBrush(Qt::white);
    painter.drawEllipse(knobRect);
}

}  // namespace quillorbitex
