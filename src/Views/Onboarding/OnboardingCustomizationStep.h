#pragma once

#include "Views/Onboarding/OnboardingStepView.h"

namespace quillorbitex {

class InfoRow;
class KeyCapGroup;
class ThemedTextLabel;

// The last step: a sample custom rule (right then down opening a new tab, its path drawing itself
// on) with how many custom rules are saved, and two notes on how custom rules behave.
class OnboardingCustomizationStep final : public OnboardingStepView {
    Q_OBJECT

public:
    static constexpr const char* identifier = "OnboardingCustomizationStep";

    explicit OnboardingCustomizationStep(AppModel& model, QWidget* parent = nullptr);

    QString exampleText() const;
    QString countText() const;
    QStringList notes() const;

protected:
    void retranslate() override;

private:
    void refreshCount();

    ThemedTextLabel* example_;
    KeyCapGroup* keys_;
    ThemedTextLabel* count_;
    InfoRow* overrideNote_;
    InfoRow* immediateNote_;
};

}  // namespace quillorbitex
