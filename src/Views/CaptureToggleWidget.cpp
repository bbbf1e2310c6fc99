#include "Views/CaptureToggleWidget.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "Localization/L10n.h"
#include "ViewModels/AppModel.h"
#include "Views/Components/AccessibilityIdentifier.h"
#include "Views/Components/ThemedTextLabel.h"
#include "Views/Theme/Theme.h"

namespace quillorbitex {

namespace {

using Token = ThemePalette::Token;

constexpr double kCornerRadius = 10;
constexpr int kPadding = 14;
constexpr int kDotSize = 6;
constexpr int kGlowRadius = 3;

// A switch drawn with the theme: an accent track with the knob at the right while on, a muted
// track with the knob at the left while off. Its position follows `progress`.
class CaptureSwitch final : public QAbstractButton {
public:
    CaptureSwitch(const CaptureToggleWidget& card, QWidget* parent)
        : QAbstractButton(parent), card_(card) {
        setCheckable(true);
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::StrongFocus);
        setFixedSize(40, 24);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const double t = card_.progress();
        const QRectF track = QRectF(rect()).adjusted(1, 1, -1, -1);
        const double radius = track.height() / 2;
        painter.setPen(Qt::NoPen);
        painter.setBrush(Theme::mix(Theme::color(Token::borderStrong, *this),
                                    Theme::color(Token::accentPrimary, *this), t));
        painter.drawRoundedRect(track, radius, radius);
        if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(Theme::color(Token::accentText, *this), 1.5));
            painter.drawRoundedRect(QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75),
                                    radius + 0.25, radius + 0.25);
        }
        const double knob = track.height() - 4;
        const double x = track.left() + 2 + t * (track.width() - 4 - knob);
        painter.setPen(QPen(QColor(0, 0, 0, 40), 0.5));
        painter.setBrush(Qt::white);
        painter.drawEllipse(QRectF(x, track.top() + 2, knob, knob));
    }

private:
    const CaptureToggleWidget& card_;
};

}  // namespace

CaptureToggleWidget::CaptureToggleWidget(AppModel& model, QWidget* parent)
    : QFrame(parent),
      model_(model),
      caption_(new ThemedTextLabel(Theme::Font::captionText, Token::textSecondary,
                                   ThemedTextLabel::Overflow::none, this)),
      dot_(new QWidget(this)),
      switch_(nullptr),
      progress_(this, std::chrono::milliseconds(200)) {
    setAccessibilityIdentifier(*this, QStringLiteral("CaptureToggle"));
    switch_ = new CaptureSwitch(*this, this);
    setAccessibilityIdentifier(*switch_, QStringLiteral("CaptureToggleControl"));
    // The dot is drawn by the card (with its glow, which reaches past the dot's own box).
    dot_->setFixedSize(kDotSize + 2 * kGlowRadius, kDotSize + 2 * kGlowRadius);
    dot_->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kPadding, kPadding, kPadding, kPadding);
    layout->setSpacing(10);
    auto* header = new QHBoxLayout();
    header->setContentsMargins(0, 0, 0, 0);
    header->addWidget(caption_);
    header->addStretch(1);
    header->addWidget(dot_);
    layout->addLayout(header);
    layout->addWidget(switch_, 0, Qt::AlignLeft);

    // Every change of the switch, however it is made (a click, the keyboard, an assistive
    // technology's toggle), writes the flag; then the switch shows what the model kept.
    connect(switch_, &QAbstractButton::toggled, this, [this](bool checked) {
        model_.setCaptureEnabled(checked);
        followModel();
    });
    connect(&model_, &AppModel::isCaptureEnabledChanged, this, &CaptureToggleWidget::followModel);
    connect(&progress_, &EasedProgress::progressChanged, switch_, [this] { switch_->update(); });

    // The first state is shown as it is, without easing into it.
    switch_->setChecked(model_.isCaptureEnabled());
    progress_.jumpTo(model_.isCaptureEnabled());
    retranslate();
}

QColor CaptureToggleWidget::dotColor() const {
    return Theme::mix(Theme::color(Token::textTertiary, *this),
                      Theme::color(Token::statusGreen, *this), progress_.progress());
}

double CaptureToggleWidget::glowOpacity() const {
    return 0.5 * progress_.progress();
}

void CaptureToggleWidget::followModel() {
    const bool enabled = model_.isCaptureEnabled();
    {
        const QSignalBlocker blocker(switch_);
        switch_->setChecked(enabled);
    }
    progress_.moveTo(enabled);
}

void CaptureToggleWidget::retranslate() {
    caption_->setText(L10n::string("Capture").toUpper());
    // The switch's label is not shown, only read out.
    switch_->setAccessibleName(L10n::string("Capture gestures"));
}

void CaptureToggleWidget::changeEvent(QEvent* event) {
    QFrame::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
}

void CaptureToggleWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // A centred 1 px stroke on the card's edge, clipped with the card: half of it shows.
    QPainterPath card;
    card.addRoundedRect(QRectF(rect()), kCornerRadius, kCornerRadius);
    painter.setClipPath(card);
    painter.fillPath(card, Theme::color(Token::bgElevated, *this));
    painter.setPen(QPen(Theme::color(Token::borderSubtle, *this), 1));
    painter.drawPath(card);
    painter.setClipping(false);

    const QPointF centre = QRectF(dot_->geometry()).center();
    const double glow = glowOpacity();
    if (glow > 0) {
        QColor green = Theme::color(Token::statusGreen, *this);
        QRadialGradient gradient(centre, kDotSize / 2.0 + kGlowRadius);
        green.setAlphaF(static_cast<float>(glow));
        gradient.setColorAt(0.5, green);
        green.setAlphaF(0);
        gradient.setColorAt(1, green);
        painter.setPen(Qt::NoPen);
        painter.setBrush(gradient);
        painter.drawEllipse(centre, kDotSize / 2.0 + kGlowRadius, kDotSize / 2.0 + kGlowRadius);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(dotColor());
    painter.drawEllipse(centre, kDotSize / 2.0, kDotSize / 2.0);
}

}  // namespace quillorbitex
