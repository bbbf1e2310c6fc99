#pragma once

#include <QString>

#include "Diagnostics/AppDebugState.h"

namespace quillorbitex {

// Writes the test-mode state file.
class TestDiagnostics final {
public:
    TestDiagnostics() = delete;

    // Replaces the file at `path` with `state` in one atomic step (written to a temporary file
    // beside it, then renamed over it), so a reader sees the old file or the new one, never part
    // of one. Creates the folder when needed. False when it was not written; the previous file
    // then stays as it was.
    static bool write(const AppDebugState& state, const QString& path);
};

}  // namespace quillorbitex
