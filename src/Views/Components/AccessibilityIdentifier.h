#pragma once

#include <QString>
#include <QWidget>

namespace quillorbitex {

// Gives a widget the identifier interface automation finds it by: its object name (for tests in
// the process) and its accessible description (for tools on the accessibility bus).
inline void setAccessibilityIdentifier(QWidget& widget, const QString& identifier) {
    widget.setObjectName(identifier);
    widget.setAccessibleDescription(identifier);
}

}  // namespace quillorbitex
