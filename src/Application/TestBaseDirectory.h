#pragma once

#include <QString>

#include "Application/UITestConfig.h"

namespace quillorbitex {

// The folder a test run keeps its files in. Removing it is guarded, because its path comes from
// the environment: a mistyped variable must not wipe a home folder.
class TestBaseDirectory final {
public:
    TestBaseDirectory() = delete;

    // At start-up in test mode: removes the folder when a reset is asked for, then creates it.
    // Failures are ignored; the state file's writer creates the folder again when it writes.
    static void prepare(const UITestConfig& config);

    // Removes `path` with everything in it, when that is safe (below). True when the folder is
    // gone afterwards, also when there was nothing at `path`.
    static bool remove(const QString& path);

    // Only a real directory (not a symbolic link) owned by this user, that is neither "/" nor the
    // home folder and does not contain the home folder.
    static bool isSafeToRemove(const QString& path);
};

}  // namespace quillorbitex
