#include "Application/TestBaseDirectory.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "Application/StorageLocations.h"
#include "Localization/L10n.h"
#include "Platform/ApplicationIdentifier.h"
#include "Platform/AtomicFile.h"
#include "Platform/PrivateFolder.h"
#include "Services/Stats/GestureUsageStatsStore.h"

namespace quillorbitex {

namespace {

// "/", the home folder and every folder above it: a run's files must never mix with the user's.
bool holdsHome(const QString& folder) {
    if (folder == QDir::rootPath()) {
        return true;
    }
    const QString home = QFileInfo(QDir::homePath()).canonicalFilePath();
    return !home.isEmpty() && (home == folder || home.startsWith(folder + QLatin1Char('/')));
}

// Removes `path` when it is a file or a symbolic link (the link itself, never what it names).
void removeFile(const QString& path) {
    const QByteArray bytes = QFile::encodeName(path);
    struct stat entry {};
    if (::lstat(bytes.constData(), &entry) == 0 && !S_ISDIR(entry.st_mode)) {
        ::unlink(bytes.constData());
    }
}

// Every entry of `folder` matching one of `patterns`, files and links only, and the new files that
// writes of such files left behind when they were killed.
void removeMatching(const QString& folder, const QStringList& patterns) {
    QStringList withTemporaries = patterns;
    for (const QString& pattern : patterns) {
        withTemporaries.append(AtomicFile::temporaryNamePattern(pattern));
    }
    const QDir dir(folder);
    const QStringList names =
        dir.entryList(withTemporaries, QDir::Files | QDir::System | QDir::Hidden |
                                           QDir::NoDotAndDotDot | QDir::CaseSensitive);
    for (const QString& name : names) {
        removeFile(dir.filePath(name));
    }
}

}  // namespace

bool TestBaseDirectory::prepare(const UITestConfig& config, uid_t user) {
    if (!config.isUITest) {
        return true;
    }
    const QString base = PrivateFolder::normalized(config.baseDirectory);
    if (!allowed(base) || PrivateFolder::make(base, user) != PrivateFolder::Verdict::usable) {
        return false;
    }
    if (config.resetOnLaunch) {
        removeProgramFiles(config);
    }
    return true;
}

bool TestBaseDirectory::allowed(const QString& path) {
    return !path.isEmpty() && !holdsHome(path);
}

void TestBaseDirectory::removeProgramFiles(const UITestConfig& config) {
    UITestConfig inBase = config;
    inBase.isUITest = true;
    const StorageLocations locations = StorageLocations::forConfig(inBase);
    const QString base = PrivateFolder::normalized(config.baseDirectory);
    const QString preferences = QFileInfo(locations.preferencesFile).fileName();
    const QString database = QFileInfo(locations.usageDatabaseFile).fileName();
    QStringList patterns = {
        preferences,
        preferences + QStringLiteral(".unreadable-*"),
        // What instances sharing the preferences lock while they write, and the changes one
        // that ended while the lock was held kept beside them.
        preferences + QStringLiteral(".lock"),
        preferences + QStringLiteral(".unsaved-*"),
        // Single preferences set aside; every key begins with "gesture".
        QStringLiteral("gesture*.unreadable-*"),
        database,
        database + QStringLiteral("-journal"),
        database + QStringLiteral("-wal"),
        database + QStringLiteral("-shm"),
        database + QStringLiteral(".unreadable-*"),
        QFileInfo(config.stateDumpPath).fileName(),
    };
    // Counts a run could not write; left behind, they would be counted after the reset.
    for (const QString& unwritten :
         GestureUsageStatsStore::unwrittenCountsNamePatterns(locations.usageDatabaseFile)) {
        patterns << unwritten << unwritten + QStringLiteral(".unreadable-*");
    }
    removeMatching(base, patterns);
    // The login item's folder only when it is a real folder: through a link the entry would be
    // removed from somewhere else.
    const QByteArray autostart = QFile::encodeName(locations.autostartDirectory);
    struct stat entry {};
    if (::lstat(autostart.constData(), &entry) == 0 && S_ISDIR(entry.st_mode)) {
        removeMatching(locations.autostartDirectory,
                       {QString::fromLatin1(kApplicationIdentifier) + QStringLiteral(".desktop")});
        ::rmdir(autostart.constData());  // only when nothing else is left in it
    }
}

QString TestBaseDirectory::refusalNotice(const QString& path) {
    return L10n::format(
        "Quillorbitex does not use \"%@\" as its test folder: it must be a folder of your own "
        "that nobody else can change, reached without symbolic links, and neither your home "
        "folder nor a folder holding it. Set QUILLORBITEX_UITEST_BASE_DIR to another folder.",
        PrivateFolder::normalized(path));
}

}  // namespace quillorbitex
