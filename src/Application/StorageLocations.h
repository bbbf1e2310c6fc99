#pragma once

#include <QString>

#include "Application/UITestConfig.h"

namespace quillorbitex {

// Where the program keeps its files. In test mode every one of them lies inside the test base
// folder, so a test run never touches the user's own preferences, counts or login item.
// Otherwise they lie in the product folders (productFolder), which without a home folder are a
// private folder in the temporary folder.
struct StorageLocations {
    // Empty only when not even a private temporary folder could be made: nothing is then read, and
    // changes stay in memory.
    QString preferencesFile;
    QString usageDatabaseFile;
    // The folder of the login item's autostart entry; empty without a config folder to hold it
    // (the desktop reads entries from there only), which leaves the program without a login item.
    QString autostartDirectory;

    static StorageLocations forConfig(const UITestConfig& config);

    friend bool operator==(const StorageLocations&, const StorageLocations&) = default;
};

}  // namespace quillorbitex
