#include "Platform/AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <ctime>
#include <mutex>
#include <set>

namespace quillorbitex {

namespace {

// As the kernel gives up on a chain of links.
constexpr int kMaximumLinkHops = 40;
// Room for the temporary name's additions within the 255 bytes a file name may have.
constexpr qsizetype kTemporaryStemBytes = 200;
constexpr char kTemporaryMarker[] = ".tmp-";
// A write under way changes its new file far more often than this.
constexpr std::time_t kStaleTemporarySeconds = 60;

QByteArray temporaryPrefix(const QByteArray& name) {
    return '.' + name.left(kTemporaryStemBytes) + kTemporaryMarker;
}

FileWriteResult failure(const QByteArray& path, int error) {
    return {
        false,
        QStringLiteral("cannot write %1: %2").arg(QFile::decodeName(path), qt_error_string(error))};
}

// The folder part of a path as the kernel reads it; cleaning ".." away could leave a folder the
// path does not go through when a folder on the way is a link.
QByteArray folderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

QByteArray absolute(const QString& path) {
    const QByteArray encoded = QFile::encodeName(path);
    if (encoded.startsWith('/')) {
        return encoded;
    }
    return QFile::encodeName(QDir::currentPath()) + '/' + encoded;
}

QByteArray resolved(const QString& path) {
    QByteArray current = absolute(path);
    for (int hop = 0; hop < kMaximumLinkHops; ++hop) {
        struct stat entry {};
        if (::lstat(current.constData(), &entry) != 0) {
            return current;
        }
        if (!S_ISLNK(entry.st_mode)) {
            // A link to a device, a FIFO or a folder is replaced itself: what it leads to is no
            // file of ours (a link to /dev/zero must never turn the device into a file).
            return S_ISREG(entry.st_mode) ? current : absolute(path);
        }
        char target[PATH_MAX];
        const ssize_t length = ::readlink(current.constData(), target, sizeof(target));
        if (length <= 0 || length >= static_cast<ssize_t>(sizeof(target))) {
            return current;
        }
        const QByteArray next(target, length);
        current = next.startsWith('/') ? next : folderOf(current) + '/' + next;
    }
    return absolute(path);
}

bool writeAll(int descriptor, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            // A write that takes nothing more without saying why is a full file system too.
            if (written == 0) {
                errno = ENOSPC;
            }
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// A write killed between creating its new file and the rename leaves the file behind. The first
// write of each file in a process removes such leftovers of that file: only regular files of the
// user's own, named exactly as the writer names them, that no write has touched for a minute.
void removeStaleTemporaries(const QByteArray& folder, const QByteArray& name) {
    static std::mutex mutex;
    static std::set<QByteArray> cleaned;
    {
        const std::lock_guard lock(mutex);
        if (!cleaned.insert(folder + '/' + name).second) {
            return;
        }
    }
    DIR* directory = ::opendir(folder.constData());
    if (directory == nullptr) {
        return;
    }
    const QByteArray prefix = temporaryPrefix(name);
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(directory)) {
        const QByteArray entryName(entry->d_name);
        const QByteArray random = entryName.mid(prefix.size());
        const bool named =
            entryName.startsWith(prefix) && !random.isEmpty() && random.size() <= 8 &&
            std::all_of(random.begin(), random.end(),
                        [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
        struct stat found {};
        if (!named ||
            ::fstatat(::dirfd(directory), entry->d_name, &found, AT_SYMLINK_NOFOLLOW) != 0) {
            continue;
        }
        if (S_ISREG(found.st_mode) && found.st_uid == ::geteuid() &&
            now - found.st_mtime > kStaleTemporarySeconds) {
            ::unlinkat(::dirfd(directory), entry->d_name, 0);
        }
    }
    ::closedir(directory);
}

// Opens a new file of a name no one else has taken.
int createTemporary(const QByteArray& folder, const QByteArray& name, QByteArray& temporaryPath) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath = folder + '/' + temporaryPrefix(name) +
                        QByteArray::number(QRandomGenerator::global()->generate(), 16);
        // Read and write for the owner, read for others, less what the umask takes away.
        const int descriptor =
            ::open(temporaryPath.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                   S_IRUSR | S_IWUSR | S_IRGRP | S_IROTH);
        if (descriptor >= 0 || errno != EEXIST) {
            return descriptor;
        }
    }
    return -1;
}

}  // namespace

QString AtomicFile::resolvedPath(const QString& path) {
    return path.isEmpty() ? QString() : QFile::decodeName(resolved(path));
}

QString AtomicFile::temporaryNamePattern(const QString& fileNamePattern) {
    return QLatin1Char('.') + fileNamePattern + QLatin1String(kTemporaryMarker) + QLatin1Char('*');
}

FileWriteResult AtomicFile::write(const QString& path, const QByteArray& bytes) {
    // An empty path would resolve to the working folder, and a file would be made there.
    if (path.isEmpty()) {
        return {false, QStringLiteral("cannot write a file without a name")};
    }
    const QByteArray target = resolved(path);
    const QByteArray folder = folderOf(target);
    const QByteArray name = target.mid(folder.size() == 1 ? 1 : folder.size() + 1);
    if (!QDir().mkpath(QFile::decodeName(folder))) {
        return {false, QStringLiteral("cannot create %1").arg(QFile::decodeName(folder))};
    }
    removeStaleTemporaries(folder, name);
    QByteArray temporary;
    const int descriptor = createTemporary(folder, name, temporary);
    if (descriptor < 0) {
        return failure(target, errno);
    }
    const auto abandon = [&](int error, bool open) {
        if (open) {
            ::close(descriptor);
        }
        ::unlink(temporary.constData());
        return failure(target, error);
    };
    struct stat existing {};
    if (::stat(target.constData(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        // A replacement keeps what the user set; failing to is no reason to keep the old content.
        (void)::fchmod(descriptor, existing.st_mode & 07777);
    }
    if (!writeAll(descriptor, bytes) || ::fsync(descriptor) != 0) {
        return abandon(errno, true);
    }
    // close() reports what a network file system could not store.
    if (::close(descriptor) != 0) {
        return abandon(errno, false);
    }
    if (::rename(temporary.constData(), target.constData()) != 0) {
        return abandon(errno, false);
    }
    // The rename is durable only once the folder is synced. The new content is in place either
    // way, so only an input/output error counts; some file systems cannot sync a folder at all.
    const int directory = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory >= 0) {
        const bool failed = ::fsync(directory) != 0 && errno == EIO;
        ::close(directory);
        if (failed) {
            return failure(folder, EIO);
        }
    }
    return {true, {}};
}

}  // namespace quillorbitex
