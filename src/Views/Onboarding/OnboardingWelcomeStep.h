#pragma once

#include <vector>

#include "Views/Onboarding/OnboardingStepView.h"

namespace quillorbitex {

class GesturePathGlyph;
class KeyCapGroup;
class ThemedTextLabel;

// The first step: what the program does, and the preset gestures with what each one sends. Every
// preset is listed with its own action, also one the user removed, switched off or overrode.
class OnboardingWelcomeStep final : public OnboardingStepView {
    Q_OBJECT

public:
    static constexpr const char* identifier = "OnboardingWelcomeStep";

    explicit OnboardingWelcomeStep(AppModel& model, QWidget* parent = nullptr);

    // The rows' gesture labels, top to bottom.
    QStringList rowLabels() const;

protected:
    void retranslate() override;

private:
    struct Row {
        ThemedTextLabel* label;
        KeyCapGroup* keys;
    };

    std::vector<Row> rows_;
};

}  // namespace quillorbitex
