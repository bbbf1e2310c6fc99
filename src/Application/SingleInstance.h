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
#include <optional>
#include <vector>

#include "Application/UITestConfig.h"

class QFileSystemWatcher;
class QLocalSocket;
class QSocketNotifier;

namespace quillorbitex {

// Keeps the program to one running instance per user and X display (a test run: per base folder).
// The first launch listens on a local socket in a folder only the user can change; a later launch
// finds it there, asks it to show its dashboard and should then exit with status 0. A socket file
// left behind by an instance that crashed is recognised (nobody answers on it) and replaced.
// Launches claim the name one at a time (a lock file beside it), so that launches at once, also
// after a crash, end with one running instance. The socket may be in one of several places, taken
// in order: the first whose folder is the user's alone and can be written in, made again (or the
// next one taken) whenever its socket or folder is removed while the instance runs. Launches of
// another user are neither answered nor asked. Main thread.
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
        // Runs when the name is bound, before it is listened on: the moment in which a launch
        // finds nobody answering on it.
        std::function<void()> beforeListening = nullptr;
    };

    // A path the socket may have, and what its folder must be for it.
    struct Place {
        enum class Folder {
            // Taken as it is (a test's own folder).
            asGiven,
            // A folder of the user's that nobody else can change, never made.
            checked,
            // As `checked`, made with mode 0700 (and any folder missing on the way) when missing.
            made,
        };
        QString path;
        Folder folder = Folder::asGiven;

        friend bool operator==(const Place&, const Place&) = default;
    };

    // `serverName` is the socket's path, its folder taken as it is. Destruction removes the
    // socket, so the next launch takes over.
    explicit SingleInstance(QString serverName, QObject* parent = nullptr);
    SingleInstance(QString serverName, Options options, QObject* parent = nullptr);
    // The socket is in the first of `places` that may be used (see defaultPlaces()); none when
    // there is none.
    explicit SingleInstance(std::vector<Place> places, QObject* parent = nullptr);
    SingleInstance(std::vector<Place> places, Options options, QObject* parent = nullptr);
    ~SingleInstance() override;

    // "<application id>-<user id>-<X server>" in the user's runtime folder (XDG_RUNTIME_DIR), else
    // in "runtime-<user id>", else in "runtime-<user name>" (Qt's runtime folder) in the temporary
    // folder, else in "Quillorbitex" in the user's cache folder, else in the folder of the
    // preferences (a test run's base folder). In the last two, folders of the home rather than of
    // the machine, the name also carries the host's name (a home folder may be shared by several
    // hosts, each with its own ":0"). All but the first are made when missing. Another user can
    // take a temporary one first (or put a link in its place): it is then passed over, as is any
    // folder that somebody else may change, and one the user may not write in. A name too long
    // for a socket there gives way to a short one made from it, "qx-" and a digest; a place where
    // even that is too long is passed over. The X server (DISPLAY without its screen) lets each of
    // a user's sessions capture. A test run ends in "test-" and a digest of its base folder
    // instead, so it neither answers nor is stopped by the user's own instance.
    static std::vector<Place> defaultPlaces(const QString& applicationIdentifier,
                                            const UITestConfig& config,
                                            const QProcessEnvironment& environment,
                                            uid_t user = ::getuid());

    // Becomes the running instance or, when one already runs, sends it the request to show its
    // dashboard. Waits at most `timeout` for each step of the exchange. The running instance is
    // also looked for in the usable places after the first, where it went while the first was
    // another's or could not be written in. A listener of another user found on the name is not
    // spoken to: it is replaced, and notice() says so. A name that went away before it could be
    // asked (its instance quit) is listened on; when the name can be neither listened on nor asked,
    // notice() says why the program runs unguarded.
    Role claim(std::chrono::milliseconds timeout = std::chrono::milliseconds(2000));
    Role role() const { return role_; }
    // The socket's path: where the instance listens, or was found; empty before claim() and when
    // no place may be used.
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

    // The first place that may be used now (a path a socket can have, in a folder of the user's
    // alone), its folder made when it is to be; with `from`, the first from there on.
    std::optional<std::size_t> usablePlace(std::size_t from = 0, bool make = true) const;
    // Listens on serverName_ or asks the instance found there; 0 when either succeeded (role_
    // says which), else the error that stopped it.
    int claimName(std::chrono::milliseconds timeout);
    // Why no place may be used.
    QString noPlaceNotice() const;
    bool listen();
    // Binds the name again, where a launch now looks first, when its socket file or its folder
    // was removed while this instance listens.
    void listenAgainIfRemoved();
    void runUnguarded(int error);
    void closeListener();
    void stopListening();
    Answer sendShowRequest(const QString& path, std::chrono::milliseconds timeout) const;
    void acceptConnections();
    void pauseAccepting();
    void adopt(int descriptor);
    void drop(QLocalSocket* socket);

    std::vector<Place> places_;
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
