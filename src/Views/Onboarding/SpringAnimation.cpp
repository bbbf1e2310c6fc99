#include "Views/Onboarding/SpringAnimation.h"

#include <QTimer>
#include <QVariantAnimation>

#include "Views/Theme/Theme.h"

namespace quillorbitex {

SpringAnimation::SpringAnimation(QObject* parent)
    : QObject(parent), delay_(new QTimer(this)), animation_(new QVariantAnimation(this)) {
    delay_->setSingleShot(true);
    animation_->setStartValue(0.0);
    animation_->setEndValue(1.0);
    connect(delay_, &QTimer::timeout, this, [this] { animation_->start(); });
    connect(animation_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        if (!running_) {
            return;
        }
        const double seconds = value.toDouble() * animation_->duration() / 1000.0;
        Q_EMIT valueChanged(curve_.value(seconds));
    });
    connect(animation_, &QVariantAnimation::finished, this, [this] { finish(); });
}

void SpringAnimation::start(SpringCurve curve, std::chrono::milliseconds delay) {
    delay_->stop();
    running_ = false;
    animation_->stop();
    curve_ = curve;
    running_ = true;
    if (!Theme::animationsEnabled()) {
        finish();
        return;
    }
    animation_->setDuration(static_cast<int>(curve.settlingTime().count()));
    Q_EMIT valueChanged(0);
    if (delay.count() > 0) {
        delay_->start(delay);
    } else {
        animation_->start();
    }
}

void SpringAnimation::finish() {
    if (!running_) {
        return;
    }
    running_ = false;
    delay_->stop();
    animation_->stop();
    Q_EMIT valueChanged(1);
    Q_EMIT finished();
}

}  // namespace quillorbitex
