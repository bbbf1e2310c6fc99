#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace quillorbitex {

// Keeps what could not be read out of the way of what replaces it, so that the user can still
// find it. Nothing already there is lost: a name that is taken, also by a link that leads nowhere,
// is never reused, and a move is a rename of the entry itself, never a copy and never through a
// link.
class SetAside final {
public:
    SetAside() = delete;

    // Keeps `bytes` in "<folder>/<stem>.unreadable-<hash of the bytes>", so that the same bytes
    // are kept once: a regular file of that name and size is taken for the copy, one of another
    // size (a write that was cut off) is replaced. While something that is not a regular file has
    // the name, "-2", "-3", … follow the hash. The copy's path, or nothing when it could not be
    // written.
    static std::optional<QString> keepCopy(const QString& folder, const QString& stem,
                                           const QByteArray& bytes);

    // Moves whatever is at `path` (a file, a folder, a FIFO, a link itself), unopened, to
    // "<path>.unreadable-<UTC time>", and each "<path><suffix>" of `companionSuffixes` that is
    // there beside it, to "<new path><suffix>"; "-2", "-3", … follow the time while any of those
    // names is taken. The new path, or nothing when nothing is at `path` or it could not be moved.
    static std::optional<QString> moveAside(const QString& path,
                                            const QStringList& companionSuffixes = {});
};

}  // namespace quillorbitex
