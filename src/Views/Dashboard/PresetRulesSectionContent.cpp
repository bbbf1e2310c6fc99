#include "Views/Dashboard/PresetRulesSectionContent.h"

#include <QEvent>
#include <QVBoxLayout>

#include "ViewModels/AppModel.h"
#include "Views/Dashboard/PresetRuleListView.h"

namespace quillorbitex {

PresetRulesSectionContent::PresetRulesSectionContent(AppModel& model, RuleListHold& hold,
                                                     QWidget* parent)
    : QWidget(parent), list_(new PresetRuleListView(model, hold)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    connect(list_, &PresetRuleListView::ruleEditorRequested, this,
            &PresetRulesSectionContent::ruleEditorRequested);
    connect(list_, &PresetRuleListView::appScopeEditorRequested, this,
            &PresetRulesSectionContent::appScopeEditorRequested);
}

void PresetRulesSectionContent::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
}

void PresetRulesSectionContent::retranslate() {
    list_->retranslate();
}

}  // namespace quillorbitex
