#pragma once

#include <QObject>
#include <QVariantAnimation>
#include <chrono>

class QWidget;

namespace quillorbitex {

// How far a control is between its two looks, 0 (off, released) to 1 (on, pressed), easing
// towards the state it is given with the theme's ease-out from wherever it is, so that a quick
// second change turns it back smoothly, and repainting the control on every step. With the
// theme's animations off it jumps. Buttons, switches and the capture card all move this way.
class EasedProgress final : public QObject {
    Q_OBJECT

public:
    EasedProgress(QWidget* control, std::chrono::milliseconds duration);

    double progress() const { return progress_; }
    // Eases to 1 (`on`) or 0.
    void moveTo(bool on);
    // Goes to 1 (`on`) or 0 at once, as a control's first state is shown.
    void jumpTo(bool on);

Q_SIGNALS:
    void progressChanged(double progress);

private:
    void setProgress(double progress);

    QWidget* control_;
    QVariantAnimation animation_;
    double progress_ = 0;
};

}  // namespace quillorbitex
