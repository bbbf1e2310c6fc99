#include "Platform/SetAside.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "Platform/AtomicFile.h"

namespace quillorbitex {

namespace {

// Far more names than a folder of the user's own ever has taken.
constexpr int kMaximumCandidates = 1000;

const QString kMarker = QStringLiteral(".unreadable-");

QString numbered(const QString& name, int n) {
    return n == 1 ? name : name + QLatin1Char('-') + QString::number(n);
}

bool isTaken(const QString& path) {
    struct stat entry {};
    return ::lstat(QFile::encodeName(path).constData(), &entry) == 0;
}

// rename(2) replaces whatever has the new name, a link that leads nowhere included; the kernel
// refuses that itself where the file system can, and elsewhere the name is looked at first.
bool renameWithoutReplacing(const QString& from, const QString& to) {
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return false;
    }
    if (isTaken(to)) {
        errno = EEXIST;
        return false;
    }
    return ::rename(source.constData(), target.constData()) == 0;
}

}  // namespace

std::optional<QString> SetAside::keepCopy(const QString& folder, const QString& stem,
                                          const QByteArray& bytes) {
    const QByteArray hash =
        QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().left(16);
    const QString name = QDir(folder).filePath(stem + kMarker + QString::fromLatin1(hash));
    for (int n = 1; n <= kMaximumCandidates; ++n) {
        const QString candidate = numbered(name, n);
        struct stat entry {};
        if (::lstat(QFile::encodeName(candidate).constData(), &entry) == 0) {
            if (!S_ISREG(entry.st_mode)) {
                continue;
            }
            if (entry.st_size == bytes.size()) {
                return candidate;
            }
        }
        return AtomicFile::write(candidate, bytes) ? std::optional(candidate) : std::nullopt;
    }
    return std::nullopt;
}

std::optional<QString> SetAside::moveAside(const QString& path,
                                           const QStringList& companionSuffixes) {
    if (!isTaken(path)) {
        return std::nullopt;
    }
    QStringList companions;
    for (const QString& suffix : companionSuffixes) {
        if (isTaken(path + suffix)) {
            companions.append(suffix);
        }
    }
    const QString name =
        path + kMarker +
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int n = 1; n <= kMaximumCandidates; ++n) {
        const QString candidate = numbered(name, n);
        const bool companionNameTaken =
            std::any_of(companions.cbegin(), companions.cend(),
                        [&](const QString& suffix) { return isTaken(candidate + suffix); });
        if (companionNameTaken) {
            continue;
        }
        if (!renameWithoutReplacing(path, candidate)) {
            if (errno == EEXIST) {
                continue;
            }
            return std::nullopt;
        }
        // The entry itself is aside; a companion that cannot follow stays where it is.
        for (const QString& suffix : companions) {
            renameWithoutReplacing(path + suffix, candidate + suffix);
        }
        return candidate;
    }
    return std::nullopt;
}

}  // namespace quillorbitex
