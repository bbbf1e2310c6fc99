#include "Platform/Freedesktop/DesktopEntry.h"

#include "Platform/Freedesktop/KeyFile.h"

namespace quillorbitex::freedesktop {

std::optional<DesktopEntry> DesktopEntry::parse(QByteArrayView contents, const QString& identifier,
                                                const QString& filePath, const QString& locale) {
    const QString group = QStringLiteral("Desktop Entry");
    const KeyFile file = KeyFile::parse(contents);
    if (!file.hasGroup(group)) {
        return std::nullopt;
    }
    DesktopEntry entry;
    entry.identifier = identifier;
    entry.filePath = filePath;
    entry.name = file.localeString(group, QStringLiteral("Name"), locale).value_or(QString());
    entry.icon = file.localeString(group, QStringLiteral("Icon"), locale).value_or(QString());
    entry.exec = file.string(group, QStringLiteral("Exec")).value_or(QString());
    entry.workingDirectory = file.string(group, QStringLiteral("Path")).value_or(QString());
    entry.startupWMClass = file.string(group, QStringLiteral("StartupWMClass")).value_or(QString());
    entry.mimeTypes = file.stringList(group, QStringLiteral("MimeType"));
    entry.isApplication =
        file.string(group, QStringLiteral("Type")) == QStringLiteral("Application");
    entry.noDisplay = file.boolean(group, QStringLiteral("NoDisplay"));
    entry.hidden = file.boolean(group, QStringLiteral("Hidden"));
    return entry;
}

}  // namespace quillorbitex::freedesktop
