#pragma once

#include <QWidget>

class QLineEdit;

namespace quillorbitex {

// The editor's single-line text field: a borderless line edit padded 14 by 10 on the hover
// background, in a rounded rectangle (radius 10) with a 1 px subtle outline. Colours follow the
// appearance of the moment. Typed text is plain text.
class RuleEditorTextField final : public QWidget {
    Q_OBJECT

public:
    explicit RuleEditorTextField(QWidget* parent = nullptr);

    QLineEdit* lineEdit() const { return lineEdit_; }
    // Sets the text only when it differs, so the caret stays where the user left it.
    void setText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void applyColors();

    QLineEdit* lineEdit_;
};

}  // namespace quillorbitex
