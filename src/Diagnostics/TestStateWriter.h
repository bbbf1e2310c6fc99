#pragma once

#include <QString>
#include <memory>

#include "Diagnostics/AppDebugState.h"
#include "Platform/Executor.h"

namespace quillorbitex {

// Keeps the test-mode state file up to date. Each state is written at once (as TestDiagnostics
// writes it); one that could not be written, such as on a full disk, is tried again on the
// executor after kFirstRetryDelay, then after twice as long each time up to kLongestRetryDelay,
// until it is written, so that the file follows the model again soon after writing can succeed,
// also when nothing changes meanwhile. A newer state takes the place of the one waiting: the file
// ends with the newest state, never with an older one written late.
class TestStateWriter final {
public:
    static constexpr Duration kFirstRetryDelay = std::chrono::milliseconds(250);
    static constexpr Duration kLongestRetryDelay = std::chrono::seconds(2);

    // Tries again on `executor`, which must outlive the writer's tasks; they do nothing once the
    // writer is gone.
    TestStateWriter(QString path, Executor& executor);

    // A state that cannot be encoded (a threshold that is not a number) is not written.
    void write(const AppDebugState& state);

private:
    struct Waiting;
    static void tryWriting(const std::shared_ptr<Waiting>& waiting, Executor& executor);

    std::shared_ptr<Waiting> waiting_;
    Executor& executor_;
};

}  // namespace quillorbitex
