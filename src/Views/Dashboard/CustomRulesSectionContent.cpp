#include "Views/Dashboard/CustomRulesSectionContent.h"

#include <QEvent>
#include <QVBoxLayout>

#include "ViewModels/AppModel.h"
#include "Views/Dashboard/CustomGestureLaunchCard.h"
#include "Views/Dashboard/CustomGestureListView.h"

namespace quillorbitex {

CustomRulesSectionContent::CustomRulesSectionContent(AppModel& model, RuleListHold& hold,
                                                     QWidget* parent)
    : QWidget(parent),
      // Made with their parent: taking a full list later costs every widget on it a second round
      // of events.
      launchCard_(new CustomGestureLaunchCard(this)),
      list_(new CustomGestureListView(model, hold, this)) {
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
}

void CustomRulesSectionContent::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
}

void CustomRulesSectionContent::retranslate() {
    launchCard_->retranslate();
    list_->retranslate();
}

}  // namespace quillorbitex
