#pragma once

#include <QByteArray>
#include <QString>

#include "Platform/LaunchAtLoginControlling.h"

namespace quillorbitex::freedesktop {

// Starting with the desktop session through an XDG autostart entry: the program is enabled while
// "<autostart folder>/org.quillorbitex.Quillorbitex.desktop" exists and says neither Hidden=true
// nor X-GNOME-Autostart-enabled=false (the ways session settings switch an entry off). Enabling
// writes the entry in one atomic step; disabling removes it.
class LoginItem final : public LaunchAtLoginControlling {
public:
    // `autostartDirectory` is normally "$XDG_CONFIG_HOME/autostart"; in test mode a folder inside
    // the test base folder, so a test run never changes the user's session.
    LoginItem(QString autostartDirectory, QString executablePath);

    bool isEnabled() const override;
    // Fails when the folder cannot be made, the entry cannot be written or removed, or the
    // program's location is unknown.
    std::optional<QString> setEnabled(bool enabled) override;

    QString entryPath() const;

    // What the entry starts: the command name when PATH finds this very program under it, so that
    // a moved or upgraded install still starts; else the absolute path.
    static QString launchCommand(const QString& executablePath);

    // The entry that starts `executablePath`, with the path quoted and escaped so that a launcher
    // splits it back into exactly that one argument.
    static QByteArray entryContents(const QString& executablePath);

private:
    QString autostartDirectory_;
    QString executablePath_;
};

}  // namespace quillorbitex::freedesktop
