#include "Platform/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>

namespace quillorbitex {

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// Why nothing was read at `path`, when a stat() of it failed with `error` or the file could not
// be opened with `error`.
RegularFile::Status statusWithoutFile(const QByteArray& path, int error) {
    struct stat entry {};
    if (::stat(path.constData(), &entry) == 0) {
        // Opening can fail where a look succeeds: a socket cannot be opened at all (ENXIO).
        return S_ISREG(entry.st_mode) ? RegularFile::Status::unreadable
                                      : RegularFile::Status::notRegular;
    }
    if (::lstat(path.constData(), &entry) != 0) {
        return RegularFile::Status::absent;
    }
    // A link that leads nowhere, or round in a circle, names no file.
    return error == ENOENT || error == ELOOP || error == ENOTDIR ? RegularFile::Status::notRegular
                                                                 : RegularFile::Status::unreadable;
}

}  // namespace

RegularFile::Contents RegularFile::read(const QString& path, qint64 maximumBytes) {
    const QByteArray encoded = QFile::encodeName(path);
    // Only a regular file is opened: opening a device has effects of its own (a tape rewinds, a
    // terminal may become the controlling one).
    struct stat named {};
    if (::stat(encoded.constData(), &named) != 0) {
        return {statusWithoutFile(encoded, errno), {}};
    }
    if (!S_ISREG(named.st_mode)) {
        return {Status::notRegular, {}};
    }
    const Descriptor file(
        ::open(encoded.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0) {
        return {statusWithoutFile(encoded, errno), {}};
    }
    // Checked again on what was opened: the path may have been replaced since the look above.
    struct stat opened {};
    if (::fstat(file.get(), &opened) != 0) {
        return {Status::unreadable, {}};
    }
    if (!S_ISREG(opened.st_mode)) {
        return {Status::notRegular, {}};
    }
    if (opened.st_size > maximumBytes) {
        return {Status::tooLarge, {}};
    }
    // The size is only a hint: files under /proc say 0, and a file may grow while it is read.
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(opened.st_size));
    char buffer[64 * 1024];
    while (true) {
        const ssize_t count = ::read(file.get(), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return {Status::unreadable, {}};
        }
        if (count == 0) {
            break;
        }
        if (bytes.size() + count > maximumBytes) {
            return {Status::tooLarge, {}};
        }
        bytes.append(buffer, count);
    }
    return {Status::read, bytes};
}

}  // namespace quillorbitex
