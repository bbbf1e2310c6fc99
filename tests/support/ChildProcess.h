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
#include <vector>

#include "support/WaitUntil.h"

namespace quillorbitex::testing {

// Runs each body in a child of its own, all at once, each killed after `deadline` and allowed
// `extraMemory` more bytes, so code that blocks for good or reads without end fails a test
// instead of hanging it. Each child's exit code (0 for success), or nothing when it was killed
// or crashed. Call with no other threads.
inline std::vector<std::optional<int>> runInChildren(
    const std::vector<std::function<int()>>& bodies,
    std::chrono::milliseconds deadline = kDefaultWaitTimeout,
    rlim_t extraMemory = rlim_t{512} << 20) {
    rlim_t pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    std::fflush(nullptr);
    std::vector<pid_t> pids;
    for (const auto& body : bodies) {
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
        pids.push_back(pid);
    }
    std::vector<std::optional<int>> results(pids.size());
    std::vector<bool> ended(pids.size());
    waitUntil(
        [&] {
            bool all = true;
            for (std::size_t i = 0; i < pids.size(); ++i) {
                int status = 0;
                if (!ended[i] && pids[i] > 0 && ::waitpid(pids[i], &status, WNOHANG) == pids[i]) {
                    ended[i] = true;
                    results[i] =
                        WIFEXITED(status) ? std::optional(WEXITSTATUS(status)) : std::nullopt;
                }
                all = all && (ended[i] || pids[i] < 0);
            }
            return all;
        },
        deadline, std::chrono::milliseconds(5));
    for (std::size_t i = 0; i < pids.size(); ++i) {
        if (!ended[i] && pids[i] > 0) {
            ::kill(pids[i], SIGKILL);
            ::waitpid(pids[i], nullptr, 0);
        }
    }
    return results;
}

inline std::optional<int> runInChild(const std::function<int()>& body,
                                     std::chrono::milliseconds deadline = kDefaultWaitTimeout,
                                     rlim_t extraMemory = rlim_t{512} << 20) {
    return runInChildren({body}, deadline, extraMemory).front();
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
