#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

namespace quillorbitex::testing {

// An HTTP server on 127.0.0.1 with one canned answer for every request, run by the thread's event
// loop. Header-only so that it costs nothing where it is not used; needs Qt Network.
class LocalHttpServer final : public QObject {
public:
    LocalHttpServer() { listening_ = server_.listen(QHostAddress::LocalHost, 0); }

    bool isListening() const { return listening_; }
    // The address of `path` on this server.
    QUrl url(const QString& path = QStringLiteral("/appcast.xml")) const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path));
    }
    int requestCount() const { return requests_; }

    // Answers every request with this status and body from now on.
    void respond(int status, QByteArray body,
                 QByteArray contentType = QByteArrayLiteral("application/rss+xml")) {
        hangUp_ = false;
        status_ = status;
        body_ = std::move(body);
        contentType_ = std::move(contentType);
    }
    // Closes each connection as soon as the request has arrived, without an answer, until the
    // next respond().
    void hangUp() { hangUp_ = true; }

private:
    void accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QObject::destroyed, this, [this, socket] { pending_.remove(socket); });
        }
    }

    void read(QTcpSocket* socket) {
        QByteArray& buffer = pending_[socket];
        buffer += socket->readAll();
        if (!buffer.contains("\r\n\r\n")) {
            return;  // the request's head is not complete yet
        }
        pending_.remove(socket);
        ++requests_;
        if (hangUp_) {
            socket->abort();
            return;
        }
        QByteArray answer = "HTTP/1.1 " + QByteArray::number(status_) + " Canned\r\n";
        answer += "Content-Type: " + contentType_ + "\r\n";
        answer += "Content-Length: " + QByteArray::number(body_.size()) + "\r\n";
        answer += "Connection: close\r\n\r\n";
        answer += body_;
        socket->write(answer);
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    bool listening_ = false;
    int requests_ = 0;
    int status_ = 404;
    QByteArray body_;
    QByteArray contentType_;
    bool hangUp_ = false;
    QHash<QTcpSocket*, QByteArray> pending_;

    // Connected after the members exist.
    QMetaObject::Connection acceptConnection_ =
        connect(&server_, &QTcpServer::newConnection, this, [this] { accept(); });
};

}  // namespace quillorbitex::testing
