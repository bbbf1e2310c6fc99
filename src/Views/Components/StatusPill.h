#pragma once

#include <QString>
#include <QWidget>

#include "Application/ThemePalette.h"
#include "Models/GestureMonitorState.h"
#include "Models/PermissionState.h"

namespace quillorbitex {

// A one-line status in a small capsule: a glowing dot in one of three status colours, then the
// label, on a faint wash of the same colour. Callers decide the state and its text; the pill draws
// the label exactly as given (it translates nothing) and carries no identifier of its own.
class StatusPill final : public QWidget {
    Q_OBJECT

public:
    // Which colour, and the text beside it (already in the reader's language).
    class State {
    public:
        enum class Kind { green, amber, red };

        static State green(QString label) { return {Kind::green, std::move(label)}; }
        static State amber(QString label) { return {Kind::amber, std::move(label)}; }
        static State red(QString label) { return {Kind::red, std::move(label)}; }

        // Granted is green, unknown amber, denied red, each labelled with the state's title.
        static State from(PermissionState permission);
        // Running is green, stopped amber, blocked (whatever its message) red, labelled likewise.
        static State from(const GestureMonitorState& monitorState);

        Kind kind() const { return kind_; }
        const QString& label() const { return label_; }
        // statusGreen, statusAmber or statusRed.
        ThemePalette::Token colorToken() const;

        friend bool operator==(const State&, const State&) = default;

    private:
        State(Kind kind, QString label) : kind_(kind), label_(std::move(label)) {}

        Kind kind_;
        QString label_;
    };

    explicit StatusPill(State state, QWidget* parent = nullptr);

    const State& state() const { return state_; }
    void setState(State state);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    State state_;
};

}  // namespace quillorbitex
