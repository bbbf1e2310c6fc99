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
    const QString configHome = userBaseFolder(QStandardPaths::GenericConfigLocation);
    return {JsonFileUserDefaults::defaultFilePath(), GestureUsageStatsStore::defaultDatabasePath(),
            QDir(configHome).filePath(QStringLiteral("autostart"))};
}

}  // namespace quillorbitex
