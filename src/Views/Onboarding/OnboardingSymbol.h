#pragma once

#include <QWidget>

#include "Application/ThemePalette.h"

class QPainter;

namespace quillorbitex {

// A small line drawing of the onboarding's: the X display, a crossed-out eye (the gesture
// monitor) and a ticked circle, in one colour token resolved when drawn.
class OnboardingSymbol final : public QWidget {
public:
    enum class Shape { display, eyeSlash, checkmarkCircle };

    OnboardingSymbol(Shape shape, int size, ThemePalette::Token color, QWidget* parent = nullptr);

    Shape shape() const { return shape_; }
    void setColorToken(ThemePalette::Token color);

    // Draws `shape` into the square `area`.
    static void paint(QPainter& painter, Shape shape, const QRectF& area, const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Shape shape_;
    ThemePalette::Token color_;
};

}  // namespace quillorbitex
