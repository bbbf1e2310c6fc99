#pragma once

namespace quillorbitex {

// Whether this program may watch global input and post synthetic input.
class AccessibilityTrust {
public:
    virtual ~AccessibilityTrust() = default;
    // Read afresh on every call.
    virtual bool isTrusted() const = 0;
    // Asks the desktop to trust this program, showing its prompt where it has one; returns the
    // trust afterwards.
    virtual bool requestTrust() = 0;
};

}  // namespace quillorbitex
