#include "Platform/Freedesktop/ApplicationLauncher.h"

#include <QProcess>
#include <QStandardPaths>

#include "Platform/Freedesktop/DesktopExec.h"

namespace quillorbitex::freedesktop {

bool ApplicationLauncher::launch(const DesktopEntry& entry) {
    auto commandLine = DesktopExec::commandLine(entry);
    if (!commandLine) {
        return false;
    }
    const QString program = commandLine->takeFirst();
    return QProcess::startDetached(program, *commandLine, entry.workingDirectory);
}

bool ApplicationLauncher::openURL(const QUrl& url) {
    if (!url.isValid() || url.scheme().isEmpty()) {
        return false;
    }
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        return false;
    }
    // A URL with a scheme never starts with "-", so xdg-open cannot take it for an option.
    return QProcess::startDetached(opener, {url.toString(QUrl::FullyEncoded)});
}

}  // namespace quillorbitex::freedesktop
