#include "Application/TeardownBound.h"

#include <gtest/gtest.h>

#include <thread>

#include "support/ChildProcess.h"

namespace quillorbitex {
namespace {

using namespace std::chrono_literals;

// A teardown that hangs after the bound's end (a bus that does not answer) is cut short with the
// program's own status; a launch that never told its status is left to end as it does.
TEST(TeardownBound, WhatHangsAfterItsEndIsCutShortWithTheProgramsStatus) {
    const struct {
        std::optional<int> status;
        int ended;
    } cases[] = {{3, 3}, {0, 0}, {std::nullopt, 7}};
    for (const auto& c : cases) {
        const auto result = testing::runInChild(
            [&] {
                {
                    TeardownBound bound(50ms);
                    if (c.status) {
                        bound.exitWith(*c.status);
                    }
                }
                std::this_thread::sleep_for(c.status ? 60s : 500ms);
                return 7;
            },
            10s);
        EXPECT_EQ(result, c.ended) << c.ended;
    }
}

}  // namespace
}  // namespace quillorbitex
