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
// pill, the explanation and two buttons towards the remedy. A third row, without buttons, says
// while changes to the preferences cannot be saved. With all fine the card is hidden and takes
// no space. Follows the model at once.
class StatusSummaryView final : public QWidget {
    Q_OBJECT

public:
    enum class RowKind { accessibility, monitor, preferences };

    // What one row shows.
    struct Row {
        RowKind kind;
        StatusPill::State pill;
        QString title;
        QString detail;

        friend bool operator==(const Row&, const Row&) = default;
    };

    explicit StatusSummaryView(AppModel& model, QWidget* parent = nullptr);

    // The rows for a permission, a monitor state and the folder of unsaved preferences, in that
    // order; empty when the permission is granted, the monitor runs and everything is saved.
    static std::vector<Row> rows(PermissionState permission,
                                 const GestureMonitorState& monitorState,
                                 const std::optional<QString>& unsavedPreferencesFolder = {});

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
};

}  // namespace quillorbitex
