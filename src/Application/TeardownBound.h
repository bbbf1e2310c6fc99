#pragma once

#include <chrono>
#include <optional>

namespace quillorbitex {

// Bounds what is torn down after the program's own objects have gone: the application object's
// destruction and the library state after it (Qt's accessibility bridge and its D-Bus connections,
// the X connections). By then everything the program keeps has been written, and those only close
// connections that the system closes at the exit anyway, so a bus that does not answer must not
// keep a quitting program alive. Declare it right after the application object, so that it goes
// just before it.
class TeardownBound final {
public:
    explicit TeardownBound(std::chrono::milliseconds bound);
    // Once the status is known, the process ends with it `bound` after this at the latest.
    ~TeardownBound();
    TeardownBound(const TeardownBound&) = delete;
    TeardownBound& operator=(const TeardownBound&) = delete;

    // The exit status the program ends with (returned), for the bound to end with too. Without
    // it (a launch that ends before the event loop runs) nothing is bounded.
    int exitWith(int status);

private:
    std::chrono::milliseconds bound_;
    std::optional<int> status_;
};

}  // namespace quillorbitex
