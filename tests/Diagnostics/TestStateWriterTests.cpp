#include "Diagnostics/TestStateWriter.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <tuple>

#include "Platform/TestFiles.h"
#include "support/ChildProcess.h"
#include "support/ManualExecutor.h"

namespace quillorbitex {
namespace {

using namespace std::chrono_literals;

// Writes fail as on a full disk while `full`. What failed is tried again until written, and the
// file ends with the newest state, never an older one written late; once written, nothing waits.
TEST(TestStateWriter, AStateThatCouldNotBeWrittenIsWrittenOnceThereIsRoom) {
    // Whether the disk is full, the trigger count of a state written (if any), the time waited,
    // the trigger count in the file then.
    const std::tuple<bool, std::int64_t, Duration, std::int64_t> steps[] = {
        {false, 1, {}, 1},  {true, 2, {}, 1},
        {true, 3, 10s, 1},  {false, 0, TestStateWriter::kLongestRetryDelay, 3},
        {true, 4, {}, 3},   {false, 5, {}, 5},
        {false, 0, 10s, 5},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("state.json");
    // The number of the first step that went wrong; one more when tries still wait at the end.
    const auto failed = testing::runInChild([&] {
        testing::ManualExecutor executor;
        TestStateWriter writer(path, executor);
        int step = 0;
        for (const auto& [full, write, wait, inFile] : steps) {
            ++step;
            testing::limitFileSizes(full ? std::optional<rlim_t>(0) : std::nullopt);
            if (write != 0) {
                AppDebugState state;
                state.triggerCount = write;
                writer.write(state);
            }
            executor.advance(wait);
            const auto read = AppDebugState::decode(testing::readFile(path));
            if (!read.ok() || read.value().triggerCount != inFile) {
                return step;
            }
        }
        return executor.pendingCount() == 0 ? 0 : step + 1;
    });
    EXPECT_EQ(failed, std::optional(0));
}

}  // namespace
}  // namespace quillorbitex
