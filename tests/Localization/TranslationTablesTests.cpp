// Every text the program looks up must be translated, and finished, in every table: a key that is
// missing falls back to English silently, which no other test would notice.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "Localization/L10n.h"
#include "Models/ActionLabels.h"

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

std::map<QString, QStringList> keysUsedInSources() {
    std::map<QString, QStringList> keys;  // key -> the files using it
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
            keys[key].append(path);
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
        for (const auto& [key, files] : keys) {
            const QString& file = files.first();
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

// A keyboard key keeps its name in every language (Japanese tables name the Delete key "Delete"),
// while a button's verb is translated: one key cannot serve both.
TEST(TranslationTables, NoTextIsBothAKeyNameAndAWindowsLabel) {
    using namespace quillorbitex;
    L10n::setLanguageOverride(AppLanguageOverride::english);
    ModifierKeySet everyModifier;
    std::set<QString> keyNames;
    for (const auto modifier : allCases<ModifierKey>()) {
        everyModifier.insert(modifier);
        keyNames.insert(displayLabel(modifier));
    }
    for (const auto key : allCases<KeyboardKeyToken>()) {
        for (const QString& cap : keyCapLabels({key, everyModifier})) {
            keyNames.insert(cap);
        }
    }
    L10n::setLanguageOverride(AppLanguageOverride::system);
    for (const auto& [key, files] : keysUsedInSources()) {
        for (const QString& file : files) {
            EXPECT_FALSE(file.contains(QStringLiteral("/src/Views/")) && keyNames.contains(key))
                << "\"" << key.toStdString() << "\" names a key and labels " << file.toStdString();
        }
    }
}

QRegularExpression words(const char* pattern) {
    return QRegularExpression(
        QString::fromUtf8(pattern),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
}

// `word` in lower case without its accents.
QString bare(const QString& word) {
    QString out;
    for (const QChar c : word.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing) {
            out += c.toLower();
        }
    }
    return out;
}

// The informal Spanish in `text`, or nothing; `german` is the same message's German text. Besides
// second-person forms: a tú imperative with a pronoun attached ("súbelo", "cámbialo" against
// usted's "súbalo", "cámbielo"; verbs whose stem is not listed count as -ar), and a sentence opened
// by a form that is also the third person ("Abre"), informal when the German instructs ("...en
// Sie").
std::optional<QString> informalSpanish(const QString& text, const QString& german) {
    static const QRegularExpression secondPerson = words(
        R"(\b(tú|tu|tus|te|ti|contigo|tuy[oa]s?|vosotr[oa]s|vuestr[oa]s?|podéis|queréis|tenéis|)"
        R"(puedes|puedas|quieres|quieras|tienes|tengas|debes|debas|necesitas|necesites|sabes|)"
        R"(sepas|prefieres|prefieras|permites|permitas|bloqueas|bloquees|eliges|elijas|haces|)"
        R"(hagas|usas|uses|cambias|cambies|vuelves|vuelvas|pulsas|pulses|seleccionas|selecciones|)"
        R"(abres|abras|escribes|escribas|dibujas|dibujes|guardes|desactives|intentas|intentes|)"
        R"(mantienes|mantengas|haz|hazlo|pon|ponlo|mantén|ten|tenlo|dilo)\b)");
    static const QRegularExpression enclitic = words(
        R"(\b(\w*[áéíóú]\w*?)([ae])((?:me|te|se|nos|le|les)?(?:lo|la|los|las|le|les|me|te|se|nos))\b)");
    static const QStringList erAndIrStems = {
        "sub",  "abr",     "escrib", "elig",   "elij",   "escog",    "escoj",     "permit",
        "anad", "le",      "hag",    "pong",   "teng",   "veng",     "dig",       "salg",
        "mov",  "muev",    "volv",   "vuelv",  "defin",  "repit",    "decid",     "recib",
        "met",  "compart", "divid",  "suprim", "imprim", "reproduc", "reproduzc", "incluy"};
    static const QRegularExpression openingForm = words(
        R"((?:^|[.!?;:]\s+|¡)(observa|mira|pulsa|presiona|selecciona|elige|escoge|abre|cierra|)"
        R"(crea|cambia|usa|escribe|dibuja|sube|baja|guarda|borra|quita|añade|comprueba|revisa|)"
        R"(intenta|vuelve|copia|busca|descarga|limita|restaura|elimina|arrastra|suelta|toca|)"
        R"(activa|desactiva|prueba|espera|sigue|deja|asigna|define)\b)");
    static const QRegularExpression germanInstruction(
        QStringLiteral(R"((?:^|[.!?;:]\s+)\w+en Sie\b)"),
        QRegularExpression::UseUnicodePropertiesOption);

    for (const auto* pattern : {&secondPerson, &enclitic, &openingForm, &germanInstruction}) {
        EXPECT_TRUE(pattern->isValid()) << pattern->errorString().toStdString();
    }
    if (const auto found = secondPerson.match(text); found.hasMatch()) {
        return found.captured(0);
    }
    for (auto it = enclitic.globalMatch(text); it.hasNext();) {
        const auto found = it.next();
        const QString stem = bare(found.captured(1));
        const bool erOrIr =
            std::any_of(erAndIrStems.begin(), erAndIrStems.end(), [&](const QString& root) {
                return root.size() >= 3 ? stem.endsWith(root) : stem == root;
            });
        const bool endsInE =
            found.captured(2).compare(QStringLiteral("e"), Qt::CaseInsensitive) == 0;
        if (endsInE == erOrIr) {
            return found.captured(0);
        }
    }
    if (const auto found = openingForm.match(text);
        found.hasMatch() && germanInstruction.match(german).hasMatch()) {
        return found.captured(1);
    }
    return std::nullopt;
}

TEST(TranslationTables, GermanFrenchAndSpanishAddressTheUserFormally) {
    const std::map<QString, QRegularExpression> informal = {
        {"de", words(R"(\b(du|dich|dir|dein\w*)\b)")},
        {"fr", words(R"(\b(tu|toi|ton)\b)")},
    };
    for (const auto& [code, pattern] : informal) {
        for (const auto& [key, entry] : tableFor(code)) {
            EXPECT_FALSE(pattern.match(entry.translation).hasMatch())
                << code.toStdString() << ": \"" << entry.translation.toStdString() << "\"";
        }
    }
    const auto german = tableFor(QStringLiteral("de"));
    for (const auto& [key, entry] : tableFor(QStringLiteral("es"))) {
        const auto found = german.find(key);
        const auto word = informalSpanish(
            entry.translation, found == german.end() ? QString() : found->second.translation);
        EXPECT_FALSE(word.has_value()) << "es: \"" << word.value_or(QString()).toStdString()
                                       << "\" in \"" << entry.translation.toStdString() << "\"";
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
