#pragma once

#include <QStandardPaths>
#include <QString>

namespace quillorbitex {

// The program's own folder ("Quillorbitex") in one of the user's standard locations, or in the
// temporary folder when the system names no such location.
QString productFolder(QStandardPaths::StandardLocation location);

}  // namespace quillorbitex
