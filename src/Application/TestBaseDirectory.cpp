#include "Application/TestBaseDirectory.h"

#include <unistd.h>

#include <QDir>
#include <QFileInfo>

namespace quillorbitex {

void TestBaseDirectory::prepare(const UITestConfig& config) {
    if (!config.isUITest) {
        return;
    }
    if (config.resetOnLaunch) {
        remove(config.baseDirectory);
    }
    QDir().mkpath(config.baseDirectory);
}

bool TestBaseDirectory::remove(const QString& path) {
    const QFileInfo info(path);
    if (!path.isEmpty() && !info.exists() && !info.isSymLink()) {
        return true;
    }
    if (!isSafeToRemove(path)) {
        return false;
    }
    return QDir(info.absoluteFilePath()).removeRecursively();
}

bool TestBaseDirectory::isSafeToRemove(const QString& path) {
    if (path.isEmpty()) {
        return false;
    }
    const QFileInfo info(path);
    if (info.isSymLink() || !info.isDir() || info.ownerId() != ::getuid()) {
        return false;
    }
    const QString target = info.canonicalFilePath();
    const QString home = QFileInfo(QDir::homePath()).canonicalFilePath();
    if (target.isEmpty() || target == QDir::rootPath()) {
        return false;
    }
    const QString prefix = target + QLatin1Char('/');
    return home.isEmpty() || (home != target && !home.startsWith(prefix));
}

}  // namespace quillorbitex
