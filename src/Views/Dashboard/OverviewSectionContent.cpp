#include "Views/Dashboard/OverviewSectionContent.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ViewModels/AppModel.h"
#include "Views/Components/StatusSummaryView.h"
#include "Views/Dashboard/DashboardPreferencesCard.h"
#include "Views/Dashboard/OverviewMetricCard.h"

namespace quillorbitex {

OverviewSectionContent::OverviewSectionContent(AppModel& model, QWidget* parent)
    : QWidget(parent),
      model_(model),
      statusSummary_(new StatusSummaryView(model, this)),
      preferencesCard_(new DashboardPreferencesCard(model, this)) {
    auto* metrics = new QHBoxLayout;
    metrics->setSpacing(12);
    for (OverviewMetricCard*& card : metricCards_) {
        card = new OverviewMetricCard({}, {}, {}, this);
        metrics->addWidget(card, 1);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(16);
    layout->addLayout(metrics);
    layout->addWidget(statusSummary_);
    layout->addWidget(preferencesCard_);

    for (const auto signal : {&AppModel::customMappingsChanged, &AppModel::mappingsChanged,
                              &AppModel::triggerCountChanged, &AppModel::matchingThresholdChanged,
                              &AppModel::isCaptureEnabledChanged, &AppModel::monitorStateChanged}) {
        connect(&model_, signal, this, &OverviewSectionContent::showMetrics);
    }
    showMetrics();
}

void OverviewSectionContent::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        showMetrics();
    }
}

void OverviewSectionContent::showMetrics() {
    const auto metrics = OverviewPresentation::metrics(model_);
    for (std::size_t i = 0; i < metrics.size(); ++i) {
        metricCards_[i]->setTexts(metrics[i].title, metrics[i].value, metrics[i].detail);
    }
}

}  // namespace quillorbitex
