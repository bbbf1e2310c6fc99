#pragma once

#include <sys/types.h>
#include <unistd.h>

#include <QProcessEnvironment>
#include <QString>

namespace quillorbitex {

// A folder that nobody but its user (and root) can change: what the program keeps in one (its
// instance socket, a test run's files, its files when there is no home folder) can be neither
// planted nor swapped by another user. Checks read the file system without following symbolic
// links, on the normalised path, which is the one to use afterwards: a lexical "..", a doubled
// or a trailing separator cannot then lead somewhere else than the folder that was checked.
class PrivateFolder final {
public:
    enum class Verdict {
        usable,
        // An empty path.
        noPath,
        missing,
        // The folder, or a folder on the way to it, is a symbolic link.
        symbolicLink,
        // Something other than a folder is there or on the way.
        notAFolder,
        // The folder belongs to another user, or a folder on the way to it to neither the user
        // nor root.
        foreignOwner,
        // Group or others may write in the folder, or may rename what a folder on the way holds
        // (writable by them without the sticky bit).
        writableByOthers,
    };

    PrivateFolder() = delete;

    // `path` absolute (against the working folder) and without ".", ".." or repeated and
    // trailing separators; empty stays empty.
    static QString normalized(const QString& path);

    // Whether the normalised `path` is a folder of `user`'s that only that user may change.
    static Verdict check(const QString& path, uid_t user = ::getuid());

    // As check(), after creating the folder and any missing folder on the way with mode 0700.
    // Nothing is created below a folder on the way that fails the check.
    static Verdict make(const QString& path, uid_t user = ::getuid());

    // TMPDIR when it is an absolute path, else "/tmp"; normalised.
    static QString temporaryRoot(const QProcessEnvironment& environment);
};

}  // namespace quillorbitex
