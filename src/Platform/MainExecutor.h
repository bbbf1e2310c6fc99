#pragma once

#include "Platform/Executor.h"

namespace quillorbitex {

// Runs work on the thread of the Qt application object (the main thread). Tasks posted before
// the application object exists, or after it is gone, are dropped.
class MainExecutor final : public Executor {
public:
    void async(Task task) override;
    void asyncAfter(Duration delay, Task task) override;

    static MainExecutor& shared();
};

}  // namespace quillorbitex
