#pragma once

#include <QByteArray>
#include <QLocalServer>
#include <QObject>
#include <QProcessEnvironment>
#include <QString>
#include <chrono>

#include "Application/UITestConfig.h"

namespace quillorbitex {

// Keeps the program to one running instance per user and X display (a test run: per base folder).
// The first launch listens on a local socket; a later launch finds it there, asks it to show its
// dashboard and should then exit with status 0. A socket file left behind by an instance that
// crashed is recognised (nobody answers on it) and replaced. Main thread.
class SingleInstance final : public QObject {
    Q_OBJECT

public:
    enum class Role {
        // This process is the running instance and listens for later launches.
        primary,
        // Another instance runs and has been asked to show its dashboard.
        secondary,
        // The socket can be neither created nor reached (an unusable runtime folder, a path that
        // is too long); the program runs on its own without the guard.
        unavailable,
    };

    // `serverName` is a socket name or an absolute path (see defaultServerName()).
    // Closing (destruction) removes the socket, so the next launch takes over.
    explicit SingleInstance(QString serverName, QObject* parent = nullptr);

    // "<application id>-<user id>-<X server>" in the user's runtime folder (XDG_RUNTIME_DIR), else
    // in the temporary folder; the user id keeps users apart where the folder is shared, the X
    // server (DISPLAY without its screen) lets each of a user's sessions capture. A test run ends
    // in "test-" and a digest of its base folder instead, so it neither answers nor is stopped by
    // the user's own instance.
    static QString defaultServerName(const QString& applicationIdentifier,
                                     const UITestConfig& config,
                                     const QProcessEnvironment& environment);

    // Becomes the running instance or, when one already runs, sends it the request to show its
    // dashboard. Waits at most `timeout` for each step of the exchange.
    Role claim(std::chrono::milliseconds timeout = std::chrono::milliseconds(2000));
    Role role() const { return role_; }
    const QString& serverName() const { return serverName_; }

Q_SIGNALS:
    // A later launch asked the running instance to show its dashboard.
    void showDashboardRequested();

private:
    bool sendShowRequest(std::chrono::milliseconds timeout);
    void acceptConnections();

    QString serverName_;
    QLocalServer server_;
    Role role_ = Role::unavailable;
};

}  // namespace quillorbitex
