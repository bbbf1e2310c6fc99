#include "Localization/LocalizedStandardCollator.h"

namespace quillorbitex {

QCollator makeLocalizedStandardCollator() {
    QLocale locale = QLocale::system();
    if (locale.language() == QLocale::C) {
        locale = QLocale(QLocale::English);
    }
    QCollator collator(locale);
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

}  // namespace quillorbitex
