#pragma once

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <optional>

#include "support/WaitUntil.h"

namespace quillorbitex::testing {

// Runs `body` in a child killed after `deadline` and allowed `extraMemory` more bytes, so code
// that blocks for good or reads without end fails a test instead of hanging it. The child's exit
// code (0 for success), or nothing when it was killed or crashed. Call with no other threads.
inline std::optional<int> runInChild(const std::function<int()>& body,
                                     std::chrono::milliseconds deadline = kDefaultWaitTimeout,
                                     rlim_t extraMemory = rlim_t{512} << 20) {
    rlim_t pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const rlim_t bytes = pages * static_cast<rlim_t>(::getpagesize()) + extraMemory;
        const rlimit limit{bytes, bytes};
        ::setrlimit(RLIMIT_AS, &limit);
        int result = 125;
        try {
            result = body();
        } catch (...) {
        }
        ::_exit(result);
    }
    int status = 0;
    if (pid < 0 || !waitUntil([&] { return ::waitpid(pid, &status, WNOHANG) == pid; }, deadline,
                              std::chrono::milliseconds(5))) {
        if (pid > 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
        }
        return std::nullopt;
    }
    return WIFEXITED(status) ? std::optional(WEXITSTATUS(status)) : std::nullopt;
}

// For a child: writes that would make a file larger than `bytes` fail as on a full disk (EFBIG,
// with SIGXFSZ ignored); none lifts the limit again (up to the hard one). False when it could
// not be set.
inline bool limitFileSizes(std::optional<rlim_t> bytes) {
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit sizes{};
    ::getrlimit(RLIMIT_FSIZE, &sizes);
    sizes.rlim_cur = bytes.value_or(sizes.rlim_max);
    return ::setrlimit(RLIMIT_FSIZE, &sizes) == 0;
}

}  // namespace quillorbitex::testing
