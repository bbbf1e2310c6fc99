#include "Platform/Freedesktop/LoginItem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "Platform/ApplicationIdentifier.h"
#include "Platform/AtomicFile.h"
#include "Platform/Freedesktop/KeyFile.h"
#include "Platform/RegularFile.h"

namespace quillorbitex::freedesktop {

namespace {

const QString kGroup = QStringLiteral("Desktop Entry");

// One argument of an Exec line: always double-quoted, with the four characters that stay special
// inside double quotes escaped, and percent signs doubled so no field code is seen.
QString quotedExecArgument(const QString& argument) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') {
            quoted += u'\\';
        } else if (c == u'%') {
            quoted += u'%';
        }
        quoted += c;
    }
    quoted += u'"';
    return quoted;
}

// The key-file layer on top: backslashes and control characters as its escapes.
QString keyFileEscaped(const QString& value) {
    QString escaped;
    escaped.reserve(value.size());
    for (const QChar c : value) {
        switch (c.unicode()) {
            case u'\\':
                escaped += QStringLiteral("\\\\");
                break;
            case u'\n':
                escaped += QStringLiteral("\\n");
                break;
            case u'\t':
                escaped += QStringLiteral("\\t");
                break;
            case u'\r':
                escaped += QStringLiteral("\\r");
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

}  // namespace

LoginItem::LoginItem(QString autostartDirectory, QString executablePath)
    : autostartDirectory_(std::move(autostartDirectory)),
      executablePath_(std::move(executablePath)) {}

QString LoginItem::entryPath() const {
    return QDir(autostartDirectory_)
        .filePath(QString::fromLatin1(kApplicationIdentifier) + QStringLiteral(".desktop"));
}

bool LoginItem::isEnabled() const {
    const RegularFile::Contents file = RegularFile::read(entryPath(), KeyFile::kMaximumBytes);
    switch (file.status) {
        case RegularFile::Status::absent:
        // A folder, FIFO or device is no entry: the session starts nothing from it.
        case RegularFile::Status::notRegular:
            return false;
        // An entry that exists but cannot be read still starts nothing we could tell apart; the
        // session would try it, so it counts as on.
        case RegularFile::Status::tooLarge:
        case RegularFile::Status::unreadable:
            return true;
        case RegularFile::Status::read:
            break;
    }
    const KeyFile keyFile = KeyFile::parse(file.bytes);
    // GNOME's session settings switch an entry off with their own key instead of Hidden.
    const auto gnomeEnabled = keyFile.string(kGroup, QStringLiteral("X-GNOME-Autostart-enabled"));
    const bool gnomeOff = gnomeEnabled && (*gnomeEnabled == u"false" || *gnomeEnabled == u"0");
    return !keyFile.boolean(kGroup, QStringLiteral("Hidden")) && !gnomeOff;
}

std::optional<QString> LoginItem::setEnabled(bool enabled) {
    const QString path = entryPath();
    if (!enabled) {
        const QFileInfo info(path);
        if (!info.exists() && !info.isSymLink()) {
            return std::nullopt;
        }
        QFile file(path);
        if (!file.remove()) {
            return QStringLiteral("cannot remove %1: %2").arg(path, file.errorString());
        }
        return std::nullopt;
    }
    if (executablePath_.isEmpty() || !QFileInfo(executablePath_).isAbsolute()) {
        return QStringLiteral("the program's location is unknown");
    }
    const FileWriteResult written =
        AtomicFile::write(path, entryContents(launchCommand(executablePath_)));
    if (!written) {
        return written.error;
    }
    return std::nullopt;
}

QString LoginItem::launchCommand(const QString& executablePath) {
    const QFileInfo program(executablePath);
    const QString found = QStandardPaths::findExecutable(program.fileName());
    if (found.isEmpty() || program.canonicalFilePath().isEmpty() ||
        QFileInfo(found).canonicalFilePath() != program.canonicalFilePath()) {
        return executablePath;
    }
    return program.fileName();
}

QByteArray LoginItem::entryContents(const QString& executablePath) {
    const QString text = QStringLiteral(
                             "[Desktop Entry]\n"
                             "Type=Application\n"
                             "Name=Quillorbitex\n"
                             "Exec=%1\n"
                             "Terminal=false\n"
                             "X-GNOME-Autostart-enabled=true\n")
                             .arg(keyFileEscaped(quotedExecArgument(executablePath)));
    return text.toUtf8();
}

}  // namespace quillorbitex::freedesktop
