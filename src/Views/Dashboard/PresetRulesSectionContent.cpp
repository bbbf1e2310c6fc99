#include "Views/Dashboard/PresetRulesSectionContent.h"

#include <QVBoxLayout>

#include "ViewModels/AppModel.h"
#include "Views/Dashboard/PresetRuleListView.h"

namespace quillorbitex {

PresetRulesSectionContent::PresetRulesSectionContent(AppModel& model, QWidget* parent)
    : QWidget(parent), list_(new PresetRuleListView(model)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    connect(list_, &PresetRuleListView::ruleEditorRequested, this,
            &PresetRulesSectionContent::ruleEditorRequested);
    connect(list_, &PresetRuleListView::appScopeEditorRequested, this,
            &PresetRulesSectionContent::appScopeEditorRequested);
    connect(&model, &AppModel::languageOverrideChanged, this,
            &PresetRulesSectionContent::retranslate);
}

void PresetRulesSectionContent::retranslate() {
    list_->retranslate();
}

}  // namespace quillorbitex
