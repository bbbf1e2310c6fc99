#include "Platform/ProductFolder.h"

#include <QDir>

namespace quillorbitex {

QString userBaseFolder(QStandardPaths::StandardLocation location) {
    // Qt takes a relative XDG_CONFIG_HOME or XDG_DATA_HOME as it is, relative to the working
    // directory; the XDG rules ignore such a value in favour of the default.
    const auto xdgHome = [](const char* variable, const QString& fallback) {
        const QString value = qEnvironmentVariable(variable);
        return QDir::cleanPath(QDir::isAbsolutePath(value) ? value : QDir::homePath() + fallback);
    };
    switch (location) {
        case QStandardPaths::GenericConfigLocation:
            return xdgHome("XDG_CONFIG_HOME", QStringLiteral("/.config"));
        case QStandardPaths::GenericDataLocation:
            return xdgHome("XDG_DATA_HOME", QStringLiteral("/.local/share"));
        default:
            return QStandardPaths::writableLocation(location);
    }
}

QString productFolder(QStandardPaths::StandardLocation location) {
    QString base = userBaseFolder(location);
    if (base.isEmpty()) {
        base = QDir::tempPath();
    }
    return QDir(base).filePath(QStringLiteral("Quillorbitex"));
}

}  // namespace quillorbitex
