#include "Application/StorageLocations.h"

#include <QDir>
#include <QStandardPaths>

#include "Platform/JsonFileUserDefaults.h"
#include "Services/Stats/GestureUsageStatsStore.h"

namespace quillorbitex {

StorageLocations StorageLocations::forConfig(const UITestConfig& config) {
    if (config.isUITest) {
        const QDir base(config.baseDirectory);
        return {JsonFileUserDefaults::filePathIn(config.baseDirectory),
                GestureUsageStatsStore::databasePathIn(config.baseDirectory),
                base.filePath(QStringLiteral("autostart"))};
    }
    QString configHome = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (configHome.isEmpty()) {
        configHome = QDir::homePath() + QStringLiteral("/.config");
    }
    return {JsonFileUserDefaults::defaultFilePath(), GestureUsageStatsStore::defaultDatabasePath(),
            QDir(configHome).filePath(QStringLiteral("autostart"))};
}

}  // namespace quillorbitex
