#pragma once

#include <sys/types.h>
#include <unistd.h>

#include <QObject>
#include <QProcessEnvironment>
#include <QString>
#include <chrono>
#include <deque>
#include <functional>
#include <memory>

#include "Application/UITestConfig.h"

class QFileSystemWatcher;
class QLocalSocket;
class QSocketNotifier;

namespace quillorbitex {

// Keeps the program to one running instance per user and X display (a test run: per base folder).
// The first launch listens on a local socket in a folder only the user can change; a later launch
// finds it there, asks it to show its dashboard and should then exit with status 0. A socket file
// left behind by an instance that crashed is recognised (nobody answers on it) and replaced, by one
// launch at a time (a lock file beside it), so that launches at once after a crash end with one
// running instance.
// Launches of another user are neither answered nor asked. Main thread.
class SingleInstance final : public QObject {
    Q_OBJECT

public:
    enum class Role {
        // This process is the running instance and listens for later launches.
        primary,
        // Another instance runs and has been asked to show its dashboard.
        secondary,
        // The socket can be neither created nor reached (no private folder for it, a path that is
        // too long, something other than a socket on the name); the program runs on its own
        // without the guard, and notice() says why.
        unavailable,
    };

    struct Options {
        // A connection that has not sent its request by then is closed, so that connections that
        // send nothing cannot pile up until the process runs out of file descriptors.
        std::chrono::milliseconds requestTimeout{2000};
        // Connections kept open at once; one more closes the oldest.
        std::size_t maximumConnections = 8;
        // How long accepting pauses when the process has no file descriptor left (or the system no
        // memory); meanwhile connections wait in the socket's queue with their requests.
        std::chrono::milliseconds acceptRetryDelay{100};
        // Whose launches are answered, and whose running instance is asked: this process's user.
        uid_t user = ::getuid();
        // Runs when the name was found taken, before the instance on it is asked: the moment in
        // which a quitting instance may remove its socket. Tests remove it here.
        std::function<void()> beforeAsking = nullptr;
        // Runs when nobody answered on the name, right before it is removed to be listened on.
        std::function<void()> beforeRemoving = nullptr;
    };

    // `serverName` is the socket's path (see defaultServerName()); empty when there is no place
    // for it. Destruction removes the socket, so the next launch takes over.
    explicit SingleInstance(QString serverName, QObject* parent = nullptr);
    SingleInstance(QString serverName, Options options, QObject* parent = nullptr);
    ~SingleInstance() override;

    // "<application id>-<user id>-<X server>" in the user's runtime folder (XDG_RUNTIME_DIR) when
    // that is a folder only the user can change, else in "runtime-<user id>" in the temporary
    // folder, made with mode 0700 when missing and used under the same condition. The X server
    // (DISPLAY without its screen) lets each of a user's sessions capture. A test run ends in
    // "test-" and a digest of its base folder instead, so it neither answers nor is stopped by
    // the user's own instance. Empty when neither folder may be used.
    static QString defaultServerName(const QString& applicationIdentifier,
                                     const UITestConfig& config,
                                     const QProcessEnvironment& environment,
                                     uid_t user = ::getuid());

    // Becomes the running instance or, when one already runs, sends it the request to show its
    // dashboard. Waits at most `timeout` for each step of the exchange. A listener of another user
    // found on the name is not spoken to: it is replaced, and notice() says so. A name that went
    // away before it could be asked (its instance quit) is listened on; when the name can be
    // neither listened on nor asked, notice() says why the program runs unguarded.
    Role claim(std::chrono::milliseconds timeout = std::chrono::milliseconds(2000));
    Role role() const { return role_; }
    const QString& serverName() const { return serverName_; }
    // What the user should be told about the claim, for standard error; empty when nothing.
    const QString& notice() const { return notice_; }

Q_SIGNALS:
    // A later launch asked the running instance to show its dashboard.
    void showDashboardRequested();
    // Accepting launches pauses: the process has no file descriptor (or the system no memory)
    // left. The name stays bound meanwhile.
    void acceptingPaused();

private:
    enum class Answer {
        // The request was sent (or the listener is too busy to take it: it runs all the same).
        delivered,
        // Nobody listens on the name: a socket left behind.
        nobody,
        // The listener belongs to another user.
        foreign,
        failed,
    };

    bool listen();
    // Binds the name again when its socket file was removed while this instance listens.
    void listenAgainIfRemoved();
    void runUnguarded(int error);
    void stopListening();
    Answer sendShowRequest(std::chrono::milliseconds timeout) const;
    void acceptConnections();
    void pauseAccepting();
    void adopt(int descriptor);
    void drop(QLocalSocket* socket);

    QString serverName_;
    Options options_;
    Role role_ = Role::unavailable;
    QString notice_;

    int listener_ = -1;
    // The socket file bound, so that only that file is removed at the end.
    dev_t boundDevice_ = 0;
    ino_t boundInode_ = 0;
    std::unique_ptr<QSocketNotifier> notifier_;
    // The socket's folder, for a socket file removed by another process.
    std::unique_ptr<QFileSystemWatcher> folderWatch_;
    bool paused_ = false;
    // Open connections of later launches, oldest first.
    std::deque<QLocalSocket*> connections_;
};

}  // namespace quillorbitex
