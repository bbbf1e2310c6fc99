#pragma once

#include <QObject>
#include <functional>
#include <memory>

class QAction;
class QMenu;

namespace quillorbitex {

class AppModel;

// The tray icon's menu: "Open Dashboard", the capture switch named after what choosing it will do
// ("Disable gesture capture" while capture is on, "Enable gesture capture" while off), "Check for
// Updates…" after a separator when the model can check, a separator and "Quit Quillorbitex". An
// entry is either there and working or absent, never disabled. Labels follow the language
// override. Main thread.
class StatusBarMenuContent final : public QObject {
    Q_OBJECT

public:
    StatusBarMenuContent(AppModel& model, std::function<void()> openDashboard,
                         std::function<void()> quit, QObject* parent = nullptr);
    ~StatusBarMenuContent() override;

    QMenu* menu() const { return menu_.get(); }
    // Brings the labels and the update entry in line with the model; also done before the menu
    // opens and whenever capture or the language changes.
    void refresh();

    QAction* openDashboardAction() const { return openDashboard_; }
    QAction* captureToggleAction() const { return captureToggle_; }
    QAction* checkForUpdatesAction() const { return checkForUpdates_; }
    QAction* quitAction() const { return quit_; }

private:
    AppModel& model_;
    std::unique_ptr<QMenu> menu_;
    QAction* openDashboard_;
    QAction* captureToggle_;
    QAction* updatesSeparator_;
    QAction* checkForUpdates_;
    QAction* quit_;
};

}  // namespace quillorbitex
