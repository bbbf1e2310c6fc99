#pragma once

#include <QPainterPath>
#include <QWidget>

#include "Application/ThemePalette.h"
#include "Views/Onboarding/OnboardingStep.h"

class QVariantAnimation;

namespace quillorbitex {

// One segment per step along the top of the onboarding card: done steps muted, the current one in
// the accent colour and a little taller, later ones faint. A change of step eases over 0.3 s.
class OnboardingProgressBar final : public QWidget {
    Q_OBJECT

public:
    static constexpr const char* identifier = "OnboardingStepIndicator";
    static constexpr double currentSegmentScale = 1.18;

    explicit OnboardingProgressBar(QWidget* parent = nullptr);

    OnboardingStep currentStep() const { return current_; }
    void setCurrentStep(OnboardingStep step);

    // The colour a segment settles on for the current step.
    static ThemePalette::Token segmentColor(OnboardingStep segment, OnboardingStep current);
    // The segment's height relative to the bar as drawn now.
    double segmentScale(OnboardingStep segment) const;

    // Clips the drawing to this shape as well (the card's rounded corners), in the bar's
    // coordinates.
    void setOuterClip(const QPainterPath& clip);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    OnboardingStep previous_ = OnboardingStep::welcome;
    OnboardingStep current_ = OnboardingStep::welcome;
    double progress_ = 1;
    QVariantAnimation* animation_;
    QPainterPath outerClip_;
};

}  // namespace quillorbitex
