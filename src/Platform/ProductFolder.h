#pragma once

#include <sys/types.h>
#include <unistd.h>

#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QString>

namespace quillorbitex {

// The user's base folder for `location`: for the generic config, data and cache locations
// $XDG_CONFIG_HOME, $XDG_DATA_HOME and $XDG_CACHE_HOME, else ".config", ".local/share" and ".cache"
// in the home folder; any other location as Qt names it. Empty when there is no usable one: the
// variable is not an absolute path (the XDG rules ignore a relative one) and HOME is unset,
// relative, "/", not a folder, or a folder the user cannot write in that does not hold the base
// folder yet. The variables are read from `environment`.
QString userBaseFolder(QStandardPaths::StandardLocation location,
                       const QProcessEnvironment& environment);
// As above, for this process's environment.
QString userBaseFolder(QStandardPaths::StandardLocation location);

// The program's own folder ("Quillorbitex") in one of the user's standard locations. Without a
// usable base folder, a private folder of the user's in the temporary folder (see
// temporaryProductFolder); empty when not even that can be had.
QString productFolder(QStandardPaths::StandardLocation location);

// Where productFolder() keeps the program's folder for `location` in `environment`, named only:
// "Quillorbitex" in the user's base folder, else "Quillorbitex-<user id>" in the temporary folder,
// the folder temporaryProductFolder() takes when it may. Nothing is made or checked.
QString productFolderPath(QStandardPaths::StandardLocation location,
                          const QProcessEnvironment& environment, uid_t user = ::getuid());

// "Quillorbitex-<user id>" in the temporary folder, made with mode 0700 when missing and used only
// when it is the user's own and nobody else may write in it. A folder of that name that fails the
// check (another user made it first) is left alone: a new private folder
// "Quillorbitex-<user id>-XXXXXX" serves the rest of the run instead, once per process, and
// standard error says so. Empty when no private folder can be made at all (the temporary folder
// is reached through a link, say); standard error says that too, and nothing made is left.
QString temporaryProductFolder(const QProcessEnvironment& environment, uid_t user = ::getuid());

}  // namespace quillorbitex
