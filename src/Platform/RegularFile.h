#pragma once

#include <QByteArray>
#include <QString>

namespace quillorbitex {

// Reads small files that anything may have put in their place: only what is a regular file is
// opened (opening a device can rewind a tape or take a terminal as the controlling one), without
// blocking and never as a controlling terminal, in case something else is put there meanwhile,
// and read only when, once open, it is still a regular file no larger than the limit (a link to
// /dev/zero never ends).
class RegularFile final {
public:
    RegularFile() = delete;

    enum class Status {
        read,
        // Nothing at the path, not even a dangling link.
        absent,
        // Something that is not a regular file: a folder, a FIFO, a socket, a device, a link
        // that leads to no file.
        notRegular,
        // A regular file beyond the limit; nothing of it is read.
        tooLarge,
        // Something is there but cannot be opened or read (permissions, an I/O error).
        unreadable,
    };

    struct Contents {
        Status status = Status::absent;
        // The whole file when `status` is `read`; empty otherwise.
        QByteArray bytes;
    };

    static Contents read(const QString& path, qint64 maximumBytes);
};

}  // namespace quillorbitex
