#pragma once

#include <QWidget>

class QAbstractButton;

namespace quillorbitex {

class AppModel;
class TokenLabel;

// The strip above the dashboard's page: the title "Dashboard" and the "Check for Updates…"
// button, which works only when the program was built with an update feed. Two invisible 1 px
// elements carry the permission and monitor states in their accessible names
// ("AccessibilityStatusValue", "MonitorStatusValue") for interface automation.
class DashboardHeaderBar final : public QWidget {
    Q_OBJECT

public:
    explicit DashboardHeaderBar(AppModel& model, QWidget* parent = nullptr);

    QAbstractButton* checkForUpdatesButton() const { return checkForUpdates_; }
    QWidget* accessibilityStatus() const { return accessibilityStatus_; }
    QWidget* monitorStatus() const { return monitorStatus_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void refreshStatus();

    AppModel& model_;
    TokenLabel* title_;
    QWidget* accessibilityStatus_;
    QWidget* monitorStatus_;
    QAbstractButton* checkForUpdates_;
};

}  // namespace quillorbitex
