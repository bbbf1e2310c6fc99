#include "Diagnostics/TestDiagnostics.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace quillorbitex {

void TestDiagnostics::write(const AppDebugState& state, const QString& path) {
    const auto data = state.encoded();
    if (!data) {
        return;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(*data) == data->size()) {
        file.commit();
    }
}

}  // namespace quillorbitex
