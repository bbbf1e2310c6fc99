#include "Application/TeardownBound.h"

#include <unistd.h>

#include <thread>

namespace quillorbitex {

TeardownBound::TeardownBound(std::chrono::milliseconds bound) : bound_(bound) {}

TeardownBound::~TeardownBound() {
    if (!status_) {
        return;
    }
    // Detached: an ordinary exit ends it with the process.
    std::thread([bound = bound_, status = *status_] {
        std::this_thread::sleep_for(bound);
        ::_exit(status);
    }).detach();
}

int TeardownBound::exitWith(int status) {
    status_ = status;
    return status;
}

}  // namespace quillorbitex
