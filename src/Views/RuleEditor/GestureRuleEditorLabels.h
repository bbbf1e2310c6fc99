#pragma once

#include <QString>

#include "Views/RuleEditor/GestureActionEditorKind.h"
#include "Views/RuleEditor/GestureRuleEditorContext.h"
#include "Views/RuleEditor/GestureRuleEditorStep.h"

namespace quillorbitex {

// The rule editor's fixed titles, in the language of the moment.

// The sheet's heading for what it was opened to do, and the sentence under it.
QString title(GestureRuleEditorMode mode);
QString subtitle(GestureRuleEditorMode mode);
// The step indicator's names.
QString title(GestureRuleEditorStep step);
// "01", "02", "03".
QString stepNumber(GestureRuleEditorStep step);
// The action-kind picker's segments.
QString title(GestureActionEditorKind kind);

}  // namespace quillorbitex
