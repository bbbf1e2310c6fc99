#pragma once

#include <QWidget>

namespace quillorbitex {

class AccentButton;
class ThemedTextLabel;

// The head of the custom rules: "Rule Editor" with a line on what the editor does, and the
// "Create Rule" button. No background of its own.
class CustomGestureLaunchCard final : public QWidget {
    Q_OBJECT

public:
    explicit CustomGestureLaunchCard(QWidget* parent = nullptr);

    void retranslate();

Q_SIGNALS:
    // "Create Rule" was pressed.
    void createRuleRequested();

private:
    ThemedTextLabel* title_;
    ThemedTextLabel* description_;
    AccentButton* createButton_;
};

}  // namespace quillorbitex
