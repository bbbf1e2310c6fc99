#pragma once

#include <QWidget>
#include <array>

#include "Views/Dashboard/OverviewPresentation.h"

namespace quillorbitex {

class AppModel;
class DashboardPreferencesCard;
class OverviewMetricCard;
class StatusSummaryView;

// Everything of the overview section below its header, stacked 16 px apart: the row of the five
// metric cards (12 px apart, sharing the width equally), the status card (absent while all is
// well) and the preferences card. The metrics follow the model and the language at once.
class OverviewSectionContent final : public QWidget {
    Q_OBJECT

public:
    explicit OverviewSectionContent(AppModel& model, QWidget* parent = nullptr);

    // Left to right: Built-ins, Custom, Invocations, Threshold, Capture.
    OverviewMetricCard* metricCard(std::size_t index) const { return metricCards_.at(index); }
    StatusSummaryView* statusSummary() const { return statusSummary_; }
    DashboardPreferencesCard* preferencesCard() const { return preferencesCard_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void showMetrics();

    AppModel& model_;
    std::array<OverviewMetricCard*, OverviewPresentation::metricCount> metricCards_{};
    StatusSummaryView* statusSummary_;
    DashboardPreferencesCard* preferencesCard_;
};

}  // namespace quillorbitex
