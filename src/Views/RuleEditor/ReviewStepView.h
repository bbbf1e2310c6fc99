#pragma once

#include <QWidget>

namespace quillorbitex {

class GestureRuleEditorState;
class GesturePathGlyph;
class KeyCapGroup;
class RuleEditorTextField;
class ThemedTextLabel;

// The editor's last step: the rule in one line, its gesture with the name it will be shown under
// and what the gesture does today, the action it sends, the optional rule name, and what saving
// will do.
class ReviewStepView final : public QWidget {
    Q_OBJECT

public:
    explicit ReviewStepView(GestureRuleEditorState& state, QWidget* parent = nullptr);

    void refresh();

    ThemedTextLabel* previewLine() const { return preview_; }
    RuleEditorTextField* nameField() const { return nameField_; }
    ThemedTextLabel* helperText() const { return helper_; }
    KeyCapGroup* actionPreview() const { return actionPreview_; }

private:
    GestureRuleEditorState& state_;
    ThemedTextLabel* heading_;
    ThemedTextLabel* preview_;
    QWidget* gestureCard_;
    GesturePathGlyph* glyph_;
    ThemedTextLabel* ruleLabel_;
    ThemedTextLabel* disposition_;
    KeyCapGroup* actionPreview_;
    ThemedTextLabel* nameCaption_;
    RuleEditorTextField* nameField_;
    ThemedTextLabel* helper_;
};

}  // namespace quillorbitex
