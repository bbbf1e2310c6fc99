#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <optional>

namespace quillorbitex::freedesktop {

// The [Desktop Entry] group of one .desktop file, with the keys this program uses.
struct DesktopEntry {
    // The desktop-file ID without ".desktop"; the application's identifier.
    QString identifier;
    // The file it was read from.
    QString filePath;
    // Name in the best match of the locale it was read for.
    QString name;
    QString icon;
    // Exec with the key file's escapes resolved; the command line's own quoting is still there.
    QString exec;
    // Path: the folder to start the program in; empty for the launcher's own.
    QString workingDirectory;
    QString startupWMClass;
    QStringList mimeTypes;
    bool isApplication = false;
    bool noDisplay = false;
    bool hidden = false;

    // Nothing when the text has no [Desktop Entry] group.
    static std::optional<DesktopEntry> parse(QByteArrayView contents, const QString& identifier,
                                             const QString& filePath, const QString& locale);

    // An application that exists: Type=Application and not deleted with Hidden=true.
    bool isInstalledApplication() const { return isApplication && !hidden; }
    // An installed application the desktop shows in its menus (NoDisplay entries are only helpers).
    bool isListed() const { return isInstalledApplication() && !noDisplay; }

    friend bool operator==(const DesktopEntry&, const DesktopEntry&) = default;
};

}  // namespace quillorbitex::freedesktop
