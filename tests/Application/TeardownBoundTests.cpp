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
    for (const std::optional<int> status :
         {std::optional(3), std::optional(0), std::optional<int>()}) {
        const auto ended = testing::runInChild(
            [&] {
                {
                    TeardownBound bound(50ms);
                    if (status) {
                        bound.exitWith(*status);
                    }
                }
                std::this_thread::sleep_for(status ? 60s : 500ms);
                return 7;
            },
            10s);
        EXPECT_EQ(ended, status.value_or(7)) << status.value_or(-1);
    }
}

}  // namespace
}  // namespace quillorbitex
