#pragma once

#include <QWidget>

#include "Models/GestureDescriptor.h"
#include "Views/RuleEditor/GestureRuleEditorContext.h"

namespace quillorbitex {

class AppModel;
class RuleListHold;
class CustomGestureLaunchCard;
class CustomGestureListView;

// The body of the "Custom Rules" section, laid out under the section's header: the launch card
// and, 14 below, the list of saved custom rules. It handles every button of the section: switching
// a rule on or off changes the rule store through the model; "Create Rule", "Change Action" and
// "Change Gesture" ask for the rule editor with a new context each time, the scope button for the
// scope editor.
class CustomRulesSectionContent final : public QWidget {
    Q_OBJECT

public:
    CustomRulesSectionContent(AppModel& model, RuleListHold& hold, QWidget* parent = nullptr);

    CustomGestureLaunchCard* launchCard() const { return launchCard_; }
    CustomGestureListView* list() const { return list_; }

    // Every text beneath again, in the current language; run on QEvent::LanguageChange, which the
    // dashboard window sends through its widgets when the model's language changes.
    void retranslate();

Q_SIGNALS:
    void ruleEditorRequested(const GestureRuleEditorContext& context);
    void appScopeEditorRequested(const GestureDescriptor& pattern);

protected:
    void changeEvent(QEvent* event) override;

private:
    CustomGestureLaunchCard* launchCard_;
    CustomGestureListView* list_;
};

}  // namespace quillorbitex
