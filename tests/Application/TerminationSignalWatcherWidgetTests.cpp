#include "Application/TerminationSignalWatcher.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <csignal>

namespace quillorbitex {
namespace {

extern "C" void countSignal(int) {}

TEST(TerminationSignalWatcher, TurnsEachSignalIntoOneEventAndPutsTheOldHandlersBack) {
    // Stands in for whatever handled the signals before.
    struct sigaction previous {};
    previous.sa_handler = countSignal;
    sigemptyset(&previous.sa_mask);
    for (const int number : {SIGTERM, SIGINT, SIGHUP}) {
        ASSERT_EQ(sigaction(number, &previous, nullptr), 0);
    }
    {
        TerminationSignalWatcher watcher;
        ASSERT_TRUE(watcher.isWatching());
        // Only one watcher owns the handlers.
        EXPECT_FALSE(TerminationSignalWatcher().isWatching());

        QSignalSpy requests(&watcher, &TerminationSignalWatcher::terminationRequested);
        for (const int number : {SIGTERM, SIGINT, SIGHUP}) {
            ASSERT_EQ(raise(number), 0);
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return requests.count() >= 3; }, 5000));
        ASSERT_EQ(requests.count(), 3);
        EXPECT_EQ(requests[0][0].toInt(), SIGTERM);
        EXPECT_EQ(requests[1][0].toInt(), SIGINT);
        EXPECT_EQ(requests[2][0].toInt(), SIGHUP);
    }
    for (const int number : {SIGTERM, SIGINT, SIGHUP}) {
        struct sigaction current {};
        ASSERT_EQ(sigaction(number, nullptr, &current), 0);
        EXPECT_EQ(current.sa_handler, &countSignal) << number;
        signal(number, SIG_DFL);
    }
}

}  // namespace
}  // namespace quillorbitex
