#include "Application/StorageLocations.h"

#include <QDir>

#include "Platform/JsonFileUserDefaults.h"
#include "Platform/ProductFolder.h"
#include "Services/Stats/GestureUsageStatsStore.h"

namespace quillorbitex {

StorageLocations StorageLocations::forConfig(const UITestConfig& config) {
    if (config.isUITest) {
        const QDir base(config.baseDirectory);
        return {JsonFileUserDefaults::filePathIn(config.baseDirectory),
                GestureUsageStatsStore::databasePathIn(config.baseDirectory),
                base.filePath(QStringLiteral("autostart"))};
    }
    // Without any folder an empty path: a name relative to the working folder would land anywhere.
    const QString configFolder = productFolder(QStandardPaths::GenericConfigLocation);
    const QString dataFolder = productFolder(QStandardPaths::GenericDataLocation);
    const QString configHome = userBaseFolder(QStandardPaths::GenericConfigLocation);
    return {
        configFolder.isEmpty() ? QString() : JsonFileUserDefaults::filePathIn(configFolder),
        dataFolder.isEmpty() ? QString() : GestureUsageStatsStore::databasePathIn(dataFolder),
        configHome.isEmpty() ? QString() : QDir(configHome).filePath(QStringLiteral("autostart"))};
}

}  // namespace quillorbitex
