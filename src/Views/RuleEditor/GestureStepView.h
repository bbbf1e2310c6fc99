#pragma once

#include <QWidget>

namespace quillorbitex {

class AccentButton;
class DebugTraceCanvas;
class GestureRuleEditorState;
class GesturePathGlyph;
class GhostButton;
class ThemedTextLabel;

// The editor's first step. Left: what to do, the capture and Clear buttons, what has been captured
// (or, while no stroke can arrive, why) and what the capture does. Right: the captured stroke as a
// trace, and the gesture a save would bind as a glyph with its name and what it does today.
class GestureStepView final : public QWidget {
    Q_OBJECT

public:
    explicit GestureStepView(GestureRuleEditorState& state, QWidget* parent = nullptr);

    // Shows the state as it is now.
    void refresh();

    AccentButton* captureButton() const { return captureButton_; }
    GhostButton* clearButton() const { return clearButton_; }
    ThemedTextLabel* statusLabel() const { return status_; }
    DebugTraceCanvas* trace() const { return trace_; }

private:
    GestureRuleEditorState& state_;
    ThemedTextLabel* heading_;
    ThemedTextLabel* summary_;
    AccentButton* captureButton_;
    GhostButton* clearButton_;
    ThemedTextLabel* status_;
    ThemedTextLabel* disposition_;
    ThemedTextLabel* previewHeading_;
    DebugTraceCanvas* trace_;
    QWidget* gestureCard_;
    GesturePathGlyph* glyph_;
    ThemedTextLabel* gestureName_;
    ThemedTextLabel* gestureDisposition_;
    ThemedTextLabel* placeholder_;
};

}  // namespace quillorbitex
