#pragma once

#include <QObject>
#include <QPointer>

#include "Views/RuleEditor/GestureRuleEditorContext.h"
#include "Views/RuleEditor/RuleEditorPlatform.h"

class QWidget;

namespace quillorbitex {

class AppModel;
class CustomGestureWizard;
class DashboardView;

// Opens the rule editor over a window: connect the rows' and the launch card's requests to open().
// One editor at a time; a request while one is open brings that one forward.
class RuleEditorPresenter final : public QObject {
    Q_OBJECT

public:
    // `window` is the window the sheet opens over; the presenter is its child.
    RuleEditorPresenter(AppModel& model, RuleEditorPlatform platform, QWidget& window);
    ~RuleEditorPresenter() override;

    // The open editor, or nothing.
    CustomGestureWizard* editor() const;

    // Opens an editor for each of the dashboard's requests: a new rule, another action of a rule,
    // another gesture of a rule.
    void followRequestsOf(DashboardView& dashboard);

public Q_SLOTS:
    void open(const quillorbitex::GestureRuleEditorContext& context);

private:
    AppModel& model_;
    RuleEditorPlatform platform_;
    QWidget& window_;
    QPointer<CustomGestureWizard> editor_;
};

}  // namespace quillorbitex
