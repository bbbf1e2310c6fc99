#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "Localization/AppLanguageOverride.h"

// Marks an English text kept in a table as a string-table key, so that the translation check
// finds it; it expands to the literal itself.
#define L10N_KEY(text) text

namespace quillorbitex {

// The process-wide language choice and the lookup of English texts in its string table. Tables are
// read-only after start-up, so any thread may look up.
class L10n final {
public:
    // One value filled into a format: text or a number.
    class Arg {
    public:
        Arg(const QString& text) : value_(text) {}
        Arg(const char* text) : value_(QString::fromUtf8(text)) {}
        Arg(const std::string& text) : value_(QString::fromStdString(text)) {}
        template <typename T, std::enable_if_t<std::is_integral_v<T>, int> = 0>
        Arg(T number) : value_(static_cast<long long>(number)) {}
        Arg(double number) : value_(number) {}

        const std::variant<QString, long long, double>& value() const { return value_; }

    private:
        std::variant<QString, long long, double> value_;
    };

    L10n() = delete;

    static void setLanguageOverride(AppLanguageOverride language);
    static AppLanguageOverride languageOverride();

    // The translation of `key` in the active language, or `key` itself.
    static QString string(std::string_view key);
    // Looks `key` up like string(), then fills %@, %d, %ld, %lld, %f, %.Nf, positional %n$@ and %%
    // in one pass: inserted arguments are never scanned again. Numbers use the language's locale.
    static QString format(std::string_view key, std::initializer_list<Arg> args);
    template <typename... Args>
    static QString format(std::string_view key, const Args&... args) {
        return format(key, {Arg(args)...});
    }

    // The folder code `system` resolves to now: the first of the user's UI languages that has a
    // table, else "en".
    static QString systemLanguageCode();
    // The same choice for a given list of UI language names (BCP 47 or POSIX forms).
    static QString languageCodeFor(const QStringList& uiLanguages);
    // The folder codes that have a table, in the language picker's order.
    static QStringList availableLanguageCodes();

    // Fills a format that has already been looked up; exposed for callers that hold one.
    static QString fill(const QString& format, const QLocale& locale,
                        std::initializer_list<Arg> args);
};

}  // namespace quillorbitex
