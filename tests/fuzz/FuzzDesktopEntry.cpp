// Feeds arbitrary bytes to the reader of desktop entries and starts nothing: the entry's Exec line
// is split and its field codes expanded twice, with two different names, paths and icons. Only
// whole arguments may differ between the two, each exactly the value expanded, so no name or path
// ever becomes part of another argument (such as a shell script).
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>

#include "FuzzCheck.h"
#include "Platform/Freedesktop/DesktopEntry.h"
#include "Platform/Freedesktop/DesktopExec.h"

namespace quillorbitex::fuzzing {
namespace {

using freedesktop::DesktopEntry;
using freedesktop::DesktopExec;

// Values no line of the input holds: a private-use character and text the dictionary lacks.
DesktopEntry withValues(DesktopEntry entry, QChar mark) {
    entry.name = QString(mark) + QStringLiteral("name of fuzzing");
    entry.filePath = QString(mark) + QStringLiteral("path of fuzzing");
    entry.icon = QString(mark) + QStringLiteral("icon of fuzzing");
    return entry;
}

void checkExpansion(const DesktopEntry& entry) {
    const DesktopEntry first = withValues(entry, QChar(0xE000));
    const DesktopEntry second = withValues(entry, QChar(0xE001));
    const auto one = DesktopExec::commandLine(first);
    const auto other = DesktopExec::commandLine(second);
    check(one.has_value() == other.has_value(), "expansion decided whether the line starts");
    if (!one) {
        if (!entry.exec.contains(u'%')) {
            const auto split = DesktopExec::split(entry.exec);
            check(!split || split->isEmpty() || split->first().isEmpty(),
                  "a line that splits into a program was not started");
        }
        return;
    }
    check(!one->isEmpty() && !one->first().isEmpty(), "a command line without a program");
    check(one->size() == other->size(), "expansion changed the number of arguments");
    for (qsizetype i = 0; i < one->size(); ++i) {
        const QString& a = one->at(i);
        const QString& b = other->at(i);
        if (a != b) {
            check((a == first.name && b == second.name) ||
                      (a == first.filePath && b == second.filePath) ||
                      (a == first.icon && b == second.icon && i > 0 &&
                       one->at(i - 1) == QStringLiteral("--icon")),
                  "an expanded value is not an argument of its own");
        }
    }
    // Without field codes, starting the entry is only splitting its line. (A code takes the
    // character after its '%' whatever it is, as GLib's launcher does, so with codes the quoting
    // may differ.)
    if (!entry.exec.contains(u'%')) {
        check(DesktopExec::split(entry.exec) == one, "a line without field codes was changed");
    }
}

}  // namespace
}  // namespace quillorbitex::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillorbitex;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto entry = freedesktop::DesktopEntry::parse(bytes, QStringLiteral("fuzz"),
                                                        QStringLiteral("/fuzz.desktop"),
                                                        QStringLiteral("de_DE.UTF-8@euro"));
    if (entry) {
        fuzzing::checkExpansion(*entry);
    }
    return 0;
}
