#pragma once

#include <QDialog>
#include <optional>

#include "Views/RuleEditor/GestureRuleEditorContext.h"
#include "Views/RuleEditor/GestureRuleEditorStep.h"
#include "Views/RuleEditor/RuleEditorPlatform.h"

class QScrollArea;

namespace quillorbitex {

class AccentButton;
class ActionStepView;
class AppModel;
class GestureRuleEditorState;
class GestureRuleEditorStepIndicator;
class GestureStepView;
class GhostButton;
class ReviewStepView;
class ThemedTextLabel;

// The rule editor: a sheet over the dashboard in which the user captures a gesture and binds an
// action to it, changes a rule's action, or gives a rule another gesture. A header with the
// mode's title and a Close button, the step indicator, the current step, and a footer with
// Cancel, Back and Next or Save.
//
// Its height follows the step shown, never beyond the screen's available height; the footer stays
// in view and a step too tall for the sheet scrolls.
//
// Window-modal and deleted when closed. It prepares the model's capture state when it first
// appears; every way out (Save, Cancel, Close, Escape, the window manager's close button, the
// window beneath closing) ends a recording, disarms the capture and drops the drafts. Return in a
// text field presses no button.
class CustomGestureWizard final : public QDialog {
    Q_OBJECT

public:
    static constexpr QSize minimumEditorSize{780, 680};

    CustomGestureWizard(GestureRuleEditorContext context, AppModel& model,
                        RuleEditorPlatform platform, QWidget* parent = nullptr);
    ~CustomGestureWizard() override;

    GestureRuleEditorState& state() const { return *state_; }
    GestureStepView* gestureStep() const { return gestureStep_; }
    ActionStepView* actionStep() const { return actionStep_; }
    ReviewStepView* reviewStep() const { return reviewStep_; }
    GhostButton* closeButton() const { return closeButton_; }
    GhostButton* cancelButton() const { return cancelButton_; }
    GhostButton* backButton() const { return backButton_; }
    AccentButton* nextButton() const { return nextButton_; }
    AccentButton* saveButton() const { return saveButton_; }

    void done(int result) override;
    // The smallest size that shows the current step whole, and at least minimumEditorSize.
    QSize sizeHint() const override;
    // The scroll area the current step is shown in.
    QScrollArea* stepScrollArea() const { return stepScroll_; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();
    void save();
    int neededHeight(int width) const;
    // The tallest the sheet may be: what its screen offers, less the window manager's frame.
    int availableHeight() const;
    // Sizes the sheet for the current step: to its needed height when the step changed, and
    // otherwise only taller when the step needs more room.
    void fitToContent(bool stepChanged);
    // Gives the focus to the first control of the step shown.
    void focusCurrentStep();

    GestureRuleEditorState* state_;
    ThemedTextLabel* title_;
    ThemedTextLabel* subtitle_;
    GhostButton* closeButton_;
    GestureRuleEditorStepIndicator* stepIndicator_;
    QWidget* steps_;
    QScrollArea* stepScroll_;
    std::optional<GestureRuleEditorStep> fittedStep_;
    bool stepChangedSinceFit_ = false;
    GestureStepView* gestureStep_;
    ActionStepView* actionStep_;
    ReviewStepView* reviewStep_;
    GhostButton* cancelButton_;
    GhostButton* backButton_;
    AccentButton* nextButton_;
    AccentButton* saveButton_;
};

}  // namespace quillorbitex
