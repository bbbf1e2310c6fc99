#pragma once

#include "Views/Onboarding/OnboardingStepView.h"

namespace quillorbitex {

class AccentButton;
class GhostButton;
class PermissionBlock;

// The second step: whether the X display lets the program take the right button and send input,
// and whether the gesture monitor runs, each with its status as the model publishes it, so a
// change while the step is shown appears at once. The display's block can look again and open the
// desktop's settings; every time the step comes on screen it reads the access state afresh.
class OnboardingPermissionStep final : public OnboardingStepView {
    Q_OBJECT

public:
    static constexpr const char* identifier = "OnboardingPermissionStep";

    explicit OnboardingPermissionStep(AppModel& model, QWidget* parent = nullptr);

    PermissionBlock* accessBlock() const { return access_; }
    PermissionBlock* monitorBlock() const { return monitor_; }
    AccentButton* checkAgainButton() const { return checkAgain_; }
    GhostButton* settingsButton() const { return settings_; }

protected:
    void retranslate() override;
    void appeared() override;

private:
    void refresh();

    PermissionBlock* access_;
    PermissionBlock* monitor_;
    AccentButton* checkAgain_;
    GhostButton* settings_;
};

}  // namespace quillorbitex
