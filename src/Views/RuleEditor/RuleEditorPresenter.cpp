#include "Views/RuleEditor/RuleEditorPresenter.h"

#include <QWidget>

#include "Views/RuleEditor/CustomGestureWizard.h"

namespace quillorbitex {

RuleEditorPresenter::RuleEditorPresenter(AppModel& model, RuleEditorPlatform platform,
                                         QWidget& window)
    : QObject(&window), model_(model), platform_(std::move(platform)), window_(window) {}

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
