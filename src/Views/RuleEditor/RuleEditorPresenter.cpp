#include "Views/RuleEditor/RuleEditorPresenter.h"

#include <QWidget>

#include "Views/Dashboard/DashboardView.h"
#include "Views/RuleEditor/CustomGestureWizard.h"

namespace quillorbitex {

RuleEditorPresenter::RuleEditorPresenter(AppModel& model, RuleEditorPlatform platform,
                                         QWidget& window)
    : QObject(&window), model_(model), platform_(std::move(platform)), window_(window) {}

RuleEditorPresenter::~RuleEditorPresenter() = default;

CustomGestureWizard* RuleEditorPresenter::editor() const {
    return editor_;
}

void RuleEditorPresenter::followRequestsOf(DashboardView& dashboard) {
    connect(&dashboard, &DashboardView::ruleEditorRequested, this, &RuleEditorPresenter::open);
}

void RuleEditorPresenter::open(const GestureRuleEditorContext& context) {
    if (editor_) {
        editor_->raise();
        editor_->activateWindow();
        return;
    }
    editor_ = new CustomGestureWizard(context, model_, platform_, &window_);
    editor_->show();
}

}  // namespace quillorbitex
