#include "Views/Onboarding/OnboardingProgressBar.h"

#include <QPainter>
#include <QPainterPath>
#include <QVariantAnimation>

#include "Views/Components/AccessibilityIdentifier.h"
#include "Views/Theme/Theme.h"

namespace quillorbitex {

namespace {

using Token = ThemePalette::Token;

constexpr int kTopPadding = 2;
constexpr int kBarHeight = 6;
constexpr int kSpacing = 2;
constexpr double kCornerRadius = 5;
constexpr int kAnimationMilliseconds = 300;

}  // namespace

OnboardingProgressBar::OnboardingProgressBar(QWidget* parent)
    : QWidget(parent), animation_(new QVariantAnimation(this)) {
    setAccessibilityIdentifier(*this, QString::fromLatin1(identifier));
    setFixedHeight(kTopPadding + kBarHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    animation_->setStartValue(0.0);
    animation_->setEndValue(1.0);
    animation_->setDuration(kAnimationMilliseconds);
    animation_->setEasingCurve(Theme::easeOut());
    connect(animation_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        progress_ = value.toDouble();
        update();
    });
}

void OnboardingProgressBar::setCurrentStep(OnboardingStep step) {
    if (step == current_) {
        return;
    }
    previous_ = current_;
    current_ = step;
    animation_->stop();
    progress_ = 0;
    if (Theme::animationsEnabled()) {
        animation_->start();
    } else {
        progress_ = 1;
    }
    update();
}

Token OnboardingProgressBar::segmentColor(OnboardingStep segment, OnboardingStep current) {
    // Steps done are as strong as the current one (which stands out by its height), so that they
    // differ plainly from the steps to come in both appearances.
    return stepNumber(segment) <= stepNumber(current) ? Token::accentPrimary : Token::bgHover;
}

double OnboardingProgressBar::segmentScale(OnboardingStep segment) const {
    const auto scaleFor = [segment](OnboardingStep current) {
        return segment == current ? currentSegmentScale : 1.0;
    };
    return scaleFor(previous_) + (scaleFor(current_) - scaleFor(previous_)) * progress_;
}

void OnboardingProgressBar::setOuterClip(const QPainterPath& clip) {
    outerClip_ = clip;
    update();
}

QSize OnboardingProgressBar::sizeHint() const {
    return {120, kTopPadding + kBarHeight};
}

void OnboardingProgressBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath clip;
    clip.addRoundedRect(QRectF(rect()), kCornerRadius, kCornerRadius);
    if (!outerClip_.isEmpty()) {
        clip = clip.intersected(outerClip_);
    }
    painter.setClipPath(clip);

    const int count = static_cast<int>(kOnboardingSteps.size());
    const double width = (this->width() - kSpacing * (count - 1)) / static_cast<double>(count);
    for (int i = 0; i < count; ++i) {
        const OnboardingStep segment = kOnboardingSteps[static_cast<std::size_t>(i)];
        const QColor color =
            Theme::mix(Theme::color(segmentColor(segment, previous_), *this),
                       Theme::color(segmentColor(segment, current_), *this), progress_);
        const double height = kBarHeight * segmentScale(segment);
        const QRectF area(i * (width + kSpacing), kTopPadding + (kBarHeight - height) / 2, width,
                          height);
        QPainterPath shape;
        shape.addRoundedRect(area, kCornerRadius, kCornerRadius);
        painter.fillPath(shape, color);
    }
}

}  // namespace quillorbitex
