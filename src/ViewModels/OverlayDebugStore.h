#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "Models/GestureRecords.h"
#include "Models/LiveHUDState.h"
#include "Platform/Pasteboard.h"

namespace quillorbitex {

// The live diagnostics of the debugging view: the latest HUD state, the stroke in progress and a
// rolling log of the overlays' reports (the last 12, oldest first). Owned by the application
// model, which puts the live values in. Main thread only; each change signal is emitted only when
// its value really changed.
class OverlayDebugStore final : public QObject {
    Q_OBJECT
    Q_PROPERTY(
        std::optional<LiveHUDState> liveHUDState READ liveHUDState NOTIFY liveHUDStateChanged)
    Q_PROPERTY(std::optional<LiveGestureDebugSession> liveDebugSession READ liveDebugSession NOTIFY
                   liveDebugSessionChanged)
    Q_PROPERTY(QString overlayDebugLog READ overlayDebugLog NOTIFY overlayDebugLogChanged)

public:
    static constexpr int kMaximumLogEntries = 12;

    // Without a pasteboard copying does nothing. `now` stamps the log entries (the current UTC
    // time by default).
    explicit OverlayDebugStore(std::shared_ptr<Pasteboard> pasteboard,
                               std::function<QDateTime()> now = {}, QObject* parent = nullptr);

    const std::optional<LiveHUDState>& liveHUDState() const { return liveHUDState_; }
    const std::optional<LiveGestureDebugSession>& liveDebugSession() const {
        return liveDebugSession_;
    }
    // The entries joined by one empty line; before the first entry, "No overlay diagnostics
    // recorded yet." in the current language.
    QString overlayDebugLog() const;

    void setLiveHUDState(std::optional<LiveHUDState> state);
    void setLiveDebugSession(std::optional<LiveGestureDebugSession> session);

    // Adds "[<ISO 8601 UTC time with milliseconds>]\n<text>" for the text trimmed of blank space
    // at both ends; a blank text, or one that repeats the last entry within its millisecond, adds
    // nothing.
    void appendLogEntry(const QString& text);
    // Puts overlayDebugLog on the clipboard as plain text.
    void copyLogToPasteboard();

Q_SIGNALS:
    void liveHUDStateChanged();
    void liveDebugSessionChanged();
    void overlayDebugLogChanged();

private:
    std::shared_ptr<Pasteboard> pasteboard_;
    std::function<QDateTime()> now_;
    std::optional<LiveHUDState> liveHUDState_;
    std::optional<LiveGestureDebugSession> liveDebugSession_;
    QStringList logEntries_;
};

}  // namespace quillorbitex
