#pragma once

#include <QByteArray>
#include <QString>

namespace quillorbitex {

// Whether a file was replaced, and if not, why.
struct FileWriteResult {
    bool written = false;
    // What failed, naming the file or folder; empty when written.
    QString error;

    explicit operator bool() const { return written; }
};

// Replacing a file so that it is either wholly the new content, on disk, or untouched.
//
// The content goes into a new file beside the target (created exclusively, never group- or
// world-writable whatever the umask, or with the mode of the file it replaces), is written to the
// last byte, synced, and only then renamed over the target; the folder is synced after the rename.
// A short write (a full disk, a file-size limit) or any failed step removes the new file and
// reports the failure. Buffered writers are not enough here: a flush that fails at the end can
// still be followed by a rename of an empty file over the old one.
//
// The new file is named ".<name>.tmp-<random hex>". One left behind by a write that was killed is
// removed by the first write of the same file in a later process once it has not changed for a
// minute (only a regular file of the user's own under that naming).
//
// A path that is a symbolic link has the file it leads to replaced, so the link stays a link; a
// link that leads to something other than a regular file (a device, a FIFO, a folder) is itself
// replaced by the file.
class AtomicFile final {
public:
    AtomicFile() = delete;

    // Creates missing folders on the way to the file. An empty path is refused without touching
    // anything.
    static FileWriteResult write(const QString& path, const QByteArray& bytes);

    // The file that writing to `path` replaces: `path` with its symbolic links followed, also
    // when the last one leads nowhere yet. `path` itself when the links go round in a loop or
    // lead to something that is not a regular file. Empty for an empty path.
    static QString resolvedPath(const QString& path);

    // A wildcard pattern (as QDir takes) for the new files of writes to files named as
    // `fileNamePattern` matches, for names of up to 200 bytes.
    static QString temporaryNamePattern(const QString& fileNamePattern);
};

}  // namespace quillorbitex
