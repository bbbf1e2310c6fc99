#pragma once

#include <QWidget>

#include "Models/GestureDescriptor.h"
#include "Views/RuleEditor/GestureRuleEditorContext.h"

namespace quillorbitex {

class AppModel;
class CustomGestureLaunchCard;
class CustomGestureListView;

// The body of the "Custom Rules" section, laid out under the section's header: the launch card
// and, 14 below, the list of saved custom rules. It handles every button of the section: switching
// a rule on or off changes the rule store through the model; "Create Rule", "Change Action" and
// "Change Gesture" ask for the rule editor with a new context each time, the scope button for the
// scope editor. Follows the model's language by itself.
class CustomRulesSectionContent final : public QWidget {
    Q_OBJECT

public:
    explicit CustomRulesSectionContent(AppModel& model, QWidget* parent = nullptr);

    CustomGestureLaunchCard* launchCard() const { return launchCard_; }
    CustomGestureListView* list() const { return list_; }

    void retranslate();

Q_SIGNALS:
    void ruleEditorRequested(const GestureRuleEditorContext& context);
    void appScopeEditorRequested(const GestureDescriptor& pattern);

private:
    CustomGestureLaunchCard* launchCard_;
    CustomGestureListView* list_;
};

}  // namespace quillorbitex
