#include "Views/Onboarding/OnboardingStepView.h"

#include <QEvent>
#include <QVBoxLayout>

#include "Views/Components/AccessibilityIdentifier.h"
#include "Views/Components/ThemedTextLabel.h"
#include "Views/Onboarding/SpringAnimation.h"
#include "Views/Onboarding/TransformEffect.h"

namespace quillorbitex {

namespace {

using Token = ThemePalette::Token;
using namespace std::chrono_literals;

constexpr int kSpacing = 24;
constexpr int kHeroSpacing = 10;

}  // namespace

OnboardingStepView::OnboardingStepView(AppModel& model, const char* identifier, QWidget* parent)
    : QWidget(parent),
      model_(model),
      layout_(new QVBoxLayout(this)),
      hero_(new QWidget(this)),
      title_(new ThemedTextLabel(Theme::Font::displayL, Token::textPrimary,
                                 ThemedTextLabel::Overflow::wrap, hero_)),
      subtitle_(new ThemedTextLabel(Theme::Font::heading2, Token::textSecondary,
                                    ThemedTextLabel::Overflow::wrap, hero_)) {
    setAccessibilityIdentifier(*this, QString::fromLatin1(identifier));
    auto* heroLayout = new QVBoxLayout(hero_);
    heroLayout->setContentsMargins(0, 0, 0, 0);
    heroLayout->setSpacing(kHeroSpacing);
    heroLayout->addWidget(title_);
    heroLayout->addWidget(subtitle_);

    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(kSpacing);
    layout_->addWidget(hero_);
    layout_->addStretch(1);
    addReveal(hero_, 24, 0.96, {0.6, 0.78}, 80ms);
}

OnboardingStepView::~OnboardingStepView() = default;

bool OnboardingStepView::isRevealed() const {
    return revealStarted_ && revealsRunning_ == 0;
}

QString OnboardingStepView::heroTitle() const {
    return title_->text();
}

QString OnboardingStepView::heroSubtitle() const {
    return subtitle_->text();
}

void OnboardingStepView::addPart(QWidget* part) {
    // Before the stretch that keeps the column at the top.
    layout_->insertWidget(layout_->count() - 1, part);
}

void OnboardingStepView::setHeroTexts(const QString& title, const QString& subtitle) {
    title_->setText(title);
    subtitle_->setText(subtitle);
}

void OnboardingStepView::addReveal(QWidget* part, double offset, double scale, SpringCurve curve,
                                   std::chrono::milliseconds delay) {
    auto* effect = new TransformEffect(TransformEffect::Anchor::topLeft, part);
    effect->setState(0, QPointF(0, offset), scale);
    part->setGraphicsEffect(effect);
    auto* animation = new SpringAnimation(this);
    reveals_.push_back({part, offset, scale, curve, delay, effect, animation});
    connect(animation, &SpringAnimation::valueChanged, this, [effect, offset, scale](double value) {
        effect->setState(value, QPointF(0, offset * (1 - value)), scale + (1 - scale) * value);
    });
    connect(animation, &SpringAnimation::finished, this, [this, part] {
        // In place: the part draws itself directly again.
        part->setGraphicsEffect(nullptr);
        --revealsRunning_;
    });
}

void OnboardingStepView::startReveals() {
    revealStarted_ = true;
    revealsRunning_ = static_cast<int>(reveals_.size());
    for (const Reveal& reveal : reveals_) {
        reveal.animation->start(reveal.curve, reveal.delay);
    }
}

void OnboardingStepView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!revealStarted_) {
        startReveals();
    }
    appeared();
}

void OnboardingStepView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
}

}  // namespace quillorbitex
