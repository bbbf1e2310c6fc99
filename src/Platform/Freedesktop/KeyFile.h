#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

namespace quillorbitex::freedesktop {

// The "key file" format shared by desktop entries and mimeapps.list: [groups] of key=value lines,
// values in UTF-8 with backslash escapes, lists separated by ';', localised keys as Key[locale].
class KeyFile {
public:
    // Desktop entries and lists are a few kilobytes; anything larger is not one.
    static constexpr qint64 kMaximumBytes = 1024 * 1024;

    static KeyFile parse(QByteArrayView contents);
    // Nothing when the path holds no regular file of at most kMaximumBytes that can be read
    // (RegularFile: never blocks on a FIFO, never reads a device).
    static std::optional<KeyFile> read(const QString& path);

    bool hasGroup(const QString& group) const { return groups_.contains(group); }
    // The value with its escapes resolved (\s \n \t \r \\); other backslashes stay as they are.
    std::optional<QString> string(const QString& group, const QString& key) const;
    // The value of Key[locale] for the best match of a POSIX locale
    // (lang_COUNTRY.ENCODING@MODIFIER), falling back to the plain key.
    std::optional<QString> localeString(const QString& group, const QString& key,
                                        const QString& locale) const;
    // Items separated by unescaped ';' (\; is a literal one); an empty last item is dropped.
    QStringList stringList(const QString& group, const QString& key) const;
    // "true" is true; anything else, or no value, is false.
    bool boolean(const QString& group, const QString& key) const;

    static QString unescape(const QString& raw);

private:
    std::optional<QString> rawValue(const QString& group, const QString& key) const;

    QHash<QString, QHash<QString, QString>> groups_;
};

}  // namespace quillorbitex::freedesktop
