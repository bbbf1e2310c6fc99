#pragma once

#include <QFont>
#include <QString>

namespace quillorbitex {

// The advance of `text` in `font`, as QFontMetricsF gives it, measured once per font and text.
// Views ask for the same few texts over and over (every rule card's buttons, captions and counts),
// and shaping a text costs far more than looking it up. Main thread only.
double textAdvance(const QFont& font, const QString& text);

}  // namespace quillorbitex
