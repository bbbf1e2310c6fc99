#include "Views/Onboarding/OnboardingFooter.h"

#include <QEvent>
#include <QHBoxLayout>

#include "Localization/L10n.h"
#include "Views/Components/AccessibilityIdentifier.h"
#include "Views/Components/ThemedTextLabel.h"
#include "Views/Onboarding/OnboardingViewModel.h"
#include "Views/Theme/AccentButton.h"
#include "Views/Theme/GhostButton.h"

namespace quillorbitex {

namespace {

void identify(QWidget* widget, const char* identifier) {
    setAccessibilityIdentifier(*widget, QString::fromLatin1(identifier));
}

}  // namespace

OnboardingFooter::OnboardingFooter(OnboardingViewModel& viewModel, std::function<void()> onComplete,
                                   QWidget* parent)
    : QWidget(parent),
      viewModel_(viewModel),
      back_(new GhostButton({}, this)),
      backPlaceholder_(new QWidget(this)),
      counter_(new ThemedTextLabel(Theme::Font::captionMono, ThemePalette::Token::textSecondary,
                                   ThemedTextLabel::Overflow::elideRight, this)),
      next_(new AccentButton({}, false, this)),
      complete_(new AccentButton({}, false, this)) {
    identify(back_, backIdentifier);
    identify(next_, nextIdentifier);
    identify(complete_, completeIdentifier);
    backPlaceholder_->setFixedWidth(backPlaceholderWidth);
    backPlaceholder_->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(back_);
    layout->addWidget(backPlaceholder_);
    layout->addStretch(1);
    layout->addWidget(counter_);
    layout->addStretch(1);
    layout->addWidget(next_);
    layout->addWidget(complete_);

    connect(back_, &QAbstractButton::clicked, this, [this] { viewModel_.previousStep(); });
    connect(next_, &QAbstractButton::clicked, this, [this] { viewModel_.nextStep(); });
    connect(complete_, &QAbstractButton::clicked, this, [onComplete = std::move(onComplete)] {
        if (onComplete) {
            onComplete();
        }
    });
    connect(&viewModel_, &OnboardingViewModel::currentStepChanged, this,
            &OnboardingFooter::refresh);
    refresh();
}

QAbstractButton* OnboardingFooter::primaryButton() const {
    return isLast(viewModel_.currentStep()) ? static_cast<QAbstractButton*>(complete_) : next_;
}

QString OnboardingFooter::counterText() const {
    return counter_->text();
}

void OnboardingFooter::refresh() {
    const OnboardingStep step = viewModel_.currentStep();
    // A button that had keyboard focus and goes away hands it to the button that is there now, so
    // the keyboard can walk the whole flow with Space.
    QWidget* focused = nullptr;
    for (QWidget* button : {static_cast<QWidget*>(back_), static_cast<QWidget*>(next_),
                            static_cast<QWidget*>(complete_)}) {
        focused = button->hasFocus() ? button : focused;
    }
    back_->setText(L10n::string("Back"));
    next_->setText(L10n::string("Continue →"));
    complete_->setText(L10n::string("Open Dashboard"));
    counter_->setText(L10n::format("Step %lld of %lld", stepNumber(step) + 1,
                                   static_cast<int>(kOnboardingSteps.size())));
    back_->setVisible(!isFirst(step));
    backPlaceholder_->setVisible(isFirst(step));
    next_->setVisible(!isLast(step));
    complete_->setVisible(isLast(step));
    if (focused != nullptr && focused->isHidden()) {
        primaryButton()->setFocus(Qt::OtherFocusReason);
    }
}

void OnboardingFooter::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        refresh();
    }
}

}  // namespace quillorbitex
