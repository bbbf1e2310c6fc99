#include "Platform/ProductFolder.h"

#include <QDir>

namespace quillorbitex {

QString productFolder(QStandardPaths::StandardLocation location) {
    QString base = QStandardPaths::writableLocation(location);
    if (base.isEmpty()) {
        base = QDir::tempPath();
    }
    return QDir(base).filePath(QStringLiteral("Quillorbitex"));
}

}  // namespace quillorbitex
