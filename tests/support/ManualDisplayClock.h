#pragma once

#include <functional>

#include "Platform/DisplayClock.h"

namespace quillorbitex::testing {

// Ticks only when the test calls tick(), and only while started.
class ManualDisplayClock final : public DisplayClock {
public:
    void setTickHandler(std::function<void()> handler) override {
        handler_ = std::move(handler);
        ++handlerInstallCount;
    }
    void start() override {
        if (!running_) {
            running_ = true;
            ++startCount;
        }
    }
    void stop() override { running_ = false; }
    bool isRunning() const override { return running_; }

    // Returns whether a tick was delivered.
    bool tick() {
        if (!running_ || !handler_) {
            return false;
        }
        handler_();
        return true;
    }

    int startCount = 0;
    int handlerInstallCount = 0;

private:
    std::function<void()> handler_;
    bool running_ = false;
};

}  // namespace quillorbitex::testing
