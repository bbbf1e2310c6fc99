#include "Localization/L10n.h"

#include <QDir>
#include <QTranslator>
#include <array>
#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace quillorbitex {

namespace {

std::atomic<AppLanguageOverride> gLanguageOverride{AppLanguageOverride::system};

constexpr std::array<const char*, 8> kLanguageCodes = {"en", "zh-Hans", "zh-Hant", "ja",
                                                       "ko", "fr",      "de",      "es"};

// Every string table, loaded once. Tables may be split over several files per language
// (`<area>_<code>.qm`); together they form that language's table.
class Tables {
public:
    static const Tables& shared() {
        static const Tables tables;
        return tables;
    }

    QString lookup(const QString& code, std::string_view key) const {
        const auto it = translators_.find(code);
        if (it == translators_.end()) {
            return {};
        }
        const QByteArray utf8(key.data(), static_cast<qsizetype>(key.size()));
        for (const auto& translator : it->second) {
            QString text = translator->translate("L10n", utf8.constData());
            if (!text.isEmpty()) {
                return text;
            }
        }
        return {};
    }

    bool has(const QString& code) const { return translators_.count(code) != 0; }

private:
    Tables() {
        const QDir dir(QStringLiteral(":/i18n"));
        const QStringList files = dir.entryList({QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
        for (const char* rawCode : kLanguageCodes) {
            const QString code = QString::fromLatin1(rawCode);
            const QString suffix = QLatin1Char('_') + code + QStringLiteral(".qm");
            for (const QString& file : files) {
                if (!file.endsWith(suffix)) {
                    continue;
                }
                auto translator = std::make_unique<QTranslator>();
                if (translator->load(dir.filePath(file))) {
                    translators_[code].push_back(std::move(translator));
                }
            }
        }
    }

    std::map<QString, std::vector<std::unique_ptr<QTranslator>>> translators_;
};

QString activeCode() {
    const auto resource = localizationResource(gLanguageOverride.load());
    return resource ? *resource : L10n::systemLanguageCode();
}

// Maps a UI language name to a table's folder code, or nothing.
QString folderCodeFor(QString name) {
    name.replace(QLatin1Char('_'), QLatin1Char('-'));
    const QString lower = name.toLower();
    if (lower.startsWith(QStringLiteral("zh"))) {
        if (lower.contains(QStringLiteral("hans"))) {
            return QStringLiteral("zh-Hans");
        }
        if (lower.contains(QStringLiteral("hant")) || lower.endsWith(QStringLiteral("-tw")) ||
            lower.endsWith(QStringLiteral("-hk")) || lower.endsWith(QStringLiteral("-mo"))) {
            return QStringLiteral("zh-Hant");
        }
        return QStringLiteral("zh-Hans");
    }
    const QString language = lower.section(QLatin1Char('-'), 0, 0);
    for (const char* code : kLanguageCodes) {
        if (language == QLatin1String(code)) {
            return language;
        }
    }
    return {};
}

QString formatInteger(const QLocale& locale, long long value) {
    QLocale copy = locale;
    copy.setNumberOptions(QLocale::OmitGroupSeparator);
    return copy.toString(value);
}

QString formatDouble(const QLocale& locale, double value, int precision) {
    QLocale copy = locale;
    copy.setNumberOptions(QLocale::OmitGroupSeparator);
    return copy.toString(value, 'f', precision);
}

QString argumentAsText(const L10n::Arg& arg, const QLocale& locale) {
    return std::visit(
        [&](const auto& v) -> QString {
            using V = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<V, QString>) {
                return v;
            } else if constexpr (std::is_same_v<V, long long>) {
                return formatInteger(locale, v);
            } else {
                return formatDouble(locale, v, 6);
            }
        },
        arg.value());
}

QString argumentAsInteger(const L10n::Arg& arg, const QLocale& locale) {
    if (const auto* d = std::get_if<double>(&arg.value())) {
        return formatInteger(locale, static_cast<long long>(*d));
    }
    return argumentAsText(arg, locale);
}

QString argumentAsDouble(const L10n::Arg& arg, const QLocale& locale, int precision) {
    if (const auto* i = std::get_if<long long>(&arg.value())) {
        return formatDouble(locale, static_cast<double>(*i), precision);
    }
    if (const auto* d = std::get_if<double>(&arg.value())) {
        return formatDouble(locale, *d, precision);
    }
    return argumentAsText(arg, locale);
}

}  // namespace

void L10n::setLanguageOverride(AppLanguageOverride language) {
    gLanguageOverride.store(language);
}

AppLanguageOverride L10n::languageOverride() {
    return gLanguageOverride.load();
}

QString L10n::string(std::string_view key) {
    QString text = Tables::shared().lookup(activeCode(), key);
    if (text.isEmpty()) {
        return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
    }
    return text;
}

QString L10n::format(std::string_view key, std::initializer_list<Arg> args) {
    return fill(string(key), locale(gLanguageOverride.load()), args);
}

QString L10n::systemLanguageCode() {
    return languageCodeFor(QLocale::system().uiLanguages());
}

QString L10n::languageCodeFor(const QStringList& uiLanguages) {
    for (const QString& name : uiLanguages) {
        const QString code = folderCodeFor(name);
        if (!code.isEmpty() && Tables::shared().has(code)) {
            return code;
        }
    }
    return QStringLiteral("en");
}

QStringList L10n::availableLanguageCodes() {
    QStringList codes;
    for (const char* code : kLanguageCodes) {
        if (Tables::shared().has(QString::fromLatin1(code))) {
            codes.push_back(QString::fromLatin1(code));
        }
    }
    return codes;
}

QString L10n::fill(const QString& format, const QLocale& locale, std::initializer_list<Arg> args) {
    const std::vector<Arg> list(args);
    QString out;
    out.reserve(format.size());
    std::size_t next = 0;
    const qsizetype n = format.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = format[i];
        if (c != QLatin1Char('%') || i + 1 >= n) {
            out += c;
            ++i;
            continue;
        }
        qsizetype j = i + 1;
        if (format[j] == QLatin1Char('%')) {
            out += QLatin1Char('%');
            i = j + 1;
            continue;
        }
        // Optional position: digits followed by '$'.
        std::optional<std::size_t> position;
        qsizetype k = j;
        while (k < n && format[k].isDigit()) {
            ++k;
        }
        if (k > j && k < n && format[k] == QLatin1Char('$')) {
            const int index = format.mid(j, k - j).toInt();
            if (index >= 1) {
                position = static_cast<std::size_t>(index - 1);
            }
            j = k + 1;
        }
        // Optional precision.
        int precision = 6;
        if (j < n && format[j] == QLatin1Char('.')) {
            qsizetype p = j + 1;
            while (p < n && format[p].isDigit()) {
                ++p;
            }
            precision = format.mid(j + 1, p - j - 1).toInt();
            j = p;
        }
        // Length modifiers do not change how a value is written here.
        while (j < n && (format[j] == QLatin1Char('l') || format[j] == QLatin1Char('q'))) {
            ++j;
        }
        if (j >= n) {
            out += format.mid(i);
            break;
        }
        const QChar conversion = format[j];
        const bool known = conversion == QLatin1Char('@') || conversion == QLatin1Char('d') ||
                           conversion == QLatin1Char('i') || conversion == QLatin1Char('u') ||
                           conversion == QLatin1Char('f');
        const std::size_t index = position.value_or(next);
        if (!known || index >= list.size()) {
            // Unknown conversions and missing arguments stay as written.
            out += format.mid(i, j - i + 1);
            i = j + 1;
            continue;
        }
        if (!position) {
            ++next;
        }
        const Arg& arg = list[index];
        if (conversion == QLatin1Char('@')) {
            out += argumentAsText(arg, locale);
        } else if (conversion == QLatin1Char('f')) {
            out += argumentAsDouble(arg, locale, precision);
        } else {
            out += argumentAsInteger(arg, locale);
        }
        i = j + 1;
    }
    return out;
}

}  // namespace quillorbitex
