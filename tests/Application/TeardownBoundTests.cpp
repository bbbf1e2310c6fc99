#include "Application/TeardownBound.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <thread>

#include "support/ChildProcess.h"

namespace quillorbitex {
namespace {

using namespace std::chrono_literals;

// A teardown that hangs after the bound's end (a bus that does not answer) is cut short with the
// program's own status; one that ends within the bound, or a launch that never told its status,
// ends as it does, with all it wrote on the way.
TEST(TeardownBound, WhatHangsAfterItsEndIsCutShortWithTheProgramsStatus) {
    const struct {
        std::optional<int> status;
        std::chrono::milliseconds bound;
        std::chrono::milliseconds teardown;
        int ended;
        const char* written;
    } cases[] = {
        {3, 50ms, 60s, 3, "begun "},
        {0, 50ms, 60s, 0, "begun "},
        {std::nullopt, 50ms, 500ms, 7, "begun ended"},
        {3, 5s, 200ms, 7, "begun ended"},
    };
    for (const auto& c : cases) {
        int output[2];
        ASSERT_EQ(::pipe(output), 0);
        const auto ended = testing::runInChild(
            [&] {
                const auto say = [&](std::string_view text) {
                    return ::write(output[1], text.data(), text.size()) == ssize_t(text.size());
                };
                {
                    TeardownBound bound(c.bound);
                    if (c.status) {
                        bound.exitWith(*c.status);
                    }
                    say("begun ");
                }
                std::this_thread::sleep_for(c.teardown);
                return say("ended") ? 7 : 126;
            },
            10s);
        ::close(output[1]);
        std::string written(64, '\0');
        written.resize(std::max<ssize_t>(::read(output[0], written.data(), written.size()), 0));
        ::close(output[0]);
        EXPECT_EQ(ended, c.ended) << c.status.value_or(-1) << " after " << c.teardown.count();
        EXPECT_EQ(written, c.written) << c.status.value_or(-1) << " after " << c.teardown.count();
    }
}

}  // namespace
}  // namespace quillorbitex
