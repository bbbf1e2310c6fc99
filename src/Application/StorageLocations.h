#pragma once

#include <QString>

#include "Application/UITestConfig.h"

namespace quillorbitex {

// Where the program keeps its files. In test mode every one of them lies inside the test base
// folder, so a test run never touches the user's own preferences, counts or login item.
struct StorageLocations {
    QString preferencesFile;
    QString usageDatabaseFile;
    // The folder of the login item's autostart entry.
    QString autostartDirectory;

    static StorageLocations forConfig(const UITestConfig& config);

    friend bool operator==(const StorageLocations&, const StorageLocations&) = default;
};

}  // namespace quillorbitex
