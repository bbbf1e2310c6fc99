#include "Diagnostics/TestStateWriter.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <optional>
#include <string>
#include <vector>

#include "Platform/TestFiles.h"
#include "support/ChildProcess.h"
#include "support/ManualExecutor.h"

namespace quillorbitex {
namespace {

using namespace std::chrono_literals;

// Writes fail as on a full disk (a file-size limit, SIGXFSZ ignored) while `full` is set. Whatever
// fails is tried again until written, and the file ends with the newest state, never an older one
// written late; once written, nothing is tried again.
TEST(TestStateWriter, AStateThatCouldNotBeWrittenIsWrittenOnceThereIsRoom) {
    struct Step {
        const char* what;
        bool full;
        std::optional<std::int64_t> write;  // the state's trigger count
        Duration wait;
        std::int64_t inFile;
    };
    const std::vector<Step> steps = {
        {"written at once", false, 1, {}, 1},
        {"the disk full", true, 2, {}, 1},
        {"still full", true, 3, 10s, 1},
        {"room again, nothing changes", false, std::nullopt, TestStateWriter::kLongestRetryDelay,
         3},
        {"full again", true, 4, {}, 3},
        {"a newer state written at once", false, 5, {}, 5},
        {"the older one is not written late", false, std::nullopt, 10s, 5},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("state.json");
    const auto failed = testing::runInChild([&] {
        testing::ManualExecutor executor;
        TestStateWriter writer(path, executor);
        for (std::size_t i = 0; i < steps.size(); ++i) {
            testing::limitFileSizes(steps[i].full ? std::optional<rlim_t>(0) : std::nullopt);
            if (steps[i].write) {
                AppDebugState state;
                state.triggerCount = *steps[i].write;
                writer.write(state);
            }
            executor.advance(steps[i].wait);
            const auto inFile = AppDebugState::decode(testing::readFile(path));
            if (!inFile.ok() || inFile.value().triggerCount != steps[i].inFile) {
                return static_cast<int>(i) + 1;
            }
        }
        return executor.pendingCount() == 0 ? 0 : 100;
    });
    ASSERT_TRUE(failed.has_value());
    EXPECT_EQ(*failed, 0) << (*failed > 0 && *failed <= static_cast<int>(steps.size())
                                  ? steps[*failed - 1].what
                                  : "tried again after the newest state was written");
}

}  // namespace
}  // namespace quillorbitex
