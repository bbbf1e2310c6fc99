#pragma once

#include <QObject>
#include <QVariantAnimation>
#include <chrono>

class QWidget;

namespace quillorbitex {

// How far a control is into its pressed look, 0 (released) to 1 (pressed), moving towards the
// button's state with the theme's ease-out, and repainting the control on every step. With the
// theme's animations off it jumps.
class PressAnimation final : public QObject {
    Q_OBJECT

public:
    PressAnimation(QWidget* control, std::chrono::milliseconds duration);

    double progress() const { return progress_; }
    void setPressed(bool pressed);

Q_SIGNALS:
    void progressChanged(double progress);

private:
    void setProgress(double progress);

    QWidget* control_;
    QVariantAnimation animation_;
    double progress_ = 0;
};

}  // namespace quillorbitex
