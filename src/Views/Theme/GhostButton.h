#pragma once

#include <QPushButton>
#include <optional>

#include "Application/ThemePalette.h"
#include "Views/Theme/EasedProgress.h"

namespace quillorbitex {

// The outlined button of the theme: a medium-weight label in the secondary text colour inside a
// thin rounded outline. Pressing fills it with the hover background and brightens the label to the
// primary text colour, easing out over 0.1 s. Disabled, it is drawn faded and without the pointing
// hand.
class GhostButton final : public QPushButton {
    Q_OBJECT

public:
    explicit GhostButton(const QString& text = {}, QWidget* parent = nullptr);

    // Draws the label in this colour, pressed or not, instead of the theme's (a destructive
    // button's red); none goes back to the theme's.
    void setTextColorToken(std::optional<ThemePalette::Token> token);

    // The colours drawn now; they move between the released and the pressed look.
    QColor currentTextColor() const;
    QColor currentFillColor() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    EasedProgress press_;
    std::optional<ThemePalette::Token> textColorToken_;
};

}  // namespace quillorbitex
