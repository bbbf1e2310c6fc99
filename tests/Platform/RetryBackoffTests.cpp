#include "Platform/RetryBackoff.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillorbitex {
namespace {

using namespace std::chrono_literals;

// The delays of every try in a row of failures, and again after a success; among them the two
// the program uses (saving preferences, writing usage counts).
TEST(RetryBackoff, DoublesFromTheFirstDelayUpToTheLongestAndStartsAgainAfterAReset) {
    const struct {
        Duration first;
        Duration longest;
        std::vector<Duration> delays;
    } cases[] = {
        {1s, 60s, {1s, 2s, 4s, 8s, 16s, 32s, 60s, 60s}},
        {250ms, 2s, {250ms, 500ms, 1s, 2s, 2s}},
        {300ms, 1s, {300ms, 600ms, 1s, 1s}},
        {5s, 5s, {5s, 5s}},
        {2s, 1s, {1s, 1s}},
    };
    for (const auto& c : cases) {
        RetryBackoff backoff(c.first, c.longest);
        for (int round = 0; round < 2; ++round) {
            std::vector<Duration> delays;
            for (std::size_t i = 0; i < c.delays.size(); ++i) {
                delays.push_back(backoff.next());
            }
            EXPECT_EQ(delays, c.delays) << c.first.count() << " up to " << c.longest.count();
            backoff.reset();
        }
    }
}

// However long the failure lasts, the delay stays at the longest and never overflows.
TEST(RetryBackoff, ALastingFailureStaysAtTheLongestDelay) {
    const Duration longest = Duration::max() / 2 + 1ns;  // twice it does not fit
    RetryBackoff backoff(1ns, longest);
    Duration delay{};
    for (int i = 0; i < 200; ++i) {
        delay = backoff.next();
        ASSERT_GT(delay, Duration::zero()) << i;
    }
    EXPECT_EQ(delay, longest);
}

}  // namespace
}  // namespace quillorbitex
