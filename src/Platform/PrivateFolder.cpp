#include "Platform/PrivateFolder.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <cerrno>

namespace quillorbitex {

namespace {

using Verdict = PrivateFolder::Verdict;

constexpr mode_t kWritableByOthers = S_IWGRP | S_IWOTH;

// One folder on the way: root's or the user's, and if others may write in it, only with the
// sticky bit, which keeps them from renaming or removing what they do not own.
Verdict checkOnTheWay(const struct stat& entry, uid_t user) {
    if (S_ISLNK(entry.st_mode)) {
        return Verdict::symbolicLink;
    }
    if (!S_ISDIR(entry.st_mode)) {
        return Verdict::notAFolder;
    }
    if (entry.st_uid != 0 && entry.st_uid != user) {
        return Verdict::foreignOwner;
    }
    if ((entry.st_mode & kWritableByOthers) != 0 && (entry.st_mode & S_ISVTX) == 0) {
        return Verdict::writableByOthers;
    }
    return Verdict::usable;
}

Verdict checkLast(const struct stat& entry, uid_t user) {
    if (S_ISLNK(entry.st_mode)) {
        return Verdict::symbolicLink;
    }
    if (!S_ISDIR(entry.st_mode)) {
        return Verdict::notAFolder;
    }
    if (entry.st_uid != user) {
        return Verdict::foreignOwner;
    }
    if ((entry.st_mode & kWritableByOthers) != 0) {
        return Verdict::writableByOthers;
    }
    return Verdict::usable;
}

// After lstat or mkdir failed: something on the way is not a folder, or the folder is not there
// (and, when it was to be made, could not be).
Verdict missingOrNotAFolder() {
    return errno == ENOTDIR ? Verdict::notAFolder : Verdict::missing;
}

// Walks from "/" down to the folder; `create` makes what is missing on the way.
Verdict walk(const QString& path, uid_t user, bool create) {
    const QString folder = PrivateFolder::normalized(path);
    if (folder.isEmpty()) {
        return Verdict::noPath;
    }
    const QStringList names = folder.split(u'/', Qt::SkipEmptyParts);
    QString prefix = QStringLiteral("/");
    for (qsizetype i = 0; i <= names.size(); ++i) {
        if (i > 0) {
            prefix = QDir(prefix).filePath(names[i - 1]);
        }
        const bool last = i == names.size();
        const QByteArray bytes = QFile::encodeName(prefix);
        struct stat entry {};
        if (::lstat(bytes.constData(), &entry) != 0) {
            if (!create || errno != ENOENT) {
                return missingOrNotAFolder();
            }
            // Another launch may make it at the same moment; what is there is checked either way.
            if (::mkdir(bytes.constData(), 0700) != 0 && errno != EEXIST) {
                return missingOrNotAFolder();
            }
            if (::lstat(bytes.constData(), &entry) != 0) {
                return missingOrNotAFolder();
            }
        }
        const Verdict verdict = last ? checkLast(entry, user) : checkOnTheWay(entry, user);
        if (verdict != Verdict::usable) {
            return verdict;
        }
    }
    return Verdict::usable;
}

}  // namespace

QString PrivateFolder::normalized(const QString& path) {
    if (path.isEmpty()) {
        return {};
    }
    return QDir::cleanPath(QDir::isAbsolutePath(path) ? path
                                                      : QDir::current().absoluteFilePath(path));
}

PrivateFolder::Verdict PrivateFolder::check(const QString& path, uid_t user) {
    return walk(path, user, false);
}

PrivateFolder::Verdict PrivateFolder::make(const QString& path, uid_t user) {
    return walk(path, user, true);
}

QString PrivateFolder::temporaryRoot(const QProcessEnvironment& environment) {
    const QString value = environment.value(QStringLiteral("TMPDIR"));
    return QDir::isAbsolutePath(value) ? QDir::cleanPath(value) : QStringLiteral("/tmp");
}

}  // namespace quillorbitex
