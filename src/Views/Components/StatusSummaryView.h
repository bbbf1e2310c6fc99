#pragma once

#include <QWidget>
#include <vector>

#include "Models/GestureMonitorState.h"
#include "Models/PermissionState.h"
#include "Views/Components/StatusPill.h"

namespace quillorbitex {

class AppModel;

// The card that warns about the two things that stop gestures: capture not permitted, and the
// monitor not running. Each that holds gets a row with a coloured bar, a title with a status
// pill, the explanation and two buttons towards the remedy; with both fine the card is hidden and
// takes no space. Follows the model's permission and monitor state at once. In a Wayland session
// a row without buttons also says that only X11 windows are reached.
class StatusSummaryView final : public QWidget {
    Q_OBJECT

public:
    enum class RowKind { accessibility, monitor, session };

    // What one row shows.
    struct Row {
        RowKind kind;
        StatusPill::State pill;
        QString title;
        QString detail;

        friend bool operator==(const Row&, const Row&) = default;
    };

    explicit StatusSummaryView(AppModel& model, QWidget* parent = nullptr);

    // The rows for a permission and a monitor state, accessibility first; empty when the
    // permission is granted and the monitor runs.
    static std::vector<Row> rows(PermissionState permission,
                                 const GestureMonitorState& monitorState);

protected:
    void changeEvent(QEvent* event) override;

private:
    class StatusAlertRow;

    void relabelButtons();
    void refresh();

    AppModel& model_;
    StatusAlertRow* accessibilityRow_;
    StatusAlertRow* monitorRow_;
    // Only informs: a Wayland session's windows are out of reach.
    StatusAlertRow* sessionRow_;
};

}  // namespace quillorbitex
