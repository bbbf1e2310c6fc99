#pragma once

#include <QMainWindow>

#include "Platform/Executor.h"

class QAction;
class QMenu;

namespace quillorbitex {

class AppModel;
class ContentView;

// The dashboard window ("dashboard"): the dashboard's content under a menu holding "Check for
// Updates…" (only when the program offers update checks) and "Reopen Onboarding". Every texts
// follows the language override: a change reaches every widget of the window as a
// QEvent::LanguageChange.
class DashboardWindow final : public QMainWindow {
    Q_OBJECT

public:
    DashboardWindow(AppModel& model, bool offersUpdateCommand, Executor* mainExecutor = nullptr,
                    QWidget* parent = nullptr);

    ContentView* contentView() const { return content_; }
    QMenu* applicationMenu() const { return menu_; }
    // Null when update checks are not offered.
    QAction* checkForUpdatesAction() const { return checkForUpdates_; }
    QAction* reopenOnboardingAction() const { return reopenOnboarding_; }

Q_SIGNALS:
    // The content was shown: the first time, and again after being hidden or minimised.
    void appeared();
    // The menu's "Check for Updates…".
    void checkForUpdatesRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    AppModel& model_;
    ContentView* content_;
    QMenu* menu_;
    QAction* checkForUpdates_ = nullptr;
    QAction* reopenOnboarding_;
};

}  // namespace quillorbitex
