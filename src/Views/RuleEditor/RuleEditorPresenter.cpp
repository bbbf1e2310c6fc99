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
    using Mode = GestureRuleEditorMode;
    connect(&dashboard, &DashboardView::newRuleEditorRequested, this,
            [this] { open(GestureRuleEditorContext::open(Mode::newRule)); });
    connect(&dashboard, &DashboardView::commandOverrideEditorRequested, this,
            [this](const GestureMapping& rule) {
                open(GestureRuleEditorContext::open(Mode::overrideCommand, rule));
            });
    connect(&dashboard, &DashboardView::gestureOverrideEditorRequested, this,
            [this](const GestureMapping& rule) {
                open(GestureRuleEditorContext::open(Mode::overrideGesture, rule));
            });
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
