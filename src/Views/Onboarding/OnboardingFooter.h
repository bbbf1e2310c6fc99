#pragma once

#include <QWidget>
#include <functional>

class QAbstractButton;

namespace quillorbitex {

class AccentButton;
class GhostButton;
class OnboardingViewModel;
class ThemedTextLabel;

// The onboarding card's bottom row: "Back" (an empty space of the same place on the first step),
// the step counter, and "Continue →", or "Open Dashboard" on the last step. No button is ever
// disabled: the user may go on without granting anything.
class OnboardingFooter final : public QWidget {
    Q_OBJECT

public:
    static constexpr const char* backIdentifier = "OnboardingBackButton";
    static constexpr const char* nextIdentifier = "OnboardingNextButton";
    static constexpr const char* completeIdentifier = "OnboardingCompleteButton";
    static constexpr int backPlaceholderWidth = 80;

    // `onComplete` runs once per press of "Open Dashboard".
    OnboardingFooter(OnboardingViewModel& viewModel, std::function<void()> onComplete,
                     QWidget* parent = nullptr);

    // "Continue →" or "Open Dashboard", whichever is shown.
    QAbstractButton* primaryButton() const;
    QString counterText() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void refresh();

    OnboardingViewModel& viewModel_;
    GhostButton* back_;
    QWidget* backPlaceholder_;
    ThemedTextLabel* counter_;
    AccentButton* next_;
    AccentButton* complete_;
};

}  // namespace quillorbitex
