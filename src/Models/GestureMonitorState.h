#pragma once

#include <QString>
#include <optional>

namespace quillorbitex {

// Whether strokes are being captured. `blocked` carries the message of why the tap could not be
// created; that message is shown as it is, never translated.
class GestureMonitorState {
public:
    enum class Kind { blocked, stopped, running };

    static GestureMonitorState blocked(QString message) {
        return {Kind::blocked, std::move(message)};
    }
    static GestureMonitorState stopped() { return {Kind::stopped, {}}; }
    static GestureMonitorState running() { return {Kind::running, {}}; }

    Kind kind() const { return kind_; }
    // The blocked message; empty for the other states.
    const QString& message() const { return message_; }

    QString title() const;
    QString detail() const;
    // The untranslated form written to the test state file: "blocked:<message>", "stopped",
    // "running".
    QString encodedValue() const;

    friend bool operator==(const GestureMonitorState&, const GestureMonitorState&) = default;

private:
    GestureMonitorState(Kind kind, QString message) : kind_(kind), message_(std::move(message)) {}

    Kind kind_;
    QString message_;
};

}  // namespace quillorbitex
