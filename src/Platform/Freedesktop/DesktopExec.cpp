#include "Platform/Freedesktop/DesktopExec.h"

namespace quillorbitex::freedesktop {

namespace {

bool isSeparator(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isEscapableInDoubleQuotes(QChar c) {
    return c == u'"' || c == u'`' || c == u'$' || c == u'\\';
}

// Splits and unquotes the line; with an entry, also expands the field codes that stand alone as an
// argument. An expanded value is always exactly one argument of its own: a code glued to other
// text is removed, since that text may be a shell string the value would become part of
// (`sh -c "echo "%c" > out"` glues a quoted script around the code).
std::optional<QStringList> parse(const QString& exec, const DesktopEntry* entry) {
    QStringList arguments;
    QString current;
    bool inArgument = false;
    // An argument made only of codes that were removed disappears rather than becoming "".
    bool onlyRemovedCodes = true;
    const auto finish = [&] {
        if (inArgument && !onlyRemovedCodes) {
            arguments << current;
        }
        current.clear();
        inArgument = false;
        onlyRemovedCodes = true;
    };
    // A quoted part: field codes there are not expanded (the desktop entry specification forbids
    // them inside quotes), only removed; "%%" is a percent sign.
    const auto addQuoted = [&](QStringView text) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (entry && text[i] == u'%' && i + 1 < text.size()) {
                if (text[++i] == u'%') {
                    current += u'%';
                    onlyRemovedCodes = false;
                }
                continue;
            }
            current += text[i];
            onlyRemovedCodes = false;
        }
    };
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (isSeparator(c)) {
            finish();
            continue;
        }
        const bool startsArgument = !inArgument;
        inArgument = true;
        if (c == u'\\') {
            if (++i == exec.size()) {
                return std::nullopt;
            }
            current += exec.at(i);
            onlyRemovedCodes = false;
        } else if (c == u'\'') {
            const auto end = exec.indexOf(u'\'', i + 1);
            if (end < 0) {
                return std::nullopt;
            }
            addQuoted(QStringView(exec).mid(i + 1, end - i - 1));
            // '' is an empty argument of its own.
            onlyRemovedCodes = onlyRemovedCodes && end > i + 1;
            i = end;
        } else if (c == u'"') {
            QString quoted;
            bool closed = false;
            while (++i < exec.size()) {
                const QChar q = exec.at(i);
                if (q == u'"') {
                    closed = true;
                    break;
                }
                if (q == u'\\' && i + 1 < exec.size() &&
                    isEscapableInDoubleQuotes(exec.at(i + 1))) {
                    quoted += exec.at(++i);
                } else {
                    quoted += q;
                }
            }
            if (!closed) {
                return std::nullopt;
            }
            addQuoted(quoted);
            onlyRemovedCodes = onlyRemovedCodes && !quoted.isEmpty();
        } else if (c == u'%' && entry && i + 1 < exec.size()) {
            const QChar code = exec.at(++i);
            const bool wholeArgument =
                startsArgument && (i + 1 == exec.size() || isSeparator(exec.at(i + 1)));
            if (code == u'%') {
                current += u'%';
                onlyRemovedCodes = false;
            } else if (code == u'c' && wholeArgument) {
                current += entry->name;
                onlyRemovedCodes = false;
            } else if (code == u'k' && wholeArgument) {
                current += entry->filePath;
                onlyRemovedCodes = false;
            } else if (code == u'i' && wholeArgument && !entry->icon.isEmpty()) {
                arguments << QStringLiteral("--icon") << entry->icon;
                inArgument = false;
            }
            // Files, URLs, codes inside a longer argument and unknown codes are removed.
        } else {
            current += c;
            onlyRemovedCodes = false;
        }
    }
    finish();
    return arguments;
}

}  // namespace

std::optional<QStringList> DesktopExec::split(const QString& exec) {
    return parse(exec, nullptr);
}

std::optional<QStringList> DesktopExec::commandLine(const DesktopEntry& entry) {
    auto result = parse(entry.exec, &entry);
    if (!result || result->isEmpty() || result->first().isEmpty()) {
        return std::nullopt;
    }
    return result;
}

}  // namespace quillorbitex::freedesktop
