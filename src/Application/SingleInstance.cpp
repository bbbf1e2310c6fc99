#include "Application/SingleInstance.h"

#include <unistd.h>
#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <algorithm>
#include <memory>

namespace quillorbitex {

namespace {

constexpr QByteArrayView kShowDashboardRequest = "show-dashboard\n";
// Anything longer is not one of our requests.
constexpr qsizetype kMaximumRequestLength = 64;

int toInt(std::chrono::milliseconds timeout) {
    return static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(timeout.count(), 0, 60000));
}

}  // namespace

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent), serverName_(std::move(serverName)) {
    // No socket options: with them Qt binds elsewhere and renames the socket into place, which
    // silently replaces a running instance's socket. A plain bind fails on an existing name, so
    // two launches cannot both win. The runtime folder is the user's own (mode 0700).
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
}

QString SingleInstance::defaultServerName(const QString& applicationIdentifier,
                                          const UITestConfig& config,
                                          const QProcessEnvironment& environment) {
    QString folder = environment.value(QStringLiteral("XDG_RUNTIME_DIR"));
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::tempPath();
    }
    QString place;
    if (config.isUITest) {
        // The base folder can be any length, and a socket path has a small limit.
        const QByteArray base = QDir::cleanPath(QDir(config.baseDirectory).absolutePath()).toUtf8();
        place = QStringLiteral("test-") +
                QString::fromLatin1(
                    QCryptographicHash::hash(base, QCryptographicHash::Sha256).toHex().left(16));
    } else {
        // ":0", ":0.0" and ":0.1" are one server, hence one capture.
        QString display = environment.value(QStringLiteral("DISPLAY"));
        const qsizetype colon = display.lastIndexOf(u':');
        const qsizetype dot = display.indexOf(u'.', colon + 1);
        if (colon >= 0 && dot > colon) {
            display.truncate(dot);
        }
        for (QChar& c : display) {
            if (!c.isLetterOrNumber() && c != u'.' && c != u'-') {
                c = u'_';
            }
        }
        place = display;
    }
    return QDir(folder).filePath(QStringLiteral("%1-%2-%3")
                                     .arg(applicationIdentifier)
                                     .arg(static_cast<qulonglong>(::getuid()))
                                     .arg(place));
}

SingleInstance::Role SingleInstance::claim(std::chrono::milliseconds timeout) {
    if (role_ == Role::primary) {
        return role_;
    }
    // Two rounds: the second follows the removal of a socket file that nobody answered on.
    for (int round = 0; round < 2; ++round) {
        if (server_.listen(serverName_)) {
            role_ = Role::primary;
            return role_;
        }
        if (server_.serverError() != QAbstractSocket::AddressInUseError) {
            break;
        }
        if (sendShowRequest(timeout)) {
            role_ = Role::secondary;
            return role_;
        }
        // Left behind by an instance that ended without closing it.
        QLocalServer::removeServer(serverName_);
    }
    role_ = Role::unavailable;
    return role_;
}

bool SingleInstance::sendShowRequest(std::chrono::milliseconds timeout) {
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(toInt(timeout))) {
        return false;
    }
    socket.write(kShowDashboardRequest.data(), kShowDashboardRequest.size());
    socket.waitForBytesWritten(toInt(timeout));
    socket.disconnectFromServer();
    // Someone listens on the name, so another instance runs, even if the request got lost.
    return true;
}

void SingleInstance::acceptConnections() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        socket->setParent(this);
        auto buffer = std::make_shared<QByteArray>();
        const auto read = [this, socket, buffer] {
            buffer->append(socket->read(kMaximumRequestLength + 1 - buffer->size()));
            const qsizetype end = buffer->indexOf('\n');
            if (end < 0 && buffer->size() <= kMaximumRequestLength) {
                return;  // more to come
            }
            const bool isShowRequest = buffer->left(end + 1) == kShowDashboardRequest;
            buffer->clear();
            socket->disconnect(this);
            socket->abort();
            socket->deleteLater();
            if (isShowRequest) {
                Q_EMIT showDashboardRequested();
            }
        };
        connect(socket, &QLocalSocket::readyRead, this, read);
        connect(socket, &QLocalSocket::disconnected, this, [this, socket, read] {
            if (socket->bytesAvailable() > 0) {
                read();
            } else {
                socket->disconnect(this);
                socket->deleteLater();
            }
        });
        if (socket->bytesAvailable() > 0) {
            read();
        }
    }
}

}  // namespace quillorbitex
