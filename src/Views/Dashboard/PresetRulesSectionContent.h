#pragma once

#include <QWidget>

#include "Models/GestureDescriptor.h"
#include "Views/RuleEditor/GestureRuleEditorContext.h"

namespace quillorbitex {

class AppModel;
class PresetRuleListView;

// The body of the "Preset Rules" section, laid out under the section's header: the preset list.
// Asks for the rule editor and the scope editor as the list does; follows the model's language by
// itself.
class PresetRulesSectionContent final : public QWidget {
    Q_OBJECT

public:
    explicit PresetRulesSectionContent(AppModel& model, QWidget* parent = nullptr);

    PresetRuleListView* list() const { return list_; }

    void retranslate();

Q_SIGNALS:
    void ruleEditorRequested(const GestureRuleEditorContext& context);
    void appScopeEditorRequested(const GestureDescriptor& pattern);

private:
    PresetRuleListView* list_;
};

}  // namespace quillorbitex
