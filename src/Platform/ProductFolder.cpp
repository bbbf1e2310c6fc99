#include "Platform/ProductFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdlib>
#include <map>
#include <mutex>

#include "Localization/L10n.h"
#include "Platform/PrivateFolder.h"
#include "Platform/StandardError.h"

namespace quillorbitex {

namespace {

const QString kProductFolderName = QStringLiteral("Quillorbitex");

// HOME when a base folder can live below it. Qt answers "/" for an unset HOME, which is how the
// files of a bare service environment ended up in "/.config", where a user cannot write.
QString usableHome(const QString& home, const QString& relativeBase) {
    if (!QDir::isAbsolutePath(home)) {
        return {};
    }
    const QString cleaned = QDir::cleanPath(home);
    const QFileInfo info(cleaned);
    if (cleaned == QDir::rootPath() || !info.isDir()) {
        return {};
    }
    if (!info.isWritable() && !QFileInfo(cleaned + relativeBase).isDir()) {
        return {};
    }
    return cleaned;
}

QString temporaryProductFolderPath(const QProcessEnvironment& environment, uid_t user) {
    return QDir(PrivateFolder::temporaryRoot(environment))
        .filePath(kProductFolderName + QLatin1Char('-') + QString::number(user));
}

}  // namespace

QString userBaseFolder(QStandardPaths::StandardLocation location,
                       const QProcessEnvironment& environment) {
    const auto xdgHome = [&](const QString& variable, const QString& relativeBase) {
        const QString value = environment.value(variable);
        if (QDir::isAbsolutePath(value)) {
            return QDir::cleanPath(value);
        }
        const QString home = usableHome(environment.value(QStringLiteral("HOME")), relativeBase);
        return home.isEmpty() ? QString() : home + relativeBase;
    };
    switch (location) {
        case QStandardPaths::GenericConfigLocation:
            return xdgHome(QStringLiteral("XDG_CONFIG_HOME"), QStringLiteral("/.config"));
        case QStandardPaths::GenericDataLocation:
            return xdgHome(QStringLiteral("XDG_DATA_HOME"), QStringLiteral("/.local/share"));
        case QStandardPaths::GenericCacheLocation:
            return xdgHome(QStringLiteral("XDG_CACHE_HOME"), QStringLiteral("/.cache"));
        default:
            return QStandardPaths::writableLocation(location);
    }
}

QString userBaseFolder(QStandardPaths::StandardLocation location) {
    return userBaseFolder(location, QProcessEnvironment::systemEnvironment());
}

QString productFolder(QStandardPaths::StandardLocation location) {
    const QString base = userBaseFolder(location);
    if (base.isEmpty()) {
        return temporaryProductFolder(QProcessEnvironment::systemEnvironment());
    }
    return QDir(base).filePath(kProductFolderName);
}

QString productFolderPath(QStandardPaths::StandardLocation location,
                          const QProcessEnvironment& environment, uid_t user) {
    const QString base = userBaseFolder(location, environment);
    return base.isEmpty() ? temporaryProductFolderPath(environment, user)
                          : QDir(base).filePath(kProductFolderName);
}

QString temporaryProductFolder(const QProcessEnvironment& environment, uid_t user) {
    const QString folder = temporaryProductFolderPath(environment, user);
    if (PrivateFolder::make(folder, user) == PrivateFolder::Verdict::usable) {
        return folder;
    }
    // The preferences and the database ask separately; both get the same replacement.
    static std::mutex mutex;
    static std::map<QString, QString> replacements;
    const std::lock_guard lock(mutex);
    if (const auto found = replacements.find(folder); found != replacements.end()) {
        return found->second;
    }
    QByteArray pattern = QFile::encodeName(folder + QStringLiteral("-XXXXXX"));
    QString replacement;
    if (::mkdtemp(pattern.data()) != nullptr) {
        if (PrivateFolder::check(QFile::decodeName(pattern), user) ==
            PrivateFolder::Verdict::usable) {
            replacement = QFile::decodeName(pattern);
        } else {
            // Made where others can reach it (the temporary folder is a link, say): of no use,
            // and nothing of it should be left behind.
            ::rmdir(pattern.constData());
        }
    }
    const QString notice =
        replacement.isEmpty()
            ? L10n::format(
                  "\"%@\" is not a folder that only you can change, and no other could be made; "
                  "Quillorbitex does not save its preferences and counts in this run.",
                  folder)
            : L10n::format(
                  "\"%1$@\" is not a folder that only you can change; Quillorbitex keeps its "
                  "preferences and counts in \"%2$@\" until it quits.",
                  folder, replacement);
    tellOnStandardError(notice);
    replacements.emplace(folder, replacement);
    return replacement;
}

}  // namespace quillorbitex
