#pragma once

#include <QWidget>

class QComboBox;

namespace quillorbitex {

class AccentButton;
class GestureRuleEditorState;
class GesturePathGlyph;
class GhostButton;
class KeyCapGroup;
class RuleEditorTextField;
class SegmentedPicker;
class ThemedTextLabel;

// The editor's second step: a picker of the four kinds of action, the editor of the chosen kind
// (a recorded shortcut, a ready-made command, an application, a URL) with what is wrong or found
// under its field, and the action a save would store.
class ActionStepView final : public QWidget {
    Q_OBJECT

public:
    explicit ActionStepView(GestureRuleEditorState& state, QWidget* parent = nullptr);

    // Shows the state as it is now. The list of applications is read again each time the
    // application editor comes into view.
    void refresh();

    SegmentedPicker* kindPicker() const { return kindPicker_; }
    AccentButton* recordButton() const { return recordButton_; }
    GhostButton* clearShortcutButton() const { return clearShortcutButton_; }
    ThemedTextLabel* shortcutValue() const { return shortcutValue_; }
    ThemedTextLabel* shortcutStatus() const { return shortcutStatus_; }
    QComboBox* predefinedPicker() const { return predefinedPicker_; }
    QComboBox* runningAppPicker() const { return runningAppPicker_; }
    RuleEditorTextField* appField() const { return appField_; }
    GhostButton* useFrontmostButton() const { return useFrontmostButton_; }
    ThemedTextLabel* appValidation() const { return appValidation_; }
    RuleEditorTextField* urlField() const { return urlField_; }
    ThemedTextLabel* urlValidation() const { return urlValidation_; }
    KeyCapGroup* actionPreview() const { return actionPreview_; }
    ThemedTextLabel* previewPlaceholder() const { return previewPlaceholder_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildShortcutEditor();
    QWidget* buildPredefinedEditor();
    QWidget* buildAppEditor();
    QWidget* buildURLEditor();
    void reloadApplications();

    GestureRuleEditorState& state_;
    ThemedTextLabel* heading_;
    ThemedTextLabel* summary_;
    SegmentedPicker* kindPicker_;

    QWidget* shortcutEditor_ = nullptr;
    QWidget* gestureRow_ = nullptr;
    GesturePathGlyph* gestureGlyph_ = nullptr;
    ThemedTextLabel* gestureName_ = nullptr;
    ThemedTextLabel* gestureTarget_ = nullptr;
    AccentButton* recordButton_ = nullptr;
    GhostButton* clearShortcutButton_ = nullptr;
    ThemedTextLabel* shortcutValue_ = nullptr;
    ThemedTextLabel* shortcutStatus_ = nullptr;

    QWidget* predefinedEditor_ = nullptr;
    ThemedTextLabel* predefinedIntro_ = nullptr;
    ThemedTextLabel* predefinedLabel_ = nullptr;
    QComboBox* predefinedPicker_ = nullptr;
    ThemedTextLabel* predefinedNotes_ = nullptr;

    QWidget* appEditor_ = nullptr;
    ThemedTextLabel* appIntro_ = nullptr;
    ThemedTextLabel* runningAppLabel_ = nullptr;
    QComboBox* runningAppPicker_ = nullptr;
    RuleEditorTextField* appField_ = nullptr;
    GhostButton* useFrontmostButton_ = nullptr;
    ThemedTextLabel* appHelp_ = nullptr;
    ThemedTextLabel* appValidation_ = nullptr;
    bool appEditorShown_ = false;

    QWidget* urlEditor_ = nullptr;
    ThemedTextLabel* urlIntro_ = nullptr;
    RuleEditorTextField* urlField_ = nullptr;
    ThemedTextLabel* urlHelp_ = nullptr;
    ThemedTextLabel* urlValidation_ = nullptr;

    ThemedTextLabel* previewCaption_;
    KeyCapGroup* actionPreview_;
    ThemedTextLabel* previewPlaceholder_;
};

}  // namespace quillorbitex
