#pragma once

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <thread>

#include "support/WaitUntil.h"

namespace quillorbitex::testing {

// Runs `body` in a child process and returns its result (0 for success), so that code which may
// block for good (a FIFO opened for reading) or read without end (/dev/zero) fails a test instead
// of hanging it or filling the memory: the child is killed when `deadline` passes and can grow by
// at most `extraMemory` bytes. Nothing when it was killed, crashed or ran out of memory. Call
// while the test runs no other threads; the child may start its own.
inline std::optional<int> runInChild(const std::function<int()>& body,
                                     std::chrono::milliseconds deadline = kDefaultWaitTimeout,
                                     rlim_t extraMemory = rlim_t{512} << 20) {
    long pages = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld", &pages) != 1) {
            pages = 0;
        }
        std::fclose(statm);
    }
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid < 0) {
        return std::nullopt;
    }
    if (pid == 0) {
        const rlim_t current = static_cast<rlim_t>(pages) * static_cast<rlim_t>(::getpagesize());
        const rlimit limit{current + extraMemory, current + extraMemory};
        ::setrlimit(RLIMIT_AS, &limit);
        int result = 126;
        try {
            result = body();
        } catch (...) {
            result = 125;
        }
        ::_exit(result);
    }
    int status = 0;
    const bool ended = waitUntil([&] { return ::waitpid(pid, &status, WNOHANG) == pid; }, deadline,
                                 std::chrono::milliseconds(5));
    if (!ended) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
        return std::nullopt;
    }
    if (!WIFEXITED(status)) {
        return std::nullopt;
    }
    return WEXITSTATUS(status);
}

}  // namespace quillorbitex::testing
