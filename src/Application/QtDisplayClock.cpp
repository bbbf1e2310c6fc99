#include "Application/QtDisplayClock.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace quillorbitex {

namespace {

constexpr double kFallbackRefreshRate = 60;

}  // namespace

QtDisplayClock::QtDisplayClock() {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (handler_) {
            handler_();
        }
    });
}

void QtDisplayClock::setTickHandler(std::function<void()> handler) {
    handler_ = std::move(handler);
}

int QtDisplayClock::tickInterval() {
    double fastest = 0;
    if (qGuiApp != nullptr) {
        for (const QScreen* screen : QGuiApplication::screens()) {
            const double rate = screen->refreshRate();
            if (std::isfinite(rate) && rate > fastest) {
                fastest = rate;
            }
        }
    }
    if (fastest < 1) {
        fastest = kFallbackRefreshRate;
    }
    return std::max(1, static_cast<int>(std::lround(1000.0 / fastest)));
}

void QtDisplayClock::start() {
    if (timer_.isActive()) {
        return;
    }
    timer_.start(tickInterval());
}

void QtDisplayClock::stop() {
    timer_.stop();
}

}  // namespace quillorbitex
