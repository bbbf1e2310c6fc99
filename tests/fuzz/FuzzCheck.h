#pragma once

#include <cstdio>
#include <cstdlib>

namespace quillorbitex::fuzzing {

// Ends the run as a finding: libFuzzer keeps the input that got here.
[[noreturn]] inline void fail(const char* what) {
    std::fprintf(stderr, "check failed: %s\n", what);
    std::abort();
}

inline void check(bool holds, const char* what) {
    if (!holds) {
        fail(what);
    }
}

}  // namespace quillorbitex::fuzzing
