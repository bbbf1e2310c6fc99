#pragma once

#include <QObject>
#include <memory>

class QSocketNotifier;

namespace quillorbitex {

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the main thread, so that the program ends
// through its event loop and every destructor runs (the tap's grab is released, files are
// closed). The handler only writes the signal's number into a pipe that the event loop watches.
// One watcher at a time per process; main thread.
class TerminationSignalWatcher final : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignalWatcher(QObject* parent = nullptr);
    // Puts the previous handlers back.
    ~TerminationSignalWatcher() override;
    TerminationSignalWatcher(const TerminationSignalWatcher&) = delete;
    TerminationSignalWatcher& operator=(const TerminationSignalWatcher&) = delete;

    // False when the pipe could not be made or another watcher exists; the signals then keep
    // their previous handling.
    bool isWatching() const { return notifier_ != nullptr; }

Q_SIGNALS:
    void terminationRequested(int signalNumber);

private:
    void drain();

    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace quillorbitex
