// Every text the program looks up must be translated, and finished, in every table: a key that is
// missing falls back to English silently, which no other test would notice.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <map>
#include <set>

namespace {

const QStringList kCodes = {"en", "zh-Hans", "zh-Hant", "ja", "ko", "fr", "de", "es"};

// Decodes the body of a C++ string literal (the common escapes only).
QString decodeLiteral(const QString& body) {
    QString out;
    for (qsizetype i = 0; i < body.size(); ++i) {
        if (body[i] != QLatin1Char('\\') || i + 1 >= body.size()) {
            out += body[i];
            continue;
        }
        const QChar next = body[++i];
        if (next == QLatin1Char('n')) {
            out += QLatin1Char('\n');
        } else if (next == QLatin1Char('t')) {
            out += QLatin1Char('\t');
        } else {
            out += next;
        }
    }
    return out;
}

std::map<QString, QString> keysUsedInSources() {
    std::map<QString, QString> keys;  // key -> first file using it
    // A key may be written as adjacent literals over several lines; they make one key.
    const QRegularExpression call(
        QStringLiteral(R"((?:L10n::(?:string|format)|L10N_KEY)\(\s*((?:"(?:[^"\\]|\\.)*"\s*)+))"));
    const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    QDirIterator it(QStringLiteral(QX_SOURCE_DIR "/src"), {"*.cpp", "*.h"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            ADD_FAILURE() << "cannot read " << path.toStdString();
            continue;
        }
        const QString text = QString::fromUtf8(file.readAll());
        auto matches = call.globalMatch(text);
        while (matches.hasNext()) {
            QString key;
            auto parts = literal.globalMatch(matches.next().captured(1));
            while (parts.hasNext()) {
                key += decodeLiteral(parts.next().captured(1));
            }
            keys.emplace(key, path);
        }
    }
    return keys;
}

struct TableEntry {
    QString translation;
    bool finished = true;
};

// All messages of all table files of one language.
std::map<QString, TableEntry> tableFor(const QString& code) {
    std::map<QString, TableEntry> entries;
    QDirIterator it(QStringLiteral(QX_SOURCE_DIR "/resources/translations"), {"*_" + code + ".ts"},
                    QDir::Files);
    while (it.hasNext()) {
        QFile file(it.next());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        QXmlStreamReader xml(&file);
        QString source;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement()) {
                continue;
            }
            if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const auto type = xml.attributes().value(QLatin1String("type"));
                TableEntry entry;
                entry.finished = type.isEmpty();
                entry.translation = xml.readElementText();
                entries[source] = entry;
            }
        }
        EXPECT_FALSE(xml.hasError())
            << file.fileName().toStdString() << ": " << xml.errorString().toStdString();
    }
    return entries;
}

TEST(TranslationTables, EveryLookedUpTextIsTranslatedInEveryLanguage) {
    const auto keys = keysUsedInSources();
    ASSERT_FALSE(keys.empty()) << "no looked-up texts found; the source scan is broken";
    for (const QString& code : kCodes) {
        const auto table = tableFor(code);
        for (const auto& [key, file] : keys) {
            const auto found = table.find(key);
            if (found == table.end()) {
                ADD_FAILURE() << code.toStdString() << ": missing \"" << key.toStdString()
                              << "\" (used in " << file.toStdString() << ")";
            } else if (!found->second.finished || found->second.translation.trimmed().isEmpty()) {
                ADD_FAILURE() << code.toStdString() << ": unfinished \"" << key.toStdString()
                              << "\"";
            }
        }
    }
}

TEST(TranslationTables, PlaceholdersSurviveTranslation) {
    // A translation that drops or adds a placeholder would print arguments in the wrong place.
    const QRegularExpression placeholder(QStringLiteral(R"(%(?:\d+\$)?(?:\.\d+)?l{0,2}[@dif])"));
    const auto count = [&](const QString& s) {
        qsizetype n = 0;
        auto it = placeholder.globalMatch(s);
        while (it.hasNext()) {
            it.next();
            ++n;
        }
        return n;
    };
    for (const QString& code : kCodes) {
        for (const auto& [key, entry] : tableFor(code)) {
            EXPECT_EQ(count(key), count(entry.translation))
                << code.toStdString() << ": \"" << entry.translation.toStdString() << "\"";
        }
    }
}

}  // namespace
