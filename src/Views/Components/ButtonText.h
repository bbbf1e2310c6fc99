#pragma once

#include <QString>

namespace quillorbitex {

// A text for a push button, which would read "&" as the mark of a keyboard mnemonic: the "&" is
// doubled so that it shows as written.
inline QString buttonText(const QString& text) {
    QString escaped = text;
    escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return escaped;
}

}  // namespace quillorbitex
