#pragma once

#include <QWidget>

#include "Models/GestureDescriptor.h"
#include "Views/RuleEditor/GestureRuleEditorContext.h"

namespace quillorbitex {

class AppModel;
class RuleListHold;
class PresetRuleListView;

// The body of the "Preset Rules" section, laid out under the section's header: the preset list.
// Asks for the rule editor and the scope editor as the list does.
class PresetRulesSectionContent final : public QWidget {
    Q_OBJECT

public:
    PresetRulesSectionContent(AppModel& model, RuleListHold& hold, QWidget* parent = nullptr);

    PresetRuleListView* list() const { return list_; }

    // Every text beneath again, in the current language; run on QEvent::LanguageChange, which the
    // dashboard window sends through its widgets when the model's language changes.
    void retranslate();

Q_SIGNALS:
    void ruleEditorRequested(const GestureRuleEditorContext& context);
    void appScopeEditorRequested(const GestureDescriptor& pattern);

protected:
    void changeEvent(QEvent* event) override;

private:
    PresetRuleListView* list_;
};

}  // namespace quillorbitex
