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
// paragraph instead. The paragraph wraps (a tooltip's label breaks it at about 80 characters,
// also inside a run as long as a URL) and a text beyond a few screens' worth keeps its start and
// end only, so that no tooltip runs off the screen.
inline QString plainToolTip(const QString& text) {
    constexpr qsizetype kMaximumLength = 2000;
    constexpr qsizetype kLongestRun = 60;
    if (text.isEmpty()) {
        return {};
    }
    const QString shown =
        text.size() <= kMaximumLength
            ? text
            : text.left(kMaximumLength / 2) + QChar(0x2026) + text.right(kMaximumLength / 2 - 1);
    QString breakable;
    breakable.reserve(shown.size() + shown.size() / kLongestRun);
    qsizetype run = 0;
    for (const QChar c : shown) {
        if (c.isSpace()) {
            run = 0;
        } else if (++run > kLongestRun && !c.isLowSurrogate()) {
            breakable += QChar(0x200B);
            run = 1;
        }
        breakable += c;
    }
    return Qt::convertFromPlainText(breakable, Qt::WhiteSpaceNormal);
}

}  // namespace quillorbitex
