#pragma once

#include <string>
#include <vector>

#include "Platform/Updater.h"

namespace quillorbitex::testing {

// An updater that only records what it was asked, in order: "start", "automatic=on",
// "automatic=off", "check".
class RecordingUpdater final : public Updater {
public:
    void start() override { calls_.emplace_back("start"); }
    bool automaticallyChecksForUpdates() const override { return automatic_; }
    void setAutomaticallyChecksForUpdates(bool enabled) override {
        automatic_ = enabled;
        calls_.emplace_back(enabled ? "automatic=on" : "automatic=off");
    }
    void checkForUpdates() override { calls_.emplace_back("check"); }

    const std::vector<std::string>& calls() const { return calls_; }

private:
    bool automatic_ = false;
    std::vector<std::string> calls_;
};

}  // namespace quillorbitex::testing
