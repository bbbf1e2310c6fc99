#pragma once

#include <QDialog>

#include "Views/RuleEditor/GestureRuleEditorContext.h"
#include "Views/RuleEditor/RuleEditorPlatform.h"

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

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void refresh();
    void save();
    int neededHeight(int width) const;
    void fitToContent();

    GestureRuleEditorState* state_;
    ThemedTextLabel* title_;
    ThemedTextLabel* subtitle_;
    GhostButton* closeButton_;
    GestureRuleEditorStepIndicator* stepIndicator_;
    QWidget* steps_;
    GestureStepView* gestureStep_;
    ActionStepView* actionStep_;
    ReviewStepView* reviewStep_;
    GhostButton* cancelButton_;
    GhostButton* backButton_;
    AccentButton* nextButton_;
    AccentButton* saveButton_;
};

}  // namespace quillorbitex
