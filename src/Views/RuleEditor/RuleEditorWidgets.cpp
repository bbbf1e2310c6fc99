#include "Views/RuleEditor/RuleEditorWidgets.h"

#include <QWidget>

namespace quillorbitex {

void setAccessibilityIdentifier(QWidget& widget, const QString& identifier) {
    widget.setObjectName(identifier);
    widget.setAccessibleDescription(identifier);
}

}  // namespace quillorbitex
