#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "Views/Onboarding/OnboardingStep.h"

namespace quillorbitex {

class AppModel;
class ContentView;
class OnboardingFooter;
class OnboardingProgressBar;
class OnboardingStepView;
class OnboardingViewModel;
class SpringAnimation;
class TransformEffect;

// The first-run walk-through: a card of three steps (welcome, access, customization) with a
// progress bar and a footer, floating over a dark gradient that covers the whole dashboard. It
// lays itself over its parent's whole area; its owner shows it while the model asks for the
// onboarding. Keyboard focus stays inside it: Tab cycles through its own controls only.
//
// Changing step brings in a new step view from the side it is heading to (the next from the
// trailing side, the previous from the leading one) while the old one leaves towards the other;
// with the theme's animations off the change is immediate. Every presentation starts again at the
// first step. The flow itself never changes the model: "Open Dashboard" calls `onComplete`.
class OnboardingView final : public QWidget {
    Q_OBJECT

public:
    static constexpr const char* identifier = "OnboardingView";
    static constexpr int cardWidth = 680;
    static constexpr int cardHeight = 520;

    OnboardingView(AppModel& model, std::function<void()> onComplete, QWidget* parent = nullptr);
    ~OnboardingView() override;

    // Lays a new onboarding over the dashboard's content: shown while the model asks for it,
    // "Open Dashboard" completing it in the model.
    static OnboardingView* install(ContentView& content, AppModel& model);

    OnboardingViewModel& viewModel() const { return *viewModel_; }
    // The step shown (during a change of step, the one coming in).
    OnboardingStepView* currentStepView() const { return current_; }
    OnboardingFooter* footer() const { return footer_; }
    OnboardingProgressBar* progressBar() const { return progressBar_; }
    QWidget* card() const;

    // Back to the first step at once, as when the onboarding is shown again.
    void restart();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    class Card;
    class Glow;
    class StepArea;

    void showStep(OnboardingStep step, bool animated);
    void finishTransition();
    void keepFocusInside();
    void placeCard();
    const QImage& cardShadow();

    AppModel& model_;
    OnboardingViewModel* viewModel_;
    Card* card_;
    OnboardingProgressBar* progressBar_;
    StepArea* stepArea_;
    OnboardingFooter* footer_;
    Glow* glow_;
    OnboardingStepView* current_ = nullptr;
    OnboardingStepView* outgoing_ = nullptr;
    SpringAnimation* transition_;
    bool restarting_ = false;
    QImage shadow_;
};

}  // namespace quillorbitex
