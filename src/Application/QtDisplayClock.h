#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "Platform/DisplayClock.h"

namespace quillorbitex {

// Ticks at the refresh rate of the fastest screen, on the main thread, from a precise timer that
// exists only while the clock runs.
class QtDisplayClock final : public QObject, public DisplayClock {
    Q_OBJECT
public:
    QtDisplayClock();

    void setTickHandler(std::function<void()> handler) override;
    void start() override;
    void stop() override;
    bool isRunning() const override { return timer_.isActive(); }

    // Milliseconds between ticks for the screens attached now; 60 Hz without any.
    static int tickInterval();

private:
    QTimer timer_;
    std::function<void()> handler_;
};

}  // namespace quillorbitex
