#include "Diagnostics/TestStateWriter.h"

#include <optional>

#include "Platform/AtomicFile.h"
#include "Platform/RetryBackoff.h"

namespace quillorbitex {

struct TestStateWriter::Waiting {
    QString path;
    // The newest state not written yet.
    std::optional<QByteArray> bytes;
    RetryBackoff delays{kFirstRetryDelay, kLongestRetryDelay};
    bool retryScheduled = false;
};

TestStateWriter::TestStateWriter(QString path, Executor& executor)
    : waiting_(std::make_shared<Waiting>()), executor_(executor) {
    waiting_->path = std::move(path);
}

void TestStateWriter::write(const AppDebugState& state) {
    auto bytes = state.encoded();
    if (!bytes) {
        return;
    }
    waiting_->bytes = std::move(bytes);
    tryWriting(waiting_, executor_);
}

void TestStateWriter::tryWriting(const std::shared_ptr<Waiting>& waiting, Executor& executor) {
    if (!waiting->bytes) {
        return;  // written meanwhile, with a newer state
    }
    if (AtomicFile::write(waiting->path, *waiting->bytes)) {
        waiting->bytes.reset();
        waiting->delays.reset();
        return;
    }
    if (waiting->retryScheduled) {
        return;
    }
    waiting->retryScheduled = true;
    executor.asyncAfter(waiting->delays.next(),
                        [weak = std::weak_ptr<Waiting>(waiting), &executor] {
                            if (const auto alive = weak.lock()) {
                                alive->retryScheduled = false;
                                tryWriting(alive, executor);
                            }
                        });
}

}  // namespace quillorbitex
