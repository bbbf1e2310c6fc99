#include "Platform/Freedesktop/DesktopExec.h"

namespace quillorbitex::freedesktop {

namespace {

bool isSeparator(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isEscapableInDoubleQuotes(QChar c) {
    return c == u'"' || c == u'`' || c == u'$' || c == u'\\';
}

// Field codes that stand for files or URLs; a launcher that opens none drops them.
bool isDroppedFieldCode(QChar code) {
    return QStringView(u"fFuUdDnNvm").contains(code);
}

// One argument with its field codes expanded; an argument may become none or two.
QStringList expandFieldCodes(const QString& argument, const DesktopEntry& entry) {
    if (argument.size() == 2 && argument.at(0) == u'%') {
        const QChar code = argument.at(1);
        if (code == u'i') {
            return entry.icon.isEmpty() ? QStringList{}
                                        : QStringList{QStringLiteral("--icon"), entry.icon};
        }
        if (isDroppedFieldCode(code)) {
            return {};
        }
    }
    QString expanded;
    bool onlyRemovedCodes = !argument.isEmpty();
    for (qsizetype i = 0; i < argument.size(); ++i) {
        const QChar c = argument.at(i);
        if (c != u'%' || i + 1 == argument.size()) {
            expanded += c;
            onlyRemovedCodes = false;
            continue;
        }
        const QChar code = argument.at(++i);
        if (code == u'%') {
            expanded += u'%';
        } else if (code == u'c') {
            expanded += entry.name;
        } else if (code == u'k') {
            expanded += entry.filePath;
        } else {
            // Files, URLs, an icon inside a longer argument and unknown codes are removed.
            continue;
        }
        onlyRemovedCodes = false;
    }
    // An argument made of nothing but removed codes disappears rather than becoming "".
    return onlyRemovedCodes ? QStringList{} : QStringList{expanded};
}

}  // namespace

std::optional<QStringList> DesktopExec::split(const QString& exec) {
    QStringList arguments;
    QString current;
    bool inArgument = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (isSeparator(c)) {
            if (inArgument) {
                arguments << current;
                current.clear();
                inArgument = false;
            }
            continue;
        }
        inArgument = true;
        if (c == u'\\') {
            if (++i == exec.size()) {
                return std::nullopt;
            }
            current += exec.at(i);
        } else if (c == u'\'') {
            const auto end = exec.indexOf(u'\'', i + 1);
            if (end < 0) {
                return std::nullopt;
            }
            current += QStringView(exec).mid(i + 1, end - i - 1);
            i = end;
        } else if (c == u'"') {
            bool closed = false;
            while (++i < exec.size()) {
                const QChar q = exec.at(i);
                if (q == u'"') {
                    closed = true;
                    break;
                }
                if (q == u'\\' && i + 1 < exec.size() &&
                    isEscapableInDoubleQuotes(exec.at(i + 1))) {
                    current += exec.at(++i);
                } else {
                    current += q;
                }
            }
            if (!closed) {
                return std::nullopt;
            }
        } else {
            current += c;
        }
    }
    if (inArgument) {
        arguments << current;
    }
    return arguments;
}

std::optional<QStringList> DesktopExec::commandLine(const DesktopEntry& entry) {
    const auto words = split(entry.exec);
    if (!words) {
        return std::nullopt;
    }
    QStringList result;
    for (const QString& word : *words) {
        result << expandFieldCodes(word, entry);
    }
    if (result.isEmpty() || result.first().isEmpty()) {
        return std::nullopt;
    }
    return result;
}

}  // namespace quillorbitex::freedesktop
