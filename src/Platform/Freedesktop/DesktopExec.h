#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "Platform/Freedesktop/DesktopEntry.h"

namespace quillorbitex::freedesktop {

// Turns an entry's Exec line into a program and its arguments, the way a launcher does without a
// shell: the line is split at unquoted white space, quotes and escapes are resolved, and field
// codes are expanded only where one stands alone as an argument.
class DesktopExec final {
public:
    DesktopExec() = delete;

    // The program followed by its arguments for starting the entry with no files or URLs: file and
    // URL field codes are removed; %i becomes "--icon" and the icon, %c the name, %k the file's
    // path, each only as a whole unquoted argument and removed anywhere else; %% is a percent
    // sign. Nothing when the line is empty or its quoting is broken.
    static std::optional<QStringList> commandLine(const DesktopEntry& entry);

    // Only the splitting and unquoting: double quotes (in which \" \` \$ \\ are escapes), single
    // quotes and backslashes outside quotes behave as in a POSIX shell; nothing else of a shell
    // does.
    static std::optional<QStringList> split(const QString& exec);
};

}  // namespace quillorbitex::freedesktop
