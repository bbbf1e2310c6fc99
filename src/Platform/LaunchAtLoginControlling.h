#pragma once

#include <QString>
#include <optional>

namespace quillorbitex {

// Whether the program starts with the user's desktop session.
class LaunchAtLoginControlling {
public:
    virtual ~LaunchAtLoginControlling() = default;

    // Read afresh on every call.
    virtual bool isEnabled() const = 0;
    // Nothing when the change was made, else why it could not be; the reason is for diagnostics,
    // the user is shown a fixed text.
    virtual std::optional<QString> setEnabled(bool enabled) = 0;
};

}  // namespace quillorbitex
