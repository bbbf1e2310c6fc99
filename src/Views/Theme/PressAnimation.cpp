#include "Views/Theme/PressAnimation.h"

#include <QWidget>

#include "Views/Theme/Theme.h"

namespace quillorbitex {

PressAnimation::PressAnimation(QWidget* control, std::chrono::milliseconds duration)
    : QObject(control), control_(control) {
    animation_.setDuration(static_cast<int>(duration.count()));
    animation_.setEasingCurve(Theme::easeOut());
    connect(&animation_, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& value) { setProgress(value.toDouble()); });
}

void PressAnimation::setPressed(bool pressed) {
    const double target = pressed ? 1.0 : 0.0;
    animation_.stop();
    if (!Theme::animationsEnabled() || progress_ == target) {
        setProgress(target);
        return;
    }
    // Starting from where it is keeps a quick press and release smooth.
    animation_.setStartValue(progress_);
    animation_.setEndValue(target);
    animation_.start();
}

void PressAnimation::setProgress(double progress) {
    progress_ = progress;
    control_->update();
    Q_EMIT progressChanged(progress);
}

}  // namespace quillorbitex
