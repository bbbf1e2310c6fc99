#pragma once

#include <QWidget>

#include "Views/RuleEditor/GestureRuleEditorStep.h"

namespace quillorbitex {

// The three steps side by side, each its number ("01"), its name and a bar; the steps up to the
// current one show as reached (accent number and bar), and only the current one has the strong
// name colour.
class GestureRuleEditorStepIndicator final : public QWidget {
    Q_OBJECT

public:
    explicit GestureRuleEditorStepIndicator(QWidget* parent = nullptr);

    GestureRuleEditorStep currentStep() const { return current_; }
    void setCurrentStep(GestureRuleEditorStep step);
    void retranslate();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    GestureRuleEditorStep current_ = GestureRuleEditorStep::gesture;
};

}  // namespace quillorbitex
