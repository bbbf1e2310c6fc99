#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "Models/GestureMonitorState.h"
#include "Models/PermissionState.h"
#include "Views/Components/StatusPill.h"

namespace quillorbitex {

class AppModel;

// The card that warns about the two things that stop gestures: capture not permitted, and the
// monitor not running. Each that holds gets a row with a coloured bar, a title with a status
// pill, the explanation and two buttons towards the remedy. Rows without buttons say while changes
// to the preferences cannot be saved, and that a Wayland session's windows are out of reach. With
// all fine the card is hidden and takes no space. Follows the model at once.
class StatusSummaryView final : public QWidget {
    Q_OBJECT

public:
    enum class RowKind { accessibility, monitor, preferences, session };

    // What one row shows.
    struct Row {
        RowKind kind;
        StatusPill::State pill;
        QString title;
        QString detail;

        friend bool operator==(const Row&, const Row&) = default;
    };

    explicit StatusSummaryView(AppModel& model, QWidget* parent = nullptr);

    // The rows for a permission, a monitor state, the folder of unsaved preferences (and whether
    // another program holds their file) and a Wayland session, in that order; empty when the
    // permission is granted, the monitor runs, everything is saved and the session is X11's.
    static std::vector<Row> rows(PermissionState permission,
                                 const GestureMonitorState& monitorState,
                                 const std::optional<QString>& unsavedPreferencesFolder = {},
                                 bool waylandSession = false, bool preferencesFileInUse = false);

protected:
    void changeEvent(QEvent* event) override;

private:
    class StatusAlertRow;

    void relabelButtons();
    void refresh();

    AppModel& model_;
    StatusAlertRow* accessibilityRow_;
    StatusAlertRow* monitorRow_;
    StatusAlertRow* preferencesRow_;
    StatusAlertRow* sessionRow_;
};

}  // namespace quillorbitex
