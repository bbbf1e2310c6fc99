#pragma once

#include <QString>
#include <QTextDocument>

namespace quillorbitex {

// User text (rule names, URLs, application names) reaches controls that would otherwise read it as
// markup; these keep it as written.

// A push button reads "&" as the mark of a keyboard mnemonic: it is doubled.
inline QString buttonText(const QString& text) {
    QString escaped = text;
    escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return escaped;
}

// A tooltip reads text that looks like HTML as HTML: the text is handed over as an escaped
// paragraph instead.
inline QString plainToolTip(const QString& text) {
    return text.isEmpty() ? QString() : Qt::convertFromPlainText(text);
}

}  // namespace quillorbitex
