#pragma once

#include <QString>
#include <QWidget>

namespace quillorbitex {

// Gives a widget the identifier tests and interface automation find it by: its object name. The
// identifier stays out of the accessible name and description, which a screen reader reads aloud
// after the control; on the accessibility bus controls are found by their role and name.
inline void setAccessibilityIdentifier(QWidget& widget, const QString& identifier) {
    widget.setObjectName(identifier);
}

}  // namespace quillorbitex
