#include "ViewModels/OverlayDebugStore.h"

#include "Localization/L10n.h"

namespace quillorbitex {

OverlayDebugStore::OverlayDebugStore(std::shared_ptr<Pasteboard> pasteboard,
                                     std::function<QDateTime()> now, QObject* parent)
    : QObject(parent),
      pasteboard_(std::move(pasteboard)),
      now_(now ? std::move(now) : [] { return QDateTime::currentDateTimeUtc(); }) {}

QString OverlayDebugStore::overlayDebugLog() const {
    // Looked up on every read, so the empty log follows the language the log is shown in.
    if (logEntries_.isEmpty()) {
        return L10n::string("No overlay diagnostics recorded yet.");
    }
    return logEntries_.join(QStringLiteral("\n\n"));
}

void OverlayDebugStore::setLiveHUDState(std::optional<LiveHUDState> state) {
    if (state == liveHUDState_) {
        return;
    }
    liveHUDState_ = std::move(state);
    Q_EMIT liveHUDStateChanged();
}

void OverlayDebugStore::setLiveDebugSession(std::optional<LiveGestureDebugSession> session) {
    if (session == liveDebugSession_) {
        return;
    }
    liveDebugSession_ = std::move(session);
    Q_EMIT liveDebugSessionChanged();
}

void OverlayDebugStore::appendLogEntry(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return;
    }
    const QString stamp = now_().toUTC().toString(Qt::ISODateWithMs);
    const QString entry = QStringLiteral("[%1]\n%2").arg(stamp, trimmed);
    if (!logEntries_.isEmpty() && logEntries_.back() == entry) {
        return;
    }
    logEntries_.append(entry);
    while (logEntries_.size() > kMaximumLogEntries) {
        logEntries_.removeFirst();
    }
    Q_EMIT overlayDebugLogChanged();
}

void OverlayDebugStore::copyLogToPasteboard() {
    if (pasteboard_) {
        pasteboard_->setText(overlayDebugLog());
    }
}

}  // namespace quillorbitex
