#pragma once

#include <QObject>
#include <chrono>

#include "Views/Onboarding/SpringCurve.h"

class QTimer;
class QVariantAnimation;

namespace quillorbitex {

// Runs a spring from 0 to 1 after a delay and reports each step. With the theme's animations off
// it reports 1 at once, inside start(), so tests see the end state without waiting.
class SpringAnimation final : public QObject {
    Q_OBJECT

public:
    explicit SpringAnimation(QObject* parent = nullptr);

    // Starts over; an animation already running is dropped without reporting its end.
    void start(SpringCurve curve, std::chrono::milliseconds delay = std::chrono::milliseconds(0));
    // Jumps to the end, reporting 1 and finished() if it was running.
    void finish();
    bool isRunning() const { return running_; }

Q_SIGNALS:
    void valueChanged(double value);
    void finished();

private:
    QTimer* delay_;
    QVariantAnimation* animation_;
    SpringCurve curve_{0.5, 1};
    bool running_ = false;
};

}  // namespace quillorbitex
