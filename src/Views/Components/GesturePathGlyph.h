#pragma once

#include <QWidget>
#include <optional>

#include "Application/ThemePalette.h"
#include "Models/GestureDescriptor.h"

class QSequentialAnimationGroup;
class QVariantAnimation;

namespace quillorbitex {

// A square picture of a gesture: its path in the given colour with a dot where it starts and,
// once fully drawn, a green dot where it ends; a plus sign when there is no gesture yet. An
// animated glyph draws its path on each time it comes on screen (0.1 s after it appears, over
// 0.55 s, easing in and out); with the theme's animations off it shows the whole path at once.
class GesturePathGlyph final : public QWidget {
    Q_OBJECT

public:
    GesturePathGlyph(std::optional<GestureDescriptor> pattern, int size, ThemePalette::Token color,
                     bool animated, QWidget* parent = nullptr);
    ~GesturePathGlyph() override;

    const std::optional<GestureDescriptor>& pattern() const { return pattern_; }
    // A new gesture keeps the drawing's progress; only coming on screen starts it over.
    void setPattern(std::optional<GestureDescriptor> pattern);
    void setColorToken(ThemePalette::Token color);

    // The fraction of the path drawn, 0 to 1.
    double drawProgress() const { return drawProgress_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void setDrawProgress(double progress);

    std::optional<GestureDescriptor> pattern_;
    int size_;
    ThemePalette::Token color_;
    bool animated_;
    double drawProgress_ = 1;
    QSequentialAnimationGroup* drawOn_ = nullptr;
};

}  // namespace quillorbitex
