#include "Diagnostics/TestDiagnostics.h"

#include "Platform/AtomicFile.h"

namespace quillorbitex {

bool TestDiagnostics::write(const AppDebugState& state, const QString& path) {
    const auto data = state.encoded();
    return data && AtomicFile::write(path, *data);
}

}  // namespace quillorbitex
