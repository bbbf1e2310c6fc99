#pragma once

#include <QPushButton>

#include "Views/Theme/EasedProgress.h"

class QGraphicsDropShadowEffect;

namespace quillorbitex {

// The filled button of the theme: white semibold label on an accent-coloured rounded rectangle
// (red when destructive) that casts a shadow of its own colour. Pressing shrinks it to 97 % and
// takes the shadow away, easing out over 0.12 s. Disabled, it is drawn faded, without a shadow
// and without the pointing hand.
class AccentButton final : public QPushButton {
    Q_OBJECT

public:
    explicit AccentButton(const QString& text = {}, bool isDestructive = false,
                          QWidget* parent = nullptr);

    bool isDestructive() const { return isDestructive_; }
    void setDestructive(bool destructive);

    // The state drawn now: 1 released, 0.97 pressed, and in between while it eases.
    double currentScale() const;
    // The shadow's opacity drawn now: 0.35 released, 0 pressed.
    double currentShadowOpacity() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QColor fillColor() const;
    void updateShadow();

    bool isDestructive_;
    EasedProgress press_;
    QGraphicsDropShadowEffect* shadow_;
};

}  // namespace quillorbitex
