#pragma once

#include <atomic>

#include "Platform/AccessibilityTrust.h"

namespace quillorbitex::testing {

// A settable trust flag that counts how often the prompt was asked for.
class FakeAccessibilityTrust final : public AccessibilityTrust {
public:
    explicit FakeAccessibilityTrust(bool trusted = false) : trusted_(trusted) {}

    void setTrusted(bool trusted) { trusted_ = trusted; }
    int promptCount() const { return promptCount_; }

    bool isTrusted() const override { return trusted_; }
    bool requestTrust() override;

private:
    std::atomic<bool> trusted_;
    std::atomic<int> promptCount_{0};
};

}  // namespace quillorbitex::testing
