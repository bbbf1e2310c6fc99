#include "Views/Dashboard/CustomRulesSectionContent.h"

#include <QVBoxLayout>

#include "ViewModels/AppModel.h"
#include "Views/Dashboard/CustomGestureLaunchCard.h"
#include "Views/Dashboard/CustomGestureListView.h"

namespace quillorbitex {

CustomRulesSectionContent::CustomRulesSectionContent(AppModel& model, QWidget* parent)
    : QWidget(parent),
      launchCard_(new CustomGestureLaunchCard),
      list_(new CustomGestureListView(model)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(14);
    layout->addWidget(launchCard_);
    layout->addWidget(list_);

    connect(launchCard_, &CustomGestureLaunchCard::createRuleRequested, this, [this] {
        Q_EMIT ruleEditorRequested(GestureRuleEditorContext::open(GestureRuleEditorMode::newRule));
    });
    connect(list_, &CustomGestureListView::changeCommandRequested, this,
            [this](const GestureMapping& rule) {
                Q_EMIT ruleEditorRequested(
                    GestureRuleEditorContext::open(GestureRuleEditorMode::overrideCommand, rule));
            });
    connect(list_, &CustomGestureListView::changeGestureRequested, this,
            [this](const GestureMapping& rule) {
                Q_EMIT ruleEditorRequested(
                    GestureRuleEditorContext::open(GestureRuleEditorMode::overrideGesture, rule));
            });
    connect(list_, &CustomGestureListView::toggleEnabledRequested, this,
            [&model](const GestureMapping& rule) {
                model.setGestureEnabled(!rule.isEnabled(), rule.pattern());
            });
    connect(list_, &CustomGestureListView::manageAppsRequested, this,
            [this](const GestureMapping& rule) { Q_EMIT appScopeEditorRequested(rule.pattern()); });
    connect(&model, &AppModel::languageOverrideChanged, this,
            &CustomRulesSectionContent::retranslate);
}

void CustomRulesSectionContent::retranslate() {
    launchCard_->retranslate();
    list_->retranslate();
}

}  // namespace quillorbitex
