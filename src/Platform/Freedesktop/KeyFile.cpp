#include "Platform/Freedesktop/KeyFile.h"

#include "Platform/RegularFile.h"

namespace quillorbitex::freedesktop {

namespace {

// Resolves the escapes of one character after a backslash; nothing when it is not one of them.
std::optional<QChar> escapedCharacter(QChar c) {
    switch (c.unicode()) {
        case 's':
            return QChar(u' ');
        case 'n':
            return QChar(u'\n');
        case 't':
            return QChar(u'\t');
        case 'r':
            return QChar(u'\r');
        case '\\':
            return QChar(u'\\');
        default:
            return std::nullopt;
    }
}

}  // namespace

KeyFile KeyFile::parse(QByteArrayView contents) {
    KeyFile file;
    QHash<QString, QString>* group = nullptr;
    const QString text = QString::fromUtf8(contents);
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) {
            continue;
        }
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            // A group that appears twice keeps its first values; later lines only add keys.
            group = &file.groups_[line.mid(1, line.size() - 2).toString()];
            continue;
        }
        const auto equals = line.indexOf(u'=');
        if (group == nullptr || equals <= 0) {
            continue;
        }
        const QString key = line.left(equals).trimmed().toString();
        if (!group->contains(key)) {
            group->insert(key, line.mid(equals + 1).trimmed().toString());
        }
    }
    return file;
}

std::optional<KeyFile> KeyFile::read(const QString& path) {
    RegularFile::Contents file = RegularFile::read(path, kMaximumBytes);
    if (file.status != RegularFile::Status::read) {
        return std::nullopt;
    }
    return parse(file.bytes);
}

std::optional<QString> KeyFile::rawValue(const QString& group, const QString& key) const {
    const auto groupIt = groups_.constFind(group);
    if (groupIt == groups_.constEnd()) {
        return std::nullopt;
    }
    const auto it = groupIt->constFind(key);
    if (it == groupIt->constEnd()) {
        return std::nullopt;
    }
    return *it;
}

std::optional<QString> KeyFile::string(const QString& group, const QString& key) const {
    if (auto raw = rawValue(group, key)) {
        return unescape(*raw);
    }
    return std::nullopt;
}

std::optional<QString> KeyFile::localeString(const QString& group, const QString& key,
                                             const QString& locale) const {
    // lang_COUNTRY.ENCODING@MODIFIER: the encoding never takes part in matching.
    QString name = locale;
    QString modifier;
    if (const auto at = name.indexOf(u'@'); at >= 0) {
        modifier = name.mid(at + 1);
        name.truncate(at);
    }
    if (const auto dot = name.indexOf(u'.'); dot >= 0) {
        name.truncate(dot);
    }
    QString lang = name;
    QString country;
    if (const auto underscore = name.indexOf(u'_'); underscore >= 0) {
        lang = name.left(underscore);
        country = name.mid(underscore + 1);
    }

    QStringList candidates;
    if (!lang.isEmpty() && lang != u"C" && lang != u"POSIX") {
        if (!country.isEmpty() && !modifier.isEmpty()) {
            candidates << lang + u'_' + country + u'@' + modifier;
        }
        if (!country.isEmpty()) {
            candidates << lang + u'_' + country;
        }
        if (!modifier.isEmpty()) {
            candidates << lang + u'@' + modifier;
        }
        candidates << lang;
    }
    for (const QString& candidate : candidates) {
        if (auto value = string(group, key + u'[' + candidate + u']')) {
            return value;
        }
    }
    return string(group, key);
}

QStringList KeyFile::stringList(const QString& group, const QString& key) const {
    QStringList items;
    const auto raw = rawValue(group, key);
    if (!raw) {
        return items;
    }
    QString current;
    for (qsizetype i = 0; i < raw->size(); ++i) {
        const QChar c = raw->at(i);
        if (c == u'\\' && i + 1 < raw->size()) {
            const QChar next = raw->at(i + 1);
            if (next == u';') {
                current += next;
                ++i;
                continue;
            }
            if (auto escaped = escapedCharacter(next)) {
                current += *escaped;
                ++i;
                continue;
            }
        }
        if (c == u';') {
            items << current;
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.isEmpty()) {
        items << current;
    }
    return items;
}

bool KeyFile::boolean(const QString& group, const QString& key) const {
    return rawValue(group, key) == QStringLiteral("true");
}

QString KeyFile::unescape(const QString& raw) {
    QString result;
    result.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        if (c == u'\\' && i + 1 < raw.size()) {
            if (auto escaped = escapedCharacter(raw.at(i + 1))) {
                result += *escaped;
                ++i;
                continue;
            }
        }
        result += c;
    }
    return result;
}

}  // namespace quillorbitex::freedesktop
