#pragma once

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QByteArray>
#include <cstring>

namespace quillorbitex::testing {

// The address of the Unix socket at `path`; an empty one when the path is too long for it.
inline sockaddr_un unixAddress(const QByteArray& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() < static_cast<qsizetype>(sizeof address.sun_path)) {
        std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
    }
    return address;
}

// Leaves a Unix socket at `path`, bound and closed as a crashed server leaves it: stat() shows it,
// open() and connect() are refused. False when none could be made there.
inline bool makeSocketFile(const QByteArray& path) {
    const sockaddr_un address = unixAddress(path);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool bound =
        socket >= 0 && address.sun_path[0] != '\0' &&
        ::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(socket);
    return bound;
}

}  // namespace quillorbitex::testing
