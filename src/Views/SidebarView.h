#pragma once

#include <QWidget>
#include <map>

#include "Views/DashboardSection.h"

class QAbstractButton;

namespace quillorbitex {

class AppModel;
class CaptureToggleWidget;
class ThemedTextLabel;

// The dashboard's left column, 220 px wide: the product mark, one row per section and, at the
// bottom, the capture card. It keeps no navigation state of its own: the host tells it which
// section to show as current and hears the rows it clicks (also the current one).
class SidebarView final : public QWidget {
    Q_OBJECT

public:
    static constexpr int columnWidth = 220;

    explicit SidebarView(AppModel& model, QWidget* parent = nullptr);

    DashboardSection selectedSection() const { return selected_; }
    void setSelectedSection(DashboardSection section);

    // The row of a section ("DashboardSidebar_<raw value>"); its "accessibilityValue" property is
    // the localised "selected" or "unselected".
    QAbstractButton* row(DashboardSection section) const;
    // Whether the section's title is cut short in its row (its tooltip then holds it whole).
    bool isTitleElided(DashboardSection section) const;
    CaptureToggleWidget* captureToggle() const { return captureToggle_; }

Q_SIGNALS:
    // A row was clicked.
    void sectionSelected(DashboardSection section);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    DashboardSection selected_ = DashboardSection::overview;
    ThemedTextLabel* brand_;
    ThemedTextLabel* caption_;
    std::map<DashboardSection, QAbstractButton*> rows_;
    CaptureToggleWidget* captureToggle_;
};

}  // namespace quillorbitex
