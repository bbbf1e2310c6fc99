#pragma once

#include <QStandardPaths>
#include <QString>

namespace quillorbitex {

// The user's base folder for `location`: for the generic config and data locations
// $XDG_CONFIG_HOME and $XDG_DATA_HOME, a relative value ignored for the default below the home
// folder; any other location as Qt names it.
QString userBaseFolder(QStandardPaths::StandardLocation location);

// The program's own folder ("Quillorbitex") in one of the user's standard locations, or in the
// temporary folder when the system names no such location.
QString productFolder(QStandardPaths::StandardLocation location);

}  // namespace quillorbitex
