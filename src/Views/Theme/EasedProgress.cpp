#include "Views/Theme/EasedProgress.h"

#include <QWidget>

#include "Views/Theme/Theme.h"

namespace quillorbitex {

EasedProgress::EasedProgress(QWidget* control, std::chrono::milliseconds duration)
    : QObject(control), control_(control) {
    animation_.setDuration(static_cast<int>(duration.count()));
    animation_.setEasingCurve(Theme::easeOut());
    connect(&animation_, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& value) { setProgress(value.toDouble()); });
}

void EasedProgress::moveTo(bool on) {
    const double target = on ? 1.0 : 0.0;
    animation_.stop();
    if (!Theme::animationsEnabled() || progress_ == target) {
        setProgress(target);
        return;
    }
    animation_.setStartValue(progress_);
    animation_.setEndValue(target);
    animation_.start();
}

void EasedProgress::jumpTo(bool on) {
    animation_.stop();
    setProgress(on ? 1.0 : 0.0);
}

void EasedProgress::setProgress(double progress) {
    progress_ = progress;
    control_->update();
    Q_EMIT progressChanged(progress);
}

}  // namespace quillorbitex
