#pragma once

#include <QString>

class QWidget;

namespace quillorbitex {

// Names a control for interface automation and assistive technology: the identifier is its
// object name and accessible description.
void setAccessibilityIdentifier(QWidget& widget, const QString& identifier);

}  // namespace quillorbitex
